#include "model/custom_effect.h"

#include "foundation/ini_file.h"
#include "model/effect_options.h"
#include "model/effect_prop.h"

namespace zol {

std::string CustomSectionName(std::string_view name, const std::vector<int>& digits) {
  std::string section = "effect_";
  section.append(name);
  section += '_';
  section += TEffectOptions::SectionName(digits);
  return section;
}

TZolEffect MakeCustomEffect(const TIniFile& tree, std::string_view name, const std::vector<int>& digits) {
  TZolEffect effect;
  effect.type = TEffectType::Custom;
  effect.flags = {1};
  effect.variantCount = 1;
  effect.name = std::string(name);
  effect.section = TRef<TIniSection>(tree.Section(CustomSectionName(name, digits)));
  return effect;
}

std::optional<TZolEffect> ReadCustomEffect(const TIniFile& tree, const TEffectProp& view) {
  std::optional<std::vector<int>> first = view.Options().FirstEnabled();
  if (!first) return std::nullopt;
  return MakeCustomEffect(tree, view.EffectName(), *first);
}

}  // namespace zol
