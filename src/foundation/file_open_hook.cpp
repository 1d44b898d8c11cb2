#include "foundation/file_open_hook.h"

#include <mutex>

#include "foundation/file_stream.h"

namespace zol {
namespace {

struct HookSlot {
  std::mutex lock;
  TFileOpenHook hook = OpenDiskFile;
};

HookSlot& Slot() {
  static HookSlot slot;
  return slot;
}

}  // namespace

TRef<TStream> OpenDiskFile(const std::string& path) {
  try {
    return MakeRef<TFileStream>(path, TFileStream::Mode::Read);
  } catch (const EStreamError&) {
    return nullptr;
  }
}

TFileOpenHook SetFileOpenHook(TFileOpenHook hook) {
  HookSlot& slot = Slot();
  std::lock_guard guard(slot.lock);
  TFileOpenHook previous = std::move(slot.hook);
  slot.hook = hook ? std::move(hook) : TFileOpenHook(OpenDiskFile);
  return previous;
}

TRef<TStream> OpenFileStream(const std::string& path) {
  TFileOpenHook hook;
  {
    HookSlot& slot = Slot();
    std::lock_guard guard(slot.lock);
    hook = slot.hook;
  }
  return hook(path);
}

}  // namespace zol
