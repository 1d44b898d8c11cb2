#include "render_output.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "render/color.h"
#include "render/engine_3d.h"
#include "render/gl/gl_engine.h"
#include "render/headless_draw_device.h"
#include "render/window_draw_device.h"

namespace zol::test {

bool WindowOutputRequested() {
  const char* v = std::getenv("ZOL_RENDER_OUTPUT");
  return v && std::strcmp(v, "window") == 0;
}

RenderOutput::RenderOutput(int width, int height) {
  InstallGLEngine();
  if (!WindowOutputRequested()) {
    device_ = MakeRef<THeadlessDrawDevice>(width, height);
    return;
  }
  window_ = platform::OutputWindow::Create("render test", {0, 0, width, height}, true, error_);
  if (!window_) return;
  window_->PumpEvents();
  device_ = MakeRef<TWindowDrawDevice>(*window_);
}

RenderOutput::~RenderOutput() {
  device_ = nullptr;
  window_.reset();
}

void RendererTest::Open(int width, int height) {
  width_ = width, height_ = height;
  output_ = std::make_unique<RenderOutput>(width, height);
  ASSERT_TRUE(output_->Device()) << "no output: " << output_->Error();
  TRef<T3DEngine> engine = Get3DEngine();
  ASSERT_TRUE(engine);
  TAdapterInfo info;
  ASSERT_TRUE(engine->GetAdapterInfo(info, engine->AdapterForRect(output_->Device()->Rect())));
  renderer_ = engine->CreateRenderer(*output_->Device(), info);
  ASSERT_TRUE(renderer_) << "no GL context could be made";
  quad_ = renderer_->CreateVertexList(4, kVertexDiffuse, 8);
  ASSERT_TRUE(quad_);
  renderer_->SetTransform(kTransformProjection, PixelProjection());
  renderer_->SetCullNone(true);
  ASSERT_TRUE(renderer_->BeginFrame());
}

void RendererTest::TearDown() {
  quad_ = nullptr;
  if (renderer_) renderer_->EndFrame();
  renderer_ = nullptr;
  output_.reset();
}

TMatrix4 RendererTest::PixelProjection(int width, int height) {
  float w = float(width), h = float(height);
  TMatrix4 m;
  m.m[0][0] = 2 / w;
  m.m[1][1] = -2 / h;
  m.m[2][2] = 1;
  m.m[3][0] = -1 - 1 / w;  // the half-pixel offset of GetPixelCenter
  m.m[3][1] = 1 + 1 / h;
  m.m[3][3] = 1;
  return m;
}

bool RendererTest::DrawQuad(std::span<T3DTexture* const> textures, uint32_t flags, const TRectF& r,
                            uint32_t colour, const TRectF& uv) {
  TVertexRecord v[4];
  const float xs[4] = {r.left, r.right, r.left, r.right}, ys[4] = {r.top, r.top, r.bottom, r.bottom};
  const float us[4] = {uv.left, uv.right, uv.left, uv.right}, vs[4] = {uv.top, uv.top, uv.bottom, uv.bottom};
  for (int i = 0; i < 4; ++i) {
    v[i].x = xs[i], v[i].y = ys[i];
    v[i].diffuse = colour;
    for (auto& st : v[i].uv) st[0] = us[i], st[1] = vs[i];
  }
  if (!quad_->Upload(0, v, 4, 0)) return false;
  quad_->SetRange(0, 2, kTriangleStrip);
  return renderer_->DrawList(textures, flags, *quad_, int(textures.size()));
}

TRef<TPixelImage> RendererTest::ReadTarget() {
  TRef<T3DSurface> target = renderer_->GetRenderTarget();
  if (!target) return nullptr;
  TSize size = target->GetSize();
  auto image = MakeRef<TPixelImage>(size.width, size.height, TPixelFormat::kARGB32);
  if (!target->ReadInto(*image)) return nullptr;
  return image;
}

TRef<T3DTexture> RendererTest::MakeTexture(uint8_t kind, int width, int height, uint32_t fill) {
  TRef<T3DTexture> t = renderer_->CreateTexture(kind, width, height, false);
  if (!t) return nullptr;
  TRef<T3DSurface> s = t->GetSurface(0);
  TRef<TPixelImage> image = s->Lock(nullptr, false);
  if (!image) return nullptr;
  image->Fill(fill);
  s->Unlock(image.get());
  return t;
}

::testing::AssertionResult PixelNear(const TPixelImage& image, int x, int y, uint32_t expected,
                                     int tolerance) {
  uint32_t got = image.GetPixel(x, y);
  for (int shift = 0; shift < 32; shift += 8) {
    int a = int((got >> shift) & 0xFF), b = int((expected >> shift) & 0xFF);
    if (std::abs(a - b) > tolerance) {
      char text[128];
      std::snprintf(text, sizeof text, "pixel (%d, %d) is %08X, expected %08X", x, y, got, expected);
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

void SaveForInspection(const TPixelImage& image, const std::string& name) {
  std::string path = "render_failure_" + name + ".pam";
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  std::fprintf(f, "P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n", image.Width(),
               image.Height());
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      uint32_t p = image.GetPixel(x, y);
      unsigned char rgba[4] = {ColorR(p), ColorG(p), ColorB(p), ColorA(p)};
      std::fwrite(rgba, 1, 4, f);
    }
  std::fclose(f);
}

}  // namespace zol::test
