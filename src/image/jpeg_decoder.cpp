#include "image/jpeg_decoder.h"

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <algorithm>
#include <cstring>
#include <vector>

#include "image/decoded_bitmap.h"
#include "image/picture_limits.h"

namespace zol {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// it jumps back to the setjmp of the phase that called libjpeg. The phases
// below therefore hold no objects with destructors between setjmp and their
// libjpeg calls; everything that needs freeing lives in TJpegState.
struct TErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

struct TJpegState {
  jpeg_decompress_struct cinfo{};
  TErrorManager error{};
  jpeg_progress_mgr monitor{};
  bool created = false;
  // The decode in progress.
  const std::function<bool(double)>* progress = nullptr;
  bool progressive = false;
  bool stopped = false;
  int rowsDone = 0;
  double reported = 0;  // libjpeg's pass estimates can move back; the report does not

  TJpegState() = default;
  ~TJpegState() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }
  TJpegState(const TJpegState&) = delete;
  TJpegState& operator=(const TJpegState&) = delete;
};

TJpegState& StateOf(j_common_ptr cinfo) {
  return *static_cast<TJpegState*>(cinfo->client_data);
}

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<TErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings (corrupt data, a premature end) go nowhere: the picture is shown
// as far as it decodes.
void OutputMessage(j_common_ptr) {}

// Runs the caller's progress routine; false (or an exception, which must not
// cross libjpeg's frames) stops the decode.
bool Report(TJpegState& state, double fraction) {
  bool goOn = true;
  state.reported = std::max(state.reported, fraction);
  try {
    goOn = !state.progress || !*state.progress || (*state.progress)(state.reported);
  } catch (...) {
    goOn = false;
  }
  if (!goOn) state.stopped = true;
  return goOn;
}

// Called by libjpeg while it reads scans; refuses files with too many and
// reports the reading of progressive files as the first half of the work.
void Monitor(j_common_ptr cinfo) {
  TJpegState& state = StateOf(cinfo);
  auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (d->input_scan_number > kMaxJpegScans) ErrorExit(cinfo);
  if (!state.progressive) return;
  const jpeg_progress_mgr& m = *cinfo->progress;
  const double pass = m.pass_limit > 0 ? double(m.pass_counter) / double(m.pass_limit) : 0.0;
  const double fraction = m.total_passes > 0 ? (m.completed_passes + pass) / m.total_passes : 0.0;
  if (!Report(state, 0.5 * std::min(fraction, 1.0))) ErrorExit(cinfo);
}

bool SupportedColorSpace(J_COLOR_SPACE space) {
  return space == JCS_GRAYSCALE || space == JCS_YCbCr || space == JCS_RGB || space == JCS_CMYK ||
         space == JCS_YCCK;
}

// Phase 1: a decompressor on DATA with its header read. Level < 0 only
// reads; otherwise the output is set up for that level.
bool Begin(TJpegState& s, std::span<const uint8_t> data, int level) {
  s.cinfo.err = jpeg_std_error(&s.error.pub);
  s.error.pub.error_exit = ErrorExit;
  s.error.pub.output_message = OutputMessage;
  if (setjmp(s.error.jump)) return false;
  jpeg_create_decompress(&s.cinfo);
  s.created = true;
  s.cinfo.client_data = &s;
  s.monitor.progress_monitor = Monitor;
  s.cinfo.progress = &s.monitor;
  jpeg_mem_src(&s.cinfo, data.data(), static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&s.cinfo, TRUE) != JPEG_HEADER_OK) return false;
  if (level < 0) return true;
  s.progressive = jpeg_has_multiple_scans(&s.cinfo);
  s.cinfo.scale_num = 1;
  s.cinfo.scale_denom = 1u << level;
  const bool ink = s.cinfo.jpeg_color_space == JCS_CMYK || s.cinfo.jpeg_color_space == JCS_YCCK;
  // libjpeg-turbo writes grey and colour straight into our B, G, R, X layout.
  s.cinfo.out_color_space = ink ? JCS_CMYK : JCS_EXT_BGRX;
  jpeg_calc_output_dimensions(&s.cinfo);
  return true;
}

// Turns a row of CMYK into B, G, R, X. Adobe's files store the inks inverted.
void InkToBgrx(const uint8_t* cmyk, uint8_t* bgrx, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, bgrx += 4) {
    int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    bgrx[0] = uint8_t((y * k + 127) / 255);
    bgrx[1] = uint8_t((m * k + 127) / 255);
    bgrx[2] = uint8_t((c * k + 127) / 255);
    bgrx[3] = 255;
  }
}

// Phase 2: the rows, written into IMAGE (sized from phase 1). INK is a row
// buffer for CMYK files (empty otherwise).
bool Run(TJpegState& s, TPixelImage& image, uint8_t* ink) {
  if (setjmp(s.error.jump)) return false;
  jpeg_start_decompress(&s.cinfo);
  const double rows = double(s.cinfo.output_height);
  while (s.cinfo.output_scanline < s.cinfo.output_height) {
    const int y = int(s.cinfo.output_scanline);
    JSAMPROW row = ink ? ink : image.ScanLine(y);
    if (jpeg_read_scanlines(&s.cinfo, &row, 1) != 1) break;
    if (ink) InkToBgrx(ink, image.ScanLine(y), s.cinfo.output_width, s.cinfo.saw_Adobe_marker);
    s.rowsDone = y + 1;
    const double done = (y + 1) / rows;
    if (!Report(s, s.progressive ? 0.5 + 0.5 * done : done)) return false;
  }
  jpeg_finish_decompress(&s.cinfo);
  return true;
}

}  // namespace

std::optional<TJpegInfo> ReadJpegInfo(std::span<const uint8_t> data) {
  TJpegState state;
  if (!Begin(state, data, -1)) return std::nullopt;
  const jpeg_decompress_struct& c = state.cinfo;
  if (c.image_width == 0 || c.image_height == 0 || !SupportedColorSpace(c.jpeg_color_space))
    return std::nullopt;
  TJpegInfo info;
  info.width = int(c.image_width);
  info.height = int(c.image_height);
  info.components = c.num_components;
  info.grey = c.jpeg_color_space == JCS_GRAYSCALE;
  info.progressive = jpeg_has_multiple_scans(const_cast<j_decompress_ptr>(&state.cinfo));
  return info;
}

TRef<TPixelImage> DecodeJpeg(std::span<const uint8_t> data, int level,
                             const std::function<bool(double)>& progress) {
  TJpegState state;
  state.progress = &progress;
  if (!Begin(state, data, level)) return nullptr;
  const jpeg_decompress_struct& c = state.cinfo;
  if (c.output_width == 0 || c.output_height == 0 || !PictureSizeAllowed(c.image_width, c.image_height) ||
      !SupportedColorSpace(c.jpeg_color_space))
    return nullptr;
  // Every row is written by the decoder, so the pixels start uncleared.
  TRef<TPixelImage> image =
      MakeRef<TDecodedBitmap>(int(c.output_width), int(c.output_height), TPixelFormat::kRGB32, false);
  std::vector<uint8_t> ink;
  if (c.out_color_space == JCS_CMYK) ink.resize(size_t(c.output_width) * 4);
  if (Run(state, *image, ink.empty() ? nullptr : ink.data())) return image;
  if (state.stopped || state.rowsDone == 0) return nullptr;
  // Rows after the break show black, not what the memory held before.
  for (int y = state.rowsDone; y < image->Height(); ++y)
    std::memset(image->ScanLine(y), 0, size_t(image->Width()) * 4);
  return image;
}

}  // namespace zol
