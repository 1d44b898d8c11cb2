// The scan-line rasteriser: sub-sample coverage arithmetic, fill rules,
// clipping and damaged coordinates; the outline, flattener and painter
// errors.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/temp_dir.h"
#include "text/outline.h"
#include "text/path_flattener.h"
#include "text/raster_helper.h"
#include "text/scanline_rasterizer.h"
#include "text/text_error.h"
#include "text_test_support.h"

namespace zol {
namespace {

using test::TCoverageGrid;

void AddRect(TScanlineRasterizer& r, float left, float top, float right, float bottom, bool clockwise = true) {
  TOutline o;
  if (clockwise) {
    o.Start(left, top);
    o.AddPoint(right, top);
    o.AddPoint(right, bottom);
    o.AddPoint(left, bottom);
  } else {
    o.Start(left, top);
    o.AddPoint(left, bottom);
    o.AddPoint(right, bottom);
    o.AddPoint(right, top);
  }
  r.AddOutline(o);
}

TEST(ScanlineRasterizer, OneWholePixelIs256AndEachSubScanlineAdds16) {
  TScanlineRasterizer r;
  r.Begin(4, 4);
  AddRect(r, 1, 1, 2, 2);
  TCoverageGrid grid(4, 4);
  r.Fill(TFillRule::NonZero, grid);
  EXPECT_EQ(grid.At(1, 1), TScanlineRasterizer::kFullCoverage);
  EXPECT_EQ(grid.Total(), 256);
  EXPECT_EQ(grid.rows, 1);  // only the touched row is handed out

  // Half a pixel high: 8 sub-scanlines of 16 each.
  r.Begin(4, 4);
  AddRect(r, 1, 1, 2, 1.5f);
  TCoverageGrid half(4, 4);
  r.Fill(TFillRule::NonZero, half);
  EXPECT_EQ(half.At(1, 1), 8 * 16);
}

TEST(ScanlineRasterizer, HorizontalEdgesContributeNothing) {
  TScanlineRasterizer r;
  r.Begin(8, 8);
  r.AddEdge(0, 2, 8, 2);
  r.AddEdge(1.01f, 3, 7, 3.02f);  // horizontal once rounded to 1/16 pixel
  EXPECT_EQ(r.EdgeCount(), 0u);
  TCoverageGrid grid(8, 8);
  r.Fill(TFillRule::NonZero, grid);
  EXPECT_EQ(grid.Total(), 0);
  EXPECT_EQ(grid.rows, 0);

  // A square drawn with its horizontal sides left out covers the same.
  r.Begin(8, 8);
  r.AddEdge(2, 6, 2, 2);
  r.AddEdge(5, 2, 5, 6);
  TCoverageGrid open(8, 8);
  r.Fill(TFillRule::NonZero, open);
  r.Begin(8, 8);
  AddRect(r, 2, 2, 5, 6);
  TCoverageGrid closed(8, 8);
  r.Fill(TFillRule::NonZero, closed);
  EXPECT_EQ(open.Total(), closed.Total());
  EXPECT_EQ(open.Total(), 3 * 4 * 256);
}

// A one-sub-scanline-high band from X0 to X1 (in sixteenths of a pixel):
// coverage per pixel is x1 - x0 within one pixel, 16 - x0 mod 16 for the first,
// the rest for the last and 16 for every pixel between.
struct TSpanCase {
  int x0, x1;  // sixteenths; X1 is the next crossing (outside)
  std::vector<int> expected;  // pixels 0..
};

TEST(ScanlineRasterizer, SpanCoverageTable) {
  const TSpanCase cases[] = {
      {0, 16, {16, 0, 0, 0}},       // exactly one pixel
      {3, 9, {6, 0, 0, 0}},         // inside one pixel
      {8, 24, {8, 8, 0, 0}},        // straddling two
      {4, 60, {12, 16, 16, 12}},    // first, two whole, last
      {16, 17, {0, 1, 0, 0}},       // a single sub-sample
      {-40, 20, {16, 4, 0, 0}},     // begins left of the bitmap: clipped
      {50, 400, {0, 0, 0, 14}},     // ends right of the bitmap: clipped
      {20, 20, {0, 0, 0, 0}},       // empty
  };
  for (const TSpanCase& c : cases) {
    TScanlineRasterizer r;
    r.Begin(4, 1);
    const float top = 0, bottom = 1.0f / 16;
    r.AddEdge(c.x0 / 16.0f, bottom, c.x0 / 16.0f, top);
    r.AddEdge(c.x1 / 16.0f, top, c.x1 / 16.0f, bottom);
    TCoverageGrid grid(4, 1);
    r.Fill(TFillRule::NonZero, grid);
    for (int p = 0; p < 4; ++p) EXPECT_EQ(grid.At(p, 0), c.expected[p]) << c.x0 << ".." << c.x1 << " pixel " << p;
  }
}

TEST(ScanlineRasterizer, FillRulesDifferOnlyWhereContoursOverlap) {
  struct TCase {
    bool innerClockwise;
    TFillRule rule;
    int centre;  // coverage of a pixel inside both squares
    int ring;    // coverage of a pixel inside the outer one only
  };
  const TCase cases[] = {
      {true, TFillRule::NonZero, 256, 256},  // same direction: winding 2, inside
      {true, TFillRule::EvenOdd, 0, 256},    // same direction: even, a hole
      {false, TFillRule::NonZero, 0, 256},   // opposite direction: winding 0, a hole
      {false, TFillRule::EvenOdd, 0, 256},
  };
  for (const TCase& c : cases) {
    TScanlineRasterizer r;
    r.Begin(10, 10);
    AddRect(r, 1, 1, 9, 9);
    AddRect(r, 3, 3, 7, 7, c.innerClockwise);
    TCoverageGrid grid(10, 10);
    r.Fill(c.rule, grid);
    EXPECT_EQ(grid.At(5, 5), c.centre);
    EXPECT_EQ(grid.At(2, 5), c.ring);
    EXPECT_EQ(grid.At(0, 0), 0);
  }
}

TEST(ScanlineRasterizer, SlopedEdgeCoversHalfThePixels) {
  // A right triangle over a 16 x 16 square: half of it, to within the
  // rounding of one sub-sample per sub-scanline.
  TScanlineRasterizer r;
  r.Begin(16, 16);
  TOutline o;
  o.Start(0, 0);
  o.AddPoint(16, 16);
  o.AddPoint(0, 16);
  r.AddOutline(o);
  TCoverageGrid grid(16, 16);
  r.Fill(TFillRule::NonZero, grid);
  const double exact = 16 * 16 * 256 / 2.0;
  EXPECT_NEAR(grid.Total(), exact, 16 * 16 * 16 * 0.5 + 1);
  for (int i = 0; i < 16; ++i) {
    EXPECT_NEAR(grid.At(i, i), 128, 16) << i;  // the diagonal pixels: half covered
    if (i > 0) {
      EXPECT_EQ(grid.At(i - 1, i), 256) << i;
    }
    if (i < 15) {
      EXPECT_EQ(grid.At(i + 1, i), 0) << i;
    }
  }
}

TEST(ScanlineRasterizer, DamagedCoordinatesStayInsideTheBitmap) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct TCase {
    float x0, y0, x1, y1;
  };
  const TCase cases[] = {
      {-1e30f, -1e30f, 1e30f, 1e30f}, {inf, 0, -inf, 10}, {nan, 0, 3, 8}, {2, nan, 3, nan},
      {1e9f, -5, -1e9f, 1e9f},        {0, -inf, 0, inf},  {3, 1e6f, 4, -1e6f},
  };
  for (const TCase& c : cases) {
    TScanlineRasterizer r;
    r.Begin(8, 8);
    r.AddEdge(c.x0, c.y0, c.x1, c.y1);
    r.AddEdge(4, 0, 4, 8);
    TCoverageGrid grid(8, 8);
    r.Fill(TFillRule::EvenOdd, grid);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        EXPECT_GE(grid.At(x, y), 0);
        EXPECT_LE(grid.At(x, y), 256);
      }
  }
}

TEST(ScanlineRasterizer, ShapesAboveAndBelowAreClipped) {
  TScanlineRasterizer r;
  r.Begin(4, 4);
  AddRect(r, 0, -10, 4, 1);  // mostly above: its last row shows
  AddRect(r, 0, 3.5f, 4, 40);  // mostly below
  TCoverageGrid grid(4, 4);
  r.Fill(TFillRule::NonZero, grid);
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(grid.At(x, 0), 256);
    EXPECT_EQ(grid.At(x, 1), 0);
    EXPECT_EQ(grid.At(x, 3), 128);
  }
}

TEST(Outline, AddingToAnUnstartedOrClosedContourFails) {
  TOutline o;
  try {
    o.AddPoint(1, 1);
    FAIL() << "no error";
  } catch (const ETextError& e) {
    EXPECT_STREQ(e.what(), "TOutline.AddPoint Error: No Start Point or Closed Outline");
  }
  o.Start(0, 0);
  o.AddPoint(1, 0);
  o.Close();
  EXPECT_THROW(o.AddPoint(1, 1), ETextError);
  o.Start(2, 2);
  EXPECT_NO_THROW(o.AddPoint(3, 3));
}

struct TBadPathCase {
  std::vector<TPathPoint> points;
  const char* message;
};

TEST(PathFlattener, BadPathsFailWithTheirTexts) {
  const char* noStart = "TOutline.AddPoint Error: No Start Point or Closed Outline";
  const TBadPathCase cases[] = {
      {{{0, 0, 0}, {1, 1, 7}}, "Unknown Path Command"},
      {{{0, 0, 0}, {1, 1, -1}}, "Unknown Path Command"},
      {{{0, 0, 0}, {1, 1, 2}}, "Unknown Path Command"},             // quadratic cut short
      {{{0, 0, 0}, {1, 1, 3}, {2, 2, 3}}, "Unknown Path Command"},  // cubic cut short
      {{{0, 0, 0}, {1, 1, 2}, {2, 2, 1}}, "Unknown Path Command"},  // pair broken
      {{{1, 1, 1}}, noStart},
      {{{1, 1, 2}, {2, 2, 2}}, noStart},
      {{{1, 1, 3}, {2, 2, 3}, {3, 3, 3}}, noStart},
  };
  for (const TBadPathCase& c : cases) {
    TPath path;
    for (const TPathPoint& p : c.points) path.Add(p.x, p.y, p.type);
    EXPECT_NE(path.Problem(), nullptr);
    TRasterHelper helper;
    helper.BeginPaint(4, 4);
    try {
      helper.FillPath(path, TPathTransform{});
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const ETextError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    // The paint goes on: a good path afterwards still fills.
    TPath square;
    square.Add(0, 0, kPathStart);
    square.Add(4, 0, kPathLineTo);
    square.Add(4, 4, kPathLineTo);
    square.Add(0, 4, kPathLineTo);
    helper.FillPath(square, TPathTransform{});
    TCoverageBitmap bitmap = helper.EndPaint();
    EXPECT_EQ(bitmap.At(2, 2), 256);
  }
}

TEST(PathFlattener, CurvedShapesCoverTheirArea) {
  // A quarter disc of radius 100 pixels drawn as one cubic piece (the usual
  // 0.5523 handles) and as two quadratic pieces; the flattened outline must
  // cover the disc's area to within what the curve approximation and the
  // sub-samples allow.
  const float r = 100, h = 0.5523f * r;
  TPath cubic;
  cubic.Add(0, r, kPathStart);
  cubic.Add(0, r - h, kPathCubic);
  cubic.Add(r - h, 0, kPathCubic);
  cubic.Add(r, 0, kPathCubic);
  cubic.Add(r, r, kPathLineTo);
  TPath quadratic;  // two quadratic pieces through the 45° point
  const float m = r - r * std::sqrt(0.5f);
  const float c = r - r * std::tan(float(M_PI) / 8);
  quadratic.Add(0, r, kPathStart);
  quadratic.Add(0, c, kPathQuadratic);
  quadratic.Add(m, m, kPathQuadratic);
  quadratic.Add(c, 0, kPathQuadratic);
  quadratic.Add(r, 0, kPathQuadratic);
  quadratic.Add(r, r, kPathLineTo);
  const double exact = M_PI * r * r / 4 * 256;
  struct TCase {
    const TPath* path;
    double tolerance;
  };
  for (const TCase& c : {TCase{&cubic, 0.002}, TCase{&quadratic, 0.01}}) {
    TRasterHelper helper;
    helper.BeginPaint(104, 104);
    helper.FillPath(*c.path, TPathTransform{});
    const TCoverageBitmap bitmap = helper.EndPaint();
    double total = 0;
    for (uint16_t v : bitmap.coverage) total += v;
    EXPECT_NEAR(total / exact, 1.0, c.tolerance);
  }
  EXPECT_EQ(TPathFlattener::PiecesFor(std::numeric_limits<double>::quiet_NaN()), 1);
  EXPECT_EQ(TPathFlattener::PiecesFor(1e30), TPathFlattener::kMaxPieces);
  EXPECT_EQ(TPathFlattener::PiecesFor(0), 1);
  EXPECT_EQ(TPathFlattener::PiecesFor(TPathFlattener::kTolerance * 16), 4);
}

TEST(RasterHelper, PaintingOutOfOrderFailsWithTheDocumentedTexts) {
  struct TCase {
    std::function<void(TRasterHelper&)> action;
    const char* message;
  };
  const TCase cases[] = {
      {[](TRasterHelper& h) { h.EndPaint(); }, "No Previous Call of TRasterHelper.BeginPaint"},
      {[](TRasterHelper& h) { h.FillRect(0, 0, 1, 1); }, "No Previous Call of TRasterHelper.BeginPaint"},
      {[](TRasterHelper& h) {
         h.BeginPaint(2, 2);
         h.BeginPaint(2, 2);
       },
       "Previous TRasterHelper.BeginPaint not Closed"},
      {[](TRasterHelper& h) { h.BeginPaint(0, 5); }, "TRasterHelper.BeginPaint: W or H = 0"},
      {[](TRasterHelper& h) { h.BeginPaint(5, 0); }, "TRasterHelper.BeginPaint: W or H = 0"},
      {[](TRasterHelper& h) { h.BeginPaint(-3, 5); }, "TRasterHelper.BeginPaint: W or H = 0"},
      {[](TRasterHelper& h) { h.BeginPaint(1 << 20, 1 << 20); },
       "TRasterHelper.BeginPaint: bitmap too large (1048576 x 1048576)"},
  };
  for (const TCase& c : cases) {
    TRasterHelper helper;
    try {
      c.action(helper);
      ADD_FAILURE() << "no error: " << c.message;
    } catch (const ETextError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  // Paint after paint with the same helper.
  TRasterHelper helper;
  for (int i = 0; i < 2; ++i) {
    helper.BeginPaint(3, 3);
    helper.FillRect(0, 0, 3, 3);
    helper.FillRect(0, 0, 3, 3);  // overlapping fills saturate
    TCoverageBitmap b = helper.EndPaint();
    EXPECT_EQ(b.At(1, 1), 256);
    EXPECT_FALSE(helper.Painting());
  }
}

}  // namespace
}  // namespace zol
