// Start-up of the picture subsystem: the built-in loaders in their order and
// the decoder hook through which the file-access layer's image cache has
// pictures decoded. Called on the main thread at start-up; calling it again
// does nothing.
#pragma once

#include <string_view>

#include "foundation/ref.h"
#include "foundation/stream.h"
#include "image/bitmap_store.h"

namespace zol {

class TFileSource;

// Registers, in this order: the prepared-picture container (".kvgfx",
// ".bmp", ".dib", ".png", ".gif|framesatlas"), the bitmap file reader
// (".bmp", ".dib"), JPEG (".jpg", ".jpeg", ".jpe", ".jfif"), the GIF first
// frame (".gif", ".gif_first_frame") and PNG (".png"); then installs the
// image decoder hook.
void InstallImageLoaders();

// What the decoder hook does: the store of the first loader that accepts
// STREAM, turned as SOURCE's rotation map asks, with the load-yield hook as
// its progress routine; none when no loader accepts it.
TRef<TBitmapStore> DecodePictureStream(TRef<TStream> stream, std::string_view name, TFileSource& source);

}  // namespace zol
