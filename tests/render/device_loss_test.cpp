// Device loss: a context reset (here the back end's test hook, which the
// renderer finds exactly like a reset reported by the driver) releases the
// device holder, tells every owner, and leaves nothing that a later call can
// trip over. Run under ASan these also prove no freed object is touched.
#include <gtest/gtest.h>

#include "render/color.h"
#include "render/engine_3d.h"
#include "render/gl/gl_engine.h"
#include "render/image_texture.h"
#include "render/screen_3d.h"
#include "render/screen_shader.h"
#include "render/shader_3d.h"
#include "render/volume_texture.h"
#include "render_output.h"
#include "support/captured_log.h"

namespace zol::test {
namespace {

int CountOf(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// Counts owner notices and drops the owner's reference, as real owners do.
struct Owner {
  TRef<T3DDeviceObject> object;
  int notices = 0;
  static void Notice(void* context, T3DDeviceObject* sender) {
    auto* owner = static_cast<Owner*>(context);
    EXPECT_EQ(owner->object.get(), sender);
    ++owner->notices;
    owner->object = nullptr;
  }
  void Own(TRef<T3DDeviceObject> o) {
    object = std::move(o);
    ASSERT_TRUE(object);
    object->SetOwnerNotice(&Owner::Notice, this);
  }
};

class DeviceLoss : public RendererTest {
 protected:
  void SetUp() override { Open(32, 32); }
};

TEST_F(DeviceLoss, ReleasesEverythingOnceAndLaterCallsFailFast) {
  CapturedLog log;
  Owner texture, target, volume, list, shader, renderer;
  texture.Own(MakeTexture(kTextureARGB, 8, 8, kOpaqueWhite));
  target.Own(renderer_->CreateTexture(kTextureTargetARGB, 8, 8, false));
  volume.Own(renderer_->CreateVolumeTexture(4, 4, 4));
  list.Own(renderer_->CreateVertexList(6, kVertexDiffuse, 1));
  shader.Own(
      renderer_->CreateShader(std::string(4, '\0') + "out vec4 o; void main() { o = v_diffuse; }", false));
  // Objects the test keeps holding although the device goes.
  TRef<T3DTexture> kept = MakeTexture(kTextureARGB, 8, 8, kOpaqueWhite);
  TRef<T3DSurface> keptSurface = kept->GetSurface(0);
  TRef<T3DSurface> back = renderer_->GetBackBuffer();
  T3DRenderer* raw = renderer_.get();
  renderer.object = renderer_;
  renderer_->SetOwnerNotice(&Owner::Notice, &renderer);

  ASSERT_TRUE(SimulateDeviceLoss(*renderer_));
  EXPECT_FALSE(renderer_->Clear(nullptr, 0, kClearTarget, kOpaqueBlack, 1));
  EXPECT_EQ(renderer_->DeviceState(), kDeviceStateLost);
  EXPECT_EQ(renderer_->LastError(), kDeviceOtherError);
  for (Owner* o : {&texture, &target, &volume, &list, &shader, &renderer}) {
    EXPECT_EQ(o->notices, 1);
    EXPECT_FALSE(o->object);
  }
  ASSERT_EQ(raw, renderer_.get()) << "the fixture still holds the renderer";

  // Every later call fails at once, with nothing touched.
  EXPECT_FALSE(renderer_->BeginFrame());
  EXPECT_FALSE(renderer_->Present(nullptr, 0, nullptr));
  EXPECT_FALSE(renderer_->CreateTexture(kTextureARGB, 8, 8, false));
  EXPECT_FALSE(renderer_->CreateVertexList(3, 0, 0));
  EXPECT_FALSE(renderer_->GetBackBuffer());
  EXPECT_FALSE(renderer_->SetTransform(kTransformWorld, TMatrix4::Identity()));
  T3DTexture* textures[] = {kept.get()};
  EXPECT_FALSE(renderer_->DrawList(textures, kDrawTextured, *quad_, 1));
  EXPECT_FALSE(renderer_->SetTexture(0, kept.get()));
  EXPECT_EQ(renderer_->DeviceState(), kDeviceStateLost);
  EXPECT_FALSE(keptSurface->Lock(nullptr, true));
  EXPECT_EQ(keptSurface->LastError(), kDeviceOtherError);
  auto image = MakeRef<TPixelImage>(8, 8, TPixelFormat::kARGB32);
  EXPECT_FALSE(keptSurface->ReadInto(*image));
  EXPECT_FALSE(back->ReadInto(*image));
  TVertexRecord v[3];
  EXPECT_FALSE(quad_->Upload(0, v, 3, 0));
  EXPECT_EQ(CountOf(log.Text(), "T3DRenderer9: DEVICE LOST!"), 1);
}

TEST_F(DeviceLoss, EngineCheckFindsTheLossAndANewRendererWorks) {
  CapturedLog log;
  ASSERT_TRUE(Get3DEngine()->CheckDevice());
  SimulateDeviceLoss(*renderer_);
  EXPECT_FALSE(Get3DEngine()->CheckDevice());
  EXPECT_EQ(renderer_->DeviceState(), kDeviceStateLost);
  EXPECT_TRUE(Get3DEngine()->CheckDevice()) << "the lost holder is gone";
  // A new renderer on the same output gets a new context.
  TAdapterInfo info;
  ASSERT_TRUE(Get3DEngine()->GetAdapterInfo(info, 0));
  TRef<T3DRenderer> fresh = Get3DEngine()->CreateRenderer(*output_->Device(), info);
  ASSERT_TRUE(fresh);
  EXPECT_TRUE(fresh->BeginFrame());
  EXPECT_TRUE(fresh->Clear(nullptr, 0, kClearTarget, PackColor(1, 2, 3, 255), 1));
  EXPECT_TRUE(fresh->EndFrame());
  EXPECT_EQ(CountOf(log.Text(), "T3DRenderer9: DEVICE LOST!"), 1);
}

TEST_F(DeviceLoss, FreeingTheDrawDeviceDetachesItsRenderers) {
  TRef<T3DTexture> kept = MakeTexture(kTextureARGB, 8, 8, kOpaqueWhite);
  ASSERT_TRUE(renderer_->EndFrame());
  output_->FreeDevice();
  EXPECT_EQ(renderer_->DrawDevice(), nullptr);
  EXPECT_FALSE(renderer_->BeginFrame());
  EXPECT_EQ(renderer_->DeviceState(), kDeviceStateLost);
  EXPECT_FALSE(kept->GetSurface(0)->Lock(nullptr, true));
}

class ScreenLoss : public ::testing::Test {
 protected:
  static void RendererLost(void* context, T3DScreen*) { ++*static_cast<int*>(context); }
};

TEST_F(ScreenLoss, MidFrameLossRecoversWithEveryTextureRestored) {
  RenderOutput output(96, 64);
  ASSERT_TRUE(output.Device()) << output.Error();
  auto screen = MakeRef<T3DScreen>();
  int lost = 0;
  screen->SetRendererLost({&ScreenLoss::RendererLost, &lost});
  screen->Bind(output.Device());
  ASSERT_TRUE(screen->Renderer());

  // Two pictures and a shader, registered with the screen.
  auto make = [](uint8_t tone) {
    auto p = MakeRef<TPixelImage>(32, 32, TPixelFormat::kARGB32);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) p->SetPixel(x, y, PackColor(uint8_t(x * 8), tone, uint8_t(y * 8), 255));
    return p;
  };
  auto a = MakeRef<TImageTexture>(*screen, make(40));
  auto b = MakeRef<TImageTexture>(*screen, make(200));
  auto shader =
      MakeRef<TShader>(*screen, std::string(4, '\0') + "out vec4 o; void main() { o = v_diffuse; }", false);
  ASSERT_TRUE(shader->DeviceShader());
  const uint32_t white[4] = {kOpaqueWhite, kOpaqueWhite, kOpaqueWhite, kOpaqueWhite};
  const TRectF uv{0, 0, 32, 32};
  auto draw = [&](TImageTexture& t, float x) {
    TCustomTexture* list[] = {&t};
    screen->DrawTexturedQuad(list, white, &uv, {32, 0, 0}, {0, 32, 0}, {0, 0}, {x, 0, 0}, 1);
  };

  CapturedLog log;
  ASSERT_TRUE(screen->BeginScene());
  screen->ClearAll(kOpaqueBlack, false);
  draw(*a, 0);
  screen->Flush();
  ASSERT_TRUE(a->DeviceTexture());
  // The device goes in the middle of the frame.
  SimulateDeviceLoss(*screen->Renderer());
  draw(*b, 32);
  EXPECT_FALSE(screen->EndScene(true));
  EXPECT_EQ(lost, 1);
  EXPECT_EQ(screen->Renderer(), nullptr);
  EXPECT_FALSE(screen->InScene());
  EXPECT_EQ(a->DeviceTexture(), nullptr);
  EXPECT_EQ(b->DeviceTexture(), nullptr);
  EXPECT_EQ(shader->DeviceShader(), nullptr);
  EXPECT_EQ(CountOf(log.Text(), "T3DRenderer9: DEVICE LOST!"), 1);

  // The next frame runs on a new renderer; textures come back from memory.
  ASSERT_TRUE(screen->BeginScene());
  EXPECT_TRUE(shader->DeviceShader()) << "shaders are recreated when the scene begins";
  screen->ClearAll(kOpaqueBlack, false);
  draw(*a, 0);
  draw(*b, 32);
  ASSERT_TRUE(screen->EndScene(true));
  TRef<T3DSurface> back = screen->Renderer()->GetBackBuffer();
  auto image = MakeRef<TPixelImage>(96, 64, TPixelFormat::kARGB32);
  ASSERT_TRUE(back->ReadInto(*image));
  TRef<TPixelImage> pa = make(40), pb = make(200);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      ASSERT_EQ(image->GetPixel(x, y), pa->GetPixel(x, y)) << x << "," << y;
      ASSERT_EQ(image->GetPixel(32 + x, y), pb->GetPixel(x, y)) << x << "," << y;
    }
  EXPECT_EQ(lost, 1);
}

TEST_F(ScreenLoss, FreeingTheDeviceUnderAScreenLeavesItWithoutOutput) {
  auto output = std::make_unique<RenderOutput>(32, 32);
  ASSERT_TRUE(output->Device()) << output->Error();
  auto screen = MakeRef<T3DScreen>();
  screen->Bind(output->Device());
  auto texture = MakeRef<TImageTexture>(*screen, MakeRef<TPixelImage>(8, 8, TPixelFormat::kARGB32));
  ASSERT_TRUE(screen->BeginScene());
  ASSERT_TRUE(texture->GetTexture());
  ASSERT_TRUE(screen->EndScene(false));
  output->FreeDevice();
  EXPECT_EQ(screen->Device(), nullptr);
  EXPECT_EQ(screen->Renderer(), nullptr);
  EXPECT_EQ(texture->DeviceTexture(), nullptr);
  EXPECT_FALSE(screen->BeginScene());
  EXPECT_FALSE(texture->GetTexture());
  screen = nullptr;  // resources outliving the screen carry on alone
  EXPECT_FALSE(texture->GetTexture());
}

}  // namespace
}  // namespace zol::test
