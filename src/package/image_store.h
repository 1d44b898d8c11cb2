// What the file-access layer knows of decoded pictures: an opaque store of
// pixels (the picture subsystem derives its bitmap stores from it) and the
// orientation fix a show may ask for a picture.
#pragma once

#include "foundation/ref_object.h"

namespace zol {

class TImageStore : public TRefObject {};

// A turn a picture needs before it is shown, in EXIF orientation codes.
enum class TImageTransform {
  Rotate180 = 3,      // upside down
  QuarterRight = 6,   // the stored picture must turn 90° clockwise
  QuarterLeft = 8,    // the stored picture must turn 90° counter-clockwise
};

}  // namespace zol
