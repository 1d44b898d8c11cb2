// Glyph fitting: keeps an outline inside the cell its ABC widths give it.
// An outline that starts left of the left bearing A moves right to start
// there; one that reaches beyond A + B is squeezed about its left edge to end
// there. Used when the glyph-fitting setting is on. Pure function.
#pragma once

#include "text/path.h"

namespace zol {

void FitGlyphOutline(TPath& path, double a, double b);

}  // namespace zol
