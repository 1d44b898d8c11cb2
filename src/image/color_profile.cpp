#include "image/color_profile.h"

namespace zol {

TColorProfile::TColorProfile(std::string name, std::string icc)
    : name_(std::move(name)), icc_(std::move(icc)) {}

bool TColorProfile::SameAs(const TColorProfile& other) const {
  return this == &other || icc_ == other.icc_;
}

TRef<TPixelImage> TColorProfile::CachedCube(const TColorProfile& target, const std::string& variant,
                                            const std::function<TRef<TPixelImage>()>& make) {
  std::lock_guard guard(cubesLock_);
  for (const CubeEntry& entry : cubes_)
    if (entry.targetIcc == target.Icc() && entry.variant == variant) return entry.cube;
  TRef<TPixelImage> cube = make();
  cubes_.push_back({target.Icc(), variant, cube});
  return cube;
}

void TColorProfile::Dispose() {
  {
    std::lock_guard guard(cubesLock_);
    cubes_.clear();
  }
  TRefObject::Dispose();
}

}  // namespace zol
