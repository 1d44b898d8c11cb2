// The face of a themed button: how wide it must be for its label, and the
// generated picture name ("Button: " + theme, state, width, hue, saturation,
// lightness) the slide host draws it for. Pure functions; any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zol {

// Faces wider than this are no picture a device could hold.
constexpr int32_t kMaxButtonFaceWidth = 32768;

// The label a face must hold: its width / height, and the part of the face
// height it leaves free, percent (100 - the label's Scale.Y).
struct TButtonLabelShape {
  double aspect = 0;
  double margin = 0;
};

// The width of a face HEIGHT pixels high: at least square, at least MINWIDTH
// percent of the height, and wide enough for LABEL (none: no label) with
// OFFSETX percent of the height beside it.
int32_t ButtonFaceWidth(int32_t height, double minWidth, double offsetX,
                        const std::optional<TButtonLabelShape>& label);

struct TButtonFaceRequest {
  std::string theme;
  int32_t state = 0;  // 0 normal, 1 hover, 2 pressed
  int32_t width = 0;
  int32_t hue = 0;
  int32_t saturation = 0;
  int32_t lightness = 0;
  friend bool operator==(const TButtonFaceRequest&, const TButtonFaceRequest&) = default;
};

// The part of the name after "Button: ".
std::string EncodeButtonFace(const TButtonFaceRequest& request);
// Nothing when REST does not end in five whole numbers after the theme.
std::optional<TButtonFaceRequest> DecodeButtonFace(std::string_view rest);

}  // namespace zol
