// Fuzzes opening a show package and reading every stored file: any bytes must
// open, or fail with a stream or inflate error, without crashing or hanging.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/file_stream.h"
#include "package/packed_file_source.h"
#include "package/z_decompression_error.h"
#include "package/zol_unpack.h"

namespace {

const std::string& ScratchPath() {
  static const std::string path =
      (access("/dev/shm", W_OK) == 0 ? std::string("/dev/shm") : std::string("/tmp")) + "/zol-package-fuzz-" +
      std::to_string(getpid()) + ".pkg";
  return path;
}

void ReadEverything(zol::TZolUnpack& package) {
  auto source = zol::MakeRef<zol::TPackedFileSource>(zol::TRef<zol::TZolUnpack>(&package));
  const zol::TIniFile& directory = package.Directory();
  char buffer[4096];
  for (int i = 0; i < directory.SectionCount(); ++i) {
    try {
      if (auto stream = source->Open(directory.SectionAt(i)->Name()))
        while (stream->Read(buffer, sizeof buffer) > 0) {
        }
    } catch (const zol::EStreamError&) {
    } catch (const zol::EZDecompressionError&) {
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    auto out = zol::MakeRef<zol::TFileStream>(ScratchPath(), zol::TFileStream::Mode::Create);
    out->WriteBuffer(data, size);
  }
  try {
    auto package = zol::MakeRef<zol::TZolUnpack>(ScratchPath());
    if (package->IsOpen()) ReadEverything(*package);
  } catch (const zol::EStreamError&) {
  } catch (const zol::EZDecompressionError&) {
  }
  return 0;
}
