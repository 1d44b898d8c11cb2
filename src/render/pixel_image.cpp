#include "render/pixel_image.h"

#include <algorithm>
#include <cstring>

#include "foundation/assertion.h"
#include "render/color.h"

namespace zol {

TPixelImage::TPixelImage(int width, int height, TPixelFormat format)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), format_(format) {
  pitch_ = ptrdiff_t(width_) * BytesPerPixel(format);
  own_.assign(size_t(pitch_) * height_, 0);
  firstRow_ = own_.data();
}

TPixelImage::TPixelImage(int width, int height, TPixelFormat format, uint8_t* firstRow, ptrdiff_t pitch)
    : width_(width), height_(height), format_(format), firstRow_(firstRow), pitch_(pitch) {
  ZOL_CHECK(firstRow != nullptr || width == 0 || height == 0, "TPixelImage: no pixels to view");
}

namespace {
uint8_t Expand5(uint32_t v) {
  return uint8_t((v << 3) | (v >> 2));
}
uint8_t Expand6(uint32_t v) {
  return uint8_t((v << 2) | (v >> 4));
}
}  // namespace

uint32_t TPixelImage::GetPixel(int x, int y) const {
  const uint8_t* p = ScanLine(y) + x * BytesPerPixel(format_);
  switch (format_) {
    case TPixelFormat::kARGB32:
      return PackColor(p[2], p[1], p[0], p[3]);
    case TPixelFormat::kRGB32:
      return PackColor(p[2], p[1], p[0], 255);
    case TPixelFormat::kRGB565: {
      uint32_t v = uint32_t(p[0]) | (uint32_t(p[1]) << 8);
      return PackColor(Expand5(v >> 11), Expand6((v >> 5) & 63), Expand5(v & 31), 255);
    }
    case TPixelFormat::kXRGB1555: {
      uint32_t v = uint32_t(p[0]) | (uint32_t(p[1]) << 8);
      return PackColor(Expand5((v >> 10) & 31), Expand5((v >> 5) & 31), Expand5(v & 31), 255);
    }
    case TPixelFormat::kGray8:
      return PackColor(p[0], p[0], p[0], 255);
  }
  return 0;
}

void TPixelImage::SetPixel(int x, int y, uint32_t c) {
  uint8_t* p = ScanLine(y) + x * BytesPerPixel(format_);
  switch (format_) {
    case TPixelFormat::kARGB32:
    case TPixelFormat::kRGB32:
      p[0] = ColorB(c), p[1] = ColorG(c), p[2] = ColorR(c), p[3] = ColorA(c);
      if (format_ == TPixelFormat::kRGB32) p[3] = 255;
      return;
    case TPixelFormat::kRGB565: {
      uint32_t v = (uint32_t(ColorR(c) >> 3) << 11) | (uint32_t(ColorG(c) >> 2) << 5) | (ColorB(c) >> 3);
      p[0] = uint8_t(v), p[1] = uint8_t(v >> 8);
      return;
    }
    case TPixelFormat::kXRGB1555: {
      uint32_t v = (uint32_t(ColorR(c) >> 3) << 10) | (uint32_t(ColorG(c) >> 3) << 5) | (ColorB(c) >> 3);
      p[0] = uint8_t(v), p[1] = uint8_t(v >> 8);
      return;
    }
    case TPixelFormat::kGray8:
      // Rec. 601 luma, the weights video planes are made with.
      p[0] = uint8_t((ColorR(c) * 299 + ColorG(c) * 587 + ColorB(c) * 114 + 500) / 1000);
      return;
  }
}

void TPixelImage::Fill(uint32_t argb) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) SetPixel(x, y, argb);
}

void TPixelImage::CopyFrom(const TPixelImage& source) {
  int w = std::min(width_, source.width_), h = std::min(height_, source.height_);
  if (source.format_ == format_) {
    size_t bytes = size_t(w) * BytesPerPixel(format_);
    for (int y = 0; y < h; ++y) std::memcpy(ScanLine(y), source.ScanLine(y), bytes);
    return;
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) SetPixel(x, y, source.GetPixel(x, y));
}

}  // namespace zol
