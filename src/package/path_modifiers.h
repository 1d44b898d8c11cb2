// Path modifiers: percent-sign tokens in file names ("%styles%\aqua.png")
// replaced by folders, trying targets in order until one holds the file. One
// process-wide list, replaced as a whole under its lock; any thread may apply it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zol {

struct TPathModifier {
  std::string token;   // with both percent signs, case-folded
  std::string target;  // absolute folder, no trailing separator
  bool isDefault = false;
};

using TPathModifierList = std::vector<TPathModifier>;

// Adds an item: the token is case-folded; the target loses a trailing
// separator, has a leading special-folder token expanded and is made absolute
// against the program folder. Returns its index.
int AddPathModifier(TPathModifierList& list, std::string_view token, std::string_view target,
                    bool isDefault);

// The list every process starts with: the themes and effects folders beside
// the program, then the user's copies.
TPathModifierList StartupPathModifiers();

void InstallPathModifiers(TPathModifierList list);
TPathModifierList InstalledPathModifiers();

// PATH with every known token replaced, as described above.
std::string ApplyPathModifiers(std::string_view path);

// Replaces a special-folder token at the very start of PATH ("%APPDATA%\x")
// by the folder it names, with a trailing separator.
std::string ExpandLeadingSpecialFolder(std::string_view path);

}  // namespace zol
