// The hooks through which the file-access layer has pictures decoded and
// placeholder pictures drawn; the picture subsystem installs them at start-up.
// Without them no file decodes and missing pictures give nothing.
#pragma once

#include <functional>
#include <string_view>

#include "foundation/ref.h"
#include "foundation/stream.h"
#include "package/image_store.h"

namespace zol {

class TFileSource;

// Decodes STREAM (the file NAME of SOURCE, whose transform hook tells the
// turn the picture needs); nothing when no decoder accepts it.
using TImageDecoder =
    std::function<TRef<TImageStore>(TRef<TStream> stream, std::string_view name, TFileSource& source)>;

// The picture shown for a file that is missing or does not decode.
using TPlaceholderPainter =
    std::function<TRef<TImageStore>(std::string_view name, bool loadFailed, bool isVideo)>;

void SetImageDecoder(TImageDecoder decoder);
void SetPlaceholderPainter(TPlaceholderPainter painter);

TRef<TImageStore> DecodeImage(TRef<TStream> stream, std::string_view name, TFileSource& source);
TRef<TImageStore> PaintPlaceholder(std::string_view name, bool loadFailed, bool isVideo);

// The two lines of a placeholder: the message and the file name.
const char* PlaceholderMessage(bool loadFailed, bool isVideo);

}  // namespace zol
