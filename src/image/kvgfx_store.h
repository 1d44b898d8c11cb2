// TKvgfxStore: a prepared picture (".kvgfx" container) whose payload stays
// compressed until its pixels are first asked for. Shared by reference; any
// thread (the bytes never change after loading).
#pragma once

#include <string_view>

#include "foundation/stream.h"
#include "image/bitmap_store.h"
#include "image/kvgfx_reader.h"
#include "image/picture_bytes.h"

namespace zol {

class TKvgfxStore : public TBitmapStore {
 public:
  TKvgfxStore(std::string name, TPictureBytes bytes, TKvgfxHeader header);

  // The loader: a store when STREAM holds a container with the required fields.
  static TRef<TBitmapStore> Open(TStream& stream, std::string_view name);

  const TKvgfxHeader& Header() const { return header_; }

 protected:
  TRef<TPixelImage> Decode(int level) override;

 private:
  const TPictureBytes bytes_;
  const TKvgfxHeader header_;
};

}  // namespace zol
