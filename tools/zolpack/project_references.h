// Which files a project refers to: every value (or part of a value) of its
// tree that names an existing file, found the way the player would find it.
#pragma once

#include <map>
#include <string>

namespace zol {
class TIniFile;
}

namespace zol::pack {

// Name as the project writes it → path of the file on disk. PROJECTPATH is
// where the project file lies.
std::map<std::string, std::string> ProjectReferences(const TIniFile& project, const std::string& projectPath);

}  // namespace zol::pack
