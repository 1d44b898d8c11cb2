#include "model/main_settings.h"

#include <string>

#include "foundation/ini_section.h"
#include "foundation/ini_value.h"

namespace zol {

const TIniItem* TMainSettings::Item(std::string_view key) const {
  const TIniItem* item = main_ ? main_->Find(key) : nullptr;
  // An object of the same name is no setting.
  return item && item->Kind() == TIniKind::Item ? item : nullptr;
}

std::string TMainSettings::Text(std::string_view key, std::string_view fallback) const {
  const TIniItem* item = Item(key);
  return item ? item->Value() : std::string(fallback);
}

int32_t TMainSettings::Int(std::string_view key, int32_t fallback) const {
  return AsInt(Item(key), fallback);
}

double TMainSettings::Real(std::string_view key, double fallback) const {
  return AsReal(Item(key), fallback);
}

bool TMainSettings::Bool(std::string_view key, bool fallback) const {
  return AsBool(Item(key), fallback);
}

std::optional<double> TMainSettings::ScreenRatio() const {
  const TIniItem* item = Item("opt_scr_ratio");
  if (!item) return std::nullopt;
  // A ratio that is not positive would divide by zero or mirror the slides.
  std::optional<double> ratio = TextToReal(item->Value());
  if (ratio && *ratio <= 0) return std::nullopt;
  return ratio;
}

TEndMode TMainSettings::EndMode() const {
  return TEndMode(AsEnum(Item("opt_repeat"), {"repeat", "close", "stop"}, 0));
}

std::string TMainSettings::LanguageText(std::string_view name, std::string_view english) const {
  return Text("opt_lng_" + std::string(name), english);
}

}  // namespace zol
