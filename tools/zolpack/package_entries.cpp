#include "zolpack/package_entries.h"

#include "package/package_names.h"
#include "zolpack/commands.h"

namespace zol::pack {

std::vector<TNamedEntry> PackageEntries(const TZolUnpack& package) {
  std::vector<TNamedEntry> entries;
  const TIniFile& directory = package.Directory();
  for (int i = 0; i < directory.SectionCount(); ++i) {
    const std::string& section = directory.SectionAt(i)->Name();
    if (section == "$protection$") continue;
    std::string name = UnescapePackageName(section);
    if (auto entry = package.FindEntry(name)) entries.push_back({name, *entry});
  }
  return entries;
}

TRef<TZolUnpack> OpenPackageOrReport(const std::string& path) {
  auto package = MakeRef<TZolUnpack>(path);
  if (package->IsOpen()) return package;
  Fail(path + ": " + (package->Error().empty() ? "holds no show package" : package->Error()));
  return nullptr;
}

}  // namespace zol::pack
