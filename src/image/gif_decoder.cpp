#include "image/gif_decoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "image/picture_limits.h"
#include "render/color.h"

namespace zol {
namespace {

struct TMemorySource {
  std::span<const uint8_t> data;
  size_t position = 0;
};

int ReadMemory(GifFileType* gif, GifByteType* out, int count) {
  auto& source = *static_cast<TMemorySource*>(gif->UserData);
  const size_t n = std::min(size_t(std::max(count, 0)), source.data.size() - source.position);
  std::memcpy(out, source.data.data() + source.position, n);
  source.position += n;
  return int(n);
}

// An open giflib decoder, closed with the object.
class TGifReader {
 public:
  explicit TGifReader(std::span<const uint8_t> data) : source_{data} {
    int error = 0;
    gif_ = DGifOpen(&source_, ReadMemory, &error);
  }
  ~TGifReader() {
    int error = 0;
    if (gif_) DGifCloseFile(gif_, &error);
  }
  TGifReader(const TGifReader&) = delete;
  TGifReader& operator=(const TGifReader&) = delete;

  GifFileType* get() const { return gif_; }

  // Reads up to the first frame's descriptor; false when there is none.
  // TRANSPARENT gets the transparent colour index its control block names (-1 for none).
  bool FirstFrame(int& transparent) {
    transparent = NO_TRANSPARENT_COLOR;
    if (!gif_) return false;
    for (;;) {
      GifRecordType type = UNDEFINED_RECORD_TYPE;
      if (DGifGetRecordType(gif_, &type) != GIF_OK) return false;
      if (type == IMAGE_DESC_RECORD_TYPE) return DGifGetImageDesc(gif_) == GIF_OK;
      if (type == TERMINATE_RECORD_TYPE) return false;
      if (type != EXTENSION_RECORD_TYPE) continue;
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif_, &code, &block) != GIF_OK) return false;
      if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
        GraphicsControlBlock control{};
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
          transparent = control.TransparentColor;
      }
      while (block) {
        if (DGifGetExtensionNext(gif_, &block) != GIF_OK) return false;
      }
    }
  }

 private:
  TMemorySource source_;
  GifFileType* gif_ = nullptr;
};

bool FrameCoversScreen(const GifFileType& gif) {
  const GifImageDesc& d = gif.Image;
  return d.Left == 0 && d.Top == 0 && d.Width >= gif.SWidth && d.Height >= gif.SHeight;
}

}  // namespace

std::optional<TGifInfo> ReadGifInfo(std::span<const uint8_t> data) {
  TGifReader reader(data);
  int transparent = NO_TRANSPARENT_COLOR;
  if (!reader.FirstFrame(transparent)) return std::nullopt;
  const GifFileType& gif = *reader.get();
  if (!gif.Image.ColorMap && !gif.SColorMap) return std::nullopt;
  TGifInfo info;
  info.width = gif.SWidth;
  info.height = gif.SHeight;
  if (!PictureSizeAllowed(info.width, info.height) || !PictureSizeAllowed(gif.Image.Width, gif.Image.Height))
    return std::nullopt;
  info.alpha = transparent != NO_TRANSPARENT_COLOR || !FrameCoversScreen(gif);
  return info;
}

TRef<TPixelImage> DecodeGifFirstFrame(std::span<const uint8_t> data, const TGifInfo& info,
                                      const std::function<bool(double)>& progress) {
  TGifReader reader(data);
  int transparent = NO_TRANSPARENT_COLOR;
  if (!reader.FirstFrame(transparent)) return nullptr;
  GifFileType& gif = *reader.get();
  const ColorMapObject* map = gif.Image.ColorMap ? gif.Image.ColorMap : gif.SColorMap;
  if (!map || gif.SWidth != info.width || gif.SHeight != info.height) return nullptr;
  std::vector<uint32_t> palette(256, kOpaqueBlack);  // indices past the map read as black
  for (int i = 0; i < std::min(map->ColorCount, 256); ++i)
    palette[size_t(i)] = PackColor(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue, 255);

  auto image = MakeRef<TPixelImage>(info.width, info.height,
                                    info.alpha ? TPixelFormat::kARGB32 : TPixelFormat::kRGB32);
  const GifImageDesc desc = gif.Image;
  std::vector<GifPixelType> line(size_t(std::max(desc.Width, 1)));
  // Interlaced frames store every 8th row from 0, every 8th from 4, every
  // 4th from 2, then every 2nd from 1.
  static constexpr int kStart[4] = {0, 4, 2, 1}, kStep[4] = {8, 8, 4, 2};
  const int passes = desc.Interlace ? 4 : 1;
  int rowsRead = 0;
  for (int pass = 0; pass < passes; ++pass) {
    for (int row = desc.Interlace ? kStart[pass] : 0; row < desc.Height;
         row += desc.Interlace ? kStep[pass] : 1) {
      if (DGifGetLine(&gif, line.data(), desc.Width) != GIF_OK) return rowsRead ? image : nullptr;
      ++rowsRead;
      const int y = desc.Top + row;
      if (y >= 0 && y < info.height) {
        uint8_t* out = image->ScanLine(y);
        for (int x = 0; x < desc.Width; ++x) {
          const int screenX = desc.Left + x;
          if (screenX < 0 || screenX >= info.width || line[size_t(x)] == transparent) continue;
          const uint32_t c = palette[line[size_t(x)]];
          uint8_t* p = out + size_t(screenX) * 4;
          p[0] = ColorB(c), p[1] = ColorG(c), p[2] = ColorR(c), p[3] = 255;
        }
      }
      if (progress && !progress(double(rowsRead) / desc.Height)) return nullptr;
    }
  }
  return image;
}

}  // namespace zol
