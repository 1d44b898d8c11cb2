#include "foundation/zol_thread.h"

namespace zol {

TZolThread::TZolThread(TThreadRegistry* registry) : TThread(registry) {
  events_ = MakeRef<TThreadEventList>(
      [this](TThreadEventList&, int32_t type, TRefObject* payload, bool& handled) {
        HandleEvent(type, payload);
        handled = true;
      });
}

void TZolThread::HandleEvent(int32_t, TRefObject*) {}

bool TZolThread::Start() {
  started_ = TThread::Start();
  return started_;
}

void TZolThread::RequestStop() {
  events_->Shutdown();
  TThread::RequestStop();
}

void TZolThread::StopAndWait() {
  RequestStop();
  WaitFor(-1);
}

void TZolThread::Execute() {
  OnStart();
  while (!StopRequested()) Step();
  try {
    OnStop();
  } catch (...) {
  }
}

void TZolThread::Dispose() {
  TThread::Dispose();
  // A thread given up as unstoppable may still be reading its queue.
  if (!Detached()) events_.reset();
}

}  // namespace zol
