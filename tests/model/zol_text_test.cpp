// Text objects: painting through "Text: " pictures at the size they are
// shown, state colours, hit tests on the glyphs, macros, rasterised texts
// and the comment flag.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "image/picture.h"
#include "model/text_macro_hook.h"
#include "picture_test_support.h"
#include "text/text_picture_name.h"

namespace zol {
namespace {

using test::Key;
using test::Obj;
using test::PngOf;
using test::TPictureRig;
using test::TRecordingDrawer;

class ZolText : public ::testing::Test {
 protected:
  test::TPictureKindsScope kinds_;
};

double Length(TPoint3F v) {
  return std::sqrt(double(v.x) * v.x + double(v.y) * v.y + double(v.z) * v.z);
}

TEST_F(ZolText, PaintedAtTheLargestSizeItIsShown) {
  TPictureRig rig({});
  rig.Read(Obj("Text", "T", "Text=Hello\n",
               Key("Time=0\nScaleX=50\nScaleY=50\n") + Key("Time=1000\nScaleX=40\nScaleY=80\n") +
                   Obj("Box", "Ignored")));
  rig.At(0);
  TZolText& text = rig.Get<TZolText>("T");
  EXPECT_EQ(text.ChildCount(), 0) << "a text has no child objects";
  EXPECT_EQ(text.ShownLines(), std::vector<std::string>{"Hello"});
  ASSERT_TRUE(text.Picture());
  auto* painted = dynamic_cast<TTextPicture*>(PictureStore(*text.Picture()));
  ASSERT_TRUE(painted);
  EXPECT_TRUE(painted->Name().starts_with(kTextPicturePrefix)) << painted->Name();
  ASSERT_TRUE(text.Rendered());
  const TRectF box = text.Rendered()->textRect;
  EXPECT_EQ(text.ContentSize(), (TSizeF{box.Width(), box.Height()}));
  EXPECT_DOUBLE_EQ(text.LineHeight(), text.Rendered()->lineHeight);

  // The largest key-frame scale (80 %) of the 800 pixels the slide is shown at.
  const TSizeF natural = text.NaturalSize();
  ASSERT_GT(natural.height, 0);
  EXPECT_NEAR(rig.slide->LargestDisplayedSize().height, 800, 0.01);
  EXPECT_NEAR(text.RasterScale(), 80 * 800 / 100.0 / natural.height, 1e-9);
  EXPECT_NEAR(box.Height(), natural.height * text.RasterScale(), 2);

  // Whatever it is painted at, a text is a share of its parent's height.
  EXPECT_NEAR(Length(text.Frame().yAxis) * text.ContentSize().height, 400, 0.01);
  rig.At(1000);
  EXPECT_NEAR(Length(text.Frame().yAxis) * text.ContentSize().height, 640, 0.01);
  EXPECT_NEAR(Length(text.Frame().xAxis) / Length(text.Frame().yAxis), 0.5, 1e-6);
}

TEST_F(ZolText, PaintedOnceAndAgainOnlyForAnotherSize) {
  TPictureRig rig({});
  int painted = 0;
  rig.host->SetPictureGenerator(TGeneratedPicture::Text,
                                [&painted](TZolSlideHost& host, std::string_view rest) {
                                  ++painted;
                                  return GenerateTextPicture(host, rest);
                                });
  const std::string small = Obj("Text", "T", "Text=Hi\\n\\n\\nthere\n", Key("ScaleX=20\nScaleY=20\n"));
  const std::string large = Obj("Text", "T", "Text=Hi\\n\\n\\nthere\n", Key("ScaleX=60\nScaleY=60\n"));
  rig.Read(small);
  rig.At(0);
  EXPECT_EQ(painted, 1) << "measured while the slide sizes its objects, painted after";
  TZolText& text = rig.Get<TZolText>("T");
  const double scale = text.RasterScale();
  rig.At(500);
  rig.Read(small);
  rig.At(600);
  EXPECT_EQ(painted, 1) << "the same size needs no new paint";
  rig.Read(large);
  rig.At(700);
  EXPECT_EQ(painted, 2);
  EXPECT_NEAR(text.RasterScale(), 3 * scale, 1e-9);
}

TEST_F(ZolText, DrawnWithItsBoxOnTheObjectRectangle) {
  TPictureRig rig({});
  rig.Read(Obj("Text", "T", "Text=Hello\\nWorld\nTextColor=16711680\nAntialiased=1\n"));
  rig.At(0);
  TZolText& text = rig.Get<TZolText>("T");
  EXPECT_EQ(text.ShownLines(), (std::vector<std::string>{"Hello", "World"}));
  EXPECT_TRUE(text.Shadow().enabled) << "texts cast shadows unless told otherwise";
  auto drawer = MakeRef<TRecordingDrawer>();
  drawer->DrawItem(*rig.slide);
  ASSERT_EQ(drawer->images.size(), 1u);
  const test::TImageCall& call = drawer->images[0];
  EXPECT_TRUE(call.params.Whole()) << "the whole picture, overhangs included";
  EXPECT_FALSE(call.params.featherEdges) << "text edges are never smoothed";
  EXPECT_EQ(call.params.tintColor, 0xFF0000u);
  EXPECT_EQ(call.params.level, 0);
  const TRectF box = text.Rendered()->textRect;
  const TPointF origin = text.RectOrigin();
  test::ExpectNear3(call.TopLeft() + call.xAxis * box.left + call.yAxis * box.top,
                    text.Frame().Apply(origin.x, origin.y));
}

TEST_F(ZolText, EachStateHasItsColour) {
  TPictureRig rig({});
  rig.Read(Obj("Text", "T", "Text=Go\nTextColor=255\nTextColorHover=65280\nTextColorClick=255\n"));
  rig.At(0);
  TZolText& text = rig.Get<TZolText>("T");
  TPackedImage* normal = text.Picture();
  ASSERT_TRUE(normal);
  struct TStep {
    int state;
    uint32_t tint;
    bool samePicture;
  };
  for (const TStep& step : {TStep{1, 0x00FF00, false}, TStep{2, 0x0000FF, true}, TStep{7, 0x0000FF, true}}) {
    text.SetTextState(step.state);
    EXPECT_EQ(text.GetDrawParams().tintColor, step.tint) << step.state;
    ASSERT_TRUE(text.Picture()) << step.state;
    EXPECT_EQ(text.Picture() == normal, step.samePicture) << step.state;
    EXPECT_EQ(text.DisplayTextColor(step.state), 0xFF000000u | step.tint);
  }
}

TEST_F(ZolText, HitOnlyOnItsGlyphRuns) {
  TPictureRig rig({});
  rig.Read(Obj("Text", "T", "Text=I\\nWWWWWWWW\n"));
  rig.At(0);
  TZolText& text = rig.Get<TZolText>("T");
  ASSERT_TRUE(text.Rendered());
  const TRenderedText& rendered = *text.Rendered();
  ASSERT_GE(rendered.runRects.size(), 2u);
  const TRectF box = rendered.textRect, narrow = rendered.runRects[0];
  ASSERT_GT(narrow.left - box.left, 4) << "the short line is centred";
  const TPointF origin = text.RectOrigin();
  auto screen = [&](float x, float y) {
    const TPoint3F p = text.Frame().Apply(origin.x + x - box.left, origin.y + y - box.top);
    return TPointF{p.x, p.y};
  };
  const float row = (narrow.top + narrow.bottom) / 2;
  EXPECT_EQ(rig.slide->HitTest(screen((narrow.left + narrow.right) / 2, row), {}).object, &text);
  EXPECT_EQ(rig.slide->HitTest(screen(box.left + 2, row), {}).object, nullptr)
      << "inside the rectangle, beside the short line";
  EXPECT_EQ(rig.slide->HitTest(screen(box.left + 2, rendered.runRects[1].top + 2), {}).object, &text);
}

TEST_F(ZolText, MacrosAreExpandedBeforePainting) {
  int round = 0;
  std::vector<TZolText*> asked;
  TTextMacroExpander previous = SetTextMacroExpander([&](TZolText& text, std::string_view line) {
    asked.push_back(&text);
    std::string out(line);
    if (const size_t at = out.find("<%N%>"); at != std::string::npos)
      out.replace(at, 5, std::to_string(round));
    return out;
  });
  {
    TPictureRig rig({});
    rig.Read(Obj("Text", "T", "Text=Slide <%N%>\n"));
    rig.At(0);
    TZolText& text = rig.Get<TZolText>("T");
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), &text);
    const std::string first = PictureStore(*text.Picture())->Name();
    round = 12345;
    rig.At(10);
    EXPECT_EQ(PictureStore(*text.Picture())->Name(), first) << "kept until asked to paint again";
    text.RenderAgain();
    rig.At(20);
    ASSERT_TRUE(text.Picture());
    EXPECT_NE(PictureStore(*text.Picture())->Name(), first);
    EXPECT_GT(text.NaturalSize().width, 0);
  }
  SetTextMacroExpander(std::move(previous));
}

TEST_F(ZolText, RasterisedTextsShowTheirStoredPicture) {
  TPictureRig rig({{"raster.png", PngOf(200, 100)}});
  rig.Read(Obj("Text", "T", "Text=One\\nTwo\nRasterize=1\nImageName=raster.png\nLineSpacing=100\n"));
  rig.At(0);
  TZolText& text = rig.Get<TZolText>("T");
  ASSERT_TRUE(text.Picture());
  EXPECT_FALSE(text.Rendered());
  EXPECT_EQ(text.ContentSize(), (TSizeF{200, 100}));
  EXPECT_DOUBLE_EQ(text.LineHeight(), 40) << "two lines and half a line between them";
  EXPECT_DOUBLE_EQ(text.ScaleFactorX(), 5) << "fitted like a picture";
}

TEST_F(ZolText, OnlyOneCommentPerSlide) {
  TPictureRig rig({});
  rig.Read(Obj("Text", "A", "Text=a\nIsComment=1\n") + Obj("Text", "B", "Text=b\nIsComment=1\n") +
           Obj("Text", "C", "Text=c\n"));
  EXPECT_FALSE(rig.Get<TZolText>("A").IsComment());
  EXPECT_TRUE(rig.Get<TZolText>("B").IsComment());
  EXPECT_FALSE(rig.Get<TZolText>("C").IsComment());
  rig.Read(Obj("Text", "A", "Text=a\nIsComment=1\n") + Obj("Text", "B", "Text=b\n") +
           Obj("Text", "C", "Text=c\n"));
  EXPECT_TRUE(rig.Get<TZolText>("A").IsComment());
  EXPECT_FALSE(rig.Get<TZolText>("B").IsComment());
}

TEST_F(ZolText, EmptyTextIsOneSpace) {
  TPictureRig rig({});
  rig.Read(Obj("Text", "T", "Text=\\n\\n\n") + Obj("Text", "U") +
           Obj("Text", "Broken", "Text=bad\\qescape\n"));
  rig.At(0);
  for (const char* name : {"T", "U", "Broken"}) {
    TZolText& text = rig.Get<TZolText>(name);
    EXPECT_EQ(text.ShownLines(), std::vector<std::string>{" "}) << name;
    EXPECT_TRUE(text.Picture()) << name;
    EXPECT_GT(text.ContentSize().height, 0) << name;
  }
}

}  // namespace
}  // namespace zol
