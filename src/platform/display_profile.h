// The colour profile the desktop assigns to a display, as ICC bytes. Main
// thread only (it talks to the window system through SDL).
#pragma once

#include <optional>
#include <string>

namespace zol::platform {

class OutputWindow;

// The profile of the display WINDOW is on; none when the desktop sets none.
std::optional<std::string> WindowIccProfile(const OutputWindow& window);

// The profile of the primary display, asked through a hidden window; none
// without a display or when the desktop sets none.
std::optional<std::string> PrimaryDisplayIccProfile();

}  // namespace zol::platform
