#include "package/real_file_source.h"

#include "package/file_stream_ex.h"
#include "package/path_modifiers.h"

namespace zol {

std::string_view StripPartSuffix(std::string_view name) { return name.substr(0, name.find('|')); }

TRef<TStream> TRealFileSource::Open(std::string_view name) {
  if (name.find('|') != std::string_view::npos) return Open(StripPartSuffix(name));
  return TFileStreamEx::Open(ApplyPathModifiers(name));
}

}  // namespace zol
