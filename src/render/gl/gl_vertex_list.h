// T3DVertexListGL: a vertex buffer in its composed format with the vertex
// array that describes it, plus a copy in system memory so partial uploads
// never wait for the device. Owned by its creator; calls hold the device lock.
#pragma once

#include <vector>

#include "render/gl/gl_device_member.h"
#include "render/gl/gl_name.h"
#include "render/vertex_list_3d.h"

namespace zol {

class TGLDevStore;

class T3DVertexListGL : public T3DVertexList, public TGLDeviceMember {
 public:
  static TRef<T3DVertexListGL> Create(TGLDevStore& store, int count, uint32_t formatFlags, int texSets,
                                      uint8_t& error);
  T3DVertexListGL(TGLDevStore& store, int count, uint32_t formatFlags, int texSets);

  void SetRange(int first, int count, uint8_t primitiveType) override;
  bool Upload(int firstVertex, const TVertexRecord* records, int count, int fromIndex) override;

  bool Alive() const { return store_ != nullptr; }
  TGLDevStore* Store() const { return store_.get(); }
  unsigned int VertexArray() const { return vertexArray_.Get(); }
  const TVertexLayout& Layout() const { return layout_; }

  void DetachFromDevice(bool contextUsable) override;
  T3DDeviceObject& DeviceObject() override { return *this; }

 protected:
  void Dispose() override;

 private:
  bool Allocate(uint8_t& error);

  TRef<TGLDevStore> store_;
  TVertexLayout layout_;
  std::vector<uint8_t> shadow_;
  TGLName buffer_;
  TGLName vertexArray_;
};

}  // namespace zol
