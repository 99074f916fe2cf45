// The worker-to-window hand-off with a plain C++ stand-in for the window's
// event loop; scripts/tsan.sh runs these tests under ThreadSanitizer, which
// reports any value the two threads share without the hand-off ordering it.
#include "frame/call_hand_off.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <future>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace foresta {
namespace {

// The window's thread: sleeps until woken, then runs what is pending, as a
// queued invocation would.
class StandInEventLoop {
 public:
  void Start(CallHandOff& handOff) {
    thread_ = std::thread([this, &handOff] {
      std::unique_lock<std::mutex> lock(mutex_);
      for (;;) {
        woken_.wait(lock, [this] { return wakes_ > 0 || stop_; });
        if (wakes_ == 0) return;
        --wakes_;
        lock.unlock();
        handOff.RunPending();
        lock.lock();
      }
    });
  }
  void Wake() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      ++wakes_;
    }
    woken_.notify_one();
  }
  // Ends the loop after the wakes already posted.
  void Stop() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    woken_.notify_one();
    thread_.join();
  }
  // REQUIRES: called on the thread that started the loop.
  std::thread::id id() const { return thread_.get_id(); }

 private:
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable woken_;
  int wakes_ = 0;
  bool stop_ = false;
};

TEST(CallHandOff, CallsRunInOrderOnTheOwnerThreadAndTheirResultsReachTheWorker) {
  StandInEventLoop loop;
  CallHandOff handOff([&loop] { loop.Wake(); });
  loop.Start(handOff);

  const std::thread::id owner = loop.id();
  // Plain values on purpose: only the hand-off orders the two threads.
  std::vector<int> ranOwnerSide;
  int answer = 0;
  bool everyCallOnOwner = true;
  std::thread worker([&] {
    for (int i = 0; i < 2000; ++i) {
      const bool ran = handOff.Call([&, i] {
        everyCallOnOwner = everyCallOnOwner && std::this_thread::get_id() == owner;
        ranOwnerSide.push_back(i);
        answer = 2 * i;
      });
      ASSERT_TRUE(ran);
      ASSERT_EQ(answer, 2 * i);
    }
  });
  worker.join();
  loop.Stop();
  EXPECT_TRUE(everyCallOnOwner);
  ASSERT_EQ(ranOwnerSide.size(), 2000u);
  for (int i = 0; i < 2000; ++i) EXPECT_EQ(ranOwnerSide[static_cast<size_t>(i)], i);
}

TEST(CallHandOff, ClosingReleasesAWaitingWorkerWithoutRunningItsCall) {
  // Nobody answers: the window has stopped processing events, as when the
  // application quits.
  std::promise<void> queued;
  CallHandOff handOff([&queued] { queued.set_value(); });
  bool ran = false;
  std::future<bool> answered = std::async(std::launch::async, [&] {
    return handOff.Call([&ran] { ran = true; });
  });
  queued.get_future().wait();
  handOff.Close();
  EXPECT_FALSE(answered.get());
  handOff.RunPending();  // nothing is left to run
  EXPECT_FALSE(ran);
}

TEST(CallHandOff, AClosedHandOffRefusesAtOnceUntilOpenedAgain) {
  StandInEventLoop loop;
  CallHandOff handOff([&loop] { loop.Wake(); });
  loop.Start(handOff);
  handOff.Close();
  int runs = 0;
  std::thread([&] { EXPECT_FALSE(handOff.Call([&runs] { ++runs; })); }).join();
  handOff.Open();
  std::thread([&] { EXPECT_TRUE(handOff.Call([&runs] { ++runs; })); }).join();
  loop.Stop();
  EXPECT_EQ(runs, 1);
}

TEST(CallHandOff, ACallThatThrowsStillReleasesItsWorker) {
  std::promise<void> queued;
  CallHandOff handOff([&queued] { queued.set_value(); });
  std::future<bool> answered = std::async(std::launch::async, [&] {
    return handOff.Call([] { throw std::runtime_error("box failed"); });
  });
  queued.get_future().wait();
  EXPECT_THROW(handOff.RunPending(), std::runtime_error);
  EXPECT_TRUE(answered.get());
}

}  // namespace
}  // namespace foresta
