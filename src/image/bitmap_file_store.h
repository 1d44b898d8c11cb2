// TBitmapFileStore: a Windows bitmap file (".bmp", ".dib") held in memory and
// decoded by our own reader on demand; the levels are reduced copies.
// Shared by reference; any thread (the bytes never change after loading).
#pragma once

#include <string_view>

#include "foundation/stream.h"
#include "image/bitmap_file_reader.h"
#include "image/bitmap_store.h"
#include "image/picture_bytes.h"

namespace zol {

class TBitmapFileStore : public TBitmapStore {
 public:
  TBitmapFileStore(std::string name, TPictureBytes bytes, TBitmapFileInfo info);

  // The loader: a store when STREAM holds a bitmap file this reader decodes.
  static TRef<TBitmapStore> Open(TStream& stream, std::string_view name);

 protected:
  TRef<TPixelImage> Decode(int level) override;

 private:
  const TPictureBytes bytes_;
  const TBitmapFileInfo info_;
};

}  // namespace zol
