#include "foundation/thread.h"

#include <cstdio>
#include <mutex>
#include <vector>

#include "foundation/exception_reporter.h"
#include "foundation/log.h"
#include "platform/process.h"
#include "platform/thread_priority.h"

namespace zol {
namespace {

std::mutex& DetachedLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace

std::vector<TRef<TThread>>& TThread::GivenUpThreads() {
  static std::vector<TRef<TThread>> list;  // guarded by DetachedLock()
  return list;
}

TThread::TThread(TThreadRegistry* registry)
    : registry_(registry ? registry : &TThreadRegistry::Process()) {}

bool TThread::Start() {
  if (IsRunning()) return false;
  runMutex_ = registry_->CreateMutex();
  if (thread_.joinable()) thread_.join();  // the old thread has ended
  stopRequested_ = false;
  exitCode_ = 0;
  finished_ = false;
  started_ = MakeRef<TEvent>();
  try {
    thread_ = std::thread(&TThread::Body, this);
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

void TThread::Body() {
  threadId_ = platform::CurrentThreadId();
  TThreadRegistry* registry = registry_;
  std::shared_ptr<platform::RobustMutex> runMutex = runMutex_;
  TRef<TEvent> started = started_;
  if (!registry->Enter()) {
    started->Set();  // so that waiters do not wait for a start that never comes
    return;
  }
  bool owned = false;
  try {
    auto taken = runMutex->Lock(-1);
    owned = taken == platform::RobustMutex::Result::Acquired ||
            taken == platform::RobustMutex::Result::Abandoned;
    started->Set();
    if (!owned) throw EMutexTakeOwnershipError("Can not take ownership of the thread mutex");
    if (priority_ != 0) platform::SetThreadPriority(threadId_, priority_);
    Execute();
  } catch (...) {
    char address[32];
    snprintf(address, sizeof address, "%08llX",
             static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(this)));
    LogText(std::string("Thread Exception at: ") + address);
    ReportCurrentException("Exception in thread " + ClassName());
    exitCode_ = 1;
  }
  if (owned) runMutex->Unlock();
  registry->Leave();
  finished_ = true;  // the last touch of this object by the thread
}

bool TThread::IsRunning() {
  if (detached_) return !finished_;
  if (!thread_.joinable()) return false;
  if (!started_->IsSet()) return true;  // launched, not yet holding its mutex
  switch (runMutex_->Lock(0)) {
    case platform::RobustMutex::Result::Acquired:
    case platform::RobustMutex::Result::Abandoned:
      runMutex_->Unlock();
      return false;
    default:
      return true;
  }
}

bool TThread::WaitFor(int ms) {
  if (!started_) return true;  // never started
  started_->Wait();
  switch (runMutex_->Lock(ms)) {
    case platform::RobustMutex::Result::Acquired:
    case platform::RobustMutex::Result::Abandoned:
      runMutex_->Unlock();
      return true;
    default:
      return false;
  }
}

void TThread::Terminate() {
  if (!IsRunning() || !thread_.joinable()) return;
  LogText("Thread " + ClassName() + " did not stop in time; it is left running detached");
  platform::DebugOutput("Thread " + ClassName() + " did not stop in time; it is left running detached");
  // The thread still runs our Execute: the detached list keeps this object's
  // memory until the thread has ended and ReapDetached gives it back.
  detached_ = true;
  {
    std::lock_guard guard(DetachedLock());
    GivenUpThreads().push_back(TRef<TThread>(this));
  }
  thread_.detach();
}

int TThread::ReapDetached() {
  std::vector<TRef<TThread>> ended;
  int stillRunning = 0;
  {
    std::lock_guard guard(DetachedLock());
    auto& list = GivenUpThreads();
    for (auto it = list.begin(); it != list.end();) {
      if ((*it)->finished_) {
        ended.push_back(std::move(*it));
        it = list.erase(it);
      } else {
        ++stillRunning, ++it;
      }
    }
  }
  for (TRef<TThread>& thread : ended) {
    // Dispose already ran when the thread was given up during it.
    if (thread->IsDisposed())
      thread.Detach()->ReleaseDisposed();
    else
      thread.reset();
  }
  return stillRunning;
}

void TThread::SetPriority(int priority) {
  priority_ = priority;
  if (uint32_t id = threadId_; id != 0 && thread_.joinable()) platform::SetThreadPriority(id, priority);
}

void TThread::Dispose() {
  RequestStop();
  if (!WaitFor(3000)) Terminate();
  if (thread_.joinable()) thread_.join();
  runMutex_.reset();
  started_.reset();
  TRefObject::Dispose();
}

}  // namespace zol
