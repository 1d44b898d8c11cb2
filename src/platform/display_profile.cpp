#include "platform/display_profile.h"

#include <SDL.h>

#include <memory>

#include "platform/display.h"
#include "platform/window_output.h"

namespace zol::platform {
namespace {

std::optional<std::string> ProfileOf(SDL_Window* window) {
  size_t size = 0;
  std::unique_ptr<void, decltype(&SDL_free)> bytes(SDL_GetWindowICCProfile(window, &size), SDL_free);
  if (!bytes || size == 0) return std::nullopt;
  return std::string(static_cast<const char*>(bytes.get()), size);
}

}  // namespace

std::optional<std::string> WindowIccProfile(const OutputWindow& window) {
  return window.Sdl() ? ProfileOf(window.Sdl()) : std::nullopt;
}

std::optional<std::string> PrimaryDisplayIccProfile() {
  if (!HasDisplay()) return std::nullopt;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return std::nullopt;
  std::optional<std::string> profile;
  if (SDL_Window* window = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN)) {
    profile = ProfileOf(window);
    SDL_DestroyWindow(window);
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return profile;
}

}  // namespace zol::platform
