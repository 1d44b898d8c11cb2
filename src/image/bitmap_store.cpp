#include "image/bitmap_store.h"

#include <algorithm>
#include <exception>

namespace zol {

TBitmapStore::TBitmapStore(std::string name, int width, int height, TPixelFormat format,
                           TRef<TColorProfile> profile)
    : name_(std::move(name)), width_(width), height_(height), format_(format), profile_(std::move(profile)) {}

void TBitmapStore::SetProgress(ProgressRoutine progress) {
  std::lock_guard guard(progressLock_);
  progress_ = std::move(progress);
}

TBitmapStore::ProgressRoutine TBitmapStore::Progress() {
  std::lock_guard guard(progressLock_);
  return progress_;
}

bool TBitmapStore::ReportProgress(double fraction) {
  ProgressRoutine progress = Progress();
  return !progress || progress(std::clamp(fraction, 0.0, 1.0));
}

TRef<TPixelImage> TBitmapStore::GetBitmap(int level) {
  level = std::clamp(level, 0, kMaxLevel);
  try {
    return Decode(level);
  } catch (const std::exception&) {
    // Out of memory or a reader's own error: the picture is simply not there.
    return nullptr;
  }
}

void TBitmapStore::Dispose() {
  profile_.reset();
  {
    std::lock_guard guard(progressLock_);
    progress_ = nullptr;
  }
  TImageStore::Dispose();
}

}  // namespace zol
