#include "render/custom_texture.h"

#include <algorithm>

#include "foundation/log.h"
#include "render/renderer_3d.h"
#include "render/screen_3d.h"

namespace zol {

TCustomTexture::TCustomTexture(T3DScreen& screen) : TScreenResource(screen) {}

TSize TCustomTexture::AllocationFor(TSize size) {
  auto round = [](int32_t v) {
    int32_t p = 32;
    while (p < v) p <<= 1;
    return p;
  };
  if (size.width <= 0 || size.height <= 0) return {0, 0};
  return {round(size.width), round(size.height)};
}

void TCustomTexture::SetSize(TSize size) {
  if (size == size_) return;
  DropTexture();
  size_ = size;
  allocated_ = AllocationFor(size);
  invWidth_ = allocated_.width > 0 ? 1.0 / allocated_.width : 0;
  invHeight_ = allocated_.height > 0 ? 1.0 / allocated_.height : 0;
}

void TCustomTexture::SetMips(bool on) {
  if (on != mips_) DropTexture();
  mips_ = on;
}

void TCustomTexture::SetPremultiplied(bool on) {
  premultiplied_ = on;
  if (texture_) texture_->SetPremultiplied(on);
}

void TCustomTexture::SetKind(uint8_t kind) {
  DropTexture();
  kind_ = kind;
}

void TCustomTexture::TextureNotice(void* context, T3DDeviceObject*) {
  static_cast<TCustomTexture*>(context)->DropTexture();
}

void TCustomTexture::DropTexture() {
  if (texture_) texture_->SetOwnerNotice({});
  texture_ = nullptr;
}

TRef<T3DTexture> TCustomTexture::CreateWithFallback(T3DRenderer& renderer) {
  TRef<T3DTexture> texture = renderer.CreateTexture(kind_, allocated_.width, allocated_.height, mips_);
  if (!IsRenderTargetKind(kind_)) return texture;
  LogBool("Rt Create First Attempt Ok= ", texture != nullptr);
  if (texture || renderer.LastError() != kDeviceOutOfVideoMemory || !Screen()) return texture;

  // Out of video memory for a render target: give back image textures, the
  // newest half first, then the next quarter, and so on, until it fits.
  // They come back from system memory when next drawn.
  std::vector<TRef<TCustomTexture>> managed;
  for (TCustomTexture* t : Screen()->ManagedTextures()) managed.emplace_back(t);
  int n = int(managed.size());
  LogInt("tmpTexListcount= ", n);
  for (int s = 1; !texture && (1 << (s - 1)) < n; ++s) {
    int first = (n >> (s - 1)) - 1, last = n >> s;
    for (int i = first; i >= last; --i) managed[size_t(i)]->DropTexture();
    if (!renderer.IsUsable()) break;
    texture = renderer.CreateTexture(kind_, allocated_.width, allocated_.height, mips_);
    LogText("Released Managed Texs from " + std::to_string(first) + " to " + std::to_string(last) +
            "; Rt Create " + std::to_string(s) + "nd Attempt Ok= " + (texture ? "True" : "False"));
  }
  return texture;
}

TRef<T3DTexture> TCustomTexture::GetTexture() {
  if (texture_) return texture_;
  if (allocated_.width <= 0 || allocated_.height <= 0 || !Screen()) return nullptr;
  TRef<T3DRenderer> renderer(Screen()->UsableRenderer());
  if (!renderer) return nullptr;
  TRef<T3DTexture> texture = CreateWithFallback(*renderer);
  if (!texture) return nullptr;
  texture->SetPremultiplied(premultiplied_);
  if (kind_ == kTextureARGB || kind_ == kTextureLuminance) FillAllLevels(*texture);
  texture->SetOwnerNotice(&TCustomTexture::TextureNotice, this);
  texture_ = texture;
  return texture;
}

void TCustomTexture::FillAllLevels(T3DTexture& texture) {
  int levels = texture.GetLevelCount();
  std::vector<TRef<T3DSurface>> surfaces;
  std::vector<TRef<TPixelImage>> images;
  for (int i = 0; i < levels; ++i) {
    TRef<T3DSurface> s = texture.GetSurface(i);
    TRef<TPixelImage> image = s ? s->Lock(nullptr, false) : nullptr;
    if (!image) break;
    surfaces.push_back(s);
    images.push_back(image);
  }
  if (!images.empty()) {
    FillLevel0(*images[0]);
    for (size_t i = 1; i < images.size(); ++i) MakeNextMipLevel(*images[i - 1], *images[i]);
  }
  for (size_t i = 0; i < images.size(); ++i) surfaces[i]->Unlock(images[i].get());
}

void TCustomTexture::Preload() {
  if (TRef<T3DTexture> t = GetTexture()) t->Preload();
}

void TCustomTexture::Dispose() {
  DropTexture();
  TScreenResource::Dispose();
}

void MakeNextMipLevel(const TPixelImage& upper, TPixelImage& lower) {
  int w = lower.Width(), h = lower.Height();
  int bpp = BytesPerPixel(lower.Format());
  bool bytewise = bpp == 4 || bpp == 1;  // every byte a channel
  if (upper.Width() == 2 * w && upper.Height() == 2 * h && upper.Format() == lower.Format() && bytewise) {
    for (int y = 0; y < h; ++y) {
      const uint8_t* a = upper.ScanLine(2 * y);
      const uint8_t* b = upper.ScanLine(2 * y + 1);
      uint8_t* out = lower.ScanLine(y);
      for (int x = 0; x < w * bpp; ++x) {
        int c = x % bpp, px = x / bpp;
        int i0 = (2 * px) * bpp + c, i1 = i0 + bpp;
        out[x] = uint8_t((a[i0] + a[i1] + b[i0] + b[i1]) >> 2);
      }
    }
    return;
  }
  // Any other shape (a 1-pixel axis, 16-bit formats): average the source
  // block each target pixel covers.
  for (int y = 0; y < h; ++y) {
    int y0 = y * upper.Height() / h, y1 = std::max(y0 + 1, (y + 1) * upper.Height() / h);
    for (int x = 0; x < w; ++x) {
      int x0 = x * upper.Width() / w, x1 = std::max(x0 + 1, (x + 1) * upper.Width() / w);
      uint32_t sum[4] = {}, n = 0;
      for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx, ++n) {
          uint32_t p = upper.GetPixel(sx, sy);
          for (int k = 0; k < 4; ++k) sum[k] += (p >> (8 * k)) & 0xFF;
        }
      uint32_t p = 0;
      for (int k = 0; k < 4; ++k) p |= (sum[k] / n) << (8 * k);
      lower.SetPixel(x, y, p);
    }
  }
}

}  // namespace zol
