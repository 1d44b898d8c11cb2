#include "image/picture_metadata.h"

#include <exception>
#include <vector>

#include "image/picture_bytes.h"
#include "image/picture_limits.h"

namespace zol {

TPictureMetadata ReadPictureMetadata(TStream& stream) {
  TPictureMetadata metadata;
  try {
    stream.SetPosition(0);
    auto bytes = ReadStreamBytes(stream, kMaxPictureFileBytes);
    if (!bytes) return metadata;
    if (auto exif = ReadExifFields(*bytes)) metadata.exif = std::move(*exif);
    if (auto iptc = ReadIptcFields(*bytes)) metadata.iptc = std::move(*iptc);
  } catch (const std::exception&) {
    metadata = {};  // a read error leaves every value empty
  }
  return metadata;
}

}  // namespace zol
