// The screen layer: camera and pixel centres, the target stack, batching and
// restorable textures, on a real GL device.
#include <gtest/gtest.h>

#include "foundation/assertion.h"
#include "render/color.h"
#include "render/custom_color_grade_texture.h"
#include "render/gl/gl_engine.h"
#include "render/image_texture.h"
#include "render/screen_3d.h"
#include "render/screen_shader.h"
#include "render/vertex_buffer.h"
#include "render/volume_texture.h"
#include "render_output.h"
#include "support/captured_log.h"

namespace zol::test {
namespace {

// A picture whose every pixel differs from its neighbours.
TRef<TPixelImage> Pattern(int width, int height) {
  auto image = MakeRef<TPixelImage>(width, height, TPixelFormat::kARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image->SetPixel(x, y,
                      PackColor(uint8_t(x * 37 + y), uint8_t(y * 53 + x * 3), uint8_t((x ^ y) * 7), 255));
  return image;
}

// A render target the screen can push.
class TTargetTexture : public TCustomTexture {
 public:
  TTargetTexture(T3DScreen& screen, TSize size) : TCustomTexture(screen) {
    SetKind(kTextureTargetARGB);
    SetSize(size);
  }
  void FillLevel0(TPixelImage&) override {}
};

class ScreenTest : public ::testing::Test {
 protected:
  void Open(int width, int height) {
    output_ = std::make_unique<RenderOutput>(width, height);
    ASSERT_TRUE(output_->Device()) << output_->Error();
    screen_ = MakeRef<T3DScreen>();
    screen_->Bind(output_->Device());
    ASSERT_TRUE(screen_->Renderer()) << "no GL context could be made";
  }
  void TearDown() override {
    screen_ = nullptr;
    output_.reset();
  }
  TRef<TPixelImage> ReadBackBuffer() {
    TRef<T3DSurface> back = screen_->Renderer()->GetBackBuffer();
    TSize size = back->GetSize();
    auto image = MakeRef<TPixelImage>(size.width, size.height, TPixelFormat::kARGB32);
    return back->ReadInto(*image) ? image : nullptr;
  }
  void Quad(TCustomTexture& texture, float x, float y, float w, float h, const TRectF& uv) {
    const uint32_t white[4] = {kOpaqueWhite, kOpaqueWhite, kOpaqueWhite, kOpaqueWhite};
    TCustomTexture* list[] = {&texture};
    screen_->DrawTexturedQuad(list, white, &uv, {w, 0, 0}, {0, h, 0}, {0, 0}, {x, y, 0}, 1);
  }

  std::unique_ptr<RenderOutput> output_;
  TRef<T3DScreen> screen_;
};

TEST_F(ScreenTest, APictureLandsTexelForPixel) {
  Open(320, 300);
  TRef<TPixelImage> picture = Pattern(256, 256);
  for (bool point : {false, true}) {
    auto texture = MakeRef<TImageTexture>(*screen_, picture);
    texture->SetPointFilter(point);
    ASSERT_TRUE(screen_->BeginScene());
    ASSERT_TRUE(screen_->ClearAll(kOpaqueBlack, false));
    Quad(*texture, 17, 33, 256, 256, {0, 0, 256, 256});
    ASSERT_TRUE(screen_->EndScene(false));
    TRef<TPixelImage> image = ReadBackBuffer();
    ASSERT_TRUE(image);
    int wrong = 0;
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x < 256; ++x) wrong += image->GetPixel(17 + x, 33 + y) != picture->GetPixel(x, y);
    if (wrong) SaveForInspection(*image, point ? "copy_point" : "copy_linear");
    EXPECT_EQ(wrong, 0) << (point ? "point" : "linear") << " filtering";
    EXPECT_EQ(image->GetPixel(16, 33), kOpaqueBlack);
    EXPECT_EQ(image->GetPixel(17 + 256, 33), kOpaqueBlack);
    EXPECT_EQ(image->GetPixel(17, 32), kOpaqueBlack);
  }
}

TEST_F(ScreenTest, TexturesAreAllocatedAtPowersOfTwoOfAtLeast32) {
  Open(64, 64);
  struct Case {
    TSize requested, allocated;
  };
  for (const Case& c : {Case{{1, 1}, {32, 32}}, Case{{33, 100}, {64, 128}}, Case{{256, 32}, {256, 32}}}) {
    auto texture = MakeRef<TImageTexture>(
        *screen_, MakeRef<TPixelImage>(c.requested.width, c.requested.height, TPixelFormat::kARGB32));
    EXPECT_EQ(texture->AllocatedSize(), c.allocated);
    EXPECT_DOUBLE_EQ(texture->InvWidth(), 1.0 / c.allocated.width);
  }
}

TEST_F(ScreenTest, TargetStackDrawsInCanvasCoordinates) {
  Open(200, 150);
  auto target = MakeRef<TTargetTexture>(*screen_, TSize{64, 64});
  ASSERT_TRUE(screen_->BeginScene());
  ASSERT_TRUE(screen_->ClearAll(kOpaqueBlack, false));
  EXPECT_EQ(screen_->TargetDepth(), 1u);
  // The target stands for the canvas square (100, 50) - (164, 114).
  ASSERT_TRUE(screen_->PushTarget(*target, 100, 50));
  EXPECT_EQ(screen_->TargetDepth(), 2u);
  EXPECT_EQ(screen_->DrawRect(), (TRect{100, 50, 164, 114}));
  ASSERT_TRUE(screen_->ClearAll(PackColor(0, 0, 255, 255), false));
  const uint32_t red[4] = {PackColor(255, 0, 0, 255), PackColor(255, 0, 0, 255), PackColor(255, 0, 0, 255),
                           PackColor(255, 0, 0, 255)};
  screen_->ColourQuad({110, 60, 0}, {120, 60, 0}, red, {120, 70, 0}, {110, 70, 0});
  ASSERT_TRUE(screen_->PopTarget());
  EXPECT_EQ(screen_->TargetDepth(), 1u);
  EXPECT_EQ(screen_->DrawRect(), (TRect{0, 0, 200, 150}));
  // Popping the back buffer leaves it bound.
  ASSERT_TRUE(screen_->PopTarget());
  EXPECT_EQ(screen_->TargetDepth(), 1u);
  // The target drawn back at its canvas place.
  screen_->DrawTargetTexture(*target, {100, 50, 0}, {0, 0, 64, 64}, {64, 0, 0}, {0, 64, 0}, {0, 0});
  ASSERT_TRUE(screen_->EndScene(true));
  TRef<TPixelImage> image = ReadBackBuffer();
  ASSERT_TRUE(image);
  EXPECT_TRUE(PixelNear(*image, 110, 60, PackColor(255, 0, 0, 255), 0));
  EXPECT_TRUE(PixelNear(*image, 119, 69, PackColor(255, 0, 0, 255), 0));
  EXPECT_TRUE(PixelNear(*image, 120, 70, PackColor(0, 0, 255, 255), 0));
  EXPECT_TRUE(PixelNear(*image, 100, 50, PackColor(0, 0, 255, 255), 0));
  EXPECT_TRUE(PixelNear(*image, 163, 113, PackColor(0, 0, 255, 255), 0));
  EXPECT_TRUE(PixelNear(*image, 99, 50, kOpaqueBlack, 0));
  EXPECT_TRUE(PixelNear(*image, 164, 113, kOpaqueBlack, 0));
}

TEST_F(ScreenTest, SavedViewComesBack) {
  Open(100, 100);
  ASSERT_TRUE(screen_->BeginScene());
  TScreenViewState saved;
  screen_->SaveView(saved);
  ASSERT_TRUE(screen_->SetCanvas({10, 10, 60, 40}, 0, 1));
  ASSERT_TRUE(screen_->SetCamera(30, 50, 15, 25, 5, 5));
  EXPECT_EQ(screen_->Canvas(), (TRect{10, 10, 60, 40}));
  screen_->RestoreView(saved);
  EXPECT_EQ(screen_->Canvas(), saved.canvas);
  EXPECT_EQ(screen_->Camera().canvasWidth, 100);
  EXPECT_EQ(screen_->Camera().scaleX, 1);
  EXPECT_FALSE(screen_->SetCamera(0, 50, 15, 25, 5, 5)) << "sizes must be positive";
  EXPECT_TRUE(screen_->EndScene(false));
}

TEST_F(ScreenTest, BatchesFlushWhenFullAndWhenTexturesChange) {
  Open(64, 64);
  auto a = MakeRef<TImageTexture>(*screen_, Pattern(8, 8));
  auto b = MakeRef<TImageTexture>(*screen_, Pattern(8, 8));
  ASSERT_TRUE(screen_->BeginScene());
  TVertexBuffer& batch = screen_->Batcher();
  EXPECT_EQ(batch.Limit(), TVertexBuffer::kBatchTriangles);
  for (int i = 0; i < 512; ++i) Quad(*a, 0, 0, 4, 4, {0, 0, 8, 8});
  EXPECT_EQ(batch.Pending(), 1024);
  Quad(*a, 0, 0, 4, 4, {0, 0, 8, 8});  // triangles 1025 and 1026
  EXPECT_EQ(batch.Pending(), 2) << "the first 1024 were drawn";
  Quad(*b, 0, 0, 4, 4, {0, 0, 8, 8});
  EXPECT_EQ(batch.Pending(), 2) << "another texture starts a new batch";
  // With several textures bound a full batch is a programming error.
  TCustomTexture* two[] = {a.get(), b.get()};
  const uint32_t white[4] = {kOpaqueWhite, kOpaqueWhite, kOpaqueWhite, kOpaqueWhite};
  const TRectF uvs[2] = {{0, 0, 8, 8}, {0, 0, 8, 8}};
  EXPECT_THROW(
      {
        for (int i = 0; i < 600; ++i)
          screen_->DrawTexturedQuad(two, white, uvs, {4, 0, 0}, {0, 4, 0}, {0, 0}, {0, 0, 0}, 2);
      },
      EAssertion);
  batch.Reset();
  EXPECT_TRUE(screen_->EndScene(false));
}

// Out of video memory for a render target: image textures are given back in
// halves, newest first, until the target fits.
struct MemoryCase {
  const char* name;
  TSize target;
  bool created;
  std::vector<bool> keptAfter;  // per image texture, oldest first
  std::vector<std::string> logLines;
};

class RenderTargetMemory : public ScreenTest, public ::testing::WithParamInterface<MemoryCase> {};

TEST_P(RenderTargetMemory, ReleasesImageTexturesInHalves) {
  const MemoryCase& c = GetParam();
  Open(64, 64);
  std::vector<TRef<TImageTexture>> images;
  for (int i = 0; i < 7; ++i) {
    images.push_back(MakeRef<TImageTexture>(*screen_, Pattern(32, 32)));
    ASSERT_TRUE(images.back()->GetTexture());
  }
  T3DRenderer& renderer = *screen_->Renderer();
  ASSERT_TRUE(SetVideoMemoryLimit(renderer, VideoMemoryUsed(renderer)));
  CapturedLog log;
  auto target = MakeRef<TTargetTexture>(*screen_, c.target);
  EXPECT_EQ(target->GetTexture() != nullptr, c.created) << c.name;
  for (size_t i = 0; i < images.size(); ++i)
    EXPECT_EQ(images[i]->DeviceTexture() != nullptr, c.keptAfter[i]) << c.name << " texture " << i;
  for (const std::string& line : c.logLines) EXPECT_NE(log.Text().find(line), std::string::npos) << line;
  // Released textures come back, content and all, when next used.
  SetVideoMemoryLimit(renderer, -1);
  TRef<T3DTexture> back = images[6]->GetTexture();
  ASSERT_TRUE(back);
  auto level = MakeRef<TPixelImage>(32, 32, TPixelFormat::kARGB32);
  ASSERT_TRUE(back->GetSurface(0)->ReadInto(*level));
  EXPECT_EQ(level->GetPixel(5, 9), Pattern(32, 32)->GetPixel(5, 9));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RenderTargetMemory,
    ::testing::Values(MemoryCase{"fits after the first half",
                                 {64, 64},
                                 true,
                                 {true, true, true, false, false, false, false},
                                 {"Rt Create First Attempt Ok= False", "tmpTexListcount= 7",
                                  "Released Managed Texs from 6 to 3; Rt Create 1nd Attempt Ok= True"}},
                      MemoryCase{"never fits",
                                 {64, 128},
                                 false,
                                 {false, false, false, false, false, false, false},
                                 {"Released Managed Texs from 6 to 3; Rt Create 1nd Attempt Ok= False",
                                  "Released Managed Texs from 2 to 1; Rt Create 2nd Attempt Ok= False",
                                  "Released Managed Texs from 0 to 0; Rt Create 3nd Attempt Ok= False"}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(ScreenTest, ColourGradeTablesStartFromTheIdentity) {
  Open(64, 64);
  ASSERT_TRUE(screen_->BeginScene());
  auto cube = MakeRef<TCustomColorGradeTexture>(*screen_, 1, nullptr, nullptr);
  auto ramp = MakeRef<TCustomColorGradeTexture>(*screen_, 2, nullptr, nullptr);
  TRef<TBaseTexture> c = cube->GetTexture();
  TRef<TBaseTexture> r = ramp->GetTexture();
  ASSERT_TRUE(c);
  ASSERT_TRUE(r);
  auto* volume = dynamic_cast<TVolumeTexture*>(c.get());
  ASSERT_TRUE(volume);
  auto table = volume->LockBox(0, nullptr);
  ASSERT_TRUE(table);
  // Slice 31 (blue), row 4 (green), column 1 (red).
  EXPECT_EQ(table->GetPixel(1, 31 * 32 + 4), PackColor(8, 33, 255, 255));
  EXPECT_EQ(table->GetPixel(0, 0), PackColor(0, 0, 0, 255));
  volume->UnlockBox(0, table.get());
  auto* flat = dynamic_cast<T3DTexture*>(r.get());
  ASSERT_TRUE(flat);
  auto row = MakeRef<TPixelImage>(256, 1, TPixelFormat::kARGB32);
  ASSERT_TRUE(flat->GetSurface(0)->ReadInto(*row));
  EXPECT_EQ(row->GetPixel(77, 0), PackColor(77, 77, 77, 255));
  EXPECT_TRUE(screen_->EndScene(false));
}

}  // namespace
}  // namespace zol::test
