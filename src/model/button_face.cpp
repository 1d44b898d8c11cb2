#include "model/button_face.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "foundation/ini_value.h"

namespace zol {
namespace {

double Finite(double value) {
  return std::isfinite(value) ? value : 0;
}

int32_t ClampWidth(double width) {
  if (!(width > 0)) return 0;
  return int32_t(std::min(width, double(kMaxButtonFaceWidth)));
}

}  // namespace

int32_t ButtonFaceWidth(int32_t height, double minWidth, double offsetX,
                        const std::optional<TButtonLabelShape>& label) {
  const double h = std::max(height, 0);
  double width = std::max(h, std::round(h * Finite(minWidth) / 100));
  if (label) {
    // The label is as tall as the face less its margin, and keeps its aspect.
    const double labelHeight = h - std::round(Finite(label->margin) * h / 100);
    width = std::max(width, std::round(labelHeight * Finite(label->aspect) + h * Finite(offsetX) / 100));
  }
  return ClampWidth(width);
}

std::string EncodeButtonFace(const TButtonFaceRequest& request) {
  return request.theme + ":" + std::to_string(request.state) + ":" + std::to_string(request.width) + ":" +
         std::to_string(request.hue) + ":" + std::to_string(request.saturation) + ":" +
         std::to_string(request.lightness);
}

std::optional<TButtonFaceRequest> DecodeButtonFace(std::string_view rest) {
  // The numbers are taken from the end, so a theme may hold ":" itself.
  std::array<int32_t, 5> numbers{};
  for (int i = 4; i >= 0; --i) {
    const size_t colon = rest.rfind(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::optional<int32_t> value = TextToInt(rest.substr(colon + 1));
    if (!value) return std::nullopt;
    numbers[size_t(i)] = *value;
    rest = rest.substr(0, colon);
  }
  TButtonFaceRequest request;
  request.theme = std::string(rest);
  request.state = numbers[0];
  request.width = numbers[1];
  request.hue = numbers[2];
  request.saturation = numbers[3];
  request.lightness = numbers[4];
  return request;
}

}  // namespace zol
