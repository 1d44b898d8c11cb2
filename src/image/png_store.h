// TPngStore: a PNG file held in memory and decoded by libpng on demand (24
// or 32 bits, alpha kept); the levels are reduced copies. Shared by
// reference; any thread (the bytes never change after loading).
#pragma once

#include <string_view>

#include "foundation/stream.h"
#include "image/bitmap_store.h"
#include "image/picture_bytes.h"
#include "image/png_decoder.h"

namespace zol {

class TPngStore : public TBitmapStore {
 public:
  TPngStore(std::string name, TPictureBytes bytes, const TPngInfo& info);

  // The loader: a store when STREAM holds a PNG within the limits (size,
  // metadata); none otherwise.
  static TRef<TBitmapStore> Open(TStream& stream, std::string_view name);

 protected:
  TRef<TPixelImage> Decode(int level) override;

 private:
  const TPictureBytes bytes_;
};

}  // namespace zol
