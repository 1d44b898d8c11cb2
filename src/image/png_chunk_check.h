// A walk over a PNG file's chunks before libpng sees it, refusing files whose
// metadata (text, profile and unknown chunks) is, or inflates to, more than
// kMaxMetadataBytes: libpng would otherwise inflate it all. Pure function
// over bytes in memory; any thread.
#pragma once

#include <cstdint>
#include <span>

namespace zol {

// False when some chunk other than the pixel data holds more than the limit,
// or the compressed text and profile chunks together inflate past it.
bool PngMetadataWithinLimits(std::span<const uint8_t> data);

}  // namespace zol
