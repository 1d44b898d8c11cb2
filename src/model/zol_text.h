// TZolText: a text object ("Text"): its lines are painted from glyph
// outlines (through the slide host's "Text: " pictures) at the largest size
// the text is ever displayed, in the colour of its mouse state, and scale
// with the height of their parent. A rasterised text shows a stored picture
// instead. A text that is the first text child of a button is its label.
// Owned and threaded like any TZolObject.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/zol_image.h"
#include "text/rendered_text.h"
#include "text/text_params.h"

namespace zol {

class TZolButton;

class TZolText : public TZolImage {
 public:
  static constexpr int kStateCount = 3;  // normal, hover, pressed

  using TZolImage::TZolImage;

  // Texts cast a shadow unless told otherwise.
  void SetDefaults() override;
  // The text parameters, then the image ones; edges are never smoothed.
  void ReadParams(TZolObjectProps& node) override;
  // Reads the parameters and "Text"; a text has no child objects.
  void Load(TZolObjectProps& node, bool reuse) override;
  // Also remembers SHOWTIME for the text's macros.
  bool Evaluate(bool recurse, double showTime) override;
  // Besides the rectangle, a painted text is hit only on its glyph runs.
  bool HitTestLocal(TPointF screen, TPointF& local) override;
  void LoadPicture() override;
  // A label fades with its button.
  float GetDrawOpacity() override;

  // The mouse state (0 normal, 1 hover, 2 pressed; others count as normal):
  // the text is shown in that state's colour from now on.
  void SetTextState(int state);
  int TextState() const { return state_; }

  // Parameters.
  // The "Text" item as stored (line breaks escaped).
  const std::string& RawText() const { return rawText_; }
  // The lines as read.
  const std::vector<std::string>& Lines() const { return lines_; }
  // The lines painted: a label keeps its first line; no visible line at all
  // is one space. Macros not yet expanded.
  std::vector<std::string> ShownLines() const;
  uint32_t TextColor(int state) const { return colors_[size_t(ClampState(state))]; }
  // The same in the display's colour space, opaque.
  uint32_t DisplayTextColor(int state) const { return displayColors_[size_t(ClampState(state))]; }
  const std::string& FontName() const { return fontName_; }
  const TFontStyle& FontStyle() const { return style_; }
  TTextAlign TextAlign() const { return align_; }
  int32_t LineSpacing() const { return lineSpacing_; }
  bool Rasterize() const { return rasterize_; }
  const std::string& RasterizedGuid() const { return rasterizedGuid_; }
  bool IsComment() const { return isComment_; }
  // The show time of the last evaluation, for the macros.
  double ShowTime() const { return showTime_; }

  // The painted text (its picture is the object's); none before painting.
  const TRenderedText* Rendered() const { return rendered_ ? &*rendered_ : nullptr; }
  double RasterScale() const { return rasterScale_; }
  double LineHeight() const { return lineHeight_; }
  // The size of the text painted at scale 1 (0 x 0 when it cannot be laid out).
  TSizeF NaturalSize();
  // The button this text is the label of; none for other texts.
  TZolButton* LabelOf() const;
  // Forgets the painted text so that it is painted again at the next
  // update (the values its macros show changed).
  void RenderAgain();

 protected:
  void Dispose() override;
  TSizeF KindContentSize() override;
  TDrawLayout Layout() override;
  uint32_t TintColor() override { return DisplayTextColor(state_) & 0xFFFFFFu; }
  float ShadowBlurBase() override;
  std::pair<double, double> ScaleFactors(TSizeF parentSize) override;
  // Paints again when the new size calls for another scale.
  void LargestSizeChanged() override;

 private:
  static int ClampState(int state) { return state >= 0 && state < kStateCount ? state : 0; }

  // The text parameters for STATE, lines expanded.
  TTextParams ParamsFor(int state);
  TSizeF NaturalSizeOf(const TTextParams& params);
  double ChooseRasterScale(TSizeF natural);
  void ApplyLabelSettings(TZolButton& button);
  void ClearOtherComments(TZolObject& from);
  void DropText();

  std::string rawText_;
  std::vector<std::string> lines_;
  std::array<uint32_t, kStateCount> colors_{0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
  std::array<uint32_t, kStateCount> displayColors_{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
  std::string fontName_;
  TFontStyle style_;
  TTextAlign align_ = TTextAlign::Center;
  int32_t lineSpacing_ = 0;
  bool rasterize_ = false;
  std::string rasterizedGuid_;
  bool isComment_ = false;
  int state_ = 0;
  double showTime_ = 0;
  std::optional<TRenderedText> rendered_;
  // The size the content takes before the text is painted (natural size).
  TSizeF measured_;
  double rasterScale_ = 1;
  double lineHeight_ = 0;
  // The shown lines with their macros expanded, until the text changes.
  std::optional<std::vector<std::string>> expanded_;
  // The natural size of the last parameters measured (colour aside).
  std::optional<TTextParams> naturalKey_;
  TSizeF naturalSize_;
  // Pictures painted for the states since the text last changed, by name.
  std::vector<std::pair<std::string, TRef<TPackedImage>>> statePictures_;
};

}  // namespace zol
