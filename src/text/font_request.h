// TFontRequest: a font as a text asks for it: family name and the two style
// flags that choose a face (underline and strike-out are drawn by the text
// producer, not by the face). A plain value.
#pragma once

#include <string>

namespace zol {

// The face a text gets when it names none, and the one that replaces a font
// without outlines: fontconfig's default sans-serif.
inline constexpr const char* kDefaultFontFamily = "sans-serif";

struct TFontRequest {
  std::string family;  // empty: the default family
  bool bold = false;
  bool italic = false;

  const std::string& Family() const {
    static const std::string defaultFamily = kDefaultFontFamily;
    return family.empty() ? defaultFamily : family;
  }
  friend bool operator==(const TFontRequest&, const TFontRequest&) = default;
};

}  // namespace zol
