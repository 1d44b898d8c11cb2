// Writing bitmaps as PNG files through libpng (the -picture command, saved
// pictures, test fixtures). Any thread; one bitmap per call.
#pragma once

#include <optional>
#include <string>

#include "render/pixel_image.h"

namespace zol {

// BITMAP as PNG bytes: RGBA when it is kARGB32, else RGB. None when libpng fails.
std::optional<std::string> EncodePng(const TPixelImage& bitmap);

// Writes EncodePng's bytes to PATH; false (with ERROR filled) on failure.
bool WritePngFile(const TPixelImage& bitmap, const std::string& path, std::string& error);

}  // namespace zol
