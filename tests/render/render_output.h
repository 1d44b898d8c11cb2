// Test support: the output the pixel tests draw into. Headless (EGL
// surfaceless) by default; an SDL window when ZOL_RENDER_OUTPUT=window (the
// CTest entry that runs under Xvfb). Failing to make either is a test
// failure, never a skip.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/window_output.h"
#include "render/draw_device.h"
#include "render/geometry.h"
#include "render/matrix4.h"
#include "render/pixel_image.h"
#include "render/renderer_3d.h"
#include "render/texture_3d.h"
#include "render/vertex_list_3d.h"

namespace zol::test {

bool WindowOutputRequested();

class RenderOutput {
 public:
  // An output of WIDTH x HEIGHT pixels; check Device() for success.
  RenderOutput(int width, int height);
  ~RenderOutput();

  TDrawDevice* Device() const { return device_.get(); }
  platform::OutputWindow* Window() const { return window_.get(); }
  const std::string& Error() const { return error_; }
  // Frees the draw device (the window stays).
  void FreeDevice() { device_ = nullptr; }

 private:
  std::unique_ptr<platform::OutputWindow> window_;
  TRef<TDrawDevice> device_;
  std::string error_;
};

// A renderer on a fresh output: the fixture of the renderer-level tests.
class RendererTest : public ::testing::Test {
 protected:
  void Open(int width, int height);
  void TearDown() override;

  // Projection that takes pixel coordinates (y down) to clip space with the
  // pixel-centre offset applied, as callers of the renderer do.
  TMatrix4 PixelProjection() const { return PixelProjection(width_, height_); }
  static TMatrix4 PixelProjection(int width, int height);
  // A quad covering RECT (pixels) with COLOUR and stage coordinates UV
  // (left, top, right, bottom) for every stage; drawn as a triangle strip.
  bool DrawQuad(std::span<T3DTexture* const> textures, uint32_t flags, const TRectF& rect, uint32_t colour,
                const TRectF& uv = {0, 0, 1, 1});
  // The current render target read back.
  TRef<TPixelImage> ReadTarget();
  TRef<T3DTexture> MakeTexture(uint8_t kind, int width, int height, uint32_t fill);

  std::unique_ptr<RenderOutput> output_;
  TRef<T3DRenderer> renderer_;
  TRef<T3DVertexList> quad_;
  int width_ = 0, height_ = 0;
};

// Expects IMAGE's pixel (X, Y) to be EXPECTED (ARGB) within TOLERANCE per channel.
::testing::AssertionResult PixelNear(const TPixelImage& image, int x, int y, uint32_t expected,
                                     int tolerance = 1);

// Saves IMAGE as a PPM/PAM picture next to the test run, for a failing pixel test.
void SaveForInspection(const TPixelImage& image, const std::string& name);

}  // namespace zol::test
