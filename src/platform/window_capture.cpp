#include "platform/window_capture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace zol::platform {

std::vector<uint32_t> CaptureWindowPixels(const OutputWindow& window, int& width, int& height) {
  width = height = 0;
  std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
  Window id = Window(window.NativeId());
  if (!display || id == 0) return {};
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display.get(), id, &attributes) || attributes.map_state != IsViewable) return {};
  std::unique_ptr<XImage, int (*)(XImage*)> image(
      XGetImage(display.get(), id, 0, 0, unsigned(attributes.width), unsigned(attributes.height), AllPlanes,
                ZPixmap),
      [](XImage* i) { return XDestroyImage(i); });
  if (!image) return {};
  width = attributes.width;
  height = attributes.height;
  std::vector<uint32_t> pixels(size_t(width) * size_t(height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      unsigned long p = XGetPixel(image.get(), x, y);
      uint32_t r = uint32_t((p & image->red_mask) >> __builtin_ctzl(image->red_mask));
      uint32_t g = uint32_t((p & image->green_mask) >> __builtin_ctzl(image->green_mask));
      uint32_t b = uint32_t((p & image->blue_mask) >> __builtin_ctzl(image->blue_mask));
      pixels[size_t(y) * size_t(width) + size_t(x)] = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
  return pixels;
}

}  // namespace zol::platform
