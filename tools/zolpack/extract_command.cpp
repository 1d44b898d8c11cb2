#include <cstdio>
#include <exception>
#include <filesystem>

#include "foundation/file_stream.h"
#include "zolpack/commands.h"
#include "zolpack/package_entries.h"

namespace zol::pack {
namespace fs = std::filesystem;

namespace {

// The relative path NAME stands for under the target folder, or nothing when
// it would leave that folder (absolute names, drive letters, "..") or holds
// characters no file name should.
std::optional<fs::path> SafeRelativePath(const std::string& name) {
  if (name.empty() || name[0] == '\\' || name[0] == '/') return std::nullopt;
  if (name.size() >= 2 && name[1] == ':') return std::nullopt;
  fs::path relative;
  size_t start = 0;
  for (size_t i = 0; i <= name.size(); ++i) {
    if (i < name.size() && uint8_t(name[i]) < 32) return std::nullopt;
    if (i == name.size() || name[i] == '\\' || name[i] == '/') {
      std::string part = name.substr(start, i - start);
      if (part == "..") return std::nullopt;
      if (!part.empty() && part != ".") relative /= part;
      start = i + 1;
    }
  }
  if (relative.empty()) return std::nullopt;
  return relative;
}

}  // namespace

int Extract(const std::vector<std::string>& args) {
  if (args.size() != 2) return Fail("extract needs PKG DIR");
  try {
    auto package = OpenPackageOrReport(args[0]);
    if (!package) return 1;
    const fs::path target = args[1];
    int failures = 0;
    for (const TNamedEntry& e : PackageEntries(*package)) {
      auto relative = SafeRelativePath(e.name);
      if (!relative) {
        Fail("refused \"" + e.name + "\": the name leaves the target folder");
        ++failures;
        continue;
      }
      fs::path file = target / *relative;
      fs::create_directories(file.parent_path());
      auto in = TZolUnpack::OpenStoredWindow(package->OpenHostHandle(), e.entry.method, e.entry.size,
                                             e.entry.position);
      auto out = MakeRef<TFileStream>(file.string(), TFileStream::Mode::Create);
      char buffer[65536];
      while (size_t n = in->Read(buffer, sizeof buffer)) out->WriteBuffer(buffer, n);
    }
    return failures == 0 ? 0 : 1;
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}

}  // namespace zol::pack
