// TGifStore: the first frame of a GIF file held in memory, decoded by giflib
// on demand; the levels are reduced copies. Shared by reference; any thread
// (the bytes never change after loading).
#pragma once

#include <string_view>

#include "foundation/stream.h"
#include "image/bitmap_store.h"
#include "image/gif_decoder.h"
#include "image/picture_bytes.h"

namespace zol {

class TGifStore : public TBitmapStore {
 public:
  TGifStore(std::string name, TPictureBytes bytes, const TGifInfo& info);

  // The loader: a store when STREAM holds a GIF with at least one frame.
  static TRef<TBitmapStore> Open(TStream& stream, std::string_view name);

 protected:
  TRef<TPixelImage> Decode(int level) override;

 private:
  const TPictureBytes bytes_;
  const TGifInfo info_;
};

}  // namespace zol
