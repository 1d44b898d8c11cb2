#include "platform/window_monitors.h"

#include <SDL.h>

#include <algorithm>

#include "platform/display.h"

namespace zol::platform {

std::vector<MonitorInfo> ListMonitors() {
  std::vector<MonitorInfo> monitors;
  if (HasDisplay() && SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
    int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; ++i) {
      SDL_Rect r{};
      if (SDL_GetDisplayBounds(i, &r) != 0) continue;
      MonitorInfo m;
      m.bounds = {r.x, r.y, r.x + r.w, r.y + r.h};
      SDL_DisplayMode mode{};
      if (SDL_GetCurrentDisplayMode(i, &mode) == 0) {
        if (mode.refresh_rate > 0) m.refreshHz = mode.refresh_rate;
        m.bitsPerPixel = int(SDL_BITSPERPIXEL(mode.format));
      }
      if (const char* name = SDL_GetDisplayName(i)) m.name = name;
      monitors.push_back(m);
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  if (monitors.empty()) monitors.push_back({{0, 0, 1920, 1080}, 60, 32, "virtual"});
  return monitors;
}

int MonitorForRect(const std::vector<MonitorInfo>& monitors, const ScreenRect& rect) {
  int best = 0;
  long long bestArea = 0;
  for (size_t i = 0; i < monitors.size(); ++i) {
    const ScreenRect& m = monitors[i].bounds;
    long long w = std::min(m.right, rect.right) - std::max(m.left, rect.left);
    long long h = std::min(m.bottom, rect.bottom) - std::max(m.top, rect.top);
    long long area = (w > 0 && h > 0) ? w * h : 0;
    if (area > bestArea) best = int(i), bestArea = area;
  }
  return best;
}

}  // namespace zol::platform
