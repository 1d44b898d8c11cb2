#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "foundation/mutex.h"
#include "foundation/safe_critical_section.h"
#include "foundation/thread.h"
#include "foundation/thread_registry.h"
#include "foundation/zol_thread.h"
#include "platform/clock.h"
#include "support/captured_log.h"

namespace zol {
namespace {

// Steps until asked to stop, counting steps and noting start and stop.
class TCountingThread : public TZolThread {
 public:
  explicit TCountingThread(TThreadRegistry* registry = nullptr) : TZolThread(registry) {}
  std::atomic<int> steps{0};
  std::atomic<bool> onStart{false}, onStop{false};

 protected:
  void OnStart() override { onStart = true; }
  void OnStop() override {
    onStop = true;
    TZolThread::OnStop();
  }
  void Step() override {
    ++steps;
    Events().Process();
    platform::SleepMs(1);
  }
};

TEST(ZolThread, StepsUntilStoppedAndReportsItsLifecycle) {
  auto thread = MakeRef<TCountingThread>();
  ASSERT_TRUE(thread->Start());
  EXPECT_TRUE(thread->Started());
  EXPECT_TRUE(thread->IsRunning());
  EXPECT_FALSE(thread->Start()) << "a running thread refuses a second start";
  while (thread->steps < 3) platform::SleepMs(1);

  thread->StopAndWait();
  EXPECT_FALSE(thread->IsRunning());
  EXPECT_TRUE(thread->onStart);
  EXPECT_TRUE(thread->onStop);
  EXPECT_FALSE(thread->Started());
  EXPECT_TRUE(thread->Events().IsShutDown()) << "stopping shuts the queue first";

  // A stopped thread can run again.
  ASSERT_TRUE(thread->Start());
  thread->StopAndWait();
}

TEST(ZolThread, NeverStartedThreadDisposesAtOnce) {
  auto thread = MakeRef<TCountingThread>();
  EXPECT_FALSE(thread->IsRunning());
  EXPECT_TRUE(thread->WaitFor(0));
}

class TFailingThread : public TThread {
 protected:
  void Execute() override { throw std::runtime_error("gears jammed"); }
};

TEST(Thread, ExceptionEscapingExecuteIsLoggedAndEndsTheThread) {
  test::CapturedLog log;
  auto thread = MakeRef<TFailingThread>();
  ASSERT_TRUE(thread->Start());
  ASSERT_TRUE(thread->WaitFor(5000));
  EXPECT_EQ(thread->ExitCode(), 1);
  EXPECT_NE(log.Text().find("Thread Exception at: "), std::string::npos);
  EXPECT_NE(log.Text().find("gears jammed"), std::string::npos);
}

TEST(ThreadRegistry, ShutdownWaitsForLiveThreadsAndRefusesNewOnes) {
  TThreadRegistry registry;
  auto thread = MakeRef<TCountingThread>(&registry);
  ASSERT_TRUE(thread->Start());
  while (registry.LiveThreads() == 0) platform::SleepMs(1);

  EXPECT_FALSE(registry.Shutdown(20)) << "the thread is still stepping";
  thread->StopAndWait();
  EXPECT_TRUE(registry.Shutdown(1000));
  EXPECT_EQ(registry.LiveThreads(), 0);

  // A thread started after shutdown ends at once without running.
  auto late = MakeRef<TCountingThread>(&registry);
  ASSERT_TRUE(late->Start());
  EXPECT_TRUE(late->WaitFor(1000));
  EXPECT_FALSE(late->IsRunning());
  EXPECT_EQ(late->steps, 0);
  EXPECT_FALSE(late->onStart);
}

TEST(ThreadRegistry, MutexTableStartsAt16AndDoublesWhenFull) {
  TThreadRegistry registry;
  std::vector<std::shared_ptr<platform::RobustMutex>> held;
  held.push_back(registry.CreateMutex());
  EXPECT_EQ(registry.MutexTableCapacity(), 16u);
  while (held.size() < 17) held.push_back(registry.CreateMutex());
  EXPECT_EQ(registry.MutexTableCapacity(), 32u);
}

// Ignores stop requests until released: the stuck thread of a buggy worker.
class TStubbornThread : public TThread {
 public:
  std::atomic<bool> release{false};

 protected:
  void Execute() override {
    while (!release) platform::SleepMs(2);
  }
};

TEST(Thread, UnstoppableThreadIsLoggedAndDetachedNotKilled) {
  test::CapturedLog log;
  auto thread = MakeRef<TStubbornThread>();
  ASSERT_TRUE(thread->Start());
  TStubbornThread* raw = thread.get();
  thread.reset();  // disposing waits 3 s, then gives up on it

  EXPECT_TRUE(raw->Detached());
  EXPECT_TRUE(raw->IsRunning()) << "the thread was left running, not killed";
  EXPECT_NE(log.Text().find("Thread TStubbornThread did not stop in time"), std::string::npos);
  EXPECT_GE(TThread::ReapDetached(), 1);

  raw->release = true;  // the object's memory is still there for the thread
  while (raw->IsRunning()) platform::SleepMs(1);
  EXPECT_EQ(TThread::ReapDetached(), 0);  // and is given back now
}

TEST(SafeCriticalSection, LockLeftByAnEndedThreadIsTakenOverAndRemembered) {
  auto section = MakeRef<TSafeCriticalSection>();
  std::thread([&] { section->Enter(); }).join();  // ends while holding it
  section->Enter();
  EXPECT_TRUE(section->WasAbandoned());
  section->Leave();
}

TEST(Mutex, AbandonedMutexRefusesEveryLaterAcquire) {
  auto mutex = MakeRef<TMutex>();
  ASSERT_TRUE(mutex->Acquire(0));
  mutex->Release();
  std::thread([&] { ASSERT_TRUE(mutex->Acquire(100)); }).join();
  EXPECT_FALSE(mutex->Acquire(100));
  EXPECT_TRUE(mutex->Abandoned());
  EXPECT_FALSE(mutex->Acquire(0));
}

TEST(Mutex, AcquireTimesOutWhileAnotherThreadHoldsIt) {
  auto mutex = MakeRef<TMutex>();
  std::atomic<bool> held{false}, done{false};
  std::thread owner([&] {
    mutex->Acquire(-1);
    held = true;
    while (!done) platform::SleepMs(1);
    mutex->Release();
  });
  while (!held) platform::SleepMs(1);
  EXPECT_FALSE(mutex->Acquire(10));
  done = true;
  owner.join();
  EXPECT_TRUE(mutex->Acquire(1000));
  mutex->Release();
}

}  // namespace
}  // namespace zol
