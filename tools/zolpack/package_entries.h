// The stored files of a package, in directory order, for the commands that
// walk them.
#pragma once

#include <string>
#include <vector>

#include "foundation/ref.h"
#include "package/zol_unpack.h"

namespace zol::pack {

struct TNamedEntry {
  std::string name;
  TPackageEntry entry;
};

std::vector<TNamedEntry> PackageEntries(const TZolUnpack& package);

// The package in PATH, or nothing after reporting why it does not open.
TRef<TZolUnpack> OpenPackageOrReport(const std::string& path);

}  // namespace zol::pack
