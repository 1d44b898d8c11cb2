// Button objects: the theme and its fall-back, the face width, the face
// pictures per state, the label and opacity.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "foundation/ini_value.h"
#include "image/memory_bitmap_store.h"
#include "model/button_face.h"
#include "picture_test_support.h"

namespace zol {
namespace {

using test::Key;
using test::Obj;
using test::ThemeText;
using test::TPictureRig;
using test::TRecordingDrawer;

class ZolButton : public ::testing::Test {
 protected:
  test::TPictureKindsScope kinds_;
};

// An aqua theme 40 pixels high and a blue one 30 high.
std::vector<std::pair<std::string, std::string>> Themes(std::string_view aquaParams = "") {
  return {{"Buttons\\aqua\\btn.ini", ThemeText(120, 40, aquaParams)},
          {"Buttons\\Blue\\btn.ini", ThemeText(90, 30, "Color=16711680\nFiltering=Nearest\n")}};
}

double Length(TPoint3F v) {
  return std::sqrt(double(v.x) * v.x + double(v.y) * v.y + double(v.z) * v.z);
}

TEST_F(ZolButton, ThemeFallsBackToAqua) {
  struct TCase {
    std::string theme;
    bool withAqua;
    std::string want;  // "" for none
    float height;
  };
  const TCase cases[] = {
      {"Blue", true, "Blue", 30}, {"bLUE", true, "bLUE", 30}, {"Missing", true, "aqua", 40},
      {"", true, "aqua", 40},     {"Missing", false, "", 0},  {"Blue", false, "Blue", 30},
  };
  for (const TCase& c : cases) {
    auto files = Themes();
    if (!c.withAqua) files.erase(files.begin());
    TPictureRig rig(files);
    rig.Read(Obj("Button", "B", "Theme=" + c.theme + "\n"));
    rig.At(0);
    TZolButton& button = rig.Get<TZolButton>("B");
    EXPECT_EQ(button.Theme() ? button.Theme()->Name() : "", c.want) << c.theme;
    EXPECT_EQ(button.ContentSize().height, c.height) << c.theme;
    EXPECT_EQ(button.FaceHeight(), int(c.height)) << c.theme;
  }
}

TEST_F(ZolButton, FaceWidthWithoutLabel) {
  struct TCase {
    std::string items;
    int width;
  };
  const TCase cases[] = {
      {"", 100},  // the theme's BtnMinWidth 250 of 40
      {"BtnMinWidth=300\n", 120},
      {"BtnMinWidth=50\n", 40},  // at least square
      {"BtnMinWidth=x\n", 100},
      {"ImageName=face.png\n", 40},  // a face of its own takes no theme minimum
  };
  for (const TCase& c : cases) {
    TPictureRig rig(Themes("BtnMinWidth=250\n"));
    rig.Read(Obj("Button", "B", c.items));
    rig.At(0);
    TZolButton& button = rig.Get<TZolButton>("B");
    EXPECT_EQ(button.FaceWidth(), c.width) << c.items;
    EXPECT_EQ(button.ContentSize(), (TSizeF{float(c.width), 40})) << c.items;
  }
}

TEST_F(ZolButton, FaceWidthHoldsTheLabel) {
  TPictureRig rig(Themes("BtnOffset=20\nColor=65280\n"));
  rig.Read(Obj("Button", "B", "BtnOffsetX=50\n",
               Obj("Text", "L", "Text=Press here\\nsecond line\n", Key("Time=0\n"))));
  rig.At(0);
  TZolButton& button = rig.Get<TZolButton>("B");
  TZolText& label = rig.Get<TZolText>("L");
  EXPECT_EQ(button.Label(), &label);
  EXPECT_EQ(label.LabelOf(), &button);
  EXPECT_EQ(label.ShownLines(), std::vector<std::string>{"Press here"}) << "a label keeps its first line";

  // The theme's margin becomes the label's scale, written to its key frame.
  const TIniObject* key = label.Node().KeyFrames()[0].Source();
  EXPECT_EQ(AsString(key->Find("ScaleX")), "80");
  EXPECT_EQ(AsString(key->Find("ScaleY")), "80");
  EXPECT_FLOAT_EQ(label.ScaleY(), 80);

  const TSizeF natural = label.NaturalSize();
  ASSERT_GT(natural.height, 0);
  const int want = std::max(40, int(std::lround((40 - 8) * double(natural.width) / natural.height + 20)));
  EXPECT_EQ(button.FaceWidth(), want);
  EXPECT_EQ(button.FaceWidth(),
            ButtonFaceWidth(40, 0, 50, TButtonLabelShape{natural.width / natural.height, 20}));

  // The label: 80 % of the face high, never in the way of clicks, no shadow,
  // in the theme's colour.
  EXPECT_NEAR(Length(label.Frame().yAxis) * label.ContentSize().height,
              0.8 * Length(button.Frame().yAxis) * button.ContentSize().height, 0.01);
  EXPECT_TRUE(label.TranspForClick());
  EXPECT_FALSE(label.Shadow().enabled);
  for (int state = 0; state < 3; ++state) EXPECT_EQ(label.DisplayTextColor(state), 0xFF00FF00u) << state;
}

TEST_F(ZolButton, WithoutAFaceGeneratorOnlyTheLabelIsDrawn) {
  TPictureRig rig(Themes());
  rig.Read(Obj("Button", "B", "", Obj("Text", "L", "Text=OK\n")));
  rig.At(0);
  TZolButton& button = rig.Get<TZolButton>("B");
  EXPECT_EQ(button.Picture(), nullptr);
  EXPECT_GT(button.ContentSize().width, 0) << "the label still has a face to sit in";
  auto drawer = MakeRef<TRecordingDrawer>();
  drawer->DrawItem(*rig.slide);
  ASSERT_EQ(drawer->images.size(), 1u);
  EXPECT_EQ(drawer->images[0].image, &rig.Get<TZolText>("L"));
}

// A face generator that records what it is asked for.
struct TFaces {
  std::vector<std::string> asked;
  TPictureGenerator Generator() {
    return [this](TZolSlideHost&, std::string_view rest) -> TRef<TImageStore> {
      asked.emplace_back(rest);
      const std::optional<TButtonFaceRequest> request = DecodeButtonFace(rest);
      if (!request) return nullptr;
      auto bitmap = MakeRef<TPixelImage>(request->width, 40, TPixelFormat::kARGB32);
      return MakeRef<TMemoryBitmapStore>("Button: " + std::string(rest), bitmap);
    };
  }
};

TEST_F(ZolButton, FacesPerStateFromTheGenerator) {
  TPictureRig rig(Themes("BtnMinWidth=300\nFiltering=Nearest\n"));
  TFaces faces;
  rig.host->SetPictureGenerator(TGeneratedPicture::Button, faces.Generator());
  rig.Read(Obj("Button", "B",
               "Hue=5\nSaturation=-10\nLightness=20\nBtnOpacity=50\nTxtOpacity=40\nMipLodBias=3\n",
               Key("Opacity=80\n") + Obj("Text", "L", "Text=OK\n", Key("Opacity=50\n"))));
  rig.At(0);
  TZolButton& button = rig.Get<TZolButton>("B");
  EXPECT_EQ(faces.asked, std::vector<std::string>{"aqua:0:120:5:-10:20"});
  ASSERT_TRUE(button.Picture());
  EXPECT_EQ(button.GetNaturalSize(), (TSizeF{120, 40}));
  EXPECT_EQ(button.MipLodBias(), 0) << "faces are never biased";
  EXPECT_EQ(button.Filtering(), TTextureFiltering::Nearest) << "the theme's filter";

  TPackedImage* normal = button.Picture();
  button.SetButtonState(1);
  EXPECT_EQ(faces.asked.back(), "aqua:1:120:5:-10:20") << "a new state's face at once";
  EXPECT_NE(button.Picture(), normal);
  button.SetButtonState(0);
  EXPECT_EQ(button.Picture(), normal);
  EXPECT_EQ(faces.asked.size(), 2u) << "faces are kept per state";

  auto drawer = MakeRef<TRecordingDrawer>();
  drawer->DrawItem(*rig.slide);
  ASSERT_EQ(drawer->images.size(), 2u);
  const test::TImageCall& face = drawer->images[0];
  EXPECT_EQ(face.image, &button);
  EXPECT_FLOAT_EQ(face.params.opacity, 40) << "80 % x BtnOpacity 50";
  EXPECT_FLOAT_EQ(drawer->images[1].params.opacity, 16) << "50 % x the button's 80 % x TxtOpacity 40";
  const TPointF origin = button.RectOrigin();
  test::ExpectNear3(face.TopLeft(), button.Frame().Apply(origin.x, origin.y));
  test::ExpectNear3(face.TopLeft() + face.xAxis * 120 + face.yAxis * 40,
                    button.Frame().Apply(origin.x + 120, origin.y + 40));
}

TEST_F(ZolButton, ScalesWithItsParentsHeight) {
  TPictureRig rig(Themes());
  rig.Read(Obj("Button", "B", "", Key("ScaleX=10\nScaleY=10\n")));
  rig.At(0);
  TZolButton& button = rig.Get<TZolButton>("B");
  EXPECT_NEAR(Length(button.Frame().yAxis) * button.ContentSize().height, 80, 0.01);
  EXPECT_NEAR(Length(button.Frame().xAxis), Length(button.Frame().yAxis), 1e-6);
}

}  // namespace
}  // namespace zol
