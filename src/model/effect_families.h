// The built-in transition families: their names, their "stdidx" numbers and
// the readers that turn a settings view into a TZolEffect with the family's
// flags, integers and reals. Pure functions of the view, any thread.
#pragma once

#include <optional>
#include <string_view>

#include "model/zol_effect.h"

namespace zol {

class TEffectProp;

// The family named NAME (any letter case), or None.
TEffectType FamilyByName(std::string_view name);
// The family of a palette "stdidx" (2, 4 ... 13), or None.
TEffectType FamilyByStdIndex(int stdIndex);

// The effect of family TYPE (Dissolve ... Swap) with the view's values, the
// family defaults standing in for missing or malformed ones. None when no
// variant is enabled.
std::optional<TZolEffect> ReadFamilyEffect(TEffectType type, const TEffectProp& view);

// Smoothline as stored in an effect: values below 0.1 mean "no soft edge".
double StoredSmoothline(double value);

}  // namespace zol
