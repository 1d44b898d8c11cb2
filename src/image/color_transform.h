// TColorTransform: how the colours of a picture with one profile are brought
// to the target profile: through the transform table the show carries for
// that profile, or else through Little CMS when the show allows the library.
// Made by TColorManagement; a small value, any thread.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ref.h"
#include "image/color_profile.h"
#include "image/icc_transform.h"
#include "render/pixel_image.h"

namespace zol {

class TColorTransform {
 public:
  // TABLE: the show's transformed cube for FROM (may be none). USELIBRARY:
  // whether Little CMS may make the transform when there is no table.
  // TABLESOURCE tells tables of different shows apart in the profile's cache.
  TColorTransform(TRef<TColorProfile> from, TRef<TColorProfile> to, TRef<TPixelImage> table,
                  uint32_t tableSource, bool useLibrary, TRenderingIntent intent);

  const TRef<TColorProfile>& From() const { return from_; }
  const TRef<TColorProfile>& To() const { return to_; }
  bool FromTable() const { return bool(table_); }

  // BITMAP's colours (kRGB32 or kARGB32) transformed in place, alpha kept;
  // unchanged when neither a table nor the library can do it.
  void Apply(TPixelImage& bitmap) const;
  // One colour, through the lookup bitmap.
  uint32_t ApplyToColor(uint32_t argb) const;
  // The identity cube transformed (32 × 1024), made once per profile and
  // target and kept on the profile; none when the transform cannot be made.
  TRef<TPixelImage> LookupBitmap() const;

 private:
  std::string CacheVariant() const;

  TRef<TColorProfile> from_;
  TRef<TColorProfile> to_;
  TRef<TPixelImage> table_;
  uint32_t tableSource_;
  bool useLibrary_;
  TRenderingIntent intent_;
};

}  // namespace zol
