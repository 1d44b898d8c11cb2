// The exe alias: a project-file show may declare the program name it stands
// for; reopening that name then opens the project again. Process-wide, set by
// the main window; any thread may read it.
#pragma once

#include <string>

namespace zol {

struct TExeAlias {
  std::string name;         // the declared program path
  std::string projectPath;  // the project file that declared it
};

void SetExeAlias(TExeAlias alias);
TExeAlias ExeAlias();
// True when PATH is the alias name (any letter case) and the alias has a project.
bool IsExeAlias(const std::string& path);

}  // namespace zol
