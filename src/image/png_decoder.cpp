#include "image/png_decoder.h"

#include <png.h>

#include <algorithm>
#include <cstring>

#include "image/decoded_bitmap.h"
#include "image/picture_limits.h"

namespace zol {
namespace {

// libpng reports fatal errors by jumping back to the setjmp of the phase
// that called it; the phases hold no objects with destructors, and what
// needs freeing lives in TPngState.
struct TPngState {
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::span<const uint8_t> data;
  size_t position = 0;
  int passes = 1;
  int rowsDone = 0;
  bool stopped = false;

  TPngState() = default;
  ~TPngState() {
    if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  }
  TPngState(const TPngState&) = delete;
  TPngState& operator=(const TPngState&) = delete;
};

void ReadData(png_structp png, png_bytep out, size_t count) {
  auto& s = *static_cast<TPngState*>(png_get_io_ptr(png));
  if (count > s.data.size() - s.position) png_error(png, "PNG file cut short");
  std::memcpy(out, s.data.data() + s.position, count);
  s.position += count;
}

void Error(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
// Warnings (bad ancillary chunks and the like) do not stop the picture.
void Warning(png_structp, png_const_charp) {}

// Phase 1: a decoder on DATA with its header read and the output set to
// 8-bit B, G, R plus alpha or filler.
bool Begin(TPngState& s, std::span<const uint8_t> data) {
  s.data = data;
  s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Error, Warning);
  if (!s.png) return false;
  s.info = png_create_info_struct(s.png);
  if (!s.info) return false;
  if (setjmp(png_jmpbuf(s.png))) return false;
  png_set_read_fn(s.png, &s, ReadData);
  // Our own limits, not libpng's defaults of a million pixels a side.
  png_set_user_limits(s.png, 0x7FFFFFFF, 0x7FFFFFFF);
  png_set_chunk_malloc_max(s.png, kMaxMetadataBytes);
  png_read_info(s.png, s.info);
  const png_byte colorType = png_get_color_type(s.png, s.info);
  png_set_expand(s.png);  // palettes, low bit depths and transparent colours
  png_set_scale_16(s.png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(s.png);
  png_set_bgr(s.png);
  const bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(s.png, s.info, PNG_INFO_tRNS);
  if (!alpha) png_set_filler(s.png, 0xFF, PNG_FILLER_AFTER);
  s.passes = png_set_interlace_handling(s.png);
  png_read_update_info(s.png, s.info);
  return png_get_rowbytes(s.png, s.info) == size_t(png_get_image_width(s.png, s.info)) * 4;
}

bool HasAlpha(TPngState& s) {
  return png_get_channels(s.png, s.info) == 4 && (png_get_color_type(s.png, s.info) & PNG_COLOR_MASK_ALPHA);
}

// Phase 2: every pass of every row into IMAGE.
bool Run(TPngState& s, TPixelImage& image, const std::function<bool(double)>& progress) {
  if (setjmp(png_jmpbuf(s.png))) return false;
  const int passes = s.passes;
  const int height = image.Height();
  for (int pass = 0; pass < passes; ++pass) {
    for (int y = 0; y < height; ++y) {
      png_read_row(s.png, image.ScanLine(y), nullptr);
      s.rowsDone = std::max(s.rowsDone, y + 1);
      // Progress may not throw across libpng; it is called between rows.
      if (progress && !progress((double(pass) * height + y + 1) / (double(passes) * height))) {
        s.stopped = true;
        return false;
      }
    }
  }
  return true;
}

}  // namespace

std::optional<TPngInfo> ReadPngInfo(std::span<const uint8_t> data) {
  TPngState state;
  if (!Begin(state, data)) return std::nullopt;
  TPngInfo info;
  info.width = int(png_get_image_width(state.png, state.info));
  info.height = int(png_get_image_height(state.png, state.info));
  info.alpha = HasAlpha(state);
  info.interlaced = png_get_interlace_type(state.png, state.info) != PNG_INTERLACE_NONE;
  if (info.width <= 0 || info.height <= 0) return std::nullopt;
  return info;
}

TRef<TPixelImage> DecodePng(std::span<const uint8_t> data, const std::function<bool(double)>& progress) {
  TPngState state;
  if (!Begin(state, data)) return nullptr;
  const int64_t width = png_get_image_width(state.png, state.info),
                height = png_get_image_height(state.png, state.info);
  if (!PictureSizeAllowed(width, height)) return nullptr;
  // Interlaced passes each fill only some pixels of a row: those start cleared.
  TRef<TPixelImage> image = MakeRef<TDecodedBitmap>(
      int(width), int(height), HasAlpha(state) ? TPixelFormat::kARGB32 : TPixelFormat::kRGB32,
      state.passes > 1);
  bool ok = false;
  try {
    ok = Run(state, *image, progress);
  } catch (...) {
    state.stopped = true;  // the progress routine failed
  }
  if (ok) return image;
  if (state.stopped || state.rowsDone == 0) return nullptr;
  if (state.passes == 1)  // rows after the break show black (or transparent)
    for (int y = state.rowsDone; y < image->Height(); ++y)
      std::memset(image->ScanLine(y), 0, size_t(image->Width()) * 4);
  return image;
}

}  // namespace zol
