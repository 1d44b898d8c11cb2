#include "package/show_file_lookup.h"

#include "foundation/case_fold.h"
#include "package/disk_path.h"
#include "package/path_modifiers.h"

namespace zol {

std::optional<std::string> TShowFileLookup::Resolve(std::string_view name) const {
  if (name.empty()) return std::nullopt;
  if (auto found = FindDiskFile(name)) return found;
  if (auto modified = FindDiskFile(ApplyPathModifiers(name))) return modified;
  std::string relative = ToDiskPath(name);
  const std::string authoring = ToDiskPath(authoringFolder);
  if (!authoring.empty() && relative.size() > authoring.size() &&
      EqualNoCase(std::string_view(relative).substr(0, authoring.size()), authoring))
    relative.erase(0, authoring.size());
  const bool isRelative = !relative.empty() && relative[0] != '/';
  for (const std::string& folder : folders) {
    if (folder.empty()) continue;
    if (isRelative) {
      if (auto found = FindDiskFile(folder + relative)) return found;
    }
    if (auto found = FindDiskFile(folder + FileNameOf(name))) return found;
  }
  return std::nullopt;
}

}  // namespace zol
