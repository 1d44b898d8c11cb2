#include "package/packed_file_source.h"

#include "package/crypt_stream.h"
#include "package/file_accessor.h"
#include "package/load_yield.h"
#include "package/partial_stream.h"

namespace zol {

TPackedFileSource::TPackedFileSource(TRef<TZolUnpack> package) : package_(std::move(package)) {}

TRef<TStream> TPackedFileSource::OpenUnmapped(std::string_view name) {
  std::optional<TPackageEntry> entry = package_->FindEntry(name);
  if (!entry) return nullptr;
  TRef<TStream> stream =
      TZolUnpack::OpenStoredWindow(package_->OpenHostHandle(), entry->method, entry->size, entry->position);
  if (!stream) return nullptr;
  // A cipher is handed out as it is, its window yielding; everything else
  // leaves here as a yielding window.
  if (auto* cipher = dynamic_cast<TCryptStream*>(stream.get())) {
    if (auto* window = dynamic_cast<TPartialStream*>(&cipher->Inner()))
      window->SetYield(TFileAccessor::kYieldInterval, [] { return LoadYield(); });
    return stream;
  }
  if (auto* window = dynamic_cast<TPartialStream*>(stream.get())) {
    window->SetYield(TFileAccessor::kYieldInterval, [] { return LoadYield(); });
    return stream;
  }
  return WrapWithYield(std::move(stream));
}

void TPackedFileSource::Dispose() {
  package_.reset();
  TMappedFileSource::Dispose();
}

}  // namespace zol
