#include "package/disk_path.h"

#include <filesystem>
#include <system_error>

#include "foundation/case_fold.h"

namespace zol {
namespace fs = std::filesystem;

std::string ToDiskPath(std::string_view name) {
  std::string path(name);
  for (char& c : path)
    if (c == '\\') c = '/';
  // "C:/x" or "C:x": drive letters mean nothing here.
  if (path.size() >= 2 && path[1] == ':' &&
      ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')))
    path.erase(0, 2);
  return path;
}

namespace {

bool IsRegularFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

// Walks PATH component by component, taking the entry whose name matches
// without regard to case where the exact one is missing.
std::optional<fs::path> MatchComponents(const fs::path& path) {
  fs::path current = path.is_absolute() ? path.root_path() : fs::path(".");
  bool relative = !path.is_absolute();
  for (const fs::path& part : path.relative_path()) {
    std::string name = part.string();
    if (name.empty() || name == ".") continue;
    std::error_code ec;
    fs::path exact = current / part;
    if (name == ".." || fs::exists(exact, ec)) {
      current = exact;
      continue;
    }
    std::optional<fs::path> found;
    for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
      if (EqualNoCase(it->path().filename().string(), name)) {
        found = it->path();
        break;
      }
    }
    if (!found) return std::nullopt;
    current = *found;
  }
  if (relative) current = current.lexically_relative(".");
  return current;
}

}  // namespace

std::optional<std::string> FindDiskFile(std::string_view name) {
  if (name.empty()) return std::nullopt;
  fs::path path = ToDiskPath(name);
  if (IsRegularFile(path)) return path.string();
  auto matched = MatchComponents(path);
  if (matched && IsRegularFile(*matched)) return matched->string();
  return std::nullopt;
}

bool DiskFileExists(std::string_view name) { return FindDiskFile(name).has_value(); }

std::string FolderOf(std::string_view path) {
  size_t cut = path.find_last_of("/\\");
  return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

std::string FileNameOf(std::string_view path) {
  size_t cut = path.find_last_of("/\\");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace zol
