#include "model/button_theme.h"

#include <cmath>
#include <vector>

#include "foundation/ini_section.h"
#include "foundation/ini_value.h"

namespace zol {
namespace {

constexpr std::array<std::string_view, kButtonStateCount> kStateSections = {"NormalState", "HoverState",
                                                                            "ClickState"};
constexpr std::array<std::string_view, kButtonPartCount> kPartNames = {
    "LeftTop", "Top", "RightTop", "Right", "RightBottom", "Bottom", "LeftBottom", "Left", "Center"};

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

TButtonPartEntry ReadPart(const TIniItem* item) {
  TButtonPartEntry entry;
  const std::vector<std::string> fields = AsList(item);
  if (fields.empty()) return entry;
  entry.file = std::string(Trimmed(fields[0]));
  auto number = [&fields](size_t i) {
    return i < fields.size() ? TextToInt(Trimmed(fields[i])).value_or(0) : 0;
  };
  entry.x1 = number(1);
  entry.y1 = number(2);
  entry.x2 = number(3);
  entry.y2 = number(4);
  return entry;
}

float ReadFloat(const TIniSection* section, std::string_view key) {
  const double value = AsReal(section ? section->Find(key) : nullptr, 0);
  return std::isfinite(value) ? float(value) : 0.0f;
}

}  // namespace

TButtonTheme::TButtonTheme(std::string name, const TIniFile& description) : name_(std::move(name)) {
  for (int state = 0; state < kButtonStateCount; ++state) {
    const TIniSection* section = description.Section(kStateSections[size_t(state)]);
    for (int part = 0; part < kButtonPartCount; ++part)
      parts_[size_t(state)][size_t(part)] =
          ReadPart(section ? section->Find(kPartNames[size_t(part)]) : nullptr);
  }
  const TIniSection* text = description.Section("TextParams");
  textColor_ = uint32_t(AsInt64(text ? text->Find("Color") : nullptr, 0)) & 0xFFFFFFu;
  btnOffset_ = ReadFloat(text, "BtnOffset");
  btnMinWidth_ = ReadFloat(text, "BtnMinWidth");
  filtering_ = TTextureFiltering(AsEnum(text ? text->Find("Filtering") : nullptr,
                                        {"Nearest", "Bilinear", "Default"}, int(TTextureFiltering::Default)));
  faceWidth_ = std::max(Part(0, TButtonPart::Right).x2, 0);
  faceHeight_ = std::max(Part(0, TButtonPart::Bottom).y2, 0);
}

const TButtonPartEntry& TButtonTheme::Part(int state, TButtonPart part) const {
  return parts_[size_t(state < 0 || state >= kButtonStateCount ? 0 : state)][size_t(part)];
}

std::string ButtonThemePath(std::string_view folder, std::string_view theme) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  path += theme;
  path += "\\btn.ini";
  return path;
}

}  // namespace zol
