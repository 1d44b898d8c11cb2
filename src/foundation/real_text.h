// The program's one way of writing a real number as text: plain decimal with
// 16 digits after the point, then trailing zeros and a trailing point removed
// ("2.5", "-7", "0.1000000000000000"→"0.1"). Locale-independent.
#pragma once

#include <string>

namespace zol {

std::string RealToText(double value);

}  // namespace zol
