// The colour profiles built into the player, made with Little CMS from
// primaries, white point and tone curve: "sRGB" (the standard profile) and
// "AdobeRGB" as published, "DizivAZI" with sRGB's colorimetry under its own
// name. Made once; any thread.
#pragma once

#include <string_view>

#include "foundation/ref.h"
#include "image/color_profile.h"

namespace zol {

// The built-in profile NAME (any letter case); none for another name.
TRef<TColorProfile> BuiltInProfile(std::string_view name);

// The standard profile: sRGB IEC 61966-2.1.
TRef<TColorProfile> StandardSrgbProfile();

}  // namespace zol
