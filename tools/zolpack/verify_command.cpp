#include <cstdio>
#include <exception>

#include "zolpack/commands.h"
#include "zolpack/package_entries.h"

namespace zol::pack {

int Verify(const std::vector<std::string>& args) {
  if (args.size() != 1) return Fail("verify needs PKG");
  try {
    auto package = OpenPackageOrReport(args[0]);
    if (!package) return 1;
    int damaged = 0, files = 0;
    for (const TNamedEntry& e : PackageEntries(*package)) {
      ++files;
      try {
        auto in = TZolUnpack::OpenStoredWindow(package->OpenHostHandle(), e.entry.method, e.entry.size,
                                               e.entry.position);
        char buffer[65536];
        int64_t total = 0;
        while (size_t n = in->Read(buffer, sizeof buffer)) total += int64_t(n);
        if (e.entry.method != 1 && total != e.entry.size) throw std::runtime_error("short read");
      } catch (const std::exception& error) {
        Fail("damaged \"" + e.name + "\": " + error.what());
        ++damaged;
      }
    }
    if (damaged > 0) return 1;
    printf("%s: %d files, all readable\n", args[0].c_str(), files);
    return 0;
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}

}  // namespace zol::pack
