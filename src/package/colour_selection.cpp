#include "package/colour_selection.h"

#include <mutex>

#include "foundation/case_fold.h"
#include "foundation/command_line.h"
#include "foundation/ini_file.h"
#include "package/colour_overrides.h"
#include "package/show_locator.h"

namespace zol {
namespace {

std::mutex gLock;  // guards the selection
TColourSelection& Selection() {
  static TColourSelection selection;
  return selection;
}

// Little CMS is linked into the program, so the colour library never needs
// fetching from a show's package.
bool ColourLibraryAvailable(const TZolShowLocator&) { return true; }

TColourSelection Choose(const TZolShowLocator& locator) {
  // Each show chooses afresh: a show that switched management off must not
  // switch it off for the next one.
  TColourSelection result = CurrentColourSelection();
  result.conversionActive = false;
  result.managementOff = false;
  const TColourOverrides& overrides = ColourOverrides();
  const std::string c = locator.Project() ? locator.Project()->ReadString("Main", "ColorManagement", "") : "";
  if (overrides.noIcc || ProcessCommandLine().HasOption("noicc") || c.empty()) {
    result.managementOff = true;
    return result;
  }
  const bool forced = overrides.profile != TColourOverrides::Profile::Display;
  if (c == "*" && !forced) {
    result.profile = TColourSelection::Profile::BuiltIn;
    result.name = "DizivAZI";
    return result;
  }
  if (!ColourLibraryAvailable(locator)) return result;
  if (forced) {
    result.profile = overrides.profile == TColourOverrides::Profile::BuiltIn ? TColourSelection::Profile::BuiltIn
                                                                               : TColourSelection::Profile::File;
    result.name = overrides.name;
  } else if (c == "?") {
    result.profile = TColourSelection::Profile::Display;
    result.name.clear();
  } else {
    result.profile = TColourSelection::Profile::File;
    result.name = c;
    for (const char* builtIn : {"sRGB", "AdobeRGB", "DizivAZI"})
      if (EqualNoCase(c, builtIn)) result.profile = TColourSelection::Profile::BuiltIn, result.name = builtIn;
  }
  result.conversionActive = true;
  return result;
}

}  // namespace

void SelectColourManagement(const TZolShowLocator& locator) { SetColourSelection(Choose(locator)); }

TColourSelection CurrentColourSelection() {
  std::lock_guard guard(gLock);
  return Selection();
}

void SetColourSelection(TColourSelection selection) {
  std::lock_guard guard(gLock);
  Selection() = std::move(selection);
}

}  // namespace zol
