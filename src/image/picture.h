// What the rest of the program does with a picture the file accessor loaded:
// its bitmap store, its pixels at a level as the display shows them, and the
// colour-management lookup bitmap the drawer applies. Any thread.
#pragma once

#include "foundation/ref.h"
#include "image/bitmap_store.h"
#include "package/packed_image.h"
#include "render/pixel_image.h"

namespace zol {

class TFileSource;

// The bitmap store behind IMAGE; none when something else made its store.
TBitmapStore* PictureStore(const TPackedImage& image);

// STORE's pixels at LEVEL with the colours brought to the display profile
// (through the show's transform tables in TABLES when it carries them);
// none when the pixels cannot be decoded.
TRef<TPixelImage> DecodeForDisplay(TBitmapStore& store, int level, TFileSource* tables);

// The 32 × 1024 colour cube that takes STORE's colours to the display
// profile; none when colour management is off or no transform is needed.
TRef<TPixelImage> ColorLookupBitmap(const TBitmapStore& store, TFileSource* tables);

}  // namespace zol
