// Random identifiers in the usual GUID text form.
#pragma once

#include <string>

namespace zol::platform {

// A new random (version 4) GUID as "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX",
// upper-case hexadecimal, without braces.
std::string NewGuidText();

}  // namespace zol::platform
