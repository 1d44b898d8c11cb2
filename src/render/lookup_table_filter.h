// TLookupTableFilter: a colour filter chain baked into a lookup table: it
// receives the table as an image (the whole cube, slices one under another,
// or the ramp's first row) and rewrites its texels. Implemented by the
// colour filters; called on the drawing thread.
#pragma once

#include "foundation/ref.h"
#include "render/pixel_image.h"

namespace zol {

class TLookupTableFilter : public TRefObject {
 public:
  virtual void ApplyToTable(TPixelImage& table) = 0;
};

}  // namespace zol
