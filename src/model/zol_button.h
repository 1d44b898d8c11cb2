// TZolButton: a themed button ("Button"): a face drawn from its theme's
// parts (a generated "Button: " picture, one per mouse state, as wide as its
// label needs) with its first text child as the label. It scales with the
// height of its parent like a text. Owned and threaded like any TZolObject.
#pragma once

#include <array>
#include <string>
#include <utility>

#include "model/button_theme.h"
#include "model/zol_image.h"

namespace zol {

class TZolText;

class TZolButton : public TZolImage {
 public:
  static constexpr int kStateCount = kButtonStateCount;

  using TZolImage::TZolImage;

  void SetDefaults() override;
  // The button parameters (with the theme's defaults), then the image ones.
  void ReadParams(TZolObjectProps& node) override;
  // Sizes the face for the label before the picture is fetched.
  bool UpdateGeometry(bool recurse) override;
  void LoadPicture() override;
  float GetDrawOpacity() override;

  // The mouse state (0 normal, 1 hover, 2 pressed; others count as normal);
  // the face of the new state is taken at once.
  void SetButtonState(int state);
  int ButtonState() const { return state_; }

  // Parameters.
  const std::string& ThemeName() const { return themeName_; }
  // The theme in use: the named one, else "aqua"; none when neither exists.
  TButtonTheme* Theme() const { return theme_.get(); }
  float BtnOpacity() const { return btnOpacity_; }
  float TxtOpacity() const { return txtOpacity_; }
  int32_t Hue() const { return hue_; }
  int32_t Saturation() const { return saturation_; }
  int32_t Lightness() const { return lightness_; }
  float BtnOffsetX() const { return btnOffsetX_; }
  float BtnMinWidth() const { return btnMinWidth_; }

  // The face at the last geometry update (0 without theme).
  int32_t FaceWidth() const { return faceWidth_; }
  int32_t FaceHeight() const { return faceHeight_; }
  // The label: the first text child; none without one.
  TZolText* Label() const;
  // The generated picture name of the face of STATE at the current width.
  std::string FaceName(int state) const;

 protected:
  void Dispose() override;
  TSizeF KindContentSize() override;
  TDrawLayout Layout() override;
  float ShadowBlurBase() override;
  std::pair<double, double> ScaleFactors(TSizeF parentSize) override;

 private:
  static int ClampState(int state) { return state >= 0 && state < kStateCount ? state : 0; }

  int32_t ComputeFaceWidth();
  void DropFaces();

  std::string themeName_;
  TRef<TButtonTheme> theme_;
  float btnOpacity_ = 100;
  float txtOpacity_ = 100;
  int32_t hue_ = 0;
  int32_t saturation_ = 0;
  int32_t lightness_ = 0;
  float btnOffsetX_ = 100;
  float btnMinWidth_ = 0;
  int state_ = 0;
  int32_t faceWidth_ = 0;
  int32_t faceHeight_ = 0;
  // The faces fetched for each state and the names they were fetched by.
  std::array<TRef<TPackedImage>, kStateCount> faces_;
  std::array<std::string, kStateCount> faceNames_;
};

}  // namespace zol
