// The program's one way of writing a real number as text: plain decimal with
// at most 16 digits after the point, trailing zeros and a trailing point
// removed ("2.5", "-7", "0.1"). Locale-independent.
#pragma once

#include <string>

namespace zol {

std::string RealToText(double value);

}  // namespace zol
