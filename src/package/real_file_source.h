// TRealFileSource: plain files on disk, names going through the path
// modifiers. Used by the process-wide default accessor.
#pragma once

#include "package/file_source.h"

namespace zol {

class TRealFileSource : public TFileSource {
 public:
  TRef<TStream> Open(std::string_view name) override;
};

// NAME up to its first "|": the rest names a part inside the file, not the file.
std::string_view StripPartSuffix(std::string_view name);

}  // namespace zol
