// Damaged packages: every truncation and every bit flip of the trailer and the
// directory either opens or fails with one of the package's own messages.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "foundation/file_stream.h"
#include "package/package_writer.h"
#include "package/packed_file_source.h"
#include "package/z_decompression_error.h"
#include "package/zol_unpack.h"
#include "support/temp_dir.h"

namespace zol {
namespace {

std::string SamplePackage(const std::string& host) {
  TPackageWriter writer({true, true, false, "5.6"});
  writer.Add("Project.zol", "[Main]\r\nZolVersion=5.6\r\n");
  writer.Add("a [1].jpg", std::string(300, 'a'));
  writer.Add("noise.bin", "\x01\x7F\xFE\x80 not compressible");
  test::TempDir dir;
  std::string path = dir / "sample.pkg";
  {
    auto out = MakeRef<TFileStream>(path, TFileStream::Mode::Create);
    out->WriteBuffer(host.data(), host.size());
    writer.Write(*out, int64_t(host.size()));
  }
  return test::ReadFile(path);
}

// Opens BYTES as a package and reads every stored file; returns what happened.
std::string Outcome(const test::TempDir& dir, const std::string& bytes) {
  std::string path = dir.Write("case.pkg", bytes);
  try {
    auto package = MakeRef<TZolUnpack>(path);
    if (!package->IsOpen()) return "closed: " + package->Error();
    auto source = MakeRef<TPackedFileSource>(package);
    const TIniFile& directory = package->Directory();
    for (int i = 0; i < directory.SectionCount(); ++i) {
      try {
        if (TRef<TStream> stream = source->Open(directory.SectionAt(i)->Name())) {
          char buffer[4096];
          while (stream->Read(buffer, sizeof buffer) > 0) {
          }
        }
      } catch (const EStreamError&) {
      } catch (const EZDecompressionError&) {
        // A damaged stored file fails on its own; the package stays usable.
      }
    }
    return "open";
  } catch (const EStreamError& e) {
    return std::string("stream error: ") + e.what();
  } catch (const EZDecompressionError& e) {
    return std::string("inflate error: ") + e.what();
  }
}

bool Acceptable(const std::string& outcome) {
  static const std::set<std::string> allowed = {
      "open", "closed: ", "closed: Slide-show File Modified", "closed: Slide-show File Damaged",
  };
  return allowed.count(outcome) || outcome.rfind("stream error: ", 0) == 0 ||
         outcome.rfind("inflate error: ", 0) == 0;
}

TEST(DamagedPackage, EveryTruncationOpensOrFailsCleanly) {
  test::TempDir dir;
  for (const std::string& host : {std::string(), std::string("host program bytes")}) {
    const std::string package = SamplePackage(host);
    for (size_t length = 0; length < package.size(); ++length) {
      std::string outcome = Outcome(dir, package.substr(0, length));
      EXPECT_TRUE(Acceptable(outcome)) << length << ": " << outcome;
    }
  }
}

TEST(DamagedPackage, EveryBitFlipInTrailerAndDirectoryOpensOrFailsCleanly) {
  test::TempDir dir;
  for (const std::string& host : {std::string(), std::string("host program bytes")}) {
    const std::string package = SamplePackage(host);
    // The directory starts where the trailer says; flip everything from there.
    auto unpack = MakeRef<TZolUnpack>(dir.Write("whole.pkg", package));
    ASSERT_TRUE(unpack->IsOpen());
    int64_t directoryStart = 0;
    for (int i = 7; i >= 0; --i)
      directoryStart = (directoryStart << 8) | uint8_t(package[package.size() - (host.empty() ? 12 : 20) + i]);
    directoryStart += unpack->Base();
    std::set<std::string> seen;
    for (size_t at = size_t(directoryStart); at < package.size(); ++at) {
      for (int bit = 0; bit < 8; ++bit) {
        std::string damaged = package;
        damaged[at] = char(damaged[at] ^ (1 << bit));
        std::string outcome = Outcome(dir, damaged);
        EXPECT_TRUE(Acceptable(outcome)) << at << "/" << bit << ": " << outcome;
        seen.insert(outcome.substr(0, 12));
      }
    }
    EXPECT_GE(seen.size(), 2u) << "flips lead to more than one kind of outcome";
  }
}

}  // namespace
}  // namespace zol
