// Reads back what the desktop shows in a window (X11), for checks that a
// frame really reached the screen. Main thread.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/window_output.h"

namespace zol::platform {

// The window's pixels as ARGB words, rows top first; empty when they cannot
// be read (no X11 display, window not mapped).
std::vector<uint32_t> CaptureWindowPixels(const OutputWindow& window, int& width, int& height);

}  // namespace zol::platform
