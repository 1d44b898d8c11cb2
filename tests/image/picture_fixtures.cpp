#include "image/picture_fixtures.h"

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <zlib.h>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <algorithm>
#include <map>

#include "foundation/memory_stream.h"
#include "image/image_loader_registry.h"
#include "image/image_loaders.h"
#include "image/png_writer.h"
#include "render/color.h"

namespace zol::test {
namespace {

void PutU16(std::string& out, uint32_t v) {
  out += char(v & 0xFF), out += char((v >> 8) & 0xFF);
}
void PutU32(std::string& out, uint32_t v) {
  PutU16(out, v & 0xFFFF), PutU16(out, v >> 16);
}
void PutBe16(std::string& out, uint32_t v) {
  out += char((v >> 8) & 0xFF), out += char(v & 0xFF);
}
void PutBe32(std::string& out, uint32_t v) {
  PutBe16(out, v >> 16), PutBe16(out, v & 0xFFFF);
}

std::vector<uint32_t> ColoursOf(const TPixelImage& picture) {
  std::vector<uint32_t> colours;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const uint32_t c = picture.GetPixel(x, y);
      if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
    }
  return colours;
}

int IndexOf(const std::vector<uint32_t>& colours, uint32_t c) {
  return int(std::find(colours.begin(), colours.end(), c) - colours.begin());
}

}  // namespace

TRef<TPixelImage> GradientPicture(int width, int height, bool alpha) {
  auto picture = MakeRef<TPixelImage>(width, height, alpha ? TPixelFormat::kARGB32 : TPixelFormat::kRGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const uint8_t r = uint8_t(x * 255 / std::max(1, width - 1));
      const uint8_t g = uint8_t(y * 255 / std::max(1, height - 1));
      const uint8_t b = uint8_t(((x / 8 + y / 8) % 2) ? 200 : 40);
      const uint8_t a = alpha ? uint8_t((x + y) * 255 / std::max(1, width + height - 2)) : 255;
      picture->SetPixel(x, y, PackColor(r, g, b, a));
    }
  return picture;
}

TRef<TPixelImage> PalettePicture(int width, int height, const std::vector<uint32_t>& palette) {
  const bool alpha = std::any_of(palette.begin(), palette.end(), [](uint32_t c) { return ColorA(c) != 255; });
  auto picture = MakeRef<TPixelImage>(width, height, alpha ? TPixelFormat::kARGB32 : TPixelFormat::kRGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture->SetPixel(x, y, palette[size_t(x * 7 + y * 3) % palette.size()]);
  return picture;
}

TRef<TPixelImage> SolidPicture(int width, int height, uint32_t argb, TPixelFormat format) {
  auto picture = MakeRef<TPixelImage>(width, height, format);
  picture->Fill(argb);
  return picture;
}

std::string EncodeJpegFixture(const TPixelImage& picture, const TJpegOptions& options) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr error{};
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(picture.Width());
  cinfo.image_height = JDIMENSION(picture.Height());
  cinfo.input_components = options.grey ? 1 : 3;
  cinfo.in_color_space = options.grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, options.quality, TRUE);
  if (options.fullChroma && !options.grey)
    for (int i = 0; i < 3; ++i) cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
  if (options.progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  if (options.exif) {
    std::string payload = std::string("Exif\0\0", 6) + *options.exif;
    jpeg_write_marker(&cinfo, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(payload.data()),
                      unsigned(payload.size()));
  }
  if (options.icc)
    jpeg_write_icc_profile(&cinfo, reinterpret_cast<const JOCTET*>(options.icc->data()),
                           unsigned(options.icc->size()));
  if (options.iptc) {
    std::string payload("Photoshop 3.0\0", 14);
    payload += "8BIM";
    PutBe16(payload, 0x0404);
    payload += std::string(2, '\0');  // empty name, padded
    PutBe32(payload, uint32_t(options.iptc->size()));
    payload += *options.iptc;
    if (payload.size() % 2) payload += '\0';
    jpeg_write_marker(&cinfo, JPEG_APP0 + 13, reinterpret_cast<const JOCTET*>(payload.data()),
                      unsigned(payload.size()));
  }
  for (const auto& [marker, payload] : options.markers)
    jpeg_write_marker(&cinfo, marker, reinterpret_cast<const JOCTET*>(payload.data()),
                      unsigned(payload.size()));
  std::vector<uint8_t> row(size_t(picture.Width()) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = int(cinfo.next_scanline);
    for (int x = 0; x < picture.Width(); ++x) {
      const uint32_t c = picture.GetPixel(x, y);
      if (options.grey)
        row[size_t(x)] = ColorR(c);
      else
        row[size_t(x) * 3] = ColorR(c), row[size_t(x) * 3 + 1] = ColorG(c),
                        row[size_t(x) * 3 + 2] = ColorB(c);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  free(buffer);
  return bytes;
}

namespace {
void PngAppend(png_structp png, png_bytep data, size_t count) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), count);
}
void PngFlush(png_structp) {}
}  // namespace

std::string EncodePngFixture(const TPixelImage& picture, int colorType, int bitDepth, bool interlaced,
                             const std::vector<std::pair<std::string, std::string>>& compressedTexts) {
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, PngAppend, PngFlush);
  const int w = picture.Width(), h = picture.Height();
  png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), bitDepth, colorType,
               interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  const std::vector<uint32_t> colours =
      colorType == PNG_COLOR_TYPE_PALETTE ? ColoursOf(picture) : std::vector<uint32_t>{};
  if (colorType == PNG_COLOR_TYPE_PALETTE) {
    std::vector<png_color> entries;
    std::vector<png_byte> alphas;
    for (uint32_t c : colours) {
      entries.push_back({ColorR(c), ColorG(c), ColorB(c)});
      alphas.push_back(ColorA(c));
    }
    png_set_PLTE(png, info, entries.data(), int(entries.size()));
    if (std::any_of(alphas.begin(), alphas.end(), [](png_byte a) { return a != 255; }))
      png_set_tRNS(png, info, alphas.data(), int(alphas.size()), nullptr);
  }
  std::vector<png_text> texts;
  for (const auto& [key, text] : compressedTexts) {
    png_text t{};
    t.compression = PNG_TEXT_COMPRESSION_zTXt;
    t.key = const_cast<char*>(key.c_str());
    t.text = const_cast<char*>(text.c_str());
    t.text_length = text.size();
    texts.push_back(t);
  }
  if (!texts.empty()) png_set_text(png, info, texts.data(), int(texts.size()));
  png_write_info(png, info);

  const int channels = colorType == PNG_COLOR_TYPE_RGB          ? 3
                       : colorType == PNG_COLOR_TYPE_RGB_ALPHA  ? 4
                       : colorType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                                : 1;
  const size_t rowBytes = (size_t(w) * channels * bitDepth + 7) / 8;
  std::vector<std::vector<png_byte>> rows(static_cast<size_t>(h), std::vector<png_byte>(rowBytes));
  for (int y = 0; y < h; ++y) {
    std::vector<uint32_t> samples;
    for (int x = 0; x < w; ++x) {
      const uint32_t c = picture.GetPixel(x, y);
      switch (colorType) {
        case PNG_COLOR_TYPE_GRAY:
          samples.push_back(ColorR(c));
          break;
        case PNG_COLOR_TYPE_GRAY_ALPHA:
          samples.insert(samples.end(), {ColorR(c), ColorA(c)});
          break;
        case PNG_COLOR_TYPE_RGB:
          samples.insert(samples.end(), {ColorR(c), ColorG(c), ColorB(c)});
          break;
        case PNG_COLOR_TYPE_RGB_ALPHA:
          samples.insert(samples.end(), {ColorR(c), ColorG(c), ColorB(c), ColorA(c)});
          break;
        case PNG_COLOR_TYPE_PALETTE:
          samples.push_back(uint32_t(IndexOf(colours, c)));
          break;
      }
    }
    png_byte* row = rows[size_t(y)].data();
    for (size_t i = 0; i < samples.size(); ++i) {
      uint32_t v = samples[i];
      if (colorType != PNG_COLOR_TYPE_PALETTE) {
        if (bitDepth == 16)
          v = v * 257;
        else if (bitDepth < 8)
          v = v >> (8 - bitDepth);
      }
      if (bitDepth == 16) {
        row[i * 2] = png_byte(v >> 8), row[i * 2 + 1] = png_byte(v);
      } else if (bitDepth == 8) {
        row[i] = png_byte(v);
      } else {
        const size_t bit = i * size_t(bitDepth);
        row[bit / 8] |= png_byte(v << (8 - bitDepth - bit % 8));
      }
    }
  }
  std::vector<png_bytep> pointers;
  for (auto& row : rows) pointers.push_back(row.data());
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::string EncodeBmpFixture(const TPixelImage& picture, const TBmpOptions& options) {
  const int w = picture.Width(), h = picture.Height(), bits = options.bits;
  const std::vector<uint32_t> colours = bits <= 8 ? ColoursOf(picture) : std::vector<uint32_t>{};
  const size_t headerSize = options.core ? 12 : options.v5 ? 124 : 40;
  const bool fields = options.bitFields && headerSize == 40;
  const size_t paletteBytes = bits <= 8 ? (size_t(1) << bits) * (options.core ? 3 : 4) : 0;
  const size_t rowBytes = (size_t(w) * bits + 31) / 32 * 4;
  const size_t offset = 14 + headerSize + (fields ? 12 : 0) + paletteBytes;
  uint32_t masks[4] = {0, 0, 0, 0};
  if (bits == 16) {
    if (options.bitFields || options.v5)
      masks[0] = 0xF800, masks[1] = 0x07E0, masks[2] = 0x001F;
    else
      masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  } else if (bits == 32) {
    masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF, masks[3] = options.v5 ? 0xFF000000 : 0;
  }
  std::string out = "BM";
  PutU32(out, uint32_t(offset + rowBytes * size_t(h)));
  PutU32(out, 0);
  PutU32(out, uint32_t(offset));
  PutU32(out, uint32_t(headerSize));
  if (options.core) {
    PutU16(out, uint32_t(w)), PutU16(out, uint32_t(h)), PutU16(out, 1), PutU16(out, uint32_t(bits));
  } else {
    PutU32(out, uint32_t(w));
    PutU32(out, uint32_t(options.topDown ? -h : h));
    PutU16(out, 1), PutU16(out, uint32_t(bits));
    PutU32(out, (options.bitFields || options.v5) && (bits == 16 || bits == 32) ? 3 : 0);
    PutU32(out, uint32_t(rowBytes * size_t(h)));
    PutU32(out, 2835), PutU32(out, 2835);
    PutU32(out, bits <= 8 ? uint32_t(colours.size()) : 0);
    PutU32(out, 0);
    if (options.v5) {
      for (uint32_t m : masks) PutU32(out, m);
      out += std::string(124 - 56, '\0');
    }
  }
  if (fields) PutU32(out, masks[0]), PutU32(out, masks[1]), PutU32(out, masks[2]);
  if (bits <= 8) {
    for (size_t i = 0; i < (size_t(1) << bits); ++i) {
      const uint32_t c = i < colours.size() ? colours[i] : 0;
      out += char(ColorB(c)), out += char(ColorG(c)), out += char(ColorR(c));
      if (!options.core) out += '\0';
    }
  }
  for (int row = 0; row < h; ++row) {
    const int y = options.topDown ? row : h - 1 - row;
    std::string line(rowBytes, '\0');
    for (int x = 0; x < w; ++x) {
      const uint32_t c = picture.GetPixel(x, y);
      switch (bits) {
        case 1:
          line[size_t(x / 8)] |= char(IndexOf(colours, c) << (7 - x % 8));
          break;
        case 4:
          line[size_t(x / 2)] |= char(IndexOf(colours, c) << (x % 2 ? 0 : 4));
          break;
        case 8:
          line[size_t(x)] = char(IndexOf(colours, c));
          break;
        case 16: {
          uint32_t v;
          if (masks[0] == 0xF800)
            v = (ColorR(c) >> 3) << 11 | (ColorG(c) >> 2) << 5 | ColorB(c) >> 3;
          else
            v = (ColorR(c) >> 3) << 10 | (ColorG(c) >> 3) << 5 | ColorB(c) >> 3;
          line[size_t(x) * 2] = char(v & 0xFF), line[size_t(x) * 2 + 1] = char(v >> 8);
          break;
        }
        case 24:
          line[size_t(x) * 3] = char(ColorB(c)), line[size_t(x) * 3 + 1] = char(ColorG(c)),
                           line[size_t(x) * 3 + 2] = char(ColorR(c));
          break;
        case 32:
          line[size_t(x) * 4] = char(ColorB(c)), line[size_t(x) * 4 + 1] = char(ColorG(c)),
                           line[size_t(x) * 4 + 2] = char(ColorR(c)),
                           line[size_t(x) * 4 + 3] =
                               char(picture.Format() == TPixelFormat::kARGB32 ? ColorA(c) : 0);
          break;
      }
    }
    out += line;
  }
  return out;
}

namespace {
int GifWrite(GifFileType* gif, const GifByteType* data, int count) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), size_t(count));
  return count;
}
}  // namespace

std::string EncodeGifFixture(const TPixelImage& picture, bool interlaced, uint32_t transparent) {
  std::string out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, GifWrite, &error);
  std::vector<uint32_t> colours = ColoursOf(picture);
  ColorMapObject* map = GifMakeMapObject(256, nullptr);
  for (size_t i = 0; i < 256; ++i) {
    const uint32_t c = i < colours.size() ? colours[i] : 0;
    map->Colors[i] = {ColorR(c), ColorG(c), ColorB(c)};
  }
  const int w = picture.Width(), h = picture.Height();
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, w, h, 8, 0, map);
  if (transparent) {
    GraphicsControlBlock control{};
    control.TransparentColor = IndexOf(colours, transparent);
    GifByteType block[4];
    EGifGCBToExtension(&control, block);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block);
  }
  EGifPutImageDesc(gif, 0, 0, w, h, interlaced, nullptr);
  std::vector<int> order;
  if (interlaced) {
    for (int start : {0, 4, 2, 1})
      for (int y = start; y < h; y += start == 0 || start == 4 ? 8 : start == 2 ? 4 : 2) order.push_back(y);
  } else {
    for (int y = 0; y < h; ++y) order.push_back(y);
  }
  std::vector<GifPixelType> line(static_cast<size_t>(w));
  for (int y : order) {
    for (int x = 0; x < w; ++x) line[size_t(x)] = GifPixelType(IndexOf(colours, picture.GetPixel(x, y)));
    EGifPutLine(gif, line.data(), w);
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return out;
}

std::string MakeKvgfx(const std::vector<std::pair<std::string, std::string>>& fields,
                      const std::string& payload) {
  std::string out = "KVGF";
  PutU16(out, uint32_t(fields.size()));
  for (const auto& [key, value] : fields) {
    PutU16(out, uint32_t(key.size())), out += key;
    PutU16(out, uint32_t(value.size())), out += value;
  }
  return out + payload;
}

std::string ZlibCompress(const std::string& bytes) {
  uLongf size = compressBound(uLong(bytes.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
            uLong(bytes.size()), 9);
  out.resize(size);
  return out;
}

TRef<TBitmapStore> OpenPicture(const std::string& bytes, const std::string& name) {
  InstallImageLoaders();
  auto stream = MakeRef<TMemoryStream>(bytes);
  return TImageLoaderRegistry::Process().Open(*stream, name);
}

int MaxChannelDifference(const TPixelImage& a, const TPixelImage& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return 1000;
  const bool alpha = a.Format() == TPixelFormat::kARGB32 && b.Format() == TPixelFormat::kARGB32;
  int worst = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const uint32_t p = a.GetPixel(x, y), q = b.GetPixel(x, y);
      for (int shift = 0; shift < (alpha ? 32 : 24); shift += 8)
        worst = std::max(worst, std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF)));
    }
  return worst;
}

void SaveForInspection(const TPixelImage& picture, const std::string& name) {
  std::filesystem::create_directories("image-test-output");
  std::string error;
  WritePngFile(picture, "image-test-output/" + name + ".png", error);
}

}  // namespace zol::test
