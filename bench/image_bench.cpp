// JPEG decoding of a 6000 × 4000 photo at levels 0-3 through the picture
// loader, against the same file decoded the way djpeg does it, in the same
// run and interleaved iteration by iteration:
//  - "libjpeg": in this process, libjpeg's stdio source on the file, RGB
//    output, default (islow) DCT, each row written to /dev/null as djpeg
//    writes its PPM;
//  - "djpeg": the djpeg program itself ("djpeg -scale 1/N"), timed as a
//    process (start-up included).
// The reported time is ours; the counters give each reference and the ratios.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <jpeglib.h>
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "foundation/file_stream.h"
#include "image/image_loader_registry.h"
#include "image/image_loaders.h"
#include "render/color.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 6000, kHeight = 4000;

// A camera-like photo: smooth light with fine texture, 4:2:0, quality 90.
std::string EncodePhoto() {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr error{};
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = kWidth, cinfo.image_height = kHeight, cinfo.input_components = 3,
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row(size_t(kWidth) * 3);
  uint32_t noise = 12345;
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = int(cinfo.next_scanline);
    for (int x = 0; x < kWidth; ++x) {
      noise = noise * 1103515245u + 12345u;
      const int grain = int(noise >> 28) - 8;
      row[size_t(x) * 3] = uint8_t(std::clamp(x * 255 / kWidth + grain, 0, 255));
      row[size_t(x) * 3 + 1] = uint8_t(std::clamp(y * 255 / kHeight + grain, 0, 255));
      row[size_t(x) * 3 + 2] = uint8_t(std::clamp(((x / 40 + y / 40) % 2) * 120 + 60 + grain, 0, 255));
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  free(buffer);
  return bytes;
}

struct Photo {
  std::string bytes;
  std::string path;
  Photo() : bytes(EncodePhoto()) {
    fs::path folder = fs::temp_directory_path() / ("zol-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    path = (folder / "photo-6000x4000.jpg").string();
    std::ofstream(path, std::ios::binary) << bytes;
  }
  ~Photo() {
    std::error_code ec;
    fs::remove_all(fs::path(path).parent_path(), ec);
  }
};

const Photo& ThePhoto() {
  static const Photo photo;
  return photo;
}

double Seconds(Clock::time_point from) {
  return std::chrono::duration<double>(Clock::now() - from).count();
}

// Our loader: open the file, then decode the level.
double DecodeOurs(int level) {
  const auto start = Clock::now();
  auto stream = zol::MakeRef<zol::TFileStream>(ThePhoto().path, zol::TFileStream::Mode::Read);
  zol::TRef<zol::TBitmapStore> store = zol::TImageLoaderRegistry::Process().Open(*stream, "photo.jpg");
  zol::TRef<zol::TPixelImage> bitmap = store ? store->GetBitmap(level) : nullptr;
  if (!bitmap) std::abort();
  benchmark::DoNotOptimize(bitmap->ScanLine(bitmap->Height() - 1));
  return Seconds(start);
}

// As djpeg decodes: from the file, RGB rows into a buffer, written out.
double DecodeLikeDjpeg(int level) {
  const auto start = Clock::now();
  FILE* in = std::fopen(ThePhoto().path.c_str(), "rb");
  FILE* out = std::fopen("/dev/null", "wb");
  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr error{};
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, in);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.scale_num = 1;
  cinfo.scale_denom = 1u << level;
  jpeg_start_decompress(&cinfo);
  const size_t rowBytes = size_t(cinfo.output_width) * size_t(cinfo.output_components);
  std::vector<JSAMPLE> rows(rowBytes * size_t(cinfo.rec_outbuf_height));
  std::vector<JSAMPROW> pointers;
  for (int i = 0; i < cinfo.rec_outbuf_height; ++i) pointers.push_back(rows.data() + rowBytes * size_t(i));
  while (cinfo.output_scanline < cinfo.output_height) {
    const JDIMENSION got = jpeg_read_scanlines(&cinfo, pointers.data(), JDIMENSION(cinfo.rec_outbuf_height));
    std::fwrite(rows.data(), rowBytes, got, out);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(in);
  std::fclose(out);
  return Seconds(start);
}

double RunDjpeg(int level) {
  const std::string command =
      "djpeg -scale 1/" + std::to_string(1 << level) + " -outfile /dev/null '" + ThePhoto().path + "'";
  const auto start = Clock::now();
  if (std::system(command.c_str()) != 0) return -1;
  return Seconds(start);
}

void BM_JpegLevel(benchmark::State& state) {
  zol::InstallImageLoaders();
  const int level = int(state.range(0));
  double ours = 0, libjpeg = 0, djpeg = 0;
  for (auto _ : state) {
    const double t = DecodeOurs(level);
    ours += t;
    libjpeg += DecodeLikeDjpeg(level);
    djpeg += RunDjpeg(level);
    state.SetIterationTime(t);
  }
  const double n = double(state.iterations());
  state.counters["ours_ms"] = ours / n * 1e3;
  state.counters["libjpeg_ms"] = libjpeg / n * 1e3;
  state.counters["djpeg_ms"] = djpeg / n * 1e3;
  state.counters["ratio_libjpeg"] = ours / libjpeg;
  state.counters["ratio_djpeg"] = ours / djpeg;
  state.counters["file_mb"] = double(ThePhoto().bytes.size()) / (1 << 20);
  state.SetLabel("1/" + std::to_string(1 << level));
}

BENCHMARK(BM_JpegLevel)->DenseRange(0, 3)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
