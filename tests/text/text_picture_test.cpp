// "Text: " picture names and the placeholder picture.
#include <gtest/gtest.h>

#include "foundation/case_fold.h"
#include "render/color.h"
#include "text/placeholder_text.h"
#include "text/text_picture_name.h"
#include "text/text_renderer.h"

namespace zol {
namespace {

TEST(TextPictureName, RoundTripsAndSurvivesCaseFolding) {
  std::vector<TTextRequest> requests;
  TTextRequest plain;
  plain.params.lines = {"Hello"};
  requests.push_back(plain);
  TTextRequest full;
  full.scale = 0.123456789012345;
  full.params.lines = {"Ünïcode; 100% 'quoted'", "", "UPPER lower", "עברית\tmixed"};
  full.params.fontName = "Times New Roman";
  full.params.style = {true, true, true, true};
  full.params.align = TTextAlign::Right;
  full.params.lineSpacing = -35;
  full.params.textColor = 0x80FF00AA;
  full.params.backgroundColor = 0x00000000;
  requests.push_back(full);
  for (const TTextRequest& request : requests) {
    const std::string name = EncodeTextRequest(request);
    EXPECT_EQ(DecodeTextRequest(name), request) << name;
    // The image cache folds names; the folded name still reads the same.
    EXPECT_EQ(FoldCaseText(name), name);
    EXPECT_EQ(DecodeTextRequest(FoldCaseText(name)), request);
  }
  // Texts that differ only in case get different names.
  TTextRequest upper = plain;
  upper.params.lines = {"HELLO"};
  EXPECT_NE(FoldCaseText(EncodeTextRequest(upper)), FoldCaseText(EncodeTextRequest(plain)));
}

TEST(TextPictureName, MalformedNamesAreRefused) {
  const char* names[] = {
      "",
      "t1",
      "t2;1;1;0;ffffffff;-;regular;;1;x",   // unknown version
      "t1;0;1;0;ffffffff;-;regular;;1;x",   // scale not positive
      "t1;nan;1;0;ffffffff;-;regular;;1;x",
      "t1;1;3;0;ffffffff;-;regular;;1;x",   // no such alignment
      "t1;1;1;x;ffffffff;-;regular;;1;x",
      "t1;1;1;0;fffffffff;-;regular;;1;x",  // colour too large
      "t1;1;1;0;ffffffff;-;regular;;2;x",   // fewer lines than counted
      "t1;1;1;0;ffffffff;-;regular;;1;%4",  // escape cut short
      "t1;1;1;0;ffffffff;-;regular;;1;%zz",
  };
  for (const char* name : names) EXPECT_FALSE(DecodeTextRequest(name)) << name;
  EXPECT_TRUE(DecodeTextRequest("t1;1;1;0;ffffffff;-;regular;;1;x"));
}

TEST(LayoutKey, TellsTextsApartAndIsAPlainPackageName) {
  TTextParams a;
  a.lines = {"Hello"};
  TTextParams upper = a;
  upper.lines = {"HELLO"};
  TTextParams split = a;
  split.lines = {"Hel", "lo"};
  TTextParams bold = a;
  bold.style.bold = true;
  TTextParams recoloured = a;  // colour, alignment, spacing, underline: same layout
  recoloured.textColor = 0xFF00FF00;
  recoloured.align = TTextAlign::Left;
  recoloured.lineSpacing = 40;
  recoloured.style.underline = true;
  TTextParams piped = a;
  piped.fontName = "Odd|Font";
  for (const TTextParams* other : {&upper, &split, &bold})
    EXPECT_FALSE(EqualNoCase(LayoutKey(a), LayoutKey(*other))) << LayoutKey(*other);
  EXPECT_EQ(LayoutKey(a), LayoutKey(recoloured));
  EXPECT_EQ(LayoutKey(piped).find('|'), std::string::npos);
  EXPECT_EQ(LayoutKey(a).rfind("sans-serif, Regular, ", 0), 0u) << LayoutKey(a);
}

TEST(TextPicture, GeneratedNameGivesThePictureOfItsRequest) {
  TTextRequest request;
  request.scale = 0.4;
  request.params.lines = {"Named"};
  TRef<TPixelImage> byName = RenderTextPicture(EncodeTextRequest(request), nullptr);
  ASSERT_TRUE(byName);
  const TRenderedText direct = RenderText(request.params, request.scale, nullptr);
  EXPECT_EQ(byName->Width(), direct.picture->Width());
  EXPECT_EQ(byName->Height(), direct.picture->Height());
  EXPECT_FALSE(RenderTextPicture("not a request", nullptr));
}

TEST(PlaceholderText, TwoOpaqueLinesInTheDefaultFont) {
  const uint32_t text = PackColor(230, 230, 230, 255), background = PackColor(100, 100, 100, 255);
  TRef<TPixelImage> picture = RenderPlaceholderText({" Image not found ", " photo.jpg "}, text, background, 0.5);
  ASSERT_TRUE(picture);
  // Two lines of the default face (ascent + descent 117 units) at half size.
  EXPECT_GE(picture->Height(), 2 * 58);
  EXPECT_LE(picture->Height(), 2 * 59 + 20);
  EXPECT_GT(picture->Width(), picture->Height());
  int textPixels = 0, blends = 0;
  for (int y = 0; y < picture->Height(); ++y)
    for (int x = 0; x < picture->Width(); ++x) {
      const uint32_t p = picture->GetPixel(x, y);
      EXPECT_EQ(ColorA(p), 255);
      textPixels += p == text;
      blends += p != text && p != background;
    }
  EXPECT_GT(textPixels, 100);
  EXPECT_GT(blends, 0);  // anti-aliased edges
  EXPECT_EQ(picture->GetPixel(0, 0), background);
  // Larger scale, larger picture.
  TRef<TPixelImage> large = RenderPlaceholderText({" Image not found ", " photo.jpg "}, text, background, 1.0);
  EXPECT_NEAR(large->Width(), 2 * picture->Width(), 6);
}

}  // namespace
}  // namespace zol
