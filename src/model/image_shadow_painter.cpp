#include "model/image_shadow_painter.h"

#include <mutex>
#include <utility>

namespace zol {
namespace {

struct TPainterSlot {
  std::mutex lock;
  std::shared_ptr<TImageShadowPainter> painter;
};

TPainterSlot& Slot() {
  static TPainterSlot slot;
  return slot;
}

}  // namespace

std::shared_ptr<TImageShadowPainter> SetImageShadowPainter(std::shared_ptr<TImageShadowPainter> painter) {
  TPainterSlot& slot = Slot();
  std::lock_guard guard(slot.lock);
  return std::exchange(slot.painter, std::move(painter));
}

std::shared_ptr<TImageShadowPainter> ImageShadowPainter() {
  TPainterSlot& slot = Slot();
  std::lock_guard guard(slot.lock);
  return slot.painter;
}

}  // namespace zol
