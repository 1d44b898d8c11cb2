// The colour-management overrides of the command line (-noicc, -icc), set once
// at start-up and read when a show is opened.
#pragma once

#include <string>

namespace zol {

class TCommandLine;

struct TColourOverrides {
  enum class Profile {
    Display,  // the profile of the primary display (the default, "auto")
    BuiltIn,  // one of the built-in profiles, named in `name`
    File,     // an ICC profile file, its path in `name`
  };
  bool noIcc = false;  // colour management off for every show
  Profile profile = Profile::Display;
  std::string name;
};

TColourOverrides ParseColourOverrides(TCommandLine& commandLine);

// The process-wide overrides.
TColourOverrides& ColourOverrides();

}  // namespace zol
