#include "platform/display.h"

#include <SDL.h>

#include <cstdio>

#include "platform/process.h"

namespace zol::platform {

bool HasDisplay() {
  auto nonEmpty = [](const char* name) {
    auto v = GetEnv(name);
    return v && !v->empty();
  };
  return nonEmpty("DISPLAY") || nonEmpty("WAYLAND_DISPLAY");
}

std::optional<int> DisplayBitsPerPixel() {
  if (!HasDisplay()) return std::nullopt;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return std::nullopt;
  std::optional<int> bits;
  SDL_DisplayMode mode{};
  if (SDL_GetCurrentDisplayMode(0, &mode) == 0) bits = int(SDL_BITSPERPIXEL(mode.format));
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return bits;
}

void ShowWarningMessage(const std::string& caption, const std::string& text) {
  std::string shown = text;
  for (char& c : shown)
    if (c == '\r') c = '\n';
  if (HasDisplay() &&
      SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption.c_str(), shown.c_str(), nullptr) == 0)
    return;
  fprintf(stderr, "%s: %s\n", caption.c_str(), shown.c_str());
}

void InhibitScreenSaver(bool inhibit) {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
  if (inhibit)
    SDL_DisableScreenSaver();
  else
    SDL_EnableScreenSaver();
}

}  // namespace zol::platform
