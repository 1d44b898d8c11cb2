#include "render/gl/gl_call.h"

namespace zol {
namespace {
thread_local int tCallDepth = 0;
}

TGLCallScope::TGLCallScope() {
  ++tCallDepth;
}

TGLCallScope::~TGLCallScope() {
  if (--tCallDepth == 0) TGLDevStore::EndOuterCall();
}

TGLCall::TGLCall(TGLDevStore* store) : lock_(DeviceLock()), store_(store) {
  bound_ = store_ && store_->ContextUsable() && store_->Bind();
}

TGLCall::~TGLCall() = default;

}  // namespace zol
