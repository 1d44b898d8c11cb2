// Vertex formats and primitive types of vertex lists. A format is composed
// from flags; in device memory its fields follow in the order position,
// diffuse, specular, normal, texture-coordinate pairs, and the stride is their
// sum. Pure functions; any thread.
#pragma once

#include <cstdint>

namespace zol {

enum : uint32_t {
  kVertexDiffuse = 1,   // 4-byte ARGB colour
  kVertexNormal = 2,    // three floats
  kVertexSpecular = 4,  // 4-byte ARGB colour
};

enum : uint8_t {
  kPointList = 0,
  kLineList = 1,
  kLineStrip = 2,
  kTriangleList = 3,
  kTriangleStrip = 4,
  kTriangleFan = 5,
};

constexpr int kMaxTexCoordSets = 8;

// Byte offsets of each field in a vertex of the format; -1 when absent.
struct TVertexLayout {
  int stride = 0;
  int diffuse = -1;
  int specular = -1;
  int normal = -1;
  int texCoords[kMaxTexCoordSets] = {-1, -1, -1, -1, -1, -1, -1, -1};
};

// Asserts 0 <= TEXSETS <= 8.
TVertexLayout ComposeVertexLayout(uint32_t formatFlags, int texSets);

// Vertices needed to draw COUNT primitives of TYPE; an unknown type is an
// internal-check failure.
int PrimitiveVertexCount(uint8_t type, int count);

}  // namespace zol
