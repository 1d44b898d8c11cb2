// TButtonTheme: a button theme as its description file ("btn.ini" in the
// theme's folder under the show's button folder) gives it: the nine parts of
// the face for each of the three states, the label colour, the label margin
// ("BtnOffset"), the default minimum width and texture filter, and the size
// of the design face. Immutable once read; shared by reference; any thread.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/ini_file.h"
#include "foundation/ref.h"
#include "render/image_draw_params.h"

namespace zol {

// The parts of a face, in the order the description names them.
enum class TButtonPart : uint8_t {
  LeftTop = 0,
  Top,
  RightTop,
  Right,
  RightBottom,
  Bottom,
  LeftBottom,
  Left,
  Center,
};
constexpr int kButtonPartCount = 9;
constexpr int kButtonStateCount = 3;  // normal, hover, pressed

// One part: a picture of the theme and the rectangle (x1, y1) .. (x2, y2) in it.
struct TButtonPartEntry {
  std::string file;  // empty: the description has no entry
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

class TButtonTheme : public TRefObject {
 public:
  // The theme NAME described by DESCRIPTION.
  TButtonTheme(std::string name, const TIniFile& description);

  const std::string& Name() const { return name_; }
  const TButtonPartEntry& Part(int state, TButtonPart part) const;
  uint32_t TextColor() const { return textColor_; }  // 0xRRGGBB
  // The label's margin: percent of the face height the label leaves free.
  float BtnOffset() const { return btnOffset_; }
  float BtnMinWidth() const { return btnMinWidth_; }
  TTextureFiltering Filtering() const { return filtering_; }
  // The design face: x2 of the normal right part by y2 of the normal bottom part.
  int32_t FaceWidth() const { return faceWidth_; }
  int32_t FaceHeight() const { return faceHeight_; }

 private:
  std::string name_;
  std::array<std::array<TButtonPartEntry, kButtonPartCount>, kButtonStateCount> parts_;
  uint32_t textColor_ = 0;
  float btnOffset_ = 0;
  float btnMinWidth_ = 0;
  TTextureFiltering filtering_ = TTextureFiltering::Default;
  int32_t faceWidth_ = 0;
  int32_t faceHeight_ = 0;
};

// The package name of THEME's description in the button folder FOLDER.
std::string ButtonThemePath(std::string_view folder, std::string_view theme);

// The theme used when a button names none or one that is missing.
inline constexpr std::string_view kFallbackButtonTheme = "aqua";

}  // namespace zol
