// Custom transitions: effects of type Custom whose drawing is a small slide
// described in the project text, one section per option combination. Pure
// functions of the project text, any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/zol_effect.h"

namespace zol {

class TIniFile;
class TEffectProp;

// The section holding combination DIGITS of the custom transition NAME:
// "effect_" NAME "_" and the combination's name ("effect_stars_slide_0_1").
std::string CustomSectionName(std::string_view name, const std::vector<int>& digits);

// A custom effect for combination DIGITS; its section is none when the
// project text lacks it (the transition is then drawn as a cross-fade).
TZolEffect MakeCustomEffect(const TIniFile& tree, std::string_view name, const std::vector<int>& digits);

// The custom effect of a slide's view: its first enabled combination, none
// when every combination is switched off.
std::optional<TZolEffect> ReadCustomEffect(const TIniFile& tree, const TEffectProp& view);

}  // namespace zol
