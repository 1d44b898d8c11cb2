// Reading an image's parameters (TZolImage::ReadParams).
#include <cmath>

#include "foundation/ini_object.h"
#include "foundation/ini_value.h"
#include "model/slide_host.h"
#include "model/zol_image.h"

namespace zol {
namespace {

float Finite(double value, float fallback) {
  return std::isfinite(value) ? float(value) : fallback;
}

// A colour item as an ARGB word; negative numbers are the same 32 bits.
uint32_t ReadColor(const TIniItem* item, uint32_t fallback) {
  return uint32_t(AsInt64(item, int64_t(fallback)));
}

}  // namespace

void TZolImage::ReadParams(TZolObjectProps& node) {
  const TIniObject* source = node.Source();
  auto item = [source](std::string_view key) -> const TIniItem* {
    return source ? source->Find(key) : nullptr;
  };

  const std::string oldName = imageName_;
  const bool oldRestoreAlpha = restoreAlpha_, oldAnimated = animation_.enabled;
  const int32_t oldEffectBuffer = effectBuffer_;

  antialiased_ = AsBool(item("Antialiased"), true);
  filtering_ = TTextureFiltering(
      AsEnum(item("Filtering"), {"Nearest", "Bilinear", "Default"}, int(TTextureFiltering::Default)));
  imageName_ = AsString(item("ImageName"));
  mipLodBias_ = Finite(AsReal(item("MipLodBias"), 0), 0);
  effectBuffer_ = AsInt(item("ReplaceWithEffectBuffer"), 0);
  restoreAlpha_ = AsBool(item("RestoreAlpha"), false);
  imageIndex_ = AsInt(item("ImageIndex"), kNoImageIndex);

  TBorderParams border;
  border.enableBorder = AsBool(item("EnableBorder"), false);
  border.enableCrop = AsBool(item("EnableCrop"), false);
  border.enableAspect = AsBool(item("EnableAspect"), false);
  border.borderWidth = Finite(AsReal(item("BorderWidth"), 1.5), 1.5f);
  border.borderColor = ReadColor(item("BorderColor"), 0xFFFFFFFF);
  const std::vector<std::string> crop = AsList(item("CropRect"));
  auto cropPart = [&crop](size_t i) {
    return i < crop.size() ? Finite(TextToReal(crop[i]).value_or(0), 0) : 0.0f;
  };
  border.cropRect = {cropPart(0), cropPart(1), cropPart(2), cropPart(3)};
  border.aspect = Finite(AsReal(item("Aspect"), 0), 0);
  border_ = border;

  // An "AniImage" is a sprite sheet unless it says otherwise.
  TImageAnimationParams animation;
  animation.enabled = AsBool(item("AnimEnable"), node.Kind() == TZolObjectKind::AniImage);
  animation.columns = std::max(AsInt(item("AnimColumns"), 1), 1);
  animation.rows = std::max(AsInt(item("AnimRows"), 1), 1);
  animation.repCount = std::max(AsInt(item("AnimRepCount"), 0), 0);
  animation.offset = Finite(AsReal(item("AnimOffset"), 0), 0);
  animation.count = std::max(AsInt(item("AnimCount"), 0), 0);
  animation.intervals = ReadFrameIntervals(AsList(item("AnimInterval")), animation.FrameCount());
  animation_ = std::move(animation);

  // Only a border that is drawn needs the display's colour; its alpha stays.
  TZolSlideHost* host = GetHost();
  displayBorderColor_ = border_.borderColor;
  if (border_.enableBorder && host)
    displayBorderColor_ = (border_.borderColor & 0xFF000000u) |
                          (host->DisplayColor(border_.borderColor & 0xFFFFFFu) & 0xFFFFFFu);

  if (imageName_ != oldName || restoreAlpha_ != oldRestoreAlpha || animation_.enabled != oldAnimated ||
      effectBuffer_ != oldEffectBuffer)
    DropPicture();
  else if (!picture_)
    needsPicture_ = true;  // a re-read tries a missing picture again

  TZolObject::ReadParams(node);
  if (picture_) {
    node.SetAspectFactors(border_.enableAspect, border_.aspect, pictureWidth_, pictureHeight_);
    RefreshContentSize();
  }
}

}  // namespace zol
