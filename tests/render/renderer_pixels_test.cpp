// Pixel tests of the OpenGL renderer: drawing rules read back from the target.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "foundation/assertion.h"
#include "render/color.h"
#include "render/engine_3d.h"
#include "render/shader_3d.h"
#include "render/surface_3d.h"
#include "render/volume_texture.h"
#include "render_output.h"

namespace zol::test {
namespace {

class RendererPixels : public RendererTest {
 protected:
  void SetUp() override { Open(64, 64); }
};

TEST_F(RendererPixels, ClearAndPlainQuadReachTheBackBuffer) {
  ASSERT_TRUE(renderer_->Clear(nullptr, 0, kClearTarget, PackColor(0, 0, 255, 255), 1));
  ASSERT_TRUE(
      DrawQuad({}, kDrawModulateColor | kDrawModulateAlpha, {8, 8, 24, 24}, PackColor(255, 0, 0, 255)));
  auto image = ReadTarget();
  ASSERT_TRUE(image);
  EXPECT_TRUE(PixelNear(*image, 8, 8, PackColor(255, 0, 0, 255), 0));
  EXPECT_TRUE(PixelNear(*image, 23, 23, PackColor(255, 0, 0, 255), 0));
  // The quad covers exactly 16 x 16 pixels: its neighbours stay blue.
  EXPECT_TRUE(PixelNear(*image, 7, 8, PackColor(0, 0, 255, 255), 0));
  EXPECT_TRUE(PixelNear(*image, 24, 24, PackColor(0, 0, 255, 255), 0));
  EXPECT_TRUE(PixelNear(*image, 8, 7, PackColor(0, 0, 255, 255), 0));
}

// Blending into a render target with alpha, so every channel can be read.
struct BlendCase {
  const char* name;
  int mode;
  bool premultipliedTexture;  // draw a premultiplied texture instead of a vertex colour
  bool premultipliedTarget;
  uint32_t dst;
  uint32_t expected;
};

class BlendRules : public RendererPixels, public ::testing::WithParamInterface<BlendCase> {};

TEST_P(BlendRules, GiveTheDocumentedResult) {
  const BlendCase& c = GetParam();
  TRef<T3DTexture> target = renderer_->CreateTexture(kTextureTargetARGB, 16, 16, false);
  ASSERT_TRUE(target);
  target->SetPremultiplied(c.premultipliedTarget);
  ASSERT_TRUE(renderer_->SetRenderTarget(target->GetSurface(0).get()));
  ASSERT_TRUE(renderer_->Clear(nullptr, 0, kClearTarget, c.dst, 1));
  renderer_->SetTransform(kTransformProjection, PixelProjection(16, 16));
  renderer_->SetBlendMode(c.mode);
  if (c.premultipliedTexture) {
    // Red at 25 % intensity, half covered, already multiplied by its alpha.
    TRef<T3DTexture> source = MakeTexture(kTextureARGB, 4, 4, PackColor(64, 0, 0, 128));
    ASSERT_TRUE(source);
    source->SetPremultiplied(true);
    T3DTexture* t[] = {source.get()};
    ASSERT_TRUE(
        DrawQuad(t, kDrawTextured | kDrawModulateColor | kDrawModulateAlpha, {0, 0, 16, 16}, kOpaqueWhite));
  } else {
    ASSERT_TRUE(
        DrawQuad({}, kDrawModulateColor | kDrawModulateAlpha, {0, 0, 16, 16}, PackColor(255, 0, 0, 128)));
  }
  auto image = ReadTarget();
  ASSERT_TRUE(image);
  EXPECT_TRUE(PixelNear(*image, 5, 5, c.expected, 2)) << c.name;
}

// Source red with alpha 128 (0.502) over the destination.
INSTANTIATE_TEST_SUITE_P(Modes, BlendRules,
                         ::testing::Values(
                             // Normal: colour and alpha both src * a + dst * (1 - a).
                             BlendCase{"normal over opaque blue", kBlendNormal, false, false,
                                       PackColor(0, 0, 255, 255), PackColor(128, 0, 127, 191)},
                             BlendCase{"normal over transparent blue", kBlendNormal, false, false,
                                       PackColor(0, 0, 255, 0), PackColor(128, 0, 127, 64)},
                             // Maximum: per channel, factors ignored.
                             BlendCase{"maximum", kBlendMaximum, false, false, PackColor(0, 40, 255, 60),
                                       PackColor(255, 40, 255, 128)},
                             // Separate alpha: colour as normal, alpha = a + dstA * (1 - a).
                             BlendCase{"separate alpha", kBlendSeparateAlpha, false, false,
                                       PackColor(0, 0, 255, 0), PackColor(128, 0, 127, 128)},
                             // A premultiplied texture: src * 1 + dst * (1 - a), alpha included.
                             BlendCase{"premultiplied texture", kBlendNormal, true, false,
                                       PackColor(0, 0, 255, 0), PackColor(64, 0, 127, 128)},
                             // Plain colour into a premultiplied target keeps it premultiplied.
                             BlendCase{"premultiplied target", kBlendNormal, false, true,
                                       PackColor(0, 0, 255, 0), PackColor(128, 0, 127, 128)},
                             // A premultiplied texture into a premultiplied target: plain premultiplied over.
                             BlendCase{"premultiplied both", kBlendNormal, true, true,
                                       PackColor(0, 0, 100, 100), PackColor(64, 0, 50, 178)}),
                         [](const auto& info) {
                           std::string n = info.param.name;
                           for (char& ch : n)
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });

// How a source texture's alpha counts when the vertex alpha is used too.
struct AlphaSourceCase {
  const char* name;
  uint8_t kind;
  bool premultiplied;
  uint32_t expected;
};

class TextureAlphaSource : public RendererPixels, public ::testing::WithParamInterface<AlphaSourceCase> {};

TEST_P(TextureAlphaSource, FollowsTheKind) {
  const AlphaSourceCase& c = GetParam();
  // A green texture whose stored alpha is 0.
  TRef<T3DTexture> source = renderer_->CreateTexture(c.kind, 8, 8, false);
  ASSERT_TRUE(source);
  source->SetPremultiplied(c.premultiplied);
  if (IsRenderTargetKind(c.kind)) {
    ASSERT_TRUE(renderer_->SetRenderTarget(source->GetSurface(0).get()));
    ASSERT_TRUE(renderer_->Clear(nullptr, 0, kClearTarget, PackColor(0, 255, 0, 0), 1));
    ASSERT_TRUE(renderer_->SetRenderTarget(nullptr));
  } else {
    TRef<T3DSurface> s = source->GetSurface(0);
    auto image = s->Lock(nullptr, false);
    ASSERT_TRUE(image);
    image->Fill(PackColor(0, 255, 0, 0));
    ASSERT_TRUE(s->Unlock(image.get()));
  }
  ASSERT_TRUE(renderer_->Clear(nullptr, 0, kClearTarget, PackColor(0, 0, 255, 255), 1));
  T3DTexture* t[] = {source.get()};
  // Flags 5: texture colour; texture alpha x vertex alpha (0.5).
  ASSERT_TRUE(DrawQuad(t, kDrawTextured | kDrawModulateAlpha, {0, 0, 16, 16}, PackColor(255, 255, 255, 128)));
  auto image = ReadTarget();
  ASSERT_TRUE(image);
  EXPECT_TRUE(PixelNear(*image, 4, 4, c.expected, 2)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TextureAlphaSource,
    ::testing::Values(
        // Texture alpha (0) x vertex alpha: nothing of the green shows.
        AlphaSourceCase{"image", kTextureARGB, false, PackColor(0, 0, 255, 255)},
        // Vertex alpha alone (0.5): half green over the blue.
        AlphaSourceCase{"targetRGB", kTextureTargetRGB, false, PackColor(0, 128, 127, 255)},
        AlphaSourceCase{"targetARGB", kTextureTargetARGB, false, PackColor(0, 128, 127, 255)},
        // Premultiplied: alpha 0 means the colour is added in full.
        AlphaSourceCase{"targetARGBPremultiplied", kTextureTargetARGB, true, PackColor(0, 255, 255, 255)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RendererPixels, ColourCombineModulatesOnlyWhenAsked) {
  TRef<T3DTexture> source = MakeTexture(kTextureARGB, 4, 4, PackColor(200, 100, 50, 255));
  ASSERT_TRUE(source);
  T3DTexture* t[] = {source.get()};
  ASSERT_TRUE(DrawQuad(t, kDrawTextured, {0, 0, 8, 8}, PackColor(128, 128, 128, 255)));
  ASSERT_TRUE(DrawQuad(t, kDrawTextured | kDrawModulateColor, {8, 0, 16, 8}, PackColor(128, 128, 128, 255)));
  auto image = ReadTarget();
  ASSERT_TRUE(image);
  EXPECT_TRUE(PixelNear(*image, 2, 2, PackColor(200, 100, 50, 255), 1));
  EXPECT_TRUE(PixelNear(*image, 10, 2, PackColor(100, 50, 25, 255), 1));
}

// Texture kinds: formats, how they sample, what they refuse.
TEST_F(RendererPixels, TextureKindsStoreAndSampleTheirFormats) {
  struct Kind {
    uint8_t kind;
    TPixelFormat format;
    uint32_t written;
    uint32_t drawn;  // read back after drawing it opaque
  };
  const Kind kinds[] = {
      {kTextureARGB, TPixelFormat::kARGB32, PackColor(10, 20, 30, 255), PackColor(10, 20, 30, 255)},
      {kTextureLuminance, TPixelFormat::kGray8, PackColor(100, 100, 100, 255), PackColor(100, 100, 100, 255)},
      {kTextureRGB565, TPixelFormat::kRGB565, PackColor(255, 0, 255, 255), PackColor(255, 0, 255, 255)},
  };
  int x = 0;
  for (const Kind& k : kinds) {
    TRef<T3DTexture> t = MakeTexture(k.kind, 8, 8, k.written);
    ASSERT_TRUE(t) << int(k.kind);
    EXPECT_EQ(t->GetSurface(0)->GetPixelFormat(), k.format);
    T3DTexture* list[] = {t.get()};
    ASSERT_TRUE(DrawQuad(list, kDrawTextured, {float(x), 0, float(x + 8), 8}, kOpaqueWhite));
    auto image = ReadTarget();
    EXPECT_TRUE(PixelNear(*image, x + 3, 3, k.drawn, 1)) << int(k.kind);
    x += 8;
  }
  EXPECT_EQ(renderer_->CreateTexture(kTextureTargetRGB, 8, 8, false)->GetSurface(0)->GetPixelFormat(),
            TPixelFormat::kRGB32);
  EXPECT_THROW(renderer_->CreateTexture(5, 8, 8, false), EAssertion);
  EXPECT_FALSE(renderer_->CreateTexture(kTextureARGB, 0, 8, false));
  EXPECT_EQ(renderer_->LastError(), kDeviceInvalidCall);
}

TEST_F(RendererPixels, MipChainsOnlyForImageKindsWithAnisotropy) {
  bool anisotropy = Get3DEngine()->GetCapsInt("raster", 0) & kRasterAnisotropy;
  EXPECT_EQ(renderer_->CreateTexture(kTextureARGB, 64, 16, true)->GetLevelCount(), anisotropy ? 7 : 1);
  EXPECT_EQ(renderer_->CreateTexture(kTextureARGB, 64, 16, false)->GetLevelCount(), 1);
  EXPECT_EQ(renderer_->CreateTexture(kTextureTargetARGB, 64, 16, true)->GetLevelCount(), 1);
}

TEST_F(RendererPixels, LockedRectanglesReadAndWriteTheirPart) {
  for (uint8_t kind : {kTextureARGB, kTextureTargetARGB}) {
    TRef<T3DTexture> t = MakeTexture(kind, 8, 8, PackColor(1, 2, 3, 4));
    ASSERT_TRUE(t);
    TRef<T3DSurface> s = t->GetSurface(0);
    TRect part{2, 3, 5, 7};
    auto image = s->Lock(&part, false);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Width(), 3);
    EXPECT_EQ(image->Height(), 4);
    EXPECT_EQ(image->GetPixel(0, 0), PackColor(1, 2, 3, 4));
    // A second lock of the same level is refused until this one ends.
    EXPECT_FALSE(s->Lock(nullptr, true));
    EXPECT_EQ(s->LastError(), kDeviceInvalidCall);
    image->Fill(PackColor(9, 8, 7, 6));
    ASSERT_TRUE(s->Unlock(image.get()));
    auto whole = MakeRef<TPixelImage>(8, 8, TPixelFormat::kARGB32);
    ASSERT_TRUE(s->ReadInto(*whole));
    EXPECT_EQ(whole->GetPixel(2, 3), PackColor(9, 8, 7, 6)) << int(kind);
    EXPECT_EQ(whole->GetPixel(4, 6), PackColor(9, 8, 7, 6)) << int(kind);
    EXPECT_EQ(whole->GetPixel(5, 6), PackColor(1, 2, 3, 4)) << int(kind);
    EXPECT_EQ(whole->GetPixel(2, 2), PackColor(1, 2, 3, 4)) << int(kind);
    EXPECT_THROW(s->Unlock(image.get()), EAssertion);
  }
}

TEST_F(RendererPixels, AddressingModesRepeatClampOrMirror) {
  // Four texels red, green, blue, white, drawn over 24 pixels with u from -1 to 2.
  TRef<T3DTexture> t = renderer_->CreateTexture(kTextureARGB, 4, 1, false);
  ASSERT_TRUE(t);
  const uint32_t texels[4] = {PackColor(255, 0, 0, 255), PackColor(0, 255, 0, 255), PackColor(0, 0, 255, 255),
                              kOpaqueWhite};
  {
    TRef<T3DSurface> s = t->GetSurface(0);
    auto image = s->Lock(nullptr, false);
    for (int i = 0; i < 4; ++i) image->SetPixel(i, 0, texels[i]);
    ASSERT_TRUE(s->Unlock(image.get()));
  }
  t->SetFilter(kFilterPoint);
  const uint8_t modes[] = {kAddressWrap, kAddressClamp, kAddressMirror};
  for (int m = 0; m < 3; ++m) {
    t->SetAddressing(modes[m], modes[m]);
    T3DTexture* list[] = {t.get()};
    ASSERT_TRUE(
        DrawQuad(list, kDrawTextured, {0, float(m * 4), 24, float(m * 4 + 4)}, kOpaqueWhite, {-1, 0, 2, 1}));
  }
  auto image = ReadTarget();
  ASSERT_TRUE(image);
  for (int m = 0; m < 3; ++m)
    for (int x = 0; x < 24; ++x) {
      float u = -1 + (x + 0.5f) * 3 / 24;  // texture coordinate at the pixel centre
      float texel = u * 4;
      int i;
      if (modes[m] == kAddressWrap) {
        i = (int(std::floor(texel)) % 4 + 4) % 4;
      } else if (modes[m] == kAddressClamp) {
        i = std::clamp(int(std::floor(texel)), 0, 3);
      } else {
        int period = int(std::floor(texel / 4));
        int inside = int(std::floor(texel)) - period * 4;
        i = (period % 2 == 0) ? inside : 3 - inside;
      }
      EXPECT_TRUE(PixelNear(*image, x, m * 4 + 1, texels[i], 0)) << "mode " << m;
    }
}

TEST_F(RendererPixels, AnisotropicTexturesUseTheirMipLevelsAndBias) {
  TRef<T3DTexture> t = renderer_->CreateTexture(kTextureARGB, 32, 32, true);
  ASSERT_TRUE(t);
  // Mesa's rasterisers all filter anisotropically; without it there would be one level.
  ASSERT_TRUE(Get3DEngine()->GetCapsInt("raster", 0) & kRasterAnisotropy);
  ASSERT_EQ(t->GetLevelCount(), 6);
  const uint32_t levelColours[] = {PackColor(255, 0, 0, 255),   PackColor(0, 255, 0, 255),
                                   PackColor(0, 0, 255, 255),   PackColor(255, 255, 0, 255),
                                   PackColor(0, 255, 255, 255), kOpaqueWhite};
  for (int level = 0; level < t->GetLevelCount(); ++level) {
    TRef<T3DSurface> s = t->GetSurface(level);
    auto image = s->Lock(nullptr, false);
    image->Fill(levelColours[level]);
    ASSERT_TRUE(s->Unlock(image.get()));
  }
  t->SetFilter(kFilterLinear);
  T3DTexture* list[] = {t.get()};
  // 32 texels onto 8 pixels: level 2.
  ASSERT_TRUE(DrawQuad(list, kDrawTextured, {0, 0, 8, 8}, kOpaqueWhite));
  t->SetAnisotropic(true);
  ASSERT_TRUE(DrawQuad(list, kDrawTextured, {8, 0, 16, 8}, kOpaqueWhite));
  t->SetLodBias(1);
  ASSERT_TRUE(DrawQuad(list, kDrawTextured, {16, 0, 24, 8}, kOpaqueWhite));
  auto image = ReadTarget();
  ASSERT_TRUE(image);
  EXPECT_TRUE(PixelNear(*image, 4, 4, levelColours[0], 0)) << "without anisotropy: no mip filtering";
  EXPECT_TRUE(PixelNear(*image, 12, 4, levelColours[2], 2));
  EXPECT_TRUE(PixelNear(*image, 20, 4, levelColours[3], 2));
}

TEST_F(RendererPixels, WorldTransformMovesGeometryAndCullingDropsCounterClockwiseFaces) {
  TMatrix4 world = TMatrix4::Identity();
  world.m[3][0] = 20;  // 20 pixels right
  renderer_->SetTransform(kTransformWorld, world);
  ASSERT_TRUE(DrawQuad({}, kDrawModulateColor | kDrawModulateAlpha, {0, 0, 4, 4}, kOpaqueWhite));
  renderer_->SetTransform(kTransformWorld, TMatrix4::Identity());
  auto image = ReadTarget();
  EXPECT_TRUE(PixelNear(*image, 21, 1, kOpaqueWhite, 0));
  EXPECT_TRUE(PixelNear(*image, 1, 1, kOpaqueBlack, 0));

  // Two triangles: the first counter-clockwise on screen (y down), the second clockwise.
  renderer_->SetCullNone(false);
  TVertexRecord v[6];
  const float pts[6][2] = {{30, 30}, {30, 40}, {40, 30}, {50, 30}, {60, 30}, {50, 40}};
  for (int i = 0; i < 6; ++i) v[i].x = pts[i][0], v[i].y = pts[i][1], v[i].diffuse = kOpaqueWhite;
  ASSERT_TRUE(quad_->Upload(0, v, 4, 0));
  TRef<T3DVertexList> list = renderer_->CreateVertexList(6, kVertexDiffuse, 0);
  ASSERT_TRUE(list->Upload(0, v, 6, 0));
  list->SetRange(0, 2, kTriangleList);
  ASSERT_TRUE(renderer_->DrawList({}, kDrawModulateColor | kDrawModulateAlpha, *list, 0));
  image = ReadTarget();
  EXPECT_TRUE(PixelNear(*image, 32, 32, kOpaqueBlack, 0)) << "counter-clockwise face drawn";
  EXPECT_TRUE(PixelNear(*image, 52, 32, kOpaqueWhite, 0)) << "clockwise face culled";
}

TEST_F(RendererPixels, CopyRectsIsTexelExact) {
  TRef<T3DTexture> source = renderer_->CreateTexture(kTextureTargetARGB, 16, 16, false);
  ASSERT_TRUE(source);
  TRef<T3DSurface> s = source->GetSurface(0);
  auto pattern = s->Lock(nullptr, false);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      pattern->SetPixel(x, y, PackColor(uint8_t(x * 16), uint8_t(y * 16), uint8_t(x ^ y), 255));
  ASSERT_TRUE(s->Unlock(pattern.get()));
  TRef<T3DSurface> back = renderer_->GetBackBuffer();
  const TRect from[] = {{0, 0, 16, 16}, {4, 4, 8, 8}};
  const TRect to[] = {{10, 20, 26, 36}, {40, 40, 44, 44}};
  ASSERT_TRUE(renderer_->CopyRects(*s, *back, 2, from, to));
  auto image = ReadTarget();
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(image->GetPixel(10 + x, 20 + y) & 0xFFFFFF,
                PackColor(uint8_t(x * 16), uint8_t(y * 16), uint8_t(x ^ y), 0));
  EXPECT_EQ(image->GetPixel(40, 40) & 0xFFFFFF, PackColor(64, 64, 0, 0));
  // Image textures are not copy targets.
  TRef<T3DTexture> image0 = renderer_->CreateTexture(kTextureARGB, 16, 16, false);
  EXPECT_FALSE(renderer_->CopyRects(*s, *image0->GetSurface(0), 1, from, from));
  EXPECT_EQ(renderer_->LastError(), kDeviceInvalidCall);
}

TEST_F(RendererPixels, CallerShadersSeeConstantsAndVolumeTextures) {
  // A 4 x 4 x 4 cube whose texel (x, y, z) is (60x, 60y, 60z).
  TRef<TVolumeTexture> cube = renderer_->CreateVolumeTexture(4, 4, 4);
  ASSERT_TRUE(cube);
  auto table = cube->LockBox(0, nullptr);
  ASSERT_TRUE(table);
  ASSERT_EQ(table->Height(), 16);
  for (int z = 0; z < 4; ++z)
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x)
        table->SetPixel(x, z * 4 + y, PackColor(uint8_t(60 * x), uint8_t(60 * y), uint8_t(60 * z), 255));
  ASSERT_TRUE(cube->UnlockBox(0, table.get()));
  std::string code =
      std::string(4, '\0') +
      "uniform sampler3D s0;\nout vec4 color;\nvoid main() { color = texture(s0, c[1].xyz); }\n";
  TRef<T3DShader> shader = renderer_->CreateShader(code, false);
  ASSERT_TRUE(shader) << "last error " << int(renderer_->LastError());
  ASSERT_TRUE(renderer_->SetShader(shader.get()));
  ASSERT_TRUE(renderer_->SetTexture(0, cube.get()));
  struct Lookup {
    int x, y, z;
  };
  const Lookup lookups[] = {{0, 0, 0}, {3, 1, 2}, {1, 3, 0}, {2, 2, 3}};
  int column = 0;
  for (const Lookup& l : lookups) {
    const float at[4] = {(l.x + 0.5f) / 4, (l.y + 0.5f) / 4, (l.z + 0.5f) / 4, 0};
    ASSERT_TRUE(renderer_->SetShaderConstants(1, at, 1, false));
    ASSERT_TRUE(DrawQuad({}, 0, {float(column), 0, float(column + 4), 4}, kOpaqueWhite));
    column += 4;
  }
  renderer_->SetShader(nullptr);
  renderer_->SetTexture(0, nullptr);
  auto image = ReadTarget();
  column = 0;
  for (const Lookup& l : lookups) {
    EXPECT_TRUE(PixelNear(*image, column + 1, 1,
                          PackColor(uint8_t(60 * l.x), uint8_t(60 * l.y), uint8_t(60 * l.z), 255), 1));
    column += 4;
  }
  // Code that does not compile gives no shader and an invalid-call error.
  EXPECT_FALSE(renderer_->CreateShader(std::string(4, '\0') + "void main() { nonsense; }", false));
  EXPECT_EQ(renderer_->LastError(), kDeviceInvalidCall);
  const float eight[8] = {};
  EXPECT_FALSE(renderer_->SetShaderConstants(31, eight, 2, false)) << "past the last register";
}

TEST_F(RendererPixels, EveryPrimitiveTypeDraws) {
  // Each type drawn in its own 10-pixel column; the pixel probed lies on it.
  struct Case {
    uint8_t type;
    int count;
    int probeX, probeY;  // relative to the column
  };
  const Case cases[] = {{kPointList, 1, 2, 2},    {kLineList, 1, 2, 5},      {kLineStrip, 1, 2, 5},
                        {kTriangleList, 1, 1, 1}, {kTriangleStrip, 1, 1, 1}, {kTriangleFan, 1, 1, 1}};
  TRef<T3DVertexList> list = renderer_->CreateVertexList(3, kVertexDiffuse, 0);
  ASSERT_TRUE(list);
  for (int i = 0; i < 6; ++i) {
    const Case& c = cases[i];
    float x = float(i * 10);
    TVertexRecord v[3];
    // Points and lines run through pixel centres (x.5); triangles cover the column's corner.
    const float pts[3][2] = {{x + 2.5f, 2.5f}, {x + 2.5f, 9.5f}, {x + 9, 0}};
    const float tri[3][2] = {{x, 0}, {x + 8, 0}, {x, 8}};
    bool isTriangle = c.type >= kTriangleList;
    for (int k = 0; k < 3; ++k) {
      v[k].x = (isTriangle ? tri : pts)[k][0];
      v[k].y = (isTriangle ? tri : pts)[k][1];
      v[k].diffuse = kOpaqueWhite;
    }
    ASSERT_TRUE(list->Upload(0, v, 3, 0));
    list->SetRange(0, c.count, c.type);
    ASSERT_TRUE(renderer_->DrawList({}, kDrawModulateColor | kDrawModulateAlpha, *list, 0)) << int(c.type);
  }
  auto image = ReadTarget();
  for (int i = 0; i < 6; ++i)
    EXPECT_TRUE(PixelNear(*image, i * 10 + cases[i].probeX, cases[i].probeY, kOpaqueWhite, 0))
        << int(cases[i].type);
}

TEST_F(RendererPixels, ProgrammingErrorsAreInternalCheckFailures) {
  EXPECT_THROW(quad_->SetRange(0, 1, 6), EAssertion);
  TRef<T3DTexture> t = MakeTexture(kTextureARGB, 4, 4, kOpaqueWhite);
  T3DTexture* list[] = {t.get()};
  quad_->SetRange(0, 2, kTriangleStrip);
  EXPECT_THROW(renderer_->DrawList(list, kDrawTextured, *quad_, 2), EAssertion);
  EXPECT_THROW(renderer_->CreateVertexList(4, kVertexDiffuse, 9), EAssertion);
}

TEST_F(RendererPixels, ValidateAndPresentSucceedOnAHealthyDevice) {
  EXPECT_TRUE(renderer_->Validate());
  EXPECT_EQ(renderer_->GetPixelCenter(), (TPointF{0.5f, 0.5f}));
  EXPECT_TRUE(renderer_->LuminanceTextures());
  EXPECT_TRUE(renderer_->EndFrame());
  EXPECT_TRUE(renderer_->Present(nullptr, 0, nullptr));
  EXPECT_TRUE(renderer_->BeginFrame());
  EXPECT_EQ(renderer_->DeviceState(), kDeviceStateNormal);
}

}  // namespace
}  // namespace zol::test
