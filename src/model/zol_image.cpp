#include "model/zol_image.h"

#include <cmath>

#include "image/picture.h"
#include "model/image_frame_values.h"
#include "model/image_shadow_painter.h"
#include "model/slide_host.h"
#include "model/texture_level.h"
#include "model/zol_slide.h"
#include "render/device_drawer.h"

namespace zol {
namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  for (size_t i = 0; i < suffix.size(); ++i) {
    char c = text[text.size() - suffix.size() + i];
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    if (c != suffix[i]) return false;
  }
  return true;
}

}  // namespace

TBitmapStore* TZolImage::Bitmap() const {
  return picture_ ? PictureStore(*picture_) : nullptr;
}

std::string TZolImage::PictureName() {
  if (effectBuffer_ > 0) {
    TZolSlideHost* host = GetHost();
    const TSize size = host ? host->TransitionBufferSize() : TSize{};
    // While the slide is drawn into a transition buffer it shows a blank
    // buffer; otherwise the transition's resource picture.
    const std::string_view prefix = GetSlide().Capturing() ? "SlideEffectBuffer" : "EffectResource";
    return std::string(prefix) + std::to_string(effectBuffer_) + ", " + std::to_string(size.width) + ", " +
           std::to_string(size.height);
  }
  if (imageName_.empty()) return {};
  std::string name = restoreAlpha_ ? "Mask: " + imageName_ : imageName_;
  // The GIF reader packs all frames of an animation into one sheet.
  if (animation_.enabled && EndsWithNoCase(name, ".gif")) name += "|framesatlas";
  return name;
}

TRef<TPackedImage> TZolImage::FetchPicture(const std::string& name) {
  TZolSlideHost* host = GetHost();
  if (name.empty() || !host) return nullptr;
  if (const std::optional<TGeneratedName> generated = ParseGeneratedName(name))
    if (!host->HasPictureGenerator(generated->kind)) return nullptr;
  TRef<TPackedImage> picture = host->LoadPicture(name);
  return picture && PictureStore(*picture) ? picture : nullptr;
}

void TZolImage::LoadPicture() {
  needsPicture_ = false;
  SetPicture(FetchPicture(PictureName()), effectBuffer_ <= 0);
}

void TZolImage::SetPicture(TRef<TPackedImage> picture, bool managed) {
  const bool same = picture == picture_;
  picture_ = std::move(picture);
  replaced_ = nullptr;
  if (same && picture_) return;
  texturesPrepared_ = false;
  grades_.Clear();
  if (auto painter = ImageShadowPainter()) painter->Forget(*this);
  TBitmapStore* store = Bitmap();
  pictureWidth_ = store ? std::max(store->Width(), 0) : 0;
  pictureHeight_ = store ? std::max(store->Height(), 0) : 0;
  TZolSlideHost* host = GetHost();
  colorLut_ = store && managed && host && host->Accessor()
                  ? ColorLookupBitmap(*store, &host->Accessor()->Source())
                  : nullptr;
  if (store) Node().SetAspectFactors(border_.enableAspect, border_.aspect, pictureWidth_, pictureHeight_);
  RefreshContentSize();
  MarkChanged();
}

void TZolImage::DropPicture() {
  if (picture_) replaced_ = std::move(picture_);
  picture_ = nullptr;
  pictureWidth_ = pictureHeight_ = 0;
  colorLut_ = nullptr;
  texturesPrepared_ = false;
  grades_.Clear();
  needsPicture_ = true;
  MarkChanged();
}

TSizeF TZolImage::KindContentSize() {
  if (!picture_ || pictureWidth_ <= 0 || pictureHeight_ <= 0) return {};
  if (Animated())
    return {float(double(pictureWidth_) / animation_.columns),
            float(double(pictureHeight_) / animation_.rows)};
  // The content keeps the size of the unzoomed frame; zooming magnifies a
  // smaller part of the picture into the same rectangle.
  TBorderParams unzoomed = border_;
  unzoomed.zoom = 100;
  unzoomed.offsetX = unzoomed.offsetY = 0;
  return ComputeImageFrame(pictureWidth_, pictureHeight_, unzoomed).bordered;
}

bool TZolImage::UpdateGeometry(bool recurse) {
  if (needsPicture_) LoadPicture();
  RefreshContentSize();
  const bool changed = TZolObject::UpdateGeometry(recurse);
  if (Shadow().enabled && picture_)
    if (auto painter = ImageShadowPainter()) painter->Update(*this);
  return changed;
}

void TZolImage::UpdateKindGeometry() {
  const TImageFrameValues frame = ImageFrameValues(Zoom(), OffsX(), OffsY());
  TBorderParams drawn = border_;
  drawn.zoom = frame.zoom;
  drawn.offsetX = frame.offsetX;
  drawn.offsetY = frame.offsetY;
  drawFrame_ = ComputeImageFrame(pictureWidth_, pictureHeight_, drawn);
  if (Animated()) {
    frameIndex_ = AnimationFrame(animation_, Node().Time());
    textureLevel_ = 0;
  } else {
    frameIndex_ = 0;
    textureLevel_ =
        PictureTextureLevel(pictureWidth_, pictureHeight_, LargestDisplayedSize(), preparedLevel_);
  }
}

TRectF TZolImage::CellRect() const {
  return AnimationCell(frameIndex_, animation_.columns, animation_.rows, pictureWidth_, pictureHeight_);
}

TZolImage::TDrawLayout TZolImage::Layout() {
  TDrawLayout layout;
  const TPointF origin = RectOrigin();
  if (Animated()) {
    layout.source = CellRect();
    layout.viewOffset = {-origin.x, -origin.y};
    return layout;
  }
  // The visible part, bordered, is stretched over the content rectangle.
  const TSizeF content = ContentSize();
  layout.source = drawFrame_.rect;
  layout.scaleX = drawFrame_.bordered.width > 0 ? content.width / drawFrame_.bordered.width : 0;
  layout.scaleY = drawFrame_.bordered.height > 0 ? content.height / drawFrame_.bordered.height : 0;
  const double left = layout.scaleX > 0 ? origin.x / layout.scaleX : 0;
  const double top = layout.scaleY > 0 ? origin.y / layout.scaleY : 0;
  layout.viewOffset = {float(-(left + drawFrame_.border)), float(-(top + drawFrame_.border))};
  return layout;
}

TImageDrawParams TZolImage::GetDrawParams() {
  TImageDrawParams params;
  params.featherEdges = antialiased_ && !Animated();
  params.opacity = GetDrawOpacity();
  params.filtering = filtering_;
  params.level = textureLevel_;
  params.mipLodBias = mipLodBias_;
  params.animated = Animated();
  params.columns = Animated() ? animation_.columns : 1;
  params.rows = Animated() ? animation_.rows : 1;
  if (DrawsBorder()) params.borderColor = displayBorderColor_;
  params.tintColor = TintColor() & 0xFFFFFFu;
  params.sourceRect = Layout().source;
  grades_.Fill(Node(), colorLut_, params);
  return params;
}

float TZolImage::ShadowBlurBase() {
  const TSizeF content = ContentSize();
  return float(std::sqrt(double(content.width) * content.height));
}

void TZolImage::DrawSelf(TDeviceDrawer& drawer) {
  const float opacity = GetDrawOpacity();
  if (!(opacity > 0) || !picture_) return;
  const TDrawLayout layout = Layout();
  if (!(layout.scaleX > 0) || !(layout.scaleY > 0)) return;
  const TObjectFrame& frame = Frame();
  const TPoint3F xAxis = frame.xAxis * float(layout.scaleX), yAxis = frame.yAxis * float(layout.scaleY);
  const TPointF origin = RectOrigin();

  if (Shadow().enabled) {
    if (auto painter = ImageShadowPainter()) {
      TShadowDraw shadow;
      shadow.placement = {frame.origin, frame.xAxis, frame.yAxis};
      shadow.viewOffset = {-origin.x, -origin.y};
      shadow.color = Shadow().displayColor;
      shadow.opacity = opacity * Shadow().opacity / 100;
      shadow.blurBase = ShadowBlurBase();
      painter->Draw(*this, drawer, shadow);
    }
  }

  const TImageDrawParams params = GetDrawParams();
  if (DrawsBorder()) {
    const float border = drawFrame_.border;
    drawer.DrawFrame({frame.origin, frame.xAxis, frame.yAxis}, {-origin.x, -origin.y}, antialiased_, opacity,
                     displayBorderColor_, ContentSize(),
                     {float(border * layout.scaleX), float(border * layout.scaleY)});
  }
  drawer.DrawImage(*this, frame.origin, params, xAxis, yAxis, layout.viewOffset);
}

void TZolImage::PrepareDevice(TDeviceDrawer& drawer) {
  if (!drawer.IsReady()) return;
  if (picture_) {
    const TImageDrawParams params = GetDrawParams();
    drawer.PrepareImage(*this, params);
    preparedLevel_ = params.level;
    texturesPrepared_ = true;
    if (Shadow().enabled)
      if (auto painter = ImageShadowPainter()) painter->Prepare(*this, drawer);
  }
  TZolObject::PrepareDevice(drawer);
}

void TZolImage::ReleaseDevice(TDeviceDrawer& drawer) {
  // The drawer may have made textures at the first draw, prepared or not.
  if (picture_) drawer.ReleaseImage(*this);
  if (auto painter = ImageShadowPainter()) painter->Release(*this, drawer);
  texturesPrepared_ = false;
  preparedLevel_ = -1;
  TZolObject::ReleaseDevice(drawer);
}

bool TZolImage::IsChanged() {
  return frameIndex_ != committedFrame_ || TZolObject::IsChanged();
}

void TZolImage::Commit(bool recurse) {
  committedFrame_ = frameIndex_;
  TZolObject::Commit(recurse);
}

void TZolImage::Dispose() {
  picture_ = nullptr;
  replaced_ = nullptr;
  colorLut_ = nullptr;
  grades_.Clear();
  shadowState_ = nullptr;
  TZolObject::Dispose();
}

}  // namespace zol
