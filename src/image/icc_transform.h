// Little CMS 2 behind the program's own types: what an ICC profile is, and
// transforms of our 4-byte B, G, R, x pixels between two profiles. The
// library's adaptation state is set to 0 once, before the first transform.
// Any thread; a transform object has one user at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zol {

struct TIccDescription {
  bool valid = false;        // the bytes open as a profile
  bool rgb = false;          // its colour space is RGB
  uint32_t deviceClass = 0;  // the ICC signature ('mntr', 'scnr', ...)
  uint32_t colorSpace = 0;   // the ICC signature ('RGB ', 'GRAY', ...)
  std::string description;
};

TIccDescription DescribeIccProfile(std::string_view icc);

// The rendering intents of ICC.
enum class TRenderingIntent {
  Perceptual = 0,
  RelativeColorimetric = 1,
  Saturation = 2,
  AbsoluteColorimetric = 3
};

class TIccTransform {
 public:
  // A transform from profile FROM to profile TO; none when a profile does not
  // open or the library cannot join them (a grey or CMYK profile, say).
  static std::unique_ptr<TIccTransform> Create(std::string_view from, std::string_view to,
                                               TRenderingIntent intent);
  // Takes over HANDLE, a transform of the library (Create makes them).
  explicit TIccTransform(void* handle) : handle_(handle) {}
  ~TIccTransform();
  TIccTransform(const TIccTransform&) = delete;
  TIccTransform& operator=(const TIccTransform&) = delete;

  // Transforms COUNT pixels of 4 bytes (B, G, R, then alpha or unused) in
  // place; the fourth byte is left as it is.
  void TransformPixels(uint8_t* pixels, size_t count) const;

 private:
  void* handle_;  // the library's transform
};

}  // namespace zol
