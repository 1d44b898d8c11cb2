// The feathered-edge grid of a quad: a 4 x 4 grid of vertices whose inner
// four are the quad's corners and whose outer ring lies one pixel outside the
// quad's edges on screen, where the picture fades to transparent. Computed in
// the quad's own parameters (s along its x axis, t along its y axis) so that
// positions and texture coordinates both follow by interpolation. Pure
// functions, any thread.
#pragma once

#include "render/geometry.h"

namespace zol {

enum : int { kFeatherLeft = 1, kFeatherTop = 2, kFeatherRight = 4, kFeatherBottom = 8, kFeatherAll = 15 };

struct TFeatherGrid {
  // Quad parameters of each grid vertex, row by row (index = row * 4 + column);
  // the inner corners are (0,0), (1,0), (0,1), (1,1).
  TPointF st[16];
  // The edges to feather, all cleared when the quad is too thin or too
  // skewed on screen to feather.
  int edgeFlags = 0;
};

// CLIP: clip coordinates (x, y, z, w) of the corners origin, origin + x axis,
// origin + y axis (the fourth follows); VIEWPORT: the pixels they land on.
TFeatherGrid ComputeFeatherGrid(const float clip[3][4], const TRect& viewport, int edgeFlags);

// Whether the cell (COLUMN, ROW) of the 3 x 3 cells is drawn for EDGEFLAGS:
// the centre always, an edge cell when its edge is on, a corner cell when
// either neighbouring edge is on unless only one edge is.
bool FeatherCellDrawn(int column, int row, int edgeFlags);

}  // namespace zol
