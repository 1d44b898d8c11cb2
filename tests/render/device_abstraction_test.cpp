// The parts of the device abstraction that need no device: draw-device
// bounds, adapter choice, shader levels, frame pacing, the drawer's base
// behaviour, vertex formats, mip reduction and lookup-table identities.
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "foundation/assertion.h"
#include "render/color.h"
#include "render/custom_color_grade_texture.h"
#include "render/custom_texture.h"
#include "render/device_drawer.h"
#include "render/draw_item.h"
#include "render/engine_3d.h"
#include "render/frame_pacing.h"
#include "render/gl/gl_engine.h"
#include "render/headless_draw_device.h"
#include "render/renderer_3d.h"
#include "render/shader_3d.h"
#include "render/surface_3d.h"
#include "render/texture_3d.h"
#include "render/vertex_format.h"
#include "render/vertex_list_3d.h"
#include "render/volume_texture.h"
#include "support/quiet_drawer.h"

namespace zol::test {
namespace {

// A renderer that only counts UpdateBounds: enough for the device's side.
class TCountingRenderer : public T3DRenderer {
 public:
  explicit TCountingRenderer(TDrawDevice* device) : T3DRenderer(device) {}
  int updates = 0;
  void UpdateBounds() override { ++updates; }
  bool BeginFrame() override { return false; }
  bool EndFrame() override { return false; }
  bool Present(const TRect*, int, const TRect*) override { return false; }
  bool Clear(const TRect*, int, uint32_t, uint32_t, float) override { return false; }
  bool Validate() override { return false; }
  bool SetRenderTarget(T3DSurface*) override { return false; }
  TRef<T3DSurface> GetRenderTarget() override { return nullptr; }
  TRef<T3DSurface> GetBackBuffer() override { return nullptr; }
  bool SetViewport(const TRect&, float, float) override { return false; }
  bool DrawList(std::span<T3DTexture* const>, uint32_t, T3DVertexList&, int) override { return false; }
  bool SetTexture(int, TBaseTexture*) override { return false; }
  TRef<T3DTexture> CreateTexture(uint8_t, int, int, bool) override { return nullptr; }
  TRef<TVolumeTexture> CreateVolumeTexture(int, int, int) override { return nullptr; }
  TRef<T3DVertexList> CreateVertexList(int, uint32_t, int) override { return nullptr; }
  bool CopyRects(T3DSurface&, T3DSurface&, int, const TRect*, const TRect*) override { return false; }
  void SetBlendMode(int) override {}
  bool SetTransform(int, const TMatrix4&) override { return false; }
  bool SetCullNone(bool) override { return false; }
  TPointF GetPixelCenter() override { return {0.5f, 0.5f}; }
  TRef<T3DShader> CreateShader(std::string_view, bool) override { return nullptr; }
  bool SetShader(T3DShader*) override { return false; }
  bool SetShaderConstants(int, const float*, int, bool) override { return false; }

 protected:
  bool HasDevice() const override { return DrawDevice() != nullptr; }
};

TEST(DrawDevice, SetBoundsTellsRenderersOnlyAboutChanges) {
  auto device = MakeRef<THeadlessDrawDevice>(100, 100);
  auto renderer = MakeRef<TCountingRenderer>(device.get());
  ASSERT_EQ(device->Renderers().size(), 1u);
  struct Step {
    TRect rect;
    TSize size;
    bool exclusive;
    int updatesAfter;
  };
  const Step steps[] = {
      {{0, 0, 100, 100}, {100, 100}, false, 0},  // unchanged
      {{0, 0, 200, 100}, {100, 100}, false, 1},  // rectangle
      {{0, 0, 200, 100}, {200, 100}, false, 2},  // size
      {{0, 0, 200, 100}, {200, 100}, true, 3},   // exclusive
      {{5, 5, 5, 9}, {200, 100}, true, 4},       // to an empty rectangle
      {{7, 1, 3, 1}, {200, 100}, true, 4},       // another empty one counts as the same
  };
  for (const Step& s : steps) {
    device->SetBounds(s.rect, s.size, s.exclusive);
    EXPECT_EQ(renderer->updates, s.updatesAfter);
  }
  // Freeing the device detaches its renderers; freeing a renderer leaves the list.
  auto second = MakeRef<TCountingRenderer>(device.get());
  second = nullptr;
  EXPECT_EQ(device->Renderers().size(), 1u);
  device = nullptr;
  EXPECT_EQ(renderer->DrawDevice(), nullptr);
  EXPECT_FALSE(renderer->IsUsable());
}

TEST(Engine, AdapterForRectPicksTheLargestOverlap) {
  const TRect two[] = {{0, 0, 100, 100}, {100, 0, 200, 100}};
  struct Case {
    TRect rect;
    int adapter;
  };
  for (const Case& c : {Case{{10, 10, 20, 20}, 0}, Case{{150, 10, 160, 20}, 1}, Case{{90, 0, 130, 10}, 1},
                        Case{{50, 0, 150, 10}, 0},  // a tie keeps the lower index
                        Case{{500, 500, 600, 600}, 0}})
    EXPECT_EQ(AdapterIndexForRect(two, c.rect), c.adapter);
}

TEST(Engine, ShaderLevelFollowsModelAndVendor) {
  struct Case {
    int version, vendor, level;
  };
  for (const Case& c : {Case{0x0104, 0x10DE, 0}, Case{0x0200, 0x8086, 1}, Case{0x0300, 0x8086, 2},
                        Case{0x0200, 0x1002, 2}, Case{0x0300, 0, 2}})
    EXPECT_EQ(ShaderLevelFor(c.version, c.vendor), c.level) << std::hex << c.version << " " << c.vendor;
  EXPECT_EQ(VendorIdFromDriverText("Intel", "Mesa Intel(R) UHD Graphics 620"), 0x8086);
  EXPECT_EQ(VendorIdFromDriverText("AMD", "AMD Radeon RX 580"), 0x1002);
  EXPECT_EQ(VendorIdFromDriverText("Mesa/X.org", "llvmpipe (LLVM 15.0.6, 256 bits)"), 0);
}

TEST(Engine, CapabilitiesComeFromTheDriver) {
  InstallGLEngine();
  TRef<T3DEngine> engine = Get3DEngine();
  ASSERT_TRUE(engine);
  EXPECT_EQ(engine->GetCapsInt("PixelShaderVersion", 0), 0x0300);
  EXPECT_GE(engine->GetCapsInt("maxtexwidth", 0), 2048);
  EXPECT_EQ(engine->GetCapsInt("no such capability", 0), 0);
  EXPECT_FALSE(engine->GetCapsString("vendor", 0).empty());
  EXPECT_EQ(engine->GetCapsString("raster", 0), "");
  EXPECT_EQ(engine->ShaderLevel(0), ShaderLevelFor(0x0300, engine->GetCapsInt("vendor", 0)));
  TAdapterInfo info;
  ASSERT_TRUE(engine->GetAdapterInfo(info, 0));
  EXPECT_GT(info.refreshRate, 0);
  EXPECT_FALSE(engine->GetAdapterInfo(info, 99));
}

TEST(FramePacing, SleepsBetweenOneMsAndThreeShortOfAFrame) {
  struct Case {
    int refresh;
    int32_t last, now;
    int sleep;
  };
  for (const Case& c : {Case{60, 1000, 1000, 13},  // just presented: T - 3
                        Case{60, 1000, 1010, 3},   // 6 ms left: 6 - 3
                        Case{60, 1000, 1015, 1},   // 1 ms left: at least 1
                        Case{60, 1000, 1100, 1},   // late: at least 1
                        Case{60, 1000, 900, 13},   // clock behind: never more than T - 3
                        Case{100, 0, 0, 7}, Case{30, 0, 0, 30}})
    EXPECT_EQ(FramePacingSleepMs(c.refresh, c.last, c.now), c.sleep) << c.refresh << " " << c.now;
}

// A drawer whose frame is a log of calls.
class TLoggingDrawer : public TQuietDrawer {
 public:
  std::string log;
  bool ready = true;
  void BeginDraw() override { log += "B"; }
  bool EndDraw() override { return log += "E", true; }
  bool IsReady() override { return ready; }
  void ClearRect(uint32_t colour, const TRect& r) override {
    char text[96];
    std::snprintf(text, sizeof text, "[%08X %d,%d,%d,%d]", colour, r.left, r.top, r.right, r.bottom);
    log += text;
  }
  bool CaptureInto(TPixelImage& image) override { return image.Width() > 0; }
  void SetDeviceRect(const TRect& r) { deviceRect_ = r; }
};

// An item that draws a nested child, or throws.
class TItem : public TDrawItem {
 public:
  TItem* child = nullptr;
  bool raise = false;
  bool nestedResult = false;
  void Draw(TDeviceDrawer& drawer) override {
    auto& d = static_cast<TLoggingDrawer&>(drawer);
    d.log += "D";
    if (child) nestedResult = drawer.DrawItem(*child);
    if (raise) throw std::runtime_error("draw failed");
  }
  void AfterDraw(TDeviceDrawer& drawer) override { static_cast<TLoggingDrawer&>(drawer).log += "A"; }
};

TEST(DeviceDrawer, DrawItemBracketsAFrameAndNestsInsideIt) {
  auto drawer = MakeRef<TLoggingDrawer>();
  auto parent = MakeRef<TItem>(), child = MakeRef<TItem>();
  parent->child = child.get();
  EXPECT_TRUE(drawer->DrawItem(*parent));
  EXPECT_TRUE(parent->nestedResult);
  // The child draws inside the parent's frame, without a frame or AfterDraw of its own.
  EXPECT_EQ(drawer->log, "BDDEA");

  drawer->log.clear();
  drawer->ready = false;
  EXPECT_TRUE(drawer->DrawItem(*parent)) << "EndDraw's answer";
  EXPECT_EQ(drawer->log, "BEA") << "nothing drawn when not ready";

  drawer->log.clear();
  drawer->ready = true;
  parent->child = nullptr;
  parent->raise = true;
  EXPECT_THROW(drawer->DrawItem(*parent), std::runtime_error);
  EXPECT_EQ(drawer->log, "BDA") << "AfterDraw runs when Draw raised";
  // The counter and the drawing lock were given back: another thread can draw.
  parent->raise = false;
  drawer->log.clear();
  std::thread other([&] { EXPECT_TRUE(drawer->DrawItem(*parent)); });
  other.join();
  EXPECT_EQ(drawer->log, "BDEA");
}

TEST(DeviceDrawer, ClipViewAndFrameFill) {
  auto drawer = MakeRef<TLoggingDrawer>();
  drawer->SetDeviceRect({0, 0, 100, 50});
  EXPECT_EQ(drawer->EffectiveClipRect(), (TRect{0, 0, 100, 50}));
  EXPECT_EQ(drawer->EffectiveViewRect(), (TRectF{0, 0, 100, 50}));
  EXPECT_EQ(drawer->EffectiveViewSize(), (TSizeF{100, 50}));
  drawer->SetView({1, 2, 3, 4}, {640, 480}, {0, 0, -480}, false);
  EXPECT_EQ(drawer->EffectiveViewRect(), (TRectF{1, 2, 3, 4}));
  EXPECT_EQ(drawer->EffectiveViewSize(), (TSizeF{640, 480}));
  EXPECT_TRUE(drawer->SetShift({0, 3}));
  EXPECT_TRUE(drawer->Shifted());
  drawer->SetShift({0, 0});
  EXPECT_FALSE(drawer->Shifted());

  drawer->SetClipRect({10, 0, 90, 50});
  EXPECT_EQ(drawer->EffectiveClipRect(), (TRect{10, 0, 90, 50}));
  drawer->FillFrame(PackColor(1, 2, 3, 0));
  // The bars reach one pixel past the device rectangle; colour made opaque.
  EXPECT_EQ(drawer->log,
            "[FF010203 -1,-1,101,0][FF010203 -1,50,101,51][FF010203 -1,0,10,50][FF010203 90,0,101,50]");
  drawer->log.clear();
  drawer->SetClipRect({0, 0, 0, 0});
  drawer->FillFrame(kOpaqueBlack);
  EXPECT_EQ(drawer->log,
            "[FF000000 -1,-1,101,0][FF000000 -1,50,101,51][FF000000 -1,0,0,50][FF000000 100,0,101,50]");

  TRef<TPixelImage> captured = drawer->Capture();
  ASSERT_TRUE(captured);
  EXPECT_EQ(captured->Width(), 100);
  drawer->SetDeviceRect({});
  EXPECT_FALSE(drawer->Capture());
}

TEST(DeviceDrawer, FitRoutinesKeepTheAspect) {
  struct Case {
    TSize a, b, inside, fit;
  };
  for (const Case& c : {Case{{100, 50}, {400, 400}, {100, 50}, {400, 200}},
                        Case{{400, 300}, {200, 200}, {200, 150}, {200, 150}},
                        Case{{3, 2}, {100, 100}, {3, 2}, {100, 67}},  // rounded to nearest
                        Case{{0, 10}, {100, 100}, {0, 0}, {0, 0}}}) {
    EXPECT_EQ(TDeviceDrawer::FitInside(c.a, c.b), c.inside);
    EXPECT_EQ(TDeviceDrawer::Fit(c.a, c.b), c.fit);
  }
}

TEST(VertexFormat, FieldsFollowInTheDocumentedOrder) {
  TVertexLayout all = ComposeVertexLayout(kVertexDiffuse | kVertexSpecular | kVertexNormal, 2);
  EXPECT_EQ(all.diffuse, 12);
  EXPECT_EQ(all.specular, 16);
  EXPECT_EQ(all.normal, 20);
  EXPECT_EQ(all.texCoords[0], 32);
  EXPECT_EQ(all.texCoords[1], 40);
  EXPECT_EQ(all.stride, 48);
  EXPECT_EQ(ComposeVertexLayout(0, 0).stride, 12);
  EXPECT_EQ(ComposeVertexLayout(kVertexDiffuse, 8).stride, 80);
  EXPECT_THROW(ComposeVertexLayout(0, 9), EAssertion);
  const int counts[6] = {5, 10, 6, 15, 7, 7};
  for (uint8_t type = 0; type < 6; ++type) EXPECT_EQ(PrimitiveVertexCount(type, 5), counts[type]);
  EXPECT_THROW(PrimitiveVertexCount(6, 1), EAssertion);
}

TEST(MipLevels, ExactHalvingAveragesTwoByTwoBlocksWithTruncation) {
  TPixelImage upper(2, 2, TPixelFormat::kARGB32), lower(1, 1, TPixelFormat::kARGB32);
  upper.SetPixel(0, 0, PackColor(0, 10, 255, 1));
  upper.SetPixel(1, 0, PackColor(1, 10, 255, 2));
  upper.SetPixel(0, 1, PackColor(1, 10, 255, 2));
  upper.SetPixel(1, 1, PackColor(1, 11, 254, 2));
  MakeNextMipLevel(upper, lower);
  // Sums 3, 41, 1019, 7, each shifted right by 2.
  EXPECT_EQ(lower.GetPixel(0, 0), PackColor(0, 10, 254, 1));
  // A non-halving step averages the block each pixel covers.
  TPixelImage wide(4, 1, TPixelFormat::kARGB32), narrow(2, 1, TPixelFormat::kARGB32);
  for (int x = 0; x < 4; ++x) wide.SetPixel(x, 0, PackColor(uint8_t(x * 20), 0, 0, 255));
  MakeNextMipLevel(wide, narrow);
  EXPECT_EQ(narrow.GetPixel(0, 0), PackColor(10, 0, 0, 255));
  EXPECT_EQ(narrow.GetPixel(1, 0), PackColor(50, 0, 0, 255));
}

TEST(LookupTables, IdentitiesSpanTheFullRange) {
  TPixelImage cube(32, 32 * 32, TPixelFormat::kARGB32);
  TCustomColorGradeTexture::FillIdentityCube(cube);
  EXPECT_EQ(cube.GetPixel(0, 0), PackColor(0, 0, 0, 255));
  EXPECT_EQ(cube.GetPixel(31, 31 * 32 + 31), kOpaqueWhite);
  EXPECT_EQ(cube.GetPixel(4, 2 * 32 + 5), PackColor(33, 41, 16, 255));
  TPixelImage ramp(256, 1, TPixelFormat::kARGB32);
  TCustomColorGradeTexture::FillIdentityRamp(ramp);
  EXPECT_EQ(ramp.GetPixel(200, 0), PackColor(200, 200, 200, 255));
}

TEST(PixelImage, FormatsConvertThroughARGB) {
  struct Case {
    TPixelFormat format;
    uint32_t in, out;
  };
  for (const Case& c :
       {Case{TPixelFormat::kARGB32, 0x12345678, 0x12345678},
        Case{TPixelFormat::kRGB32, 0x12345678, 0xFF345678},
        Case{TPixelFormat::kRGB565, 0xFFFF00FF, 0xFFFF00FF},
        Case{TPixelFormat::kXRGB1555, 0x80FFFFFF, 0xFFFFFFFF},
        Case{TPixelFormat::kGray8, PackColor(100, 100, 100, 7), PackColor(100, 100, 100, 255)}}) {
    TPixelImage image(2, 2, c.format);
    image.SetPixel(1, 1, c.in);
    EXPECT_EQ(image.GetPixel(1, 1), c.out) << int(c.format);
  }
  // A bottom-up view: row 0 is the last in memory.
  uint8_t memory[2 * 4] = {1, 2, 3, 4, 5, 6, 7, 8};
  TPixelImage view(1, 2, TPixelFormat::kARGB32, memory + 4, -4);
  EXPECT_EQ(view.GetPixel(0, 0), PackColor(7, 6, 5, 8));
}

}  // namespace
}  // namespace zol::test
