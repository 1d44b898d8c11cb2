// TColorGradeLookup: one colour grade as the scene drawer receives it: a
// 32 x 32 x 32 cube or a 256-wide ramp, started from a source table (a
// picture's colour-management cube) or the identity, with a colour-filter
// chain baked on top. Show objects make one per key frame and keep it while
// its filters and source stay the same; the drawer turns it into a device
// texture on first use and keeps that texture with it. Made on the thread
// that updates the object, used on the drawing thread.
#pragma once

#include <cstdint>

#include "foundation/ref.h"
#include "render/custom_color_grade_texture.h"
#include "render/lookup_table_filter.h"
#include "render/pixel_image.h"

namespace zol {

// How the drawer grades a picture: not at all, through a cube lookup (any
// colour to any colour) or through a per-channel ramp.
enum class TColorGradeMode : uint8_t { None = 0, Cube = 1, Ramp = 2 };

class TColorGradeLookup : public TRefObject {
 public:
  // SOURCE (none: the identity) must be the cube layout (32 columns, 1024
  // rows) for a cube; FILTERS (may be none) is applied on top of it.
  TColorGradeLookup(TColorGradeMode mode, TRef<TPixelImage> source, TRef<TLookupTableFilter> filters)
      : mode_(mode), source_(std::move(source)), filters_(std::move(filters)) {}

  TColorGradeMode Mode() const { return mode_; }
  const TRef<TPixelImage>& Source() const { return source_; }
  const TRef<TLookupTableFilter>& Filters() const { return filters_; }

  // The device texture the drawer made for this lookup; none before.
  TCustomColorGradeTexture* Texture() const { return texture_.get(); }
  void SetTexture(TRef<TCustomColorGradeTexture> texture) { texture_ = std::move(texture); }

 protected:
  void Dispose() override {
    texture_ = nullptr;
    filters_ = nullptr;
    source_ = nullptr;
    TRefObject::Dispose();
  }

 private:
  TColorGradeMode mode_;
  TRef<TPixelImage> source_;
  TRef<TLookupTableFilter> filters_;
  TRef<TCustomColorGradeTexture> texture_;
};

}  // namespace zol
