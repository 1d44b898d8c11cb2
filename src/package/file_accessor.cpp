#include "package/file_accessor.h"

#include <mutex>

#include "package/disk_path.h"
#include "package/file_stream_ex.h"
#include "package/image_decoding.h"
#include "package/load_yield.h"
#include "package/mapped_file_source.h"
#include "package/partial_stream.h"
#include "package/path_modifiers.h"
#include "package/real_file_source.h"

namespace zol {

TRef<TStream> WrapWithYield(TRef<TStream> stream) {
  int64_t size = stream->GetSize();
  auto window = MakeRef<TPartialStream>(std::move(stream), size, 0);
  window->SetYield(TFileAccessor::kYieldInterval, [] { return LoadYield(); });
  return window;
}

TFileAccessor::TFileAccessor(TRef<TFileSource> source) : source_(std::move(source)) {}

void TFileAccessor::SetBaseFolder(std::string folder) {
  folder = ToDiskPath(folder);
  if (!folder.empty() && folder.back() != '/') folder += '/';
  baseFolder_ = std::move(folder);
}

TRef<TStream> TFileAccessor::OpenStream(std::string_view name) {
  TRef<TStream> stream;
  {
    std::lock_guard guard(source_->Lock());
    stream = source_->Open(name);
  }
  return stream ? WrapWithYield(std::move(stream)) : nullptr;
}

TRef<TPackedImage> TFileAccessor::LoadImage(std::string_view name) {
  TImageCache& cache = TImageCache::Process();
  TRef<TImageHandle> handle = cache.Acquire(name, source_->Serial());
  {
    std::lock_guard guard(handle->Lock());
    if (!handle->Loaded()) {
      TRef<TImageStore> store = source_->AskImageProviders(name);
      bool gotStream = false;
      if (!store) {
        if (TRef<TStream> stream = OpenStream(name)) {
          gotStream = true;
          try {
            store = DecodeImage(std::move(stream), name, *source_);
          } catch (const std::exception&) {
            store = nullptr;  // a broken picture shows the placeholder
          }
        }
      }
      if (!store) store = PaintPlaceholder(name, gotStream, false);
      handle->SetStore(std::move(store));
    }
  }
  TRef<TPackedImage> image;
  if (handle->Store()) image = MakeRef<TPackedImage>(handle);
  cache.Release(handle);
  return image;
}

std::optional<std::string> TFileAccessor::ResolveDiskFile(std::string_view name) {
  if (auto found = FindDiskFile(name)) return found;
  if (auto modified = FindDiskFile(ApplyPathModifiers(name))) return modified;
  if (!baseFolder_.empty()) {
    if (auto found = FindDiskFile(baseFolder_ + FileNameOf(name))) return found;
  }
  // A project show also looks beside its project file.
  if (auto* mapped = dynamic_cast<TMappedFileSource*>(source_.get())) return mapped->Lookup().Resolve(name);
  return std::nullopt;
}

TRef<TStream> TFileAccessor::OpenDiskFile(std::string_view name) {
  auto path = ResolveDiskFile(StripPartSuffix(name));
  return path ? TFileStreamEx::Open(*path) : nullptr;
}

TRef<TFileAccessor> TFileAccessor::Clone() const {
  auto clone = MakeRef<TFileAccessor>(source_);
  clone->baseFolder_ = baseFolder_;
  return clone;
}

void TFileAccessor::Dispose() {
  source_.reset();
  TRefObject::Dispose();
}

TRef<TFileAccessor> DefaultFileAccessor() {
  static TRef<TFileAccessor> accessor = MakeRef<TFileAccessor>(MakeRef<TRealFileSource>());
  return accessor;
}

}  // namespace zol
