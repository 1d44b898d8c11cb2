#include "model/zol_text.h"

#include <algorithm>
#include <cmath>

#include "foundation/assertion.h"
#include "foundation/ini_escape.h"
#include "foundation/ini_object.h"
#include "foundation/ini_value.h"
#include "foundation/log.h"
#include "image/picture.h"
#include "model/button_theme.h"
#include "model/image_shadow_painter.h"
#include "model/slide_host.h"
#include "model/text_macro_hook.h"
#include "model/text_picture.h"
#include "model/text_raster_scale.h"
#include "model/zol_button.h"
#include "model/zol_slide.h"
#include "text/text_picture_name.h"
#include "text/text_renderer.h"
#include "text/vector_text_loader.h"

namespace zol {
namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  return lines;
}

uint32_t ReadRgb(const TIniItem* item, uint32_t fallback) {
  return uint32_t(AsInt64(item, int64_t(fallback))) & 0xFFFFFFu;
}

// How tall OBJECT is ever shown: its largest displayed height once the
// slide measured it, its own height until then.
double ShownHeight(const TZolObject& object) {
  const double largest = object.LargestDisplayedSize().height;
  return largest > 0 ? largest : object.ContentSize().height;
}

}  // namespace

void TZolText::SetDefaults() {
  commonDefaults_.shadowEnable = true;
}

void TZolText::ReadParams(TZolObjectProps& node) {
  const TIniObject* source = node.Source();
  auto item = [source](std::string_view key) -> const TIniItem* {
    return source ? source->Find(key) : nullptr;
  };

  const auto oldColors = displayColors_;
  const std::string oldFont = fontName_;
  const TFontStyle oldStyle = style_;
  const TTextAlign oldAlign = align_;
  const int32_t oldSpacing = lineSpacing_;
  const bool oldRasterize = rasterize_;

  colors_[0] = ReadRgb(item("TextColor"), 0xFFFFFF);
  colors_[1] = ReadRgb(item("TextColorHover"), colors_[0]);
  colors_[2] = ReadRgb(item("TextColorClick"), colors_[0]);
  fontName_ = AsString(item("FontName"));
  style_ = ParseFontStyle(AsString(item("FontStyle")));
  align_ = TTextAlign(AsEnum(item("TextAlign"), {"Left", "Center", "Right"}, int(TTextAlign::Center)));
  lineSpacing_ = AsInt(item("LineSpacing"), 0);
  rasterize_ = AsBool(item("Rasterize"), false);
  rasterizedGuid_ = AsString(item("RasterizedGUID"));
  isComment_ = AsBool(item("IsComment"), false);

  TZolImage::ReadParams(node);
  antialiased_ = false;
  if (TZolButton* button = LabelOf()) ApplyLabelSettings(*button);

  TZolSlideHost* host = GetHost();
  for (int state = 0; state < kStateCount; ++state) {
    // A state in the normal colour shares its conversion.
    if (state > 0 && colors_[size_t(state)] == colors_[0])
      displayColors_[size_t(state)] = displayColors_[0];
    else
      displayColors_[size_t(state)] =
          0xFF000000u |
          ((host ? host->DisplayColor(colors_[size_t(state)]) : colors_[size_t(state)]) & 0xFFFFFFu);
  }

  if (isComment_) ClearOtherComments(GetSlide());
  if (displayColors_ != oldColors || fontName_ != oldFont || !(style_ == oldStyle) || align_ != oldAlign ||
      lineSpacing_ != oldSpacing || rasterize_ != oldRasterize)
    DropText();
}

void TZolText::ApplyLabelSettings(TZolButton& button) {
  SetTranspForClick(true);
  SetShadowEnabled(false);
  TButtonTheme* theme = button.Theme();
  if (!theme) return;
  colors_.fill(theme->TextColor());
  // A themed face without a picture of its own leaves the theme's margin
  // around the label.
  if (!button.ImageName().empty()) return;
  const double scale = 100.0 - theme->BtnOffset();
  TZolKeyFrameArray& keys = Node().KeyFrames();
  if (keys.Empty()) {
    Node().SetFieldValue(kFieldScaleX, float(scale));
    Node().SetFieldValue(kFieldScaleY, float(scale));
    return;
  }
  TZolKeyFrame& first = keys[0];
  bool defined = false;
  const bool same = first.GetKeyValue(kFieldScaleX, &defined) == float(scale) && defined &&
                    first.GetKeyValue(kFieldScaleY) == float(scale);
  if (same) return;
  first.SetKeyValue(kFieldScaleX, scale);
  first.SetKeyValue(kFieldScaleY, scale);
  keys.MarkChanged();
}

void TZolText::ClearOtherComments(TZolObject& from) {
  if (auto* text = dynamic_cast<TZolText*>(&from); text && text != this) text->isComment_ = false;
  for (const TRef<TZolObject>& child : from.Children()) ClearOtherComments(*child);
}

void TZolText::Load(TZolObjectProps& node, bool /*reuse*/) {
  ReadParams(node);
  expanded_.reset();  // a re-read may have made the text a label, or no longer one
  const std::string raw = AsString(node.Source() ? node.Source()->Find("Text") : nullptr);
  if (raw != rawText_ || lines_.empty()) {
    rawText_ = raw;
    // The item keeps its line breaks escaped ("\n"); a broken escape reads as no text.
    lines_ = SplitLines(UnescapeValueOrEmpty(rawText_));
    DropText();
  }
}

bool TZolText::Evaluate(bool recurse, double showTime) {
  showTime_ = showTime;
  return TZolImage::Evaluate(recurse, showTime);
}

TZolButton* TZolText::LabelOf() const {
  auto* button = dynamic_cast<TZolButton*>(Parent());
  return button && button->Label() == this ? button : nullptr;
}

std::vector<std::string> TZolText::ShownLines() const {
  std::vector<std::string> lines = lines_;
  if (lines.empty()) lines.emplace_back();
  if (LabelOf()) lines.resize(1);
  if (std::all_of(lines.begin(), lines.end(), [](const std::string& line) { return line.empty(); }))
    lines = {" "};
  return lines;
}

TTextParams TZolText::ParamsFor(int state) {
  if (!expanded_) {
    expanded_.emplace();
    for (const std::string& line : ShownLines()) expanded_->push_back(ExpandTextMacros(*this, line));
  }
  TTextParams params;
  params.lines = *expanded_;
  params.fontName = fontName_;
  params.style = style_;
  params.align = align_;
  params.lineSpacing = lineSpacing_;
  params.textColor = DisplayTextColor(state);
  return params;
}

TSizeF TZolText::NaturalSizeOf(const TTextParams& params) {
  TTextParams key = params;
  key.textColor = 0;  // the colour does not change the size
  if (naturalKey_ && *naturalKey_ == key) return naturalSize_;
  naturalKey_ = key;
  naturalSize_ = {};
  try {
    TZolSlideHost* host = GetHost();
    const TTextMeasure measure =
        MeasureText(LoadVectorText(params, host ? host->Accessor() : nullptr), params, 1);
    if (measure.width >= 0 && measure.height > 0)
      naturalSize_ = {float(measure.width), float(measure.height)};
  } catch (const std::exception& e) {
    LogText("ZolText \"" + Name() + "\" not laid out: " + e.what());
  }
  return naturalSize_;
}

TSizeF TZolText::NaturalSize() {
  return NaturalSizeOf(ParamsFor(state_));
}

double TZolText::ChooseRasterScale(TSizeF natural) {
  // The largest scale any key frame gives the text.
  double largest = 0;
  bool keyed = false;
  for (const TRef<TZolKeyFrame>& key : Node().KeyFrames().Items()) {
    if (!key->HasGroup(kGroupScale)) continue;
    keyed = true;
    largest = std::max(
        {largest, std::fabs(key->GetKeyValue(kFieldScaleX)), std::fabs(key->GetKeyValue(kFieldScaleY))});
  }
  if (!keyed) largest = std::max(std::fabs(double(ScaleX())), std::fabs(double(ScaleY())));

  double scale = 0;
  if (natural.height > 0) {
    if (TZolButton* button = LabelOf()) {
      // A label is a share of its face, which is a share of the button's parent.
      const double outer = button->Parent() ? ShownHeight(*button->Parent()) : 0;
      scale = std::fabs(double(button->ScaleY())) * largest * outer / 10000 / natural.height;
    } else {
      const double parent = Parent() ? ShownHeight(*Parent()) : 0;
      scale = largest * parent / 100 / natural.height;
    }
  }
  return LimitTextRasterScale(scale, natural.width, natural.height);
}

void TZolText::LoadPicture() {
  if (rasterize_) {
    rendered_.reset();
    TZolImage::LoadPicture();
    // A stored picture of the lines: each line and each gap between them
    // (LineSpacing percent of half a line) share its height.
    const double lines = double(ShownLines().size());
    const double units = lines + (lines - 1) * lineSpacing_ / 200.0;
    lineHeight_ = units > 0 ? PictureHeight() / units : 0;
    return;
  }

  const TTextParams params = ParamsFor(state_);
  const TSizeF natural = NaturalSizeOf(params);
  if (!(natural.height > 0)) {
    // Nothing to paint: the text stays without picture until it changes.
    needsPicture_ = false;
    measured_ = {};
    rendered_.reset();
    SetPicture(nullptr, false);
    return;
  }
  if (!GetSlide().PrescanDone() && !Picture()) {
    // While the slide measures how large its objects are shown, the text's
    // proportions suffice; it is painted once the size is known.
    measured_ = natural;
    RefreshContentSize();
    return;
  }

  needsPicture_ = false;
  rasterScale_ = ChooseRasterScale(natural);
  const std::string name = std::string(kTextPicturePrefix) + EncodeTextRequest({params, rasterScale_});
  TRef<TPackedImage> picture;
  for (const auto& [known, painted] : statePictures_)
    if (known == name) picture = painted;
  if (!picture) {
    picture = FetchPicture(name);
    // Anything but a painted text (the placeholder of a failed paint) is no
    // text picture.
    if (picture && !dynamic_cast<TTextPicture*>(PictureStore(*picture))) picture = nullptr;
    if (picture) statePictures_.emplace_back(name, picture);
  }
  if (!picture) {
    measured_ = {};
    rendered_.reset();
    SetPicture(nullptr, false);
    return;
  }
  rendered_ = static_cast<TTextPicture*>(PictureStore(*picture))->Rendered();
  ZOL_CHECK(rendered_->textRect.Height() > 0, "ZolText rendered height is not positive");
  lineHeight_ = rendered_->lineHeight;
  measured_ = {rendered_->textRect.Width(), rendered_->textRect.Height()};
  // Painted in display colours already: no colour management on top.
  SetPicture(std::move(picture), false);
}

void TZolText::SetTextState(int state) {
  state = ClampState(state);
  if (state == state_) return;
  state_ = state;
  MarkChanged();
  // The picture of the new colour is wanted at once; a text not painted yet
  // takes it at its first paint.
  if (!rasterize_ && Picture()) LoadPicture();
}

void TZolText::RenderAgain() {
  DropText();
}

void TZolText::DropText() {
  statePictures_.clear();
  rendered_.reset();
  measured_ = {};
  expanded_.reset();
  naturalKey_.reset();
  DropPicture();
  if (auto painter = ImageShadowPainter()) painter->Forget(*this);
}

void TZolText::LargestSizeChanged() {
  if (rasterize_ || !rendered_) return;
  const double scale = ChooseRasterScale(NaturalSize());
  if (std::fabs(scale - rasterScale_) > 1e-6 * std::max(1.0, rasterScale_)) DropText();
}

TSizeF TZolText::KindContentSize() {
  return rasterize_ ? TZolImage::KindContentSize() : measured_;
}

std::pair<double, double> TZolText::ScaleFactors(TSizeF parentSize) {
  if (rasterize_) return TZolImage::ScaleFactors(parentSize);
  // The text's height is a share of its parent's height, whatever it fits.
  const double height = ContentSize().height;
  if (!(height > 0)) return {0, 0};
  const double k = parentSize.height / (100 * height);
  return {ScaleX() * k, ScaleY() * k};
}

TZolImage::TDrawLayout TZolText::Layout() {
  if (rasterize_ || !rendered_) return TZolImage::Layout();
  // The whole picture at one picture pixel per unit, its text box on the
  // content rectangle; overhangs and the border fall outside.
  TDrawLayout layout;
  const TPointF origin = RectOrigin();
  layout.viewOffset = {rendered_->textRect.left - origin.x, rendered_->textRect.top - origin.y};
  return layout;
}

float TZolText::ShadowBlurBase() {
  return float(std::round(3 * lineHeight_));
}

bool TZolText::HitTestLocal(TPointF screen, TPointF& local) {
  if (!TZolImage::HitTestLocal(screen, local)) return false;
  if (rasterize_ || !rendered_) return true;
  const TPointF origin = RectOrigin();
  return rendered_->HitTest(local.x - origin.x + rendered_->textRect.left,
                            local.y - origin.y + rendered_->textRect.top);
}

float TZolText::GetDrawOpacity() {
  if (TZolButton* button = LabelOf())
    return GetOpacity() * button->Opacity() / 100 * button->TxtOpacity() / 100;
  return GetOpacity();
}

void TZolText::Dispose() {
  statePictures_.clear();
  rendered_.reset();
  TZolImage::Dispose();
}

}  // namespace zol
