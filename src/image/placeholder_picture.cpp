#include "image/placeholder_picture.h"

#include <string>
#include <vector>

#include "image/memory_bitmap_store.h"
#include "package/disk_path.h"
#include "package/image_decoding.h"
#include "text/placeholder_text.h"

namespace zol {
namespace {

constexpr uint32_t kTextColour = 0xFFE6E6E6;        // (230, 230, 230)
constexpr uint32_t kBackgroundColour = 0xFF646464;  // (100, 100, 100)
constexpr double kScale = 0.5;

}  // namespace

TRef<TBitmapStore> PaintPlaceholderPicture(std::string_view name, bool loadFailed, bool isVideo) {
  // One space at both ends of each line keeps the text off the picture's edge.
  const std::vector<std::string> lines = {" " + std::string(PlaceholderMessage(loadFailed, isVideo)) + " ",
                                          " " + FileNameOf(name) + " "};
  TRef<TPixelImage> picture = RenderPlaceholderText(lines, kTextColour, kBackgroundColour, kScale);
  if (!picture) return nullptr;
  return MakeRef<TMemoryBitmapStore>(std::string(name), std::move(picture));
}

void InstallPlaceholderPicture() {
  SetPlaceholderPainter([](std::string_view name, bool loadFailed, bool isVideo) -> TRef<TImageStore> {
    return PaintPlaceholderPicture(name, loadFailed, isVideo);
  });
}

}  // namespace zol
