#include "package/colour_overrides.h"

#include "foundation/case_fold.h"
#include "foundation/command_line.h"
#include "platform/process.h"

namespace zol {

TColourOverrides ParseColourOverrides(TCommandLine& commandLine) {
  TColourOverrides overrides;
  overrides.noIcc = commandLine.HasOption("noicc");
  if (!commandLine.HasOption("icc")) return overrides;
  std::string value = commandLine.OptionValue("icc").value_or("");
  if (value.empty() || EqualNoCase(value, "auto")) return overrides;
  for (const char* builtIn : {"sRGB", "AdobeRGB", "DizivAZI"}) {
    if (EqualNoCase(value, builtIn)) {
      overrides.profile = TColourOverrides::Profile::BuiltIn;
      overrides.name = builtIn;
      return overrides;
    }
  }
  // A profile file that does not exist is ignored.
  if (platform::FileExists(value)) {
    overrides.profile = TColourOverrides::Profile::File;
    overrides.name = value;
  }
  return overrides;
}

TColourOverrides& ColourOverrides() {
  static TColourOverrides overrides;
  return overrides;
}

}  // namespace zol
