// Questions about the user's display and desktop. Main thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zol::platform {

// True when a graphical session is reachable (X11 or Wayland).
bool HasDisplay();

// Bits per pixel of the primary display's current mode; nothing when no
// display is present.
std::optional<int> DisplayBitsPerPixel();

// A modal warning box with an OK button; on a machine without a display the
// text goes to standard error instead. A carriage return starts a new line.
void ShowWarningMessage(const std::string& caption, const std::string& text);

// Keeps the desktop's screen saver from starting (true) or lets it again.
void InhibitScreenSaver(bool inhibit);

// Raises and focuses a top-level window of the desktop by its id.
bool BringWindowToFront(uint64_t windowId);

}  // namespace zol::platform
