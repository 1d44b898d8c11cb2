// Colour management as the current show asks for it: whether it is off,
// whether colours are converted, and which profile stands for the display.
// Chosen on the main thread whenever a show is opened; the picture code reads
// it from any thread.
#pragma once

#include <string>

namespace zol {

class TZolShowLocator;

struct TColourSelection {
  enum class Profile {
    None,     // no display profile chosen
    Display,  // the profile the system gives for the display
    BuiltIn,  // "sRGB", "AdobeRGB" or "DizivAZI", in `name`
    File,     // an ICC file, its path in `name` (may not exist)
  };
  bool managementOff = false;
  bool conversionActive = false;
  Profile profile = Profile::None;
  std::string name;
};

// Runs the choice for LOCATOR's show (its Main/"ColorManagement") against the
// command line's overrides and makes it the current selection.
void SelectColourManagement(const TZolShowLocator& locator);
TColourSelection CurrentColourSelection();
void SetColourSelection(TColourSelection selection);

}  // namespace zol
