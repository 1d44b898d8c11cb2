#include "package/file_stream_ex.h"

#include "package/disk_path.h"

namespace zol {

TRef<TStream> TFileStreamEx::Open(std::string_view name) {
  auto path = FindDiskFile(name);
  if (!path) return nullptr;
  try {
    return MakeRef<TFileStreamEx>(*path);
  } catch (const EStreamError&) {
    return nullptr;
  }
}

}  // namespace zol
