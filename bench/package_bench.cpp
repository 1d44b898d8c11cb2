// Package reading against the bare work it rests on, measured in one run:
//  - opening a package of 10,000 stored files and reading one, against
//    inflating its directory alone with zlib;
//  - reading a large ciphered file through window + cipher, against plain
//    reads of the same bytes.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/file_stream.h"
#include "package/crypt_stream.h"
#include "package/package_writer.h"
#include "package/packed_file_source.h"
#include "package/partial_stream.h"
#include "package/zol_unpack.h"

namespace {

namespace fs = std::filesystem;

std::string ScratchFile(const std::string& name) {
  fs::path folder = fs::temp_directory_path() / ("zol-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  return (folder / name).string();
}

// 10,000 small stored files; built once.
const std::string& ManyFilesPackage() {
  static const std::string path = [] {
    std::string file = ScratchFile("many.pkg");
    zol::TPackageWriter writer({});
    writer.Add("Project.zol", "[Main]\r\n");
    for (int i = 0; i < 10000; ++i)
      writer.Add("pictures\\folder " + std::to_string(i % 37) + "\\photo_" + std::to_string(i) + ".jpg",
                 std::string(64, char('a' + i % 26)));
    auto out = zol::MakeRef<zol::TFileStream>(file, zol::TFileStream::Mode::Create);
    writer.Write(*out, 0);
    return file;
  }();
  return path;
}

// The raw-deflate directory bytes of that package.
std::string DirectoryBytes(const std::string& path, int64_t& start, int64_t& length) {
  auto unpack = zol::MakeRef<zol::TZolUnpack>(path);
  auto host = zol::MakeRef<zol::TFileStream>(path, zol::TFileStream::Mode::Read);
  const int64_t end = host->GetSize();
  unsigned char s[8];
  host->SetPosition(end - 12);
  host->ReadBuffer(s, 8);
  start = 0;
  for (int i = 7; i >= 0; --i) start = (start << 8) | s[i];
  length = end - 12 - start;
  std::string bytes(size_t(length), '\0');
  host->SetPosition(start);
  host->ReadBuffer(bytes.data(), bytes.size());
  return bytes;
}

void BM_OpenPackageAndReadOneFile(benchmark::State& state) {
  const std::string& path = ManyFilesPackage();
  char buffer[128];
  for (auto _ : state) {
    auto package = zol::MakeRef<zol::TZolUnpack>(path);
    auto source = zol::MakeRef<zol::TPackedFileSource>(package);
    auto stream = source->Open("Pictures\\Folder 5\\PHOTO_5000.jpg");
    benchmark::DoNotOptimize(stream->Read(buffer, sizeof buffer));
  }
}
BENCHMARK(BM_OpenPackageAndReadOneFile)->Unit(benchmark::kMillisecond);

void BM_InflateDirectoryWithZlib(benchmark::State& state) {
  int64_t start = 0, length = 0;
  const std::string packed = DirectoryBytes(ManyFilesPackage(), start, length);
  std::vector<unsigned char> out(1 << 16);
  for (auto _ : state) {
    // Read it from the file as the package does, then inflate it whole.
    int fd = open(ManyFilesPackage().c_str(), O_RDONLY);
    std::string bytes(size_t(length), '\0');
    pread(fd, bytes.data(), bytes.size(), start);
    close(fd);
    z_stream zs{};
    inflateInit2(&zs, -15);
    zs.next_in = reinterpret_cast<Bytef*>(bytes.data());
    zs.avail_in = uInt(bytes.size());
    int rc;
    do {
      zs.next_out = out.data();
      zs.avail_out = uInt(out.size());
      rc = inflate(&zs, Z_NO_FLUSH);
    } while (rc == Z_OK);
    inflateEnd(&zs);
    benchmark::DoNotOptimize(zs.total_out);
  }
}
BENCHMARK(BM_InflateDirectoryWithZlib)->Unit(benchmark::kMillisecond);

constexpr int64_t kLargeSize = 200LL * 1024 * 1024;

const std::string& LargeFile() {
  static const std::string path = [] {
    std::string file = ScratchFile("large.bin");
    std::string block(1 << 20, '\0');
    for (size_t i = 0; i < block.size(); ++i) block[i] = char(i * 31 + 7);
    FILE* out = fopen(file.c_str(), "wb");
    for (int64_t written = 0; written < kLargeSize; written += int64_t(block.size()))
      fwrite(block.data(), 1, block.size(), out);
    fclose(out);
    return file;
  }();
  return path;
}

void BM_ReadThroughWindowAndCipher(benchmark::State& state) {
  std::vector<char> buffer(1 << 16);
  for (auto _ : state) {
    auto host = zol::MakeRef<zol::TFileStream>(LargeFile(), zol::TFileStream::Mode::Read);
    auto window = zol::MakeRef<zol::TPartialStream>(host, kLargeSize, 0);
    auto cipher = zol::MakeRef<zol::TCryptStream>(window, zol::kPackageCipherKey);
    while (cipher->Read(buffer.data(), buffer.size()) > 0) {
    }
  }
  state.SetBytesProcessed(state.iterations() * kLargeSize);
}
BENCHMARK(BM_ReadThroughWindowAndCipher)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_PlainRead(benchmark::State& state) {
  std::vector<char> buffer(1 << 16);
  for (auto _ : state) {
    int fd = open(LargeFile().c_str(), O_RDONLY);
    while (read(fd, buffer.data(), buffer.size()) > 0) {
    }
    close(fd);
  }
  state.SetBytesProcessed(state.iterations() * kLargeSize);
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  fs::remove_all(fs::temp_directory_path() / ("zol-bench-" + std::to_string(getpid())), ec);
  return 0;
}
