#include "package/image_decoding.h"

#include <mutex>

namespace zol {
namespace {

struct Hooks {
  std::mutex lock;  // guards both hooks
  TImageDecoder decoder;
  TPlaceholderPainter painter;
};

Hooks& Installed() {
  static Hooks hooks;
  return hooks;
}

}  // namespace

void SetImageDecoder(TImageDecoder decoder) {
  std::lock_guard guard(Installed().lock);
  Installed().decoder = std::move(decoder);
}

void SetPlaceholderPainter(TPlaceholderPainter painter) {
  std::lock_guard guard(Installed().lock);
  Installed().painter = std::move(painter);
}

TRef<TImageStore> DecodeImage(TRef<TStream> stream, std::string_view name, TFileSource& source) {
  TImageDecoder decoder;
  {
    std::lock_guard guard(Installed().lock);
    decoder = Installed().decoder;
  }
  return decoder ? decoder(std::move(stream), name, source) : nullptr;
}

TRef<TImageStore> PaintPlaceholder(std::string_view name, bool loadFailed, bool isVideo) {
  TPlaceholderPainter painter;
  {
    std::lock_guard guard(Installed().lock);
    painter = Installed().painter;
  }
  return painter ? painter(name, loadFailed, isVideo) : nullptr;
}

const char* PlaceholderMessage(bool loadFailed, bool isVideo) {
  if (isVideo) return loadFailed ? "Video load error:" : "Video not found";
  return loadFailed ? "Image load error:" : "Image not found";
}

}  // namespace zol
