// TZolImage: a show object that shows a picture ("Image" and "AniImage"): it
// reads the picture's parameters, loads the picture through the show's file
// accessor at its first geometry update, frames it (forced aspect, zoom and
// offsets, crop, border) or steps through a sprite sheet, picks the texture
// level from the largest size it is displayed at, and hands picture, frame
// and drawing parameters to the scene drawer. Base of texts and buttons,
// whose pictures are generated. Owned like any TZolObject: loaded on the
// slide loader's thread, then updated and drawn on the engine's.
#pragma once

#include <string>

#include "foundation/ref.h"
#include "image/bitmap_store.h"
#include "model/color_grades.h"
#include "model/image_animation.h"
#include "model/image_frame_rect.h"
#include "model/zol_object.h"
#include "package/packed_image.h"
#include "render/image_draw_params.h"

namespace zol {

class TZolImage : public TZolObject {
 public:
  // "ImageIndex" when the object is not the slide's main picture.
  static constexpr int32_t kNoImageIndex = -2147483647;

  using TZolObject::TZolObject;

  // TZolObject.
  // The image parameters, then the common ones; a change of picture name,
  // RestoreAlpha, animation or transition buffer drops the picture.
  void ReadParams(TZolObjectProps& node) override;
  // Loads the picture first when none is held.
  bool UpdateGeometry(bool recurse) override;
  void DrawSelf(TDeviceDrawer& drawer) override;
  TPixelImage* GetColorLut() override { return colorLut_.get(); }
  TSizeF GetNaturalSize() override { return {float(pictureWidth_), float(pictureHeight_)}; }
  // Uploads the picture's textures at the current level, then the children's.
  void PrepareDevice(TDeviceDrawer& drawer) override;
  void ReleaseDevice(TDeviceDrawer& drawer) override;
  // Also remembers the animation frame drawn.
  void Commit(bool recurse) override;
  // Also true when the animation moved to another frame.
  bool IsChanged() override;

  // What the drawer draws the picture with now.
  virtual TImageDrawParams GetDrawParams();
  // Fetches the picture the parameters name (none when it cannot be had).
  virtual void LoadPicture();
  // The opacity the picture is drawn with, percent.
  virtual float GetDrawOpacity() { return GetOpacity(); }

  // The picture, its bitmap store and its size (none and 0 x 0 without one).
  TPackedImage* Picture() const { return picture_.get(); }
  TBitmapStore* Bitmap() const;
  int PictureWidth() const { return pictureWidth_; }
  int PictureHeight() const { return pictureHeight_; }

  // Parameters.
  const std::string& ImageName() const { return imageName_; }
  bool Antialiased() const { return antialiased_; }
  TTextureFiltering Filtering() const { return filtering_; }
  float MipLodBias() const { return mipLodBias_; }
  int32_t ReplaceWithEffectBuffer() const { return effectBuffer_; }
  bool RestoreAlpha() const { return restoreAlpha_; }
  int32_t ImageIndex() const { return imageIndex_; }
  bool HasImageIndex() const { return imageIndex_ != kNoImageIndex; }
  const TBorderParams& Border() const { return border_; }
  const TImageAnimationParams& Animation() const { return animation_; }
  bool Animated() const { return animation_.enabled; }

  // Derived at the last geometry update.
  // The frame drawn now (current zoom and offsets), inside the picture.
  const TImageFrame& DrawFrame() const { return drawFrame_; }
  int TextureLevel() const { return textureLevel_; }
  int AnimationFrameIndex() const { return frameIndex_; }
  // The cell of the current animation frame, picture pixels.
  TRectF CellRect() const;
  // The border colour in the display's colour space.
  uint32_t DisplayBorderColor() const { return displayBorderColor_; }
  // The level the textures were last prepared at; -1: not prepared.
  int PreparedLevel() const { return preparedLevel_; }
  // What the shadow painter keeps for this object (its shadow).
  TRef<TRefObject>& ShadowState() { return shadowState_; }

 protected:
  // Where the picture lands: the part of it drawn, the scale of the object
  // frame's axes per picture pixel, and the drawn part's top-left corner in
  // units of the scaled axes, as DrawImage takes it.
  struct TDrawLayout {
    TRectF source;  // empty: the whole picture
    double scaleX = 1;
    double scaleY = 1;
    TPointF viewOffset;
  };

  void Dispose() override;
  void UpdateKindGeometry() override;
  TRectF DrawRect() override { return Layout().source; }

  // The object's size from its picture; kinds with generated pictures
  // override it.
  virtual TSizeF KindContentSize();
  virtual TDrawLayout Layout();
  // The tint of the drawing parameters (white: none).
  virtual uint32_t TintColor() { return 0xFFFFFF; }
  // What the shadow's blur and distance are measured against.
  virtual float ShadowBlurBase();
  // Whether the border is drawn around the picture.
  bool DrawsBorder() const { return border_.enableBorder && !Animated() && drawFrame_.border > 0; }

  // The name LoadPicture asks for; empty for none.
  std::string PictureName();
  // Fetches NAME through the host: none when it has no accessor, when NAME
  // is a generated name nobody generates, or when the result is no bitmap.
  TRef<TPackedImage> FetchPicture(const std::string& name);
  // Holds PICTURE (may be none) as the object's picture; with MANAGED the
  // colour-management cube for it is made. Releases the replaced picture.
  void SetPicture(TRef<TPackedImage> picture, bool managed);
  // Lets the picture go (kept alive as the replaced one until the next
  // load) and asks for a new one at the next geometry update.
  void DropPicture();
  // Recomputes the content size from the picture and the parameters.
  void RefreshContentSize() { SetContentSize(KindContentSize()); }

  bool antialiased_ = true;
  TTextureFiltering filtering_ = TTextureFiltering::Default;
  float mipLodBias_ = 0;
  // The next geometry update loads the picture.
  bool needsPicture_ = true;

 private:
  TRef<TPackedImage> picture_;
  TRef<TPackedImage> replaced_;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  TRef<TPixelImage> colorLut_;
  std::string imageName_;
  int32_t effectBuffer_ = 0;
  bool restoreAlpha_ = false;
  int32_t imageIndex_ = kNoImageIndex;
  TBorderParams border_;
  uint32_t displayBorderColor_ = 0xFFFFFFFF;
  TImageAnimationParams animation_;
  TImageFrame drawFrame_;
  int textureLevel_ = 0;
  int frameIndex_ = 0;
  int committedFrame_ = 0;
  int preparedLevel_ = -1;
  bool texturesPrepared_ = false;
  TColorGrades grades_;
  TRef<TRefObject> shadowState_;
};

}  // namespace zol
