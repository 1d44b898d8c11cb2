// TImageDrawParams: what a show object hands the scene drawer with its
// picture, for drawing (DrawImage) and for uploading ahead of use
// (PrepareImage): edge smoothing, tint, opacity, sampling, the part of the
// picture to draw, the texture level and the colour grade. Filled anew for
// every draw on the drawing thread; a plain value.
//
// Placement contract of DrawImage (position, params, xAxis, yAxis,
// viewOffset): the axes carry one picture pixel (of the full-size picture,
// whatever the texture level) each; the drawn part is sourceRect (the whole
// picture when empty) and its top-left corner lies at
// position - viewOffset.x * xAxis - viewOffset.y * yAxis. DrawFrame and
// DrawBox take their offsets the same way, in units of their axes.
#pragma once

#include <cmath>
#include <cstdint>

#include "foundation/ref.h"
#include "render/color_grade_lookup.h"
#include "render/geometry.h"

namespace zol {

// The texture filter an object asks for; Default leaves it to the drawer.
enum class TTextureFiltering : uint8_t { Nearest = 0, Bilinear = 1, Default = 2 };

struct TImageDrawParams {
  bool featherEdges = false;      // smooth the quad's edges
  bool tint = false;              // multiply the picture by tintColor
  uint32_t tintColor = 0xFFFFFF;  // 0xRRGGBB
  float opacity = 100;            // percent
  TTextureFiltering filtering = TTextureFiltering::Default;
  TRectF sourceRect;  // picture pixels at full size; empty: the whole picture
  int level = 0;      // times the picture is halved for its texture
  float mipLodBias = 0;
  bool animated = false;  // a sprite sheet: sourceRect is the current cell
  int columns = 1;        // cells of the sheet
  int rows = 1;
  uint32_t borderColor = 0xFFFFFFFF;  // ARGB of a border drawn with DrawFrame
  // The colour grade: lookup1 weighted 1 - gradeWeight, lookup2 gradeWeight.
  TColorGradeMode gradeMode = TColorGradeMode::None;
  TRef<TColorGradeLookup> lookup1;
  TRef<TColorGradeLookup> lookup2;
  float gradeWeight = 0;

  // Point sampling only when asked for by name.
  bool Smooth() const { return filtering != TTextureFiltering::Nearest; }
  // The opacity as a vertex alpha: truncated, 0 .. 255.
  uint8_t Alpha() const {
    const double alpha = std::trunc(double(opacity) * 2.55);
    return alpha >= 255 ? 255 : alpha > 0 ? uint8_t(alpha) : 0;
  }
  bool Whole() const { return !(sourceRect.right > sourceRect.left && sourceRect.bottom > sourceRect.top); }
};

}  // namespace zol
