#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

#include "foundation/thread_event_list.h"
#include "platform/clock.h"

namespace zol {
namespace {

// A payload that notes when it is disposed.
class TPayload : public TRefObject {
 public:
  explicit TPayload(std::atomic<int>& disposed) : disposed_(disposed) {}

 protected:
  void Dispose() override {
    ++disposed_;
    TRefObject::Dispose();
  }

 private:
  std::atomic<int>& disposed_;
};

// Records what the owner is told after each append.
class TNotifyingList : public TThreadEventList {
 public:
  using TThreadEventList::TThreadEventList;
  std::vector<int> notified;

 protected:
  void Notify(int kind) override { notified.push_back(kind); }
};

TEST(ThreadEventList, PostedEventsAreHandledInOrderAndTheirPayloadsFreed) {
  std::vector<int> seen;
  std::atomic<int> disposed{0};
  auto queue = MakeRef<TNotifyingList>([&](TThreadEventList&, int32_t type, TRefObject* payload, bool& handled) {
    seen.push_back(type);
    EXPECT_EQ(payload != nullptr, type == 2);
    handled = true;
  });
  queue->Post(1);
  queue->Post(2, MakeRef<TPayload>(disposed));
  queue->Post(3);
  EXPECT_EQ(queue->notified, (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(disposed, 0) << "a queued payload waits for its event";

  queue->Process();
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(disposed, 1);
  EXPECT_EQ(queue->Pending(), 0u);
}

TEST(ThreadEventList, UnhandledEventsReachTheHandlerListAndFailuresAreSwallowed) {
  std::vector<int> second;
  auto queue = MakeRef<TThreadEventList>([](TThreadEventList&, int32_t type, TRefObject*, bool& handled) {
    if (type == 9) throw std::runtime_error("handler failed");
    handled = type == 1;
  });
  queue->AddHandler([&](TThreadEventList&, int32_t type, TRefObject*, bool&) { second.push_back(type); });
  queue->Post(1);
  queue->Post(2);
  queue->Post(9);
  EXPECT_NO_THROW(queue->Process());
  EXPECT_EQ(second, (std::vector<int>{2, 9}));
}

TEST(ThreadEventList, SendWaitsUntilHandledAndThePayloadStaysTheSenders) {
  std::atomic<int> disposed{0};
  std::atomic<bool> handledOnConsumer{false};
  auto queue = MakeRef<TNotifyingList>([&](TThreadEventList&, int32_t, TRefObject* payload, bool& handled) {
    handledOnConsumer = payload != nullptr;
    handled = true;
  });
  std::atomic<bool> stop{false};
  std::thread consumer([&] {
    while (!stop) {
      queue->Process();
      platform::SleepMs(1);
    }
  });
  auto payload = MakeRef<TPayload>(disposed);
  queue->Send(5, payload.get());
  EXPECT_TRUE(handledOnConsumer);
  EXPECT_EQ(payload->RefCount(), 1);
  EXPECT_EQ(disposed, 0);
  stop = true;
  consumer.join();
  EXPECT_EQ(queue->notified, std::vector<int>{1});
}

TEST(ThreadEventList, ShutdownReleasesAWaitingSenderAndKeepsItsPayload) {
  std::atomic<int> disposed{0};
  auto queue = MakeRef<TThreadEventList>();
  auto payload = MakeRef<TPayload>(disposed);
  std::atomic<bool> returned{false};
  std::thread sender([&] {
    queue->Send(7, payload.get());  // nobody processes: only shutdown ends the wait
    returned = true;
  });
  while (queue->Pending() == 0) platform::SleepMs(1);
  EXPECT_FALSE(returned);
  queue->Shutdown();
  sender.join();
  EXPECT_TRUE(returned);
  EXPECT_TRUE(queue->IsShutDown());
  EXPECT_EQ(disposed, 0);
  EXPECT_EQ(payload->RefCount(), 1);
}

TEST(ThreadEventList, AfterShutdownPostFreesThePayloadAndSendReturnsAtOnce) {
  std::atomic<int> disposed{0};
  int handled = 0;
  auto queue = MakeRef<TNotifyingList>([&](TThreadEventList&, int32_t, TRefObject*, bool&) { ++handled; });
  auto queuedBefore = MakeRef<TPayload>(disposed);
  queue->Post(1, queuedBefore);
  queuedBefore.reset();
  queue->Shutdown();
  EXPECT_EQ(disposed, 1) << "events still queued at shutdown are dropped";

  queue->Post(2, MakeRef<TPayload>(disposed));
  EXPECT_EQ(disposed, 2);
  auto kept = MakeRef<TPayload>(disposed);
  queue->Send(3, kept.get());
  EXPECT_EQ(disposed, 2);
  queue->Process();
  EXPECT_EQ(handled, 0);
  EXPECT_EQ(queue->notified, std::vector<int>{0}) << "nothing is appended after shutdown";
}

}  // namespace
}  // namespace zol
