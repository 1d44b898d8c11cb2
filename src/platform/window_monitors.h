// The monitors of the desktop, in the display order of the window system;
// without a display, one virtual 1920 x 1080 monitor at 60 Hz stands in so
// headless outputs see the same adapter model. Main thread.
#pragma once

#include <string>
#include <vector>

#include "platform/window_output.h"

namespace zol::platform {

struct MonitorInfo {
  ScreenRect bounds;
  int refreshHz = 60;
  int bitsPerPixel = 32;
  std::string name;
};

std::vector<MonitorInfo> ListMonitors();

// Index of the monitor RECT overlaps most (ties keep the lower index); 0 when
// it overlaps none.
int MonitorForRect(const std::vector<MonitorInfo>& monitors, const ScreenRect& rect);

}  // namespace zol::platform
