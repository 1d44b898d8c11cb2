#include "render/custom_color_grade_texture.h"

#include "render/color.h"
#include "render/renderer_3d.h"
#include "render/screen_3d.h"
#include "render/texture_3d.h"
#include "render/volume_texture.h"

namespace zol {

TCustomColorGradeTexture::TCustomColorGradeTexture(T3DScreen& screen, int mode, TRef<TPixelImage> source,
                                                   TRef<TLookupTableFilter> filters)
    : TCustomColoringTexture(screen), mode_(mode), source_(std::move(source)), filters_(std::move(filters)) {}

void TCustomColorGradeTexture::FillIdentityCube(TPixelImage& table) {
  auto level = [](int n) { return uint8_t(n * 8 + (n >> 2)); };
  for (int i = 0; i < kCubeSize; ++i)
    for (int j = 0; j < kCubeSize; ++j)
      for (int k = 0; k < kCubeSize; ++k)
        table.SetPixel(k, i * kCubeSize + j, PackColor(level(k), level(j), level(i), 255));
}

void TCustomColorGradeTexture::FillIdentityRamp(TPixelImage& table) {
  for (int y = 0; y < table.Height(); ++y)
    for (int x = 0; x < table.Width(); ++x)
      table.SetPixel(x, y, PackColor(uint8_t(x), uint8_t(x), uint8_t(x), 255));
}

void TCustomColorGradeTexture::Fill(TPixelImage& table, bool cube) {
  if (source_)
    table.CopyFrom(*source_);
  else if (cube)
    FillIdentityCube(table);
  else
    FillIdentityRamp(table);
  if (!filters_) return;
  if (cube) {
    filters_->ApplyToTable(table);
  } else {
    // The ramp's first row is the table; the filters see only that.
    TPixelImage row(table.Width(), 1, table.Format(), table.ScanLine(0), table.Pitch());
    filters_->ApplyToTable(row);
  }
}

TRef<TBaseTexture> TCustomColorGradeTexture::GetTexture() {
  if (DeviceTexture()) return TRef<TBaseTexture>(DeviceTexture());
  TRef<T3DRenderer> renderer(Screen() ? Screen()->UsableRenderer() : nullptr);
  if (!renderer) return nullptr;
  if (mode_ == 1) {
    TRef<TVolumeTexture> cube = renderer->CreateVolumeTexture(kCubeSize, kCubeSize, kCubeSize);
    if (!cube) return nullptr;
    TRef<TPixelImage> table = cube->LockBox(0, nullptr);
    if (!table) return nullptr;
    Fill(*table, true);
    cube->UnlockBox(0, table.get());
    Adopt(cube);
    return cube;
  }
  TRef<T3DTexture> ramp = renderer->CreateTexture(kTextureARGB, kRampWidth, kRampHeight, false);
  if (!ramp) return nullptr;
  TRef<T3DSurface> surface = ramp->GetSurface(0);
  TRef<TPixelImage> table = surface ? surface->Lock(nullptr, false) : nullptr;
  if (!table) return nullptr;
  Fill(*table, false);
  surface->Unlock(table.get());
  Adopt(ramp);
  return ramp;
}

}  // namespace zol
