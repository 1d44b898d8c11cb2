// The picture shown in place of a picture or video that is missing or does
// not decode: the message and the file name, light grey on dark grey, drawn
// with the vector text renderer. Installed as the image cache's placeholder
// painter at start-up; any thread may paint.
#pragma once

#include <string_view>

#include "foundation/ref.h"
#include "image/bitmap_store.h"

namespace zol {

TRef<TBitmapStore> PaintPlaceholderPicture(std::string_view name, bool loadFailed, bool isVideo);

// Makes PaintPlaceholderPicture the file-access layer's placeholder painter.
void InstallPlaceholderPicture();

}  // namespace zol
