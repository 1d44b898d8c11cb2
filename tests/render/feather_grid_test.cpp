// Feathered edges: the grid's geometry, and soft edges drawn on a real device.
#include <gtest/gtest.h>

#include "render/color.h"
#include "render/feather_grid.h"
#include "render/image_texture.h"
#include "render/screen_3d.h"
#include "render_output.h"

namespace zol::test {
namespace {

// Clip coordinates of a flat quad given in viewport pixels of a 100 x 100 viewport.
void FlatClip(float x, float y, float w, float h, float clip[3][4]) {
  auto set = [](float* c, float px, float py) {
    c[0] = px / 50 - 1, c[1] = 1 - py / 50, c[2] = 0.5f, c[3] = 1;
  };
  set(clip[0], x, y);
  set(clip[1], x + w, y);
  set(clip[2], x, y + h);
}

TEST(FeatherGrid, OuterRingLiesOnePixelOutsideEachEdge) {
  float clip[3][4];
  FlatClip(25, 25, 50, 50, clip);
  TFeatherGrid grid = ComputeFeatherGrid(clip, {0, 0, 100, 100}, kFeatherAll);
  EXPECT_EQ(grid.edgeFlags, kFeatherAll);
  struct Expected {
    int index;
    float s, t;
  };
  // One pixel is 1/50 of the quad's side.
  const Expected cases[] = {
      {5, 0, 0},         {6, 1, 0},         {9, 0, 1},         {10, 1, 1},        {0, -0.02f, -0.02f},
      {1, 0, -0.02f},    {4, -0.02f, 0},    {3, 1.02f, -0.02f}, {7, 1.02f, 0},    {15, 1.02f, 1.02f},
      {13, 0, 1.02f},    {11, 1.02f, 1},
  };
  for (const Expected& e : cases) {
    EXPECT_NEAR(grid.st[e.index].x, e.s, 1e-4) << e.index;
    EXPECT_NEAR(grid.st[e.index].y, e.t, 1e-4) << e.index;
  }
  // Mirrored on screen (negative x axis) the ring still goes outward.
  FlatClip(75, 25, -50, 50, clip);
  grid = ComputeFeatherGrid(clip, {0, 0, 100, 100}, kFeatherAll);
  EXPECT_NEAR(grid.st[4].x, -0.02f, 1e-4) << "left of the origin edge, seen from the quad";
}

TEST(FeatherGrid, QuadsTooThinOrSkewedAreNotFeathered) {
  float clip[3][4];
  FlatClip(10, 10, 0.05f, 50, clip);
  EXPECT_EQ(ComputeFeatherGrid(clip, {0, 0, 100, 100}, kFeatherAll).edgeFlags, 0) << "thinner than 0.1 pixel";
  // Axes 10 degrees apart: neighbouring edges nearly parallel.
  FlatClip(10, 10, 50, 0, clip);
  clip[2][0] = clip[0][0] + 0.98f, clip[2][1] = clip[0][1] - 0.17f;
  EXPECT_EQ(ComputeFeatherGrid(clip, {0, 0, 100, 100}, kFeatherAll).edgeFlags, 0);
  // Behind the eye.
  FlatClip(25, 25, 50, 50, clip);
  clip[0][3] = -1;
  EXPECT_EQ(ComputeFeatherGrid(clip, {0, 0, 100, 100}, kFeatherAll).edgeFlags, 0);
  // Nothing asked, nothing feathered; the ring then rests on the corners.
  FlatClip(25, 25, 50, 50, clip);
  TFeatherGrid plain = ComputeFeatherGrid(clip, {0, 0, 100, 100}, 0);
  EXPECT_EQ(plain.edgeFlags, 0);
  EXPECT_EQ(plain.st[0].x, 0);
  EXPECT_EQ(plain.st[15].y, 1);
}

TEST(FeatherGrid, CellsDrawnPerEdgeFlags) {
  // Cells row by row; 'x' drawn.
  const std::pair<int, const char*> cases[] = {
      {0, "....x...."},
      {kFeatherAll, "xxxxxxxxx"},
      {kFeatherLeft, "...xx...."},
      {kFeatherTop, ".x..x...."},
      {kFeatherLeft | kFeatherTop, "xxxxx.x.."},
      {kFeatherRight | kFeatherBottom, "..x.xxxxx"},
      {kFeatherLeft | kFeatherRight, "x.xxxxx.x"},
  };
  for (const auto& [flags, expected] : cases) {
    std::string drawn;
    for (int row = 0; row < 3; ++row)
      for (int col = 0; col < 3; ++col) drawn += FeatherCellDrawn(col, row, flags) ? 'x' : '.';
    EXPECT_EQ(drawn, expected) << flags;
  }
}

TEST(FeatherGrid, SoftEdgesFadeOnScreen) {
  RenderOutput output(200, 200);
  ASSERT_TRUE(output.Device()) << output.Error();
  auto screen = MakeRef<T3DScreen>();
  screen->Bind(output.Device());
  ASSERT_TRUE(screen->Renderer());
  auto white = MakeRef<TPixelImage>(4, 4, TPixelFormat::kARGB32);
  white->Fill(kOpaqueWhite);
  auto texture = MakeRef<TImageTexture>(*screen, white);
  TCustomTexture* textures[] = {texture.get()};
  const uint32_t colours[4] = {kOpaqueWhite, kOpaqueWhite, kOpaqueWhite, kOpaqueWhite};
  const TRectF uv{0, 0, 4, 4};

  auto grey = [&](int flags, int x, int y) {
    EXPECT_TRUE(screen->BeginScene());
    screen->ClearAll(kOpaqueBlack, false);
    screen->DrawFeatheredGrid(textures, 1, flags, colours, &uv, {100, 0, 0}, {0, 100, 0}, {0, 0}, {50, 50, 0});
    EXPECT_TRUE(screen->EndScene(false));
    auto back = screen->Renderer()->GetBackBuffer();
    auto image = MakeRef<TPixelImage>(200, 200, TPixelFormat::kARGB32);
    EXPECT_TRUE(back->ReadInto(*image));
    return int(image->GetPixel(x, y) & 0xFF);
  };
  EXPECT_EQ(grey(kFeatherAll, 100, 100), 255) << "the inside is untouched";
  const int soft = grey(kFeatherAll, 49, 100);
  EXPECT_GT(soft, 20) << "the pixel just outside the left edge is partly covered";
  EXPECT_LT(soft, 235);
  EXPECT_EQ(grey(kFeatherAll, 46, 100), 0) << "feathering stays within a pixel";
  EXPECT_EQ(grey(0, 49, 100), 0) << "no feathering, no soft edge";
  EXPECT_GT(grey(kFeatherLeft, 49, 100), 20);
  EXPECT_EQ(grey(kFeatherLeft, 100, 49), 0) << "the top edge stays hard";
}

}  // namespace
}  // namespace zol::test
