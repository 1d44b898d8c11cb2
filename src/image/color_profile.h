// TColorProfile: an ICC colour profile (a picture's embedded one, a built-in
// one or the display's) with the identity cube transformed toward a target,
// made once and kept for every later picture with this profile. Shared by
// reference; any thread (the cube cache has its own lock).
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "foundation/ref.h"
#include "render/pixel_image.h"

namespace zol {

class TColorProfile : public TRefObject {
 public:
  TColorProfile(std::string name, std::string icc);

  const std::string& Name() const { return name_; }
  const std::string& Icc() const { return icc_; }
  // The same profile: this object, or one with the same bytes.
  bool SameAs(const TColorProfile& other) const;

  // The cube toward TARGET made with the transform described by VARIANT (a
  // text telling how it was made, e.g. which table source and intent); MAKE
  // runs once per target and variant. None when MAKE gives none.
  TRef<TPixelImage> CachedCube(const TColorProfile& target, const std::string& variant,
                               const std::function<TRef<TPixelImage>()>& make);

 protected:
  void Dispose() override;

 private:
  struct CubeEntry {
    std::string targetIcc;  // bytes, not a reference: two profiles may target each other
    std::string variant;
    TRef<TPixelImage> cube;
  };

  const std::string name_;
  const std::string icc_;
  std::mutex cubesLock_;  // guards cubes_; held while a cube is made
  std::vector<CubeEntry> cubes_;
};

}  // namespace zol
