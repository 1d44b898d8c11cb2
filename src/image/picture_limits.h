// The resource limits every picture decoder enforces. The system's JPEG and
// PNG libraries cap nothing on their own, so a hostile file could otherwise ask
// for gigabytes; a picture beyond these limits is refused like a broken one.
// Constants only; any thread.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zol {

// Width × height of the full-size picture (about 250 megapixels: a 1 GB bitmap).
constexpr int64_t kMaxPicturePixels = 250'000'000;
// Scans of a progressive JPEG: real encoders write about ten; thousands of
// tiny scans make decoding take minutes.
constexpr int kMaxJpegScans = 500;
// An embedded ICC profile, and any PNG metadata chunk once inflated.
constexpr size_t kMaxMetadataBytes = size_t(4) << 20;
// A picture file is held in memory while its store lives.
constexpr int64_t kMaxPictureFileBytes = int64_t(1) << 30;

inline bool PictureSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width * height <= kMaxPicturePixels;
}

}  // namespace zol
