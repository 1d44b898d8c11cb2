#include "model/effect_families.h"

#include <array>
#include <string>

#include "foundation/case_fold.h"
#include "foundation/ini_value.h"
#include "model/effect_prop.h"

namespace zol {
namespace {

struct TFamily {
  std::string_view name;
  TEffectType type;
  int stdIndex;
};

constexpr std::array<TFamily, 11> kFamilies = {{
    {"dissolve", TEffectType::Dissolve, 2},
    {"hourhand", TEffectType::HourHand, 4},
    {"shapes", TEffectType::Shapes, 5},
    {"gates", TEffectType::Gates, 6},
    {"page", TEffectType::Page, 7},
    {"mosaic", TEffectType::Mosaic, 8},
    {"push", TEffectType::Push, 9},
    {"slide", TEffectType::Slide, 10},
    {"curling", TEffectType::Curling, 11},
    {"flip", TEffectType::Flip, 12},
    {"swap", TEffectType::Swap, 13},
}};

// Reads the view's values with the family defaults.
class TFamilyReader {
 public:
  explicit TFamilyReader(const TEffectProp& view) : view_(view) {}

  // N option flags from a '0'/'1' string; missing characters are off.
  std::vector<uint8_t> Flags(std::string_view key, size_t n) const {
    const std::string text = view_.GetValue(key);
    std::vector<uint8_t> flags(n, 0);
    for (size_t k = 0; k < n && k < text.size(); ++k) flags[k] = text[k] == '1';
    return flags;
  }
  // A single switch written as a flag string: its first character.
  uint8_t Switch(std::string_view key) const { return Flags(key, 1)[0]; }
  bool Bool(std::string_view key, bool fallback) const {
    return TextToBool(view_.GetValue(key)).value_or(fallback);
  }
  int32_t Int(std::string_view key, int32_t fallback) const {
    return TextToInt(view_.GetValue(key)).value_or(fallback);
  }
  float Real(std::string_view key, double fallback) const {
    return float(TextToReal(view_.GetValue(key)).value_or(fallback));
  }
  double Smoothline(double fallback) const {
    return StoredSmoothline(TextToReal(view_.GetValue("smoothline")).value_or(fallback));
  }
  // The four-way directions are written up, left, right, down; effects keep
  // them as left, up, right, down.
  std::vector<uint8_t> FourWay() const {
    const std::vector<uint8_t> d = Flags("direction", 4);
    return {d[1], d[0], d[2], d[3]};
  }

 private:
  const TEffectProp& view_;
};

void Append(std::vector<uint8_t>& to, const std::vector<uint8_t>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

}  // namespace

TEffectType FamilyByName(std::string_view name) {
  for (const TFamily& family : kFamilies)
    if (EqualNoCase(family.name, name)) return family.type;
  return TEffectType::None;
}

TEffectType FamilyByStdIndex(int stdIndex) {
  for (const TFamily& family : kFamilies)
    if (family.stdIndex == stdIndex) return family.type;
  return TEffectType::None;
}

double StoredSmoothline(double value) {
  return value < 0.1 ? TZolEffect::kNoSoftEdge : value;
}

std::optional<TZolEffect> ReadFamilyEffect(TEffectType type, const TEffectProp& view) {
  const TFamilyReader read(view);
  TZolEffect effect;
  effect.type = type;
  effect.name = std::string(EffectTypeName(type));
  switch (type) {
    case TEffectType::Dissolve:
      effect.flags = {read.Bool("checked", true)};
      break;
    case TEffectType::HourHand:
      effect.flags = read.Flags("action", 2);
      Append(effect.flags, read.Flags("direction", 9));
      effect.reals = {read.Real("offset", 0)};
      effect.smoothline = read.Smoothline(0.35);
      break;
    case TEffectType::Shapes:
      effect.flags = read.Flags("action", 2);
      Append(effect.flags, read.Flags("direction", 3));
      effect.ints = {read.Int("centerx", 50), read.Int("centery", 50)};
      effect.smoothline = read.Smoothline(0);
      break;
    case TEffectType::Gates:
    case TEffectType::Page:
      effect.flags = read.Flags("direction", 8);
      effect.smoothline = read.Smoothline(0);
      break;
    case TEffectType::Mosaic:
      effect.flags = {read.Bool("checked", true)};
      // The fourth integer is the pattern seed, given when a slide gets it.
      effect.ints = {read.Int("cols", 1), read.Int("rows", 1), read.Int("appearence", 0), 0};
      break;
    case TEffectType::Push:
    case TEffectType::Slide:
      effect.flags = read.FourWay();
      break;
    case TEffectType::Curling: {
      effect.flags = read.Flags("action", 2);
      // Curling's direction string is written from the last direction to
      // the first.
      std::vector<uint8_t> directions = read.Flags("direction", 8);
      Append(effect.flags, std::vector<uint8_t>(directions.rbegin(), directions.rend()));
      effect.flags.push_back(read.Switch("usecolor"));
      effect.flags.push_back(read.Switch("usevolume"));
      effect.ints = {read.Int("pipe", 1), read.Int("color", 0)};
      effect.reals = {read.Real("radius", 0), read.Real("3dvolume", 0.125)};
      break;
    }
    case TEffectType::Flip:
      effect.flags = read.FourWay();
      effect.flags.push_back(read.Switch("spin_center"));
      effect.flags.push_back(read.Switch("nonlinear_speed"));
      effect.reals = {read.Real("3dvolume", 0.5)};
      break;
    case TEffectType::Swap:
      effect.flags = read.FourWay();
      effect.reals = {read.Real("depth", 4), read.Real("distance", 1), read.Real("angle", 60)};
      break;
    default:
      return std::nullopt;
  }
  effect.variantCount = effect.CountVariants();
  if (effect.variantCount == 0) return std::nullopt;
  return effect;
}

}  // namespace zol
