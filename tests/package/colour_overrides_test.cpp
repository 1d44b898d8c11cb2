#include <gtest/gtest.h>

#include <fstream>

#include "foundation/command_line.h"
#include "package/colour_overrides.h"

namespace zol {
namespace {

using Profile = TColourOverrides::Profile;

TEST(ColourOverrides, IccChoosesDisplayBuiltInOrAnExistingFile) {
  const std::string existing = ::testing::TempDir() + "zol-test-profile.icc";
  std::ofstream(existing) << "not really a profile";
  struct Case {
    std::vector<std::string> tokens;
    bool noIcc;
    Profile profile;
    std::string name;
  };
  const Case cases[] = {
      {{"zol"}, false, Profile::Display, ""},
      {{"zol", "-noicc"}, true, Profile::Display, ""},
      {{"zol", "-icc"}, false, Profile::Display, ""},
      {{"zol", "-icc", "AUTO"}, false, Profile::Display, ""},
      {{"zol", "-icc", "srgb"}, false, Profile::BuiltIn, "sRGB"},
      {{"zol", "-icc", "ADOBERGB"}, false, Profile::BuiltIn, "AdobeRGB"},
      {{"zol", "-icc", "dizivazi"}, false, Profile::BuiltIn, "DizivAZI"},
      {{"zol", "-icc", existing}, false, Profile::File, existing},
      {{"zol", "-icc", "/no/such/profile.icc"}, false, Profile::Display, ""},
      {{"zol", "-noicc", "-icc", "sRGB"}, true, Profile::BuiltIn, "sRGB"},
  };
  for (const Case& c : cases) {
    TCommandLine line;
    line.Parse(c.tokens);
    TColourOverrides overrides = ParseColourOverrides(line);
    SCOPED_TRACE(testing::PrintToString(c.tokens));
    EXPECT_EQ(overrides.noIcc, c.noIcc);
    EXPECT_EQ(overrides.profile, c.profile);
    EXPECT_EQ(overrides.name, c.name);
  }
}

}  // namespace
}  // namespace zol
