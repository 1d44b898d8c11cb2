#include <cstdio>
#include <exception>

#include "package/package_names.h"
#include "package/zol_unpack.h"
#include "zolpack/commands.h"
#include "zolpack/package_entries.h"

namespace zol::pack {

int List(const std::vector<std::string>& args) {
  if (args.size() != 1) return Fail("list needs PKG");
  try {
    auto package = OpenPackageOrReport(args[0]);
    if (!package) return 1;
    printf("version %s, allow modify %s, delta %lld\n", package->Version().c_str(),
           package->AllowModify() ? "yes" : "no", static_cast<long long>(package->Delta()));
    printf("%12s %6s %12s  %s\n", "size", "method", "position", "name");
    for (const TNamedEntry& e : PackageEntries(*package))
      printf("%12lld %6d %12lld  %s\n", static_cast<long long>(e.entry.size), e.entry.method,
             static_cast<long long>(e.entry.position), e.name.c_str());
    return 0;
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}

}  // namespace zol::pack
