// The picture shown in place of a picture or video that is missing or does
// not decode: its lines in the default font, centred, in opaque colours.
// Any thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/ref.h"
#include "render/pixel_image.h"

namespace zol {

// LINES in the default font at SCALE, TEXTARGB on BACKGROUNDARGB. Never
// fails: without any installed font the picture is just the background.
TRef<TPixelImage> RenderPlaceholderText(const std::vector<std::string>& lines, uint32_t textArgb,
                                        uint32_t backgroundArgb, double scale);

}  // namespace zol
