#include "model/object_creator.h"

#include <mutex>

#include "model/zol_frame.h"

namespace zol {
namespace {

struct TCreatorSlot {
  std::mutex lock;
  TObjectCreator creator = CreateBuiltInObject;
};

TCreatorSlot& Slot() {
  static TCreatorSlot slot;
  return slot;
}

}  // namespace

TObjectCreator SetObjectCreator(TObjectCreator creator) {
  TCreatorSlot& slot = Slot();
  std::lock_guard guard(slot.lock);
  return std::exchange(slot.creator, std::move(creator));
}

TRef<TZolObject> CreateObject(TZolObjectKind kind, TZolObject& parent, TZolObjectProps& node) {
  TObjectCreator creator;
  {
    TCreatorSlot& slot = Slot();
    std::lock_guard guard(slot.lock);
    creator = slot.creator;
  }
  return creator ? creator(kind, parent, node) : nullptr;
}

TRef<TZolObject> CreateBuiltInObject(TZolObjectKind kind, TZolObject& parent, TZolObjectProps& node) {
  switch (kind) {
    case TZolObjectKind::Frame:
    case TZolObjectKind::Box:
    case TZolObjectKind::Splitter:
      return TZolObject::Make<TZolFrame>(&parent, TRef<TZolObjectProps>(&node));
    default:
      return nullptr;
  }
}

}  // namespace zol
