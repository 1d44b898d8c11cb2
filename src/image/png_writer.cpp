#include "image/png_writer.h"

#include <png.h>

#include <fstream>
#include <vector>

#include "render/color.h"

namespace zol {
namespace {

struct TPngWriteState {
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::string out;

  ~TPngWriteState() {
    if (png) png_destroy_write_struct(&png, info ? &info : nullptr);
  }
};

void Append(png_structp png, png_bytep data, size_t count) {
  static_cast<TPngWriteState*>(png_get_io_ptr(png))->out.append(reinterpret_cast<const char*>(data), count);
}
void Flush(png_structp) {}
void Error(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void Warning(png_structp, png_const_charp) {}

// The libpng calls, between which an error jumps back here; ROWS are ready.
bool Write(TPngWriteState& s, int width, int height, bool alpha, std::vector<png_bytep>& rows) {
  s.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Error, Warning);
  if (!s.png) return false;
  s.info = png_create_info_struct(s.png);
  if (!s.info) return false;
  if (setjmp(png_jmpbuf(s.png))) return false;
  png_set_write_fn(s.png, &s, Append, Flush);
  png_set_IHDR(s.png, s.info, png_uint_32(width), png_uint_32(height), 8,
               alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(s.png, s.info);
  png_write_image(s.png, rows.data());
  png_write_end(s.png, nullptr);
  return true;
}

}  // namespace

std::optional<std::string> EncodePng(const TPixelImage& bitmap) {
  const int width = bitmap.Width(), height = bitmap.Height();
  if (width <= 0 || height <= 0) return std::nullopt;
  const bool alpha = bitmap.Format() == TPixelFormat::kARGB32;
  const size_t channels = alpha ? 4 : 3;
  std::vector<uint8_t> pixels(size_t(width) * size_t(height) * channels);
  std::vector<png_bytep> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    uint8_t* row = pixels.data() + size_t(y) * size_t(width) * channels;
    rows[size_t(y)] = row;
    for (int x = 0; x < width; ++x, row += channels) {
      const uint32_t c = bitmap.GetPixel(x, y);
      row[0] = ColorR(c), row[1] = ColorG(c), row[2] = ColorB(c);
      if (alpha) row[3] = ColorA(c);
    }
  }
  TPngWriteState state;
  if (!Write(state, width, height, alpha, rows)) return std::nullopt;
  return std::move(state.out);
}

bool WritePngFile(const TPixelImage& bitmap, const std::string& path, std::string& error) {
  auto bytes = EncodePng(bitmap);
  if (!bytes) {
    error = "Cannot encode the picture as PNG";
    return false;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes->data(), std::streamsize(bytes->size()));
  out.close();
  if (!out) {
    error = "Cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace zol
