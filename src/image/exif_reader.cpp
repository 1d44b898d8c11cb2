#include "image/exif_reader.h"

#include <cstring>

#include "foundation/utf8.h"
#include "image/byte_reader.h"
#include "image/jpeg_segments.h"
#include "image/metadata_text.h"

namespace zol {
namespace {

constexpr uint16_t kImageDescription = 270, kDateTime = 306, kExifIfd = 0x8769, kUserComment = 37510;
constexpr uint16_t kTypeAscii = 2, kTypeLong = 4, kTypeUndefined = 7;

struct TEntry {
  uint16_t type = 0;
  uint32_t count = 0;
  std::span<const uint8_t> bytes;  // the value, for one-byte types
  uint32_t number = 0;             // the value, for a LONG
};

// The entries of the IFD at OFFSET that CALLBACK wants, by tag.
template <class Callback>
void ReadIfd(std::span<const uint8_t> tiff, bool bigEndian, uint32_t offset, Callback&& callback) {
  TByteReader in(tiff, bigEndian);
  in.Seek(offset);
  const uint16_t count = in.U16();
  for (uint16_t i = 0; i < count && !in.Failed(); ++i) {
    TEntry entry;
    const uint16_t tag = in.U16();
    entry.type = in.U16();
    entry.count = in.U32();
    const size_t valueAt = in.Position();
    const uint32_t value = in.U32();
    if (in.Failed()) return;
    entry.number = value;
    if (entry.type == kTypeAscii || entry.type == kTypeUndefined) {
      const size_t start = entry.count <= 4 ? valueAt : value;
      if (start <= tiff.size() && entry.count <= tiff.size() - start)
        entry.bytes = tiff.subspan(start, entry.count);
    }
    callback(tag, entry);
  }
}

std::string AsciiValue(std::span<const uint8_t> bytes) {
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  return TrimMetadataText(MetadataTextToUtf8(text));
}

// UserComment: an 8-byte code naming the character set, then the text.
std::string CommentValue(std::span<const uint8_t> bytes, bool bigEndian) {
  if (bytes.size() < 8) return {};
  const std::string_view code(reinterpret_cast<const char*>(bytes.data()), 8);
  const auto text = bytes.subspan(8);
  if (code == std::string_view("UNICODE\0", 8)) {
    std::u16string units;
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
      const char16_t unit =
          bigEndian ? char16_t(text[i] << 8 | text[i + 1]) : char16_t(text[i] | text[i + 1] << 8);
      if (unit == 0) break;
      units.push_back(unit);
    }
    return TrimMetadataText(utf8::FromUtf16(units));
  }
  if (code == std::string_view("JIS\0\0\0\0\0", 8)) return {};  // no JIS decoder; better empty than garbage
  return AsciiValue(text);                                      // "ASCII" or undefined
}

}  // namespace

TExifFields ParseExifTiff(std::span<const uint8_t> tiff) {
  TExifFields fields;
  if (tiff.size() < 8) return fields;
  bool bigEndian;
  if (tiff[0] == 'I' && tiff[1] == 'I')
    bigEndian = false;
  else if (tiff[0] == 'M' && tiff[1] == 'M')
    bigEndian = true;
  else
    return fields;
  TByteReader in(tiff, bigEndian);
  in.Skip(2);
  if (in.U16() != 42) return fields;
  const uint32_t ifd0 = in.U32();
  uint32_t exifIfd = 0;
  ReadIfd(tiff, bigEndian, ifd0, [&](uint16_t tag, const TEntry& entry) {
    if (tag == kDateTime && entry.type == kTypeAscii) fields.dateTime = AsciiValue(entry.bytes);
    if (tag == kImageDescription && entry.type == kTypeAscii)
      fields.imageDescription = AsciiValue(entry.bytes);
    if (tag == kExifIfd && entry.type == kTypeLong) exifIfd = entry.number;
  });
  if (exifIfd != 0 && exifIfd != ifd0)
    ReadIfd(tiff, bigEndian, exifIfd, [&](uint16_t tag, const TEntry& entry) {
      if (tag == kUserComment && entry.type == kTypeUndefined)
        fields.userComment = CommentValue(entry.bytes, bigEndian);
    });
  return fields;
}

std::optional<TExifFields> ReadExifFields(std::span<const uint8_t> jpeg) {
  std::optional<TExifFields> fields;
  WalkJpegSegments(jpeg, [&](const TJpegSegment& segment) {
    if (segment.marker != 0xE1 || segment.payload.size() < 6 ||
        std::memcmp(segment.payload.data(), "Exif\0\0", 6) != 0)
      return true;
    fields = ParseExifTiff(segment.payload.subspan(6));
    return false;
  });
  return fields;
}

}  // namespace zol
