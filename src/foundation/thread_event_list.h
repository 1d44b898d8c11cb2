// TThreadEventList: an event queue between threads. Any thread may Post (returns
// at once) or Send (waits until the event was handled or the queue shut down);
// the consuming thread calls Process. The lock is held only while the list
// changes; handlers run outside it.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "foundation/message_item.h"
#include "foundation/safe_critical_section.h"

namespace zol {

class TThreadEventList : public TRefObject {
 public:
  // A handler sees each event once; setting HANDLED keeps it from the
  // handlers after it.
  using Handler = std::function<void(TThreadEventList& queue, int32_t type, TRefObject* payload,
                                     bool& handled)>;

  explicit TThreadEventList(Handler handler = {});

  // The queue takes over PAYLOAD; after shutdown the payload is just freed.
  void Post(int32_t type, TRef<TRefObject> payload = nullptr);
  // Blocks until handled or the queue shuts down; PAYLOAD stays the caller's.
  void Send(int32_t type, TRefObject* payload = nullptr);
  // Handles every queued event in order.
  void Process();
  // Releases every waiting sender and refuses further events.
  void Shutdown();
  bool IsShutDown();

  // Handlers that get events the main handler did not mark handled.
  void AddHandler(Handler handler);
  size_t Pending();

 protected:
  // Called after each append: 0 for a post, 1 for a send. Owners use it to
  // wake their thread.
  virtual void Notify(int kind) { (void)kind; }
  void Dispose() override;

 private:
  TRef<TMessageItem> TakeFirst();

  Handler handler_;
  TRef<TSafeCriticalSection> lock_;
  std::deque<TRef<TMessageItem>> items_;  // guarded by lock_
  bool shutDown_ = false;                 // guarded by lock_
  std::vector<Handler> handlers_;         // guarded by lock_
};

}  // namespace zol
