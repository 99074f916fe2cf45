#ifndef FORESTA_FRAME_CALL_HAND_OFF_H_
#define FORESTA_FRAME_CALL_HAND_OFF_H_

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace foresta {

// Carries calls from a worker thread to the thread that owns the window and
// lets the worker wait for each to be done. It is plain C++: the window's
// event loop is reached only through `wake`, so the hand-off can be tested
// under ThreadSanitizer without Qt.
class CallHandOff {
 public:
  // `wake` is called on the worker's thread, without any lock held, each
  // time a call is queued; it must make the owner's thread call
  // RunPending() soon (in the window: a queued invocation).
  explicit CallHandOff(std::function<void()> wake) : wake_(std::move(wake)) {}
  CallHandOff(const CallHandOff&) = delete;
  CallHandOff& operator=(const CallHandOff&) = delete;

  // Worker: has `call` run on the owner's thread and waits until it has run.
  // Returns false, without running it, when the hand-off is closed, or is
  // closed while the call is still waiting. Everything `call` wrote is
  // visible to the worker when Call returns true.
  bool Call(std::function<void()> call);

  // Owner: runs the waiting calls in order, each to its end (a call that
  // throws still counts as run, and the exception goes on to the caller).
  void RunPending();

  // Owner: refuses calls from now on and releases every waiting worker with
  // false. The window closes the hand-off when the application quits while
  // a command runs, so the command can finish instead of waiting for ever.
  void Close();
  // Owner: accepts calls again, for the next command.
  void Open();

 private:
  struct Request {
    enum class State { kWaiting, kRunning, kDone, kRefused };
    std::function<void()> call;
    State state = State::kWaiting;
  };

  std::function<void()> wake_;
  std::mutex mutex_;
  std::condition_variable answered_;
  std::deque<Request*> waiting_;  // owned by the workers blocked in Call
  bool closed_ = false;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_CALL_HAND_OFF_H_
