// Names of files on disk as shows write them (Windows style: backslashes,
// drive letters, any letter case) turned into paths of this system. Pure
// functions over the file system, any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zol {

// Backslashes become slashes and a leading drive prefix ("C:") is dropped.
std::string ToDiskPath(std::string_view name);

// The existing file NAME refers to: the converted path itself, or else the
// path whose components match NAME's without regard to case.
std::optional<std::string> FindDiskFile(std::string_view name);

// True when NAME refers to an existing file, in the sense of FindDiskFile.
bool DiskFileExists(std::string_view name);

// The folder part of a path, with its trailing separator ("" when none).
std::string FolderOf(std::string_view path);

// The text after the last slash or backslash.
std::string FileNameOf(std::string_view path);

}  // namespace zol
