// TFontFile: an installed face as fontconfig names it: file, face index,
// family, whether it has outlines, and the styling FreeType must add when the
// family has no face of the asked weight or slant. A plain value.
#pragma once

#include <string>

namespace zol {

struct TFontFile {
  std::string path;
  int index = 0;
  std::string family;
  bool outline = false;   // scalable outlines (TrueType, OpenType, Type 1)
  bool embolden = false;  // bold asked of a face that is not
  bool oblique = false;   // italic asked of an upright face
  friend bool operator==(const TFontFile&, const TFontFile&) = default;
};

}  // namespace zol
