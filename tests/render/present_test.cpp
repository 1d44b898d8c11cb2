// Present: the back buffer reaches the window (SDL output under Xvfb) or,
// headless, stays readable; frames are paced, never refused.
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/window_capture.h"
#include "render/color.h"
#include "render_output.h"

namespace zol::test {
namespace {

class Present : public RendererTest {
 protected:
  void SetUp() override { Open(64, 48); }

  // The window's pixels once the window is on screen. Mapping a window is
  // asynchronous: on a busy machine the first frames may go to a window the
  // server has not shown yet, so present again until it shows (at most 3 s).
  std::vector<uint32_t> CaptureWhenShown(int& w, int& h) {
    std::vector<uint32_t> shown;
    for (int attempt = 0; attempt < 150; ++attempt) {
      output_->Window()->PumpEvents();
      shown = platform::CaptureWindowPixels(*output_->Window(), w, h);
      if (!shown.empty()) break;
      EXPECT_TRUE(renderer_->Present(nullptr, 0, nullptr));
      platform::SleepMs(20);
    }
    return shown;
  }
};

TEST_F(Present, ShowsTheBackBufferRightSideUp) {
  ASSERT_TRUE(renderer_->Clear(nullptr, 0, kClearTarget, PackColor(0, 0, 255, 255), 1));
  // Red in the top-left quarter: a flipped picture would show it bottom-left.
  ASSERT_TRUE(
      DrawQuad({}, kDrawModulateColor | kDrawModulateAlpha, {0, 0, 32, 24}, PackColor(255, 0, 0, 255)));
  ASSERT_TRUE(renderer_->EndFrame());
  for (int frame = 0; frame < 3; ++frame) ASSERT_TRUE(renderer_->Present(nullptr, 0, nullptr));
  ASSERT_TRUE(renderer_->BeginFrame());

  if (!output_->Window()) {
    auto image = ReadTarget();
    EXPECT_TRUE(PixelNear(*image, 4, 4, PackColor(255, 0, 0, 255), 0));
    EXPECT_TRUE(PixelNear(*image, 4, 40, PackColor(0, 0, 255, 255), 0));
    return;
  }
  ASSERT_TRUE(renderer_->EndFrame());
  int w = 0, h = 0;
  std::vector<uint32_t> shown = CaptureWhenShown(w, h);
  ASSERT_TRUE(renderer_->BeginFrame());
  ASSERT_EQ(w, 64);
  ASSERT_EQ(h, 48);
  EXPECT_EQ(shown[size_t(4 * w + 4)], PackColor(255, 0, 0, 255));
  EXPECT_EQ(shown[size_t(40 * w + 4)], PackColor(0, 0, 255, 255));
  EXPECT_EQ(shown[size_t(4 * w + 40)], PackColor(0, 0, 255, 255));
}

TEST_F(Present, RectanglePairsPlaceParts) {
  ASSERT_TRUE(renderer_->Clear(nullptr, 0, kClearTarget, PackColor(0, 255, 0, 255), 1));
  ASSERT_TRUE(renderer_->EndFrame());
  // The whole green buffer first, then its top-left 8 x 8 stretched nowhere
  // outside the window: presenting never fails on a healthy device.
  const TRect src[] = {{0, 0, 64, 48}, {0, 0, 8, 8}};
  const TRect dst[] = {{0, 0, 64, 48}, {56, 40, 64, 48}};
  EXPECT_TRUE(renderer_->Present(src, 2, dst));
  if (!output_->Window()) {
    ASSERT_TRUE(renderer_->BeginFrame());
    return;
  }
  int w = 0, h = 0;
  std::vector<uint32_t> shown = CaptureWhenShown(w, h);
  ASSERT_TRUE(renderer_->BeginFrame());
  ASSERT_EQ(size_t(w) * size_t(h), shown.size());
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown[size_t(20 * w + 20)], PackColor(0, 255, 0, 255));
}

}  // namespace
}  // namespace zol::test
