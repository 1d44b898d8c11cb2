#include "image/image_loader_registry.h"

#include <array>
#include <exception>
#include <mutex>

#include "foundation/case_fold.h"
#include "image/picture_bytes.h"

namespace zol {
namespace {

constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

bool LooksLikePng(TStream& stream) {
  try {
    return StreamStartsWith(stream, kPngSignature);
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

std::string PictureExtension(std::string_view name) {
  const size_t slash = name.find_last_of("\\/");
  const std::string_view last = slash == std::string_view::npos ? name : name.substr(slash + 1);
  const size_t dot = last.find_last_of('.');
  return dot == std::string_view::npos ? std::string() : std::string(last.substr(dot));
}

TImageLoaderRegistry& TImageLoaderRegistry::Process() {
  static TImageLoaderRegistry registry;
  return registry;
}

void TImageLoaderRegistry::Register(Loader loader, std::vector<std::string> extensions) {
  std::unique_lock guard(lock_);
  entries_.push_back({std::move(loader), std::move(extensions)});
}

void TImageLoaderRegistry::Clear() {
  std::unique_lock guard(lock_);
  entries_.clear();
}

bool TImageLoaderRegistry::Empty() {
  std::shared_lock guard(lock_);
  return entries_.empty();
}

TRef<TBitmapStore> TImageLoaderRegistry::Open(TStream& stream, std::string_view name) {
  std::string extension = PictureExtension(name);
  const int64_t start = stream.GetPosition();
  if (EqualNoCase(extension, ".bmp") && LooksLikePng(stream)) extension = ".png";
  std::shared_lock guard(lock_);
  for (const Entry& entry : entries_) {
    if (!extension.empty()) {
      bool claims = false;
      for (const std::string& own : entry.extensions) claims = claims || EqualNoCase(own, extension);
      if (!claims) continue;
    }
    TRef<TBitmapStore> store;
    try {
      store = entry.loader(stream, name);
    } catch (const std::exception&) {
      store = nullptr;
    }
    if (store) return store;
    stream.SetPosition(start);
  }
  return nullptr;
}

}  // namespace zol
