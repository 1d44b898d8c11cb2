// A picture file read whole into memory, the form every decoder works on.
// Pure functions; one stream per caller.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "foundation/stream.h"

namespace zol {

// Immutable once read, so stores share them with concurrent decodes.
using TPictureBytes = std::shared_ptr<const std::vector<uint8_t>>;

// Everything from STREAM's position to its end; none when it holds more than
// LIMIT bytes (the picture is then refused rather than read).
std::optional<std::vector<uint8_t>> ReadStreamBytes(TStream& stream, int64_t limit);

// Whether the bytes at STREAM's position start with SIGNATURE; the position
// is left where it was.
bool StreamStartsWith(TStream& stream, std::span<const uint8_t> signature);

// Whether DATA starts with SIGNATURE.
bool StartsWith(std::span<const uint8_t> data, std::span<const uint8_t> signature);

}  // namespace zol
