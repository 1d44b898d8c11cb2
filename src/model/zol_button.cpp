#include "model/zol_button.h"

#include <cmath>

#include "foundation/ini_object.h"
#include "foundation/ini_value.h"
#include "model/button_face.h"
#include "model/slide_host.h"
#include "model/zol_text.h"

namespace zol {
namespace {

float Finite(double value, float fallback) {
  return std::isfinite(value) ? float(value) : fallback;
}

}  // namespace

void TZolButton::SetDefaults() {
  state_ = 0;
  btnOpacity_ = 100;
  txtOpacity_ = 100;
}

void TZolButton::ReadParams(TZolObjectProps& node) {
  const TIniObject* source = node.Source();
  auto item = [source](std::string_view key) -> const TIniItem* {
    return source ? source->Find(key) : nullptr;
  };

  const TRef<TButtonTheme> oldTheme = theme_;
  const int32_t oldHue = hue_, oldSaturation = saturation_, oldLightness = lightness_;

  themeName_ = AsString(item("Theme"));
  TZolSlideHost* host = GetHost();
  theme_ = host && !themeName_.empty() ? host->ButtonTheme(themeName_) : nullptr;
  if (!theme_ && host) theme_ = host->ButtonTheme(kFallbackButtonTheme);

  btnOpacity_ = Finite(AsReal(item("BtnOpacity"), 100), 100);
  txtOpacity_ = Finite(AsReal(item("TxtOpacity"), 100), 100);
  hue_ = AsInt(item("Hue"), 0);
  saturation_ = AsInt(item("Saturation"), 0);
  lightness_ = AsInt(item("Lightness"), 0);
  // A face without a picture of its own takes the theme's minimum width.
  const bool themedFace = AsString(item("ImageName")).empty();
  const float minWidth = theme_ && themedFace ? theme_->BtnMinWidth() : 0;
  btnMinWidth_ = Finite(AsReal(item("BtnMinWidth"), minWidth), minWidth);
  btnOffsetX_ = Finite(AsReal(item("BtnOffsetX"), 100), 100);

  TZolImage::ReadParams(node);
  mipLodBias_ = 0;
  if (!item("Filtering") && theme_) filtering_ = theme_->Filtering();

  if (theme_ != oldTheme || hue_ != oldHue || saturation_ != oldSaturation || lightness_ != oldLightness)
    DropFaces();
}

TZolText* TZolButton::Label() const {
  for (const TRef<TZolObject>& child : Children())
    if (auto* text = dynamic_cast<TZolText*>(child.get())) return text;
  return nullptr;
}

int32_t TZolButton::ComputeFaceWidth() {
  const int32_t height = theme_ ? theme_->FaceHeight() : 0;
  std::optional<TButtonLabelShape> shape;
  if (TZolText* label = Label()) {
    const TSizeF natural = label->NaturalSize();
    TButtonLabelShape labelShape;
    labelShape.aspect = natural.height > 0 ? double(natural.width) / natural.height : 0;
    const TZolKeyFrameArray& keys = label->Node().KeyFrames();
    const double labelScale = keys.Empty() ? label->ScaleY() : keys[0].GetKeyValue(kFieldScaleY);
    labelShape.margin = 100 - labelScale;
    shape = labelShape;
  }
  return ButtonFaceWidth(height, btnMinWidth_, btnOffsetX_, shape);
}

bool TZolButton::UpdateGeometry(bool recurse) {
  const int32_t height = theme_ ? theme_->FaceHeight() : 0;
  const int32_t width = theme_ ? ComputeFaceWidth() : 0;
  if (width != faceWidth_ || height != faceHeight_) {
    faceWidth_ = width;
    faceHeight_ = height;
    DropFaces();
  }
  return TZolImage::UpdateGeometry(recurse);
}

std::string TZolButton::FaceName(int state) const {
  TButtonFaceRequest request;
  request.theme = theme_ ? theme_->Name() : std::string();
  request.state = ClampState(state);
  request.width = faceWidth_;
  request.hue = hue_;
  request.saturation = saturation_;
  request.lightness = lightness_;
  return std::string(GeneratedPicturePrefix(TGeneratedPicture::Button)) + EncodeButtonFace(request);
}

void TZolButton::LoadPicture() {
  needsPicture_ = false;
  if (!theme_ || faceWidth_ <= 0 || faceHeight_ <= 0) {
    SetPicture(nullptr, false);
    return;
  }
  const std::string name = FaceName(state_);
  TRef<TPackedImage>& face = faces_[size_t(state_)];
  if (faceNames_[size_t(state_)] != name) {
    face = FetchPicture(name);
    faceNames_[size_t(state_)] = name;
  }
  // The face generator works in display colours.
  SetPicture(face, false);
}

void TZolButton::SetButtonState(int state) {
  state = ClampState(state);
  if (state == state_) return;
  state_ = state;
  MarkChanged();
  if (!needsPicture_) LoadPicture();
}

void TZolButton::DropFaces() {
  faces_.fill(nullptr);
  faceNames_.fill(std::string());
  DropPicture();
}

float TZolButton::GetDrawOpacity() {
  return GetOpacity() * btnOpacity_ / 100;
}

TSizeF TZolButton::KindContentSize() {
  // The face's size is known from the theme, drawn or not: the label is
  // placed in it either way.
  return theme_ ? TSizeF{float(faceWidth_), float(faceHeight_)} : TSizeF{};
}

TZolImage::TDrawLayout TZolButton::Layout() {
  TDrawLayout layout;
  const TSizeF content = ContentSize();
  const TPointF origin = RectOrigin();
  layout.scaleX = PictureWidth() > 0 ? content.width / PictureWidth() : 0;
  layout.scaleY = PictureHeight() > 0 ? content.height / PictureHeight() : 0;
  layout.viewOffset = {float(layout.scaleX > 0 ? -origin.x / layout.scaleX : 0),
                       float(layout.scaleY > 0 ? -origin.y / layout.scaleY : 0)};
  return layout;
}

float TZolButton::ShadowBlurBase() {
  return 3 * ContentSize().height;
}

std::pair<double, double> TZolButton::ScaleFactors(TSizeF parentSize) {
  if (faceHeight_ <= 0) return {0, 0};
  const double k = parentSize.height / (100.0 * faceHeight_);
  return {ScaleX() * k, ScaleY() * k};
}

void TZolButton::Dispose() {
  faces_.fill(nullptr);
  theme_ = nullptr;
  TZolImage::Dispose();
}

}  // namespace zol
