// The window output: placement follows the draw device, exclusive output
// goes full screen on the monitor it overlaps most and comes back. Headless,
// the same calls have no window to move and must leave the output usable.
#include <gtest/gtest.h>

#include "platform/window_monitors.h"
#include "render/color.h"
#include "render/engine_3d.h"
#include "render/gl/gl_engine.h"
#include "render/surface_3d.h"
#include "render_output.h"

namespace zol::test {
namespace {

TEST(WindowOutput, ExclusiveOutputCoversItsMonitorAndComesBack) {
  RenderOutput output(160, 120);
  ASSERT_TRUE(output.Device()) << output.Error();
  TDrawDevice& device = *output.Device();
  TRef<T3DEngine> engine = Get3DEngine();
  TAdapterInfo info;
  ASSERT_TRUE(engine->GetAdapterInfo(info, engine->AdapterForRect(device.Rect())));

  device.SetBounds({10, 20, 170, 140}, {160, 120}, true);
  TRef<T3DRenderer> renderer = engine->CreateRenderer(device, info);
  ASSERT_TRUE(renderer);
  TSize back = renderer->GetBackBuffer()->GetSize();
  platform::OutputWindow* window = output.Window();
  if (window) {
    window->PumpEvents();
    auto monitors = platform::ListMonitors();
    const auto& m = monitors[size_t(platform::MonitorForRect(monitors, {10, 20, 170, 140}))].bounds;
    EXPECT_TRUE(window->IsFullScreen());
    EXPECT_EQ(back, (TSize{m.Width(), m.Height()})) << "the back buffer covers the monitor";
  } else {
    EXPECT_EQ(back, (TSize{160, 120})) << "no window: nothing to make full screen";
  }
  ASSERT_TRUE(renderer->BeginFrame());
  EXPECT_TRUE(renderer->Clear(nullptr, 0, kClearTarget, PackColor(9, 9, 9, 255), 1));
  EXPECT_TRUE(renderer->EndFrame());
  EXPECT_TRUE(renderer->Present(nullptr, 0, nullptr));
  renderer = nullptr;
  if (window) {
    window->PumpEvents();
    EXPECT_FALSE(window->IsFullScreen());
  }

  // Windowed: the window follows the device rectangle.
  device.SetBounds({30, 40, 130, 120}, {100, 80}, false);
  renderer = engine->CreateRenderer(device, info);
  ASSERT_TRUE(renderer);
  EXPECT_EQ(renderer->GetBackBuffer()->GetSize(), (TSize{100, 80}));
  device.SetBounds({50, 60, 150, 140}, {100, 80}, false);
  if (window) {
    window->PumpEvents();
    platform::ScreenRect r = window->Bounds();
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 80);
  }
}

}  // namespace
}  // namespace zol::test
