// T3DVertexList: a device vertex buffer of a fixed format and size, with the
// range and primitive type the next DrawList draws. Created by a renderer,
// owned by the caller; calls hold the device lock.
#pragma once

#include <cstdint>

#include "render/device_object.h"
#include "render/vertex_format.h"
#include "render/vertex_record.h"

namespace zol {

class T3DVertexList : public T3DDeviceObject {
 public:
  // COUNT primitives of TYPE starting at vertex FIRST; an unknown type is an
  // internal-check failure.
  virtual void SetRange(int first, int count, uint8_t primitiveType) = 0;
  // Writes COUNT records, taken from RECORDS[FROMINDEX] on, at vertex
  // FIRSTVERTEX, keeping only the fields of the list's format.
  virtual bool Upload(int firstVertex, const TVertexRecord* records, int count, int fromIndex) = 0;

  int Capacity() const { return capacity_; }
  uint32_t FormatFlags() const { return formatFlags_; }
  int TexCoordSets() const { return texSets_; }
  int RangeFirst() const { return first_; }
  int RangeCount() const { return count_; }
  uint8_t PrimitiveType() const { return primitiveType_; }

 protected:
  T3DVertexList(int capacity, uint32_t formatFlags, int texSets)
      : capacity_(capacity), formatFlags_(formatFlags), texSets_(texSets) {}
  void StoreRange(int first, int count, uint8_t type) {
    first_ = first, count_ = count, primitiveType_ = type;
  }

 private:
  int capacity_;
  uint32_t formatFlags_;
  int texSets_;
  int first_ = 0;
  int count_ = 0;
  uint8_t primitiveType_ = kTriangleList;
};

}  // namespace zol
