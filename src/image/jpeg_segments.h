// Walking the marker segments at the head of a JPEG file (up to the first
// scan), and the embedded ICC profile found there. Pure functions over bytes
// in memory; malformed data is written to the log. Any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace zol {

struct TJpegSegment {
  uint8_t marker = 0;                // the byte after 0xFF (0xE0 … 0xEF for APP0 … APP15)
  size_t position = 0;               // of the 0xFF that starts the segment
  std::span<const uint8_t> payload;  // after the two length bytes
};

// Calls VISIT for each segment between the start of image and the start of
// scan (or the end of image, or malformed data); VISIT returns false to stop.
// False when DATA does not begin with the start-of-image marker.
bool WalkJpegSegments(std::span<const uint8_t> data, const std::function<bool(const TJpegSegment&)>& visit);

struct TJpegIccProfile {
  std::optional<std::string> icc;  // none when the file carries no profile
  bool tooLarge = false;           // the profile's chunks add up past kMaxMetadataBytes
};

// The ICC profile of DATA: the payloads of its "ICC_PROFILE" APP2 segments
// after their 14-byte heading, joined in their sequence order.
TJpegIccProfile ReadJpegIccProfile(std::span<const uint8_t> data);

// The number of scans (start-of-scan markers) in DATA, counting no further
// than STOPAT: the entropy-coded data between them is skimmed for markers.
int CountJpegScans(std::span<const uint8_t> data, int stopAt);

// Whether ICC names the standard sRGB profile (its head mentions "sRGB IEC61966-2.1").
bool IsStandardSrgbProfile(std::string_view icc);

}  // namespace zol
