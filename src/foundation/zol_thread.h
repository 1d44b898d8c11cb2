// TZolThread: a worker thread that runs Step until asked to stop, with an
// event queue whose events reach HandleEvent when the worker calls
// Events().Process(). The owner starts and stops it; any thread may post.
#pragma once

#include "foundation/thread.h"
#include "foundation/thread_event_list.h"

namespace zol {

class TZolThread : public TThread {
 public:
  explicit TZolThread(TThreadRegistry* registry = nullptr);

  TThreadEventList& Events() { return *events_; }
  bool Started() const { return started_; }

  bool Start() override;
  // Shuts the queue down first (releasing senders), then asks the loop to end.
  void RequestStop() override;
  void StopAndWait();

 protected:
  virtual void HandleEvent(int32_t type, TRefObject* payload);
  virtual void OnStart() {}
  virtual void OnStop() { started_ = false; }
  virtual void Step() = 0;

  void Execute() override;
  void Dispose() override;

 private:
  TRef<TThreadEventList> events_;
  std::atomic<bool> started_{false};
};

}  // namespace zol
