// The EXIF and IPTC facts of a stored picture, as the text macros ask for
// them: read from the file's start, EXIF first, then IPTC. Any thread; one
// stream per call.
#pragma once

#include "foundation/stream.h"
#include "image/exif_reader.h"
#include "image/iptc_reader.h"

namespace zol {

struct TPictureMetadata {
  TExifFields exif;  // empty fields when the file has none
  TIptcFields iptc;
};

// The metadata of the picture file in STREAM (any position; read from its
// start). Files that are not JPEG, or that fail to read, give empty fields.
TPictureMetadata ReadPictureMetadata(TStream& stream);

}  // namespace zol
