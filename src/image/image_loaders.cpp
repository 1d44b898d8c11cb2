#include "image/image_loaders.h"

#include <mutex>

#include "image/bitmap_file_store.h"
#include "image/gif_store.h"
#include "image/image_loader_registry.h"
#include "image/jpeg_store.h"
#include "image/kvgfx_store.h"
#include "image/oriented_store.h"
#include "image/png_store.h"
#include "package/file_source.h"
#include "package/image_decoding.h"
#include "package/load_yield.h"

namespace zol {

void InstallImageLoaders() {
  static std::once_flag once;
  std::call_once(once, [] {
    TImageLoaderRegistry& registry = TImageLoaderRegistry::Process();
    registry.Register(TKvgfxStore::Open, {".kvgfx", ".bmp", ".dib", ".png", ".gif|framesatlas"});
    registry.Register(TBitmapFileStore::Open, {".bmp", ".dib"});
    registry.Register(TJpegStore::Open, {".jpg", ".jpeg", ".jpe", ".jfif"});
    // The frames of animated GIFs are the video sources' business; a picture
    // shows the first one.
    registry.Register(TGifStore::Open, {".gif", ".gif_first_frame"});
    // libpng is part of the program, so PNG is always available.
    registry.Register(TPngStore::Open, {".png"});
    SetImageDecoder(
        [](TRef<TStream> stream, std::string_view name, TFileSource& source) -> TRef<TImageStore> {
          return DecodePictureStream(std::move(stream), name, source);
        });
  });
}

TRef<TBitmapStore> DecodePictureStream(TRef<TStream> stream, std::string_view name, TFileSource& source) {
  if (!stream) return nullptr;
  TRef<TBitmapStore> store = TImageLoaderRegistry::Process().Open(*stream, name);
  if (!store) return nullptr;
  int width = store->Width(), height = store->Height();
  if (auto transform = source.ImageTransform(name, width, height))
    store = MakeRef<TOrientedStore>(std::move(store), *transform);
  store->SetProgress([](double) { return LoadYield(); });
  return store;
}

}  // namespace zol
