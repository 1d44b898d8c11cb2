// How stored files are named in a package directory. Pure functions.
#pragma once

#include <string>
#include <string_view>

namespace zol {

// The directory section name of a stored file: "[" → "<", "]" → ">", and a
// character below 32 → "#" + its code in two upper-case hexadecimal digits.
std::string EscapePackageName(std::string_view name);

// The file name a directory section stands for (EscapePackageName undone).
std::string UnescapePackageName(std::string_view section);

// A requested name in the package's own form: folders separated by backslashes.
std::string PackageKey(std::string_view name);

}  // namespace zol
