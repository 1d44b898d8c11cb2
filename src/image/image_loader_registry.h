// TImageLoaderRegistry: the ordered list of picture loaders, each with the
// file extensions it reads; opening a picture tries the loaders that claim
// its extension. Filled at start-up; opening may then run on any thread
// (a shared lock guards the list).
#pragma once

#include <functional>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/ref.h"
#include "foundation/stream.h"
#include "image/bitmap_store.h"

namespace zol {

class TImageLoaderRegistry {
 public:
  // Reads the picture at STREAM's position; none to decline. A loader may
  // move the stream: the registry restores the position after a decline.
  using Loader = std::function<TRef<TBitmapStore>(TStream& stream, std::string_view name)>;

  static TImageLoaderRegistry& Process();

  // EXTENSIONS with their dot (".jpg"), matched without regard to case.
  void Register(Loader loader, std::vector<std::string> extensions);
  void Clear();
  bool Empty();

  // The picture NAME read from STREAM by the first loader that accepts it:
  // the loaders whose list holds NAME's extension, in registration order, or
  // every loader when NAME has none. A ".bmp" that is really a PNG counts as
  // ".png". A loader that throws counts as declining. None when all decline.
  TRef<TBitmapStore> Open(TStream& stream, std::string_view name);

 private:
  struct Entry {
    Loader loader;
    std::vector<std::string> extensions;
  };
  std::shared_mutex lock_;  // guards entries_
  std::vector<Entry> entries_;
};

// The extension of NAME's last component, from its last dot ("" when none):
// "a\\b.gif|framesatlas" gives ".gif|framesatlas".
std::string PictureExtension(std::string_view name);

}  // namespace zol
