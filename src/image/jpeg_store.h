// TJpegStore: a JPEG file held in memory, decoded by libjpeg-turbo on demand
// at the scale of the level asked for; carries the file's embedded colour
// profile unless that is the standard sRGB one. Shared by reference; any
// thread (the bytes never change after loading).
#pragma once

#include <string_view>

#include "foundation/stream.h"
#include "image/bitmap_store.h"
#include "image/jpeg_decoder.h"
#include "image/picture_bytes.h"

namespace zol {

class TJpegStore : public TBitmapStore {
 public:
  TJpegStore(std::string name, TPictureBytes bytes, const TJpegInfo& info, TRef<TColorProfile> profile);

  // The loader: a store when STREAM holds a JPEG within the limits (size,
  // scans, profile size); none otherwise.
  static TRef<TBitmapStore> Open(TStream& stream, std::string_view name);

  bool Grey() const { return info_.grey; }
  bool Progressive() const { return info_.progressive; }

 protected:
  TRef<TPixelImage> Decode(int level) override;

 private:
  const TPictureBytes bytes_;
  const TJpegInfo info_;
};

}  // namespace zol
