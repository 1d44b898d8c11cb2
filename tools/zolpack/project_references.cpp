#include "zolpack/project_references.h"

#include <functional>
#include <vector>

#include "foundation/case_fold.h"
#include "foundation/ini_file.h"
#include "package/disk_path.h"
#include "package/show_file_lookup.h"

namespace zol::pack {
namespace {

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return uint8_t(c) <= 32 || c == '"'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// A value and its parts: files hide in lists ("a.jpg,b.jpg"), in part
// references ("music.zmc|2") and in file-map lines (";name=target").
std::vector<std::string> Candidates(std::string_view value) {
  std::vector<std::string> out;
  auto add = [&](std::string_view text) {
    text = Trim(text);
    if (text.size() > 1 && text.front() == ';') text = Trim(text.substr(1));
    if (!text.empty()) out.emplace_back(text);
  };
  add(value);
  size_t start = 0;
  for (size_t i = 0; i <= value.size(); ++i) {
    if (i == value.size() || value[i] == ',' || value[i] == ';' || value[i] == '|' || value[i] == '=') {
      add(value.substr(start, i - start));
      start = i + 1;
    }
  }
  return out;
}

void Walk(const TIniList& list, const std::function<void(const TIniItem&)>& visit) {
  for (const TRef<TIniItem>& item : list.Items()) {
    visit(*item);
    if (const TIniList* child = item->AsList()) Walk(*child, visit);
  }
}

}  // namespace

std::map<std::string, std::string> ProjectReferences(const TIniFile& project, const std::string& projectPath) {
  TShowFileLookup lookup;
  std::string authoring = project.ReadString("Main", "opt_exefn", "");
  lookup.authoringFolder = authoring.empty() ? "" : FolderOf(authoring);
  lookup.folders = {lookup.authoringFolder, FolderOf(projectPath)};
  const std::string projectFile = FindDiskFile(projectPath).value_or(projectPath);

  std::map<std::string, std::string> found;
  std::map<std::string, bool> seen;  // folded names already judged
  Walk(project, [&](const TIniItem& item) {
    for (const std::string& name : Candidates(item.Value())) {
      std::string key = FoldCaseText(name);
      if (seen.count(key)) continue;
      seen[key] = true;
      auto path = lookup.Resolve(name);
      if (path && *path != projectFile) found[name] = *path;
    }
  });
  return found;
}

}  // namespace zol::pack
