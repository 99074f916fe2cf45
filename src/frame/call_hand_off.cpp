#include "frame/call_hand_off.h"

namespace foresta {

bool CallHandOff::Call(std::function<void()> call) {
  Request request{std::move(call)};
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (closed_) return false;
    waiting_.push_back(&request);
  }
  wake_();
  std::unique_lock<std::mutex> lock(mutex_);
  answered_.wait(lock, [&request] {
    return request.state == Request::State::kDone ||
           request.state == Request::State::kRefused;
  });
  return request.state == Request::State::kDone;
}

void CallHandOff::RunPending() {
  for (;;) {
    Request* request = nullptr;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (waiting_.empty()) return;
      request = waiting_.front();
      waiting_.pop_front();
      request->state = Request::State::kRunning;
    }
    // Marks the request done however the call ends; the worker may return
    // (and its request vanish) as soon as the lock is released.
    struct Answer {
      CallHandOff& handOff;
      Request& request;
      ~Answer() {
        {
          std::lock_guard<std::mutex> lock(handOff.mutex_);
          request.state = Request::State::kDone;
        }
        handOff.answered_.notify_all();
      }
    } answer{*this, *request};
    request->call();
  }
}

void CallHandOff::Close() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    for (Request* request : waiting_) request->state = Request::State::kRefused;
    waiting_.clear();
  }
  answered_.notify_all();
}

void CallHandOff::Open() {
  std::lock_guard<std::mutex> lock(mutex_);
  closed_ = false;
}

}  // namespace foresta
