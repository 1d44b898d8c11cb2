// TInflator: inflates a whole raw-deflate stream from an input stream into an
// output stream through zlib's call-back inflater (used by prepared pictures).
// One user at a time.
#pragma once

#include <functional>

#include "foundation/ref_object.h"
#include "foundation/stream.h"

namespace zol {

class TInflator : public TRefObject {
 public:
  using ProgressRoutine = std::function<void()>;

  void SetProgress(ProgressRoutine progress) { progress_ = std::move(progress); }
  // Raises EZDecompressionError when zlib reports anything but success.
  void Inflate(TStream& input, TStream& output);

 private:
  ProgressRoutine progress_;
};

}  // namespace zol
