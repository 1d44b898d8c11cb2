// TVertexRecord: the program-side vertex every caller of a vertex list fills
// (96 bytes); a list converts it to its own, smaller device format on upload.
#pragma once

#include <cstdint>

namespace zol {

struct TVertexRecord {
  float x = 0, y = 0, z = 0;
  float uv[8][2] = {};    // texture-coordinate pairs, stage 0 first
  uint32_t diffuse = 0;   // ARGB
  uint32_t specular = 0;  // ARGB
  float nx = 0, ny = 0, nz = 0;
};
static_assert(sizeof(TVertexRecord) == 96);

}  // namespace zol
