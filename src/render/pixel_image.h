// TPixelImage: a picture in memory as the render layers exchange it: the
// result of reading a surface, the view of a locked texture level, the
// source of a restorable texture. Either owns its pixels or views memory owned
// by a locked device object (valid until that object is unlocked).
// One user at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "foundation/ref.h"
#include "render/pixel_format.h"

namespace zol {

class TPixelImage : public TRefObject {
 public:
  // An image with its own zeroed pixels.
  TPixelImage(int width, int height, TPixelFormat format);
  // A view of memory owned elsewhere: row 0 (the top row) at FIRSTROW, each
  // next row PITCH bytes further (negative for bottom-up storage).
  TPixelImage(int width, int height, TPixelFormat format, uint8_t* firstRow, ptrdiff_t pitch);

  int Width() const { return width_; }
  int Height() const { return height_; }
  TPixelFormat Format() const { return format_; }
  ptrdiff_t Pitch() const { return pitch_; }

  // Row Y, counted from the top.
  uint8_t* ScanLine(int y) { return firstRow_ + y * pitch_; }
  const uint8_t* ScanLine(int y) const { return firstRow_ + y * pitch_; }

  // The pixel as an ARGB word, whatever the format (grey and 16-bit formats
  // expanded, formats without alpha opaque).
  uint32_t GetPixel(int x, int y) const;
  // Stores an ARGB word, converted to the format.
  void SetPixel(int x, int y, uint32_t argb);
  void Fill(uint32_t argb);

  // Copies SOURCE into this image at (0, 0), as much as fits, converting pixels.
  void CopyFrom(const TPixelImage& source);

 private:
  int width_;
  int height_;
  TPixelFormat format_;
  std::vector<uint8_t> own_;
  uint8_t* firstRow_;
  ptrdiff_t pitch_;
};

}  // namespace zol
