#include "render/gl/gl_vertex_list.h"

#include <epoxy/gl.h>

#include <cstring>

#include "foundation/assertion.h"
#include "render/gl/gl_call.h"
#include "render/gl/gl_dev_store.h"
#include "render/gl/gl_error.h"

namespace zol {

TRef<T3DVertexListGL> T3DVertexListGL::Create(TGLDevStore& store, int count, uint32_t formatFlags,
                                              int texSets, uint8_t& error) {
  auto list = MakeRef<T3DVertexListGL>(store, count, formatFlags, texSets);
  if (!list->Allocate(error)) return nullptr;
  return list;
}

T3DVertexListGL::T3DVertexListGL(TGLDevStore& store, int count, uint32_t formatFlags, int texSets)
    : T3DVertexList(count, formatFlags, texSets),
      store_(&store),
      layout_(ComposeVertexLayout(formatFlags, texSets)) {
  store.Register(this);
}

bool T3DVertexListGL::Allocate(uint8_t& error) {
  TakeGLError();
  shadow_.assign(size_t(Capacity()) * layout_.stride, 0);
  buffer_ = GenBuffer();
  vertexArray_ = GenVertexArray();
  glBindVertexArray(vertexArray_.Get());
  glBindBuffer(GL_ARRAY_BUFFER, buffer_.Get());
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(shadow_.size()), nullptr, GL_DYNAMIC_DRAW);
  auto at = [](int offset) { return reinterpret_cast<const void*>(intptr_t(offset)); };
  GLsizei stride = layout_.stride;
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, at(0));
  // Colours are ARGB words, bytes B, G, R, A: GL reads that order as BGRA.
  if (layout_.diffuse >= 0) {
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride, at(layout_.diffuse));
  }
  if (layout_.specular >= 0) {
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride, at(layout_.specular));
  }
  if (layout_.normal >= 0) {
    glEnableVertexAttribArray(3);
    glVertexAttribPointer(3, 3, GL_FLOAT, GL_FALSE, stride, at(layout_.normal));
  }
  for (int i = 0; i < TexCoordSets(); ++i) {
    glEnableVertexAttribArray(GLuint(4 + i));
    glVertexAttribPointer(GLuint(4 + i), 2, GL_FLOAT, GL_FALSE, stride, at(layout_.texCoords[i]));
  }
  glBindVertexArray(0);
  error = TakeGLError();
  return error == kDeviceOk;
}

void T3DVertexListGL::SetRange(int first, int count, uint8_t primitiveType) {
  ZOL_CHECK(primitiveType <= kTriangleFan, "Wrong primitive type");
  TDeviceLockGuard lock(DeviceLock());
  StoreRange(first, count, primitiveType);
  SetLastError(kDeviceOk);
}

bool T3DVertexListGL::Upload(int firstVertex, const TVertexRecord* records, int count, int fromIndex) {
  TGLCall call(store_.get());
  if (!call.Bound()) return Fail(kDeviceOtherError);
  if (count <= 0) return Succeed();
  if (!records || firstVertex < 0 || fromIndex < 0 || firstVertex + count > Capacity())
    return Fail(kDeviceInvalidCall);
  const TVertexLayout& l = layout_;
  uint8_t* out = shadow_.data() + size_t(firstVertex) * l.stride;
  for (int i = 0; i < count; ++i, out += l.stride) {
    const TVertexRecord& r = records[fromIndex + i];
    std::memcpy(out, &r.x, 12);
    if (l.diffuse >= 0) std::memcpy(out + l.diffuse, &r.diffuse, 4);
    if (l.specular >= 0) std::memcpy(out + l.specular, &r.specular, 4);
    if (l.normal >= 0) std::memcpy(out + l.normal, &r.nx, 12);
    for (int t = 0; t < TexCoordSets(); ++t) std::memcpy(out + l.texCoords[t], r.uv[t], 8);
  }
  glBindBuffer(GL_ARRAY_BUFFER, buffer_.Get());
  if (firstVertex == 0) {
    // Replacing the store lets the device keep drawing from the old one.
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(shadow_.size()), shadow_.data(), GL_DYNAMIC_DRAW);
  } else {
    glBufferSubData(GL_ARRAY_BUFFER, GLintptr(size_t(firstVertex) * l.stride),
                    GLsizeiptr(size_t(count) * l.stride), shadow_.data() + size_t(firstVertex) * l.stride);
  }
  uint8_t error = TakeGLError();
  return error == kDeviceOk ? Succeed() : Fail(error);
}

void T3DVertexListGL::DetachFromDevice(bool contextUsable) {
  vertexArray_.Release(contextUsable);
  buffer_.Release(contextUsable);
  store_ = nullptr;
}

void T3DVertexListGL::Dispose() {
  {
    TGLCall call(store_.get());
    if (store_) {
      vertexArray_.Release(call.Bound());
      buffer_.Release(call.Bound());
      store_->Unregister(this);
      store_ = nullptr;
    }
  }
  T3DVertexList::Dispose();
}

}  // namespace zol
