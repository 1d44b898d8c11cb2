// TFileStreamEx: a disk file opened for reading whose reads never raise: a
// failing read gives 0 bytes. Files of a show are read through it.
#pragma once

#include <string>
#include <string_view>

#include "foundation/file_stream.h"
#include "foundation/ref.h"

namespace zol {

class TFileStreamEx : public TFileStream {
 public:
  explicit TFileStreamEx(const std::string& path) : TFileStream(path, Mode::Read) {}

  // The file at PATH (a show's name for it, see FindDiskFile), or nothing.
  static TRef<TStream> Open(std::string_view name);
};

}  // namespace zol
