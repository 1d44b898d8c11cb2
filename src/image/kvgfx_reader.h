// The prepared-picture container ".kvgfx": magic "KVGF", a table of text
// fields (File, Width, Height, OriginalSize required) and a compressed
// bitmap file as payload. Pure functions over bytes in memory; any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "foundation/ref.h"
#include "render/color.h"
#include "render/pixel_image.h"

namespace zol {

// What stands in for a payload that does not decode.
constexpr uint32_t kKvgfxDefaultColor = kOpaqueWhite;

struct TKvgfxHeader {
  std::map<std::string, std::string> fields;  // every field as stored (UTF-8)
  std::string file;
  int width = 0;
  int height = 0;
  int64_t originalSize = 0;
  size_t payloadOffset = 0;  // the compressed bitmap file runs from here to the end
};

// The container's header; none without the magic, with a field cut short,
// a required key missing or not a number, or a size beyond the limits.
std::optional<TKvgfxHeader> ReadKvgfxHeader(std::span<const uint8_t> data);

// The payload's picture (kARGB32, opaque unless the bitmap has alpha), or a
// bitmap of the declared size filled with kKvgfxDefaultColor when the payload
// does not inflate, is not a bitmap file or has another size.
TRef<TPixelImage> DecodeKvgfxPayload(std::span<const uint8_t> data, const TKvgfxHeader& header);

}  // namespace zol
