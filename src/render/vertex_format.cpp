#include "render/vertex_format.h"

#include "foundation/assertion.h"

namespace zol {

TVertexLayout ComposeVertexLayout(uint32_t flags, int texSets) {
  ZOL_CHECK(texSets >= 0 && texSets <= kMaxTexCoordSets, "Wrong texture coordinate set count");
  TVertexLayout l;
  int offset = 12;  // position, always
  if (flags & kVertexDiffuse) l.diffuse = offset, offset += 4;
  if (flags & kVertexSpecular) l.specular = offset, offset += 4;
  if (flags & kVertexNormal) l.normal = offset, offset += 12;
  for (int i = 0; i < texSets; ++i) l.texCoords[i] = offset, offset += 8;
  l.stride = offset;
  return l;
}

int PrimitiveVertexCount(uint8_t type, int count) {
  if (count <= 0) return 0;
  switch (type) {
    case kPointList:
      return count;
    case kLineList:
      return 2 * count;
    case kLineStrip:
      return count + 1;
    case kTriangleList:
      return 3 * count;
    case kTriangleStrip:
    case kTriangleFan:
      return count + 2;
  }
  ZOL_CHECK_FAILED("Wrong primitive type");
}

}  // namespace zol
