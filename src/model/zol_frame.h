// TZolFrame: a show object without a picture of its own: it gives its
// children a content size ("Size") to be placed in and draws nothing itself.
// Made for "Frame", "Box" and "Splitter" objects until a kind that fills
// boxes takes them over. Same ownership and threading as any TZolObject.
#pragma once

#include "model/zol_object.h"

namespace zol {

class TZolFrame : public TZolObject {
 public:
  using TZolObject::TZolObject;

  // "Size" (width, height), then the common parameters.
  void ReadParams(TZolObjectProps& node) override;
};

}  // namespace zol
