// TThread: a program thread on std::thread. The running thread owns the run
// mutex, so others can ask whether it still runs and wait for it. Start, stop
// and wait are called by the owner's thread; RequestStop from any thread.
//
// A thread that will not stop when asked is never killed (that would leave
// locks and heaps half-changed): it is logged and detached, and its object's
// memory is kept until the thread ends by itself.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "foundation/event.h"
#include "foundation/ref.h"
#include "foundation/thread_registry.h"

namespace zol {

class EMutexTakeOwnershipError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TThread : public TRefObject {
 public:
  // Threads count in REGISTRY (the process-wide one when none is given).
  explicit TThread(TThreadRegistry* registry = nullptr);

  // Refused (false) while the thread runs.
  virtual bool Start();
  virtual void RequestStop() { stopRequested_ = true; }

  bool IsRunning();
  // True when the thread ended within MS milliseconds (MS < 0: no limit).
  bool WaitFor(int ms);
  // Gives up on a thread that does not stop: logs it and lets it run on its own.
  void Terminate();
  // Gives back the memory of given-up threads that have ended since; returns
  // how many are still running. Called at process end.
  static int ReapDetached();

  bool StopRequested() const { return stopRequested_; }
  bool Detached() const { return detached_; }
  // 0 when Execute returned, 1 when an exception escaped it.
  int ExitCode() const { return exitCode_; }

  // Windows-style priority levels, -2 (lowest) ... 2 (highest); best effort.
  int GetPriority() const { return priority_; }
  void SetPriority(int priority);

 protected:
  virtual void Execute() = 0;
  void Dispose() override;

 private:
  void Body();
  static std::vector<TRef<TThread>>& GivenUpThreads();

  TThreadRegistry* registry_;
  std::shared_ptr<platform::RobustMutex> runMutex_;
  std::thread thread_;
  TRef<TEvent> started_;
  std::atomic<bool> stopRequested_{false};
  std::atomic<bool> detached_{false};
  std::atomic<bool> finished_{false};
  std::atomic<uint32_t> threadId_{0};
  std::atomic<int> exitCode_{0};
  int priority_ = 0;
};

}  // namespace zol
