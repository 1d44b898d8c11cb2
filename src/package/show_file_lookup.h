// Where a show's files are looked for on disk: as named, through the path
// modifiers, then by file name in the show's folders. Shows made on Windows
// name files by their authoring paths, so the folders matter: the folder the
// show declares for itself, then the folder its project file really is in.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

struct TShowFileLookup {
  // Folder paths, each with its trailing separator, tried in order.
  std::vector<std::string> folders;
  // The folder the show was authored in, as it names it; names inside it are
  // also tried relative to each of FOLDERS.
  std::string authoringFolder;

  std::optional<std::string> Resolve(std::string_view name) const;
};

}  // namespace zol
