// The EXIF fields the text macros show: DateTime (tag 306), ImageDescription
// (270) and UserComment (37510), read from a JPEG file's "Exif" APP1
// segment. Pure functions over bytes in memory; any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zol {

struct TExifFields {
  std::string dateTime;  // "YYYY:MM:DD HH:MM:SS" as stored
  std::string imageDescription;
  std::string userComment;
};

// The fields of the JPEG file JPEG; none when it has no EXIF segment. Texts
// are UTF-8 and trimmed of spaces; a field that is missing or unreadable is empty.
std::optional<TExifFields> ReadExifFields(std::span<const uint8_t> jpeg);

// The fields of an EXIF TIFF structure (the segment after "Exif\0\0").
TExifFields ParseExifTiff(std::span<const uint8_t> tiff);

}  // namespace zol
