// Image objects: picture loading and naming, the frame rectangle, sprite
// sheets, texture levels and what they hand the drawer.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "image/memory_bitmap_store.h"
#include "model/image_shadow_painter.h"
#include "picture_test_support.h"

namespace zol {
namespace {

using test::Key;
using test::Obj;
using test::PngOf;
using test::TPictureRig;
using test::TRecordingDrawer;

class ZolImage : public ::testing::Test {
 protected:
  test::TPictureKindsScope kinds_;
};

TPoint3F Corner(const TZolObject& object, double u, double v) {
  const TPointF origin = object.RectOrigin();
  return object.Frame().Apply(origin.x + u, origin.y + v);
}

TEST_F(ZolImage, KindsAndThePictureTheyLoad) {
  TPictureRig rig({{"Pics\\photo.png", PngOf(200, 100)}, {"Pics\\sheet.png", PngOf(400, 100)}});
  rig.Read(Obj("Image", "Still", "ImageName=pics\\PHOTO.png\n") +
           Obj("Image", "Sheet", "ImageName=Pics\\sheet.png\nAnimEnable=1\nAnimColumns=4\n") +
           Obj("AniImage", "Ani", "ImageName=Pics\\sheet.png\nAnimColumns=2\nAnimRows=2\n"));
  rig.At(0);
  struct TCase {
    const char* name;
    TZolObjectKind kind;
    bool animated;
    TSizeF natural;
    TSizeF content;
  };
  const TCase cases[] = {
      {"Still", TZolObjectKind::Image, false, {200, 100}, {200, 100}},
      {"Sheet", TZolObjectKind::AniImage, true, {400, 100}, {100, 100}},
      {"Ani", TZolObjectKind::AniImage, true, {400, 100}, {200, 50}},  // a sprite sheet by default
  };
  for (const TCase& c : cases) {
    TZolImage& image = rig.Get(c.name);
    EXPECT_EQ(image.Node().Kind(), c.kind) << c.name;
    EXPECT_EQ(image.Animated(), c.animated) << c.name;
    ASSERT_TRUE(image.Picture()) << c.name;
    ASSERT_TRUE(image.Bitmap()) << c.name;
    EXPECT_EQ(image.GetNaturalSize(), c.natural) << c.name;
    EXPECT_EQ(image.ContentSize(), c.content) << c.name;
    EXPECT_EQ(image.GetColorLut(), nullptr) << "pictures in the display's own profile need no cube";
  }
}

TEST_F(ZolImage, WithoutItsPictureAnImageIsNotDrawnAndHasNoSize) {
  TPictureRig rig({{"photo.png", PngOf(20, 10)}});
  rig.Read(Obj("Image", "Missing", "ImageName=nowhere.png\n") + Obj("Image", "Unnamed") +
           Obj("Image", "Masked", "ImageName=photo.png\nRestoreAlpha=1\n") +
           Obj("Image", "Buffer", "ReplaceWithEffectBuffer=1\n") +
           Obj("Image", "Broken", "ImageName=broken.png\n"));
  rig.At(0);
  auto drawer = MakeRef<TRecordingDrawer>();
  drawer->DrawItem(*rig.slide);
  for (const char* name : {"Missing", "Unnamed", "Masked", "Buffer"}) {
    TZolImage& image = rig.Get(name);
    EXPECT_EQ(image.Picture(), nullptr) << name;
    EXPECT_EQ(image.ContentSize(), (TSizeF{0, 0})) << name;
    EXPECT_EQ(image.ScaleFactorX(), 0) << name << ": no fit for no content";
  }
  EXPECT_TRUE(drawer->images.empty());
}

// Generated pictures of the kinds images ask for, recording the names.
struct TGeneratedNames {
  std::vector<std::string> asked;
  TPictureGenerator Generator(std::string prefix) {
    return [this, prefix](TZolSlideHost&, std::string_view rest) -> TRef<TImageStore> {
      asked.push_back(prefix + std::string(rest));
      auto bitmap = MakeRef<TPixelImage>(64, 32, TPixelFormat::kARGB32);
      return MakeRef<TMemoryBitmapStore>(prefix + std::string(rest), bitmap);
    };
  }
};

TEST_F(ZolImage, PictureNames) {
  struct TCase {
    std::string items;
    bool capturing;
    std::string want;
  };
  const TCase cases[] = {
      {"ImageName=a.png\nRestoreAlpha=1\n", false, "Mask: a.png"},
      {"ImageName=a.GIF\nRestoreAlpha=1\nAnimEnable=1\n", false, "Mask: a.GIF|framesatlas"},
      {"ImageName=a.gif\nRestoreAlpha=1\n", false, "Mask: a.gif"},  // a still GIF stays one picture
      {"ImageName=a.png\nReplaceWithEffectBuffer=2\n", false, "EffectResource2, 640, 480"},
      {"ReplaceWithEffectBuffer=3\n", true, "SlideEffectBuffer3, 640, 480"},
  };
  for (const TCase& c : cases) {
    TPictureRig rig({});
    TGeneratedNames names;
    for (TGeneratedPicture kind :
         {TGeneratedPicture::Mask, TGeneratedPicture::EffectResource, TGeneratedPicture::SlideEffectBuffer})
      rig.host->SetPictureGenerator(kind, names.Generator(std::string(GeneratedPicturePrefix(kind))));
    rig.host->SetBufferSizeCallback([] { return TSize{640, 480}; });
    rig.slide->SetCapturing(c.capturing);
    rig.Read(Obj("Image", "I", c.items));
    rig.At(0);
    EXPECT_EQ(names.asked, std::vector<std::string>{c.want}) << c.items;
    EXPECT_TRUE(rig.Get("I").Picture()) << c.items;
  }
}

TEST_F(ZolImage, ChangingThePictureParametersLoadsAnotherPicture) {
  TPictureRig rig({{"a.png", PngOf(20, 10)}, {"b.png", PngOf(30, 10)}});
  rig.Read(Obj("Image", "I", "ImageName=a.png\n"));
  rig.At(0);
  EXPECT_EQ(rig.Get("I").PictureWidth(), 20);
  rig.Read(Obj("Image", "I", "ImageName=a.png\nEnableBorder=1\n"));
  TPackedImage* kept = rig.Get("I").Picture();
  EXPECT_TRUE(kept) << "other parameters keep the picture";
  rig.Read(Obj("Image", "I", "ImageName=b.png\n"));
  EXPECT_EQ(rig.Get("I").Picture(), nullptr) << "a new name drops it";
  rig.At(10);
  EXPECT_EQ(rig.Get("I").PictureWidth(), 30);
  EXPECT_EQ(rig.Get("I").ContentSize(), (TSizeF{30, 10}));
}

TEST_F(ZolImage, CroppedPictureCoversTheObjectRectangle) {
  TPictureRig rig({{"wide.png", PngOf(1000, 500)}});
  rig.Read(Obj("Image", "I", "ImageName=wide.png\nEnableCrop=1\nCropRect=10,0,10,0\n"));
  rig.At(0);
  TZolImage& image = rig.Get("I");
  EXPECT_EQ(image.ContentSize(), (TSizeF{800, 500}));
  EXPECT_EQ(image.DrawFrame().rect, (TRectF{100, 0, 900, 500}));

  auto drawer = MakeRef<TRecordingDrawer>();
  drawer->DrawItem(*rig.slide);
  ASSERT_EQ(drawer->images.size(), 1u);
  const test::TImageCall& call = drawer->images[0];
  EXPECT_EQ(call.image, &image);
  EXPECT_EQ(call.params.sourceRect, (TRectF{100, 0, 900, 500}));
  EXPECT_EQ(call.position, image.Frame().origin);
  // Placed into the 1000 x 800 slide: 800 x 500 grows to 1000 x 625.
  test::ExpectNear3(call.TopLeft(), {0, 87.5f, 0});
  test::ExpectNear3(call.TopLeft() + call.xAxis * 800 + call.yAxis * 500, {1000, 712.5f, 0});
  EXPECT_TRUE(call.params.featherEdges);
  EXPECT_FLOAT_EQ(call.params.opacity, 100);
  EXPECT_EQ(call.params.level, 0);
  EXPECT_EQ(call.params.gradeMode, TColorGradeMode::None);
  EXPECT_TRUE(drawer->frames.empty()) << "no border asked for";
}

TEST_F(ZolImage, ZoomShowsLessOfThePictureInTheSameRectangle) {
  TPictureRig rig({{"wide.png", PngOf(1000, 500)}});
  rig.Read(Obj("Image", "I", "ImageName=wide.png\nEnableAspect=1\nAspect=1\n",
               Key("Time=0\nZoom=100\n") + Key("Time=1000\nZoom=200\nOffsX=100\n")));
  struct TStep {
    double t;
    TRectF rect;
  };
  // At 500 ms Zoom 150 (visible 2/3) and the offset moves so that the same
  // picture point stays in the middle while the zoom changes.
  for (const TStep& step : {TStep{0, {250, 0, 750, 500}}, TStep{1000, {750, 125, 1000, 375}}}) {
    rig.At(step.t);
    TZolImage& image = rig.Get("I");
    EXPECT_EQ(image.ContentSize(), (TSizeF{500, 500})) << step.t;
    EXPECT_EQ(image.DrawFrame().rect, step.rect) << step.t;
    auto drawer = MakeRef<TRecordingDrawer>();
    drawer->DrawItem(*rig.slide);
    ASSERT_EQ(drawer->images.size(), 1u);
    const test::TImageCall& call = drawer->images[0];
    // Whatever part is shown fills the object's rectangle.
    test::ExpectNear3(call.TopLeft(), Corner(image, 0, 0));
    test::ExpectNear3(call.TopLeft() + call.xAxis * step.rect.Width() + call.yAxis * step.rect.Height(),
                      Corner(image, 500, 500));
  }
}

TEST_F(ZolImage, BorderIsDrawnFirstAroundThePicture) {
  TPictureRig rig({{"wide.png", PngOf(1000, 500)}});
  rig.Read(Obj("Image", "I",
               "ImageName=wide.png\nEnableBorder=1\nBorderWidth=10\nBorderColor=-2147418368\nAntialiased=0\n",
               Key("Opacity=50\n")));
  rig.At(0);
  TZolImage& image = rig.Get("I");
  EXPECT_EQ(image.ContentSize(), (TSizeF{1100, 600}));
  auto drawer = MakeRef<TRecordingDrawer>();
  drawer->DrawItem(*rig.slide);
  EXPECT_EQ(drawer->order, "FI");
  ASSERT_EQ(drawer->frames.size(), 1u);
  const test::TFrameCall& frame = drawer->frames[0];
  EXPECT_EQ(frame.placement.position, image.Frame().origin);
  EXPECT_EQ(frame.size, (TSizeF{1100, 600}));
  EXPECT_EQ(frame.borderWidths, (TSizeF{50, 50}));
  EXPECT_EQ(frame.colour, 0x8000FF00u) << "alpha kept, no colour management";
  EXPECT_FALSE(frame.smoothing);
  EXPECT_FLOAT_EQ(frame.opacity, 50);
  test::ExpectNear3(image.Frame().Apply(-frame.offset.x, -frame.offset.y), Corner(image, 0, 0));
  const test::TImageCall& call = drawer->images[0];
  EXPECT_EQ(call.params.borderColor, 0x8000FF00u);
  EXPECT_FLOAT_EQ(call.params.opacity, 50);
  test::ExpectNear3(call.TopLeft(), Corner(image, 50, 50));
  test::ExpectNear3(call.TopLeft() + call.xAxis * 1000 + call.yAxis * 500, Corner(image, 1050, 550));
}

TEST_F(ZolImage, SpriteSheetStepsThroughItsCells) {
  TPictureRig rig({{"sheet.png", PngOf(400, 200)}});
  rig.Read(Obj("Image", "I",
               "ImageName=sheet.png\nAnimEnable=1\nAnimColumns=2\nAnimRows=2\nAnimCount=4\nAnimInterval=100\n"
               "AnimRepCount=1\nEnableBorder=1\n"));
  struct TStep {
    double t;
    int frame;
    TRectF cell;
    bool changed;
  };
  const TStep steps[] = {{50, 0, {0, 0, 200, 100}, false},
                         {150, 1, {200, 0, 400, 100}, true},
                         {160, 1, {200, 0, 400, 100}, false},
                         {350, 3, {200, 100, 400, 200}, true},
                         {900, 3, {200, 100, 400, 200}, false}};
  rig.At(0);
  rig.slide->Commit(true);
  for (const TStep& step : steps) {
    rig.At(step.t);
    TZolImage& image = rig.Get("I");
    EXPECT_EQ(image.AnimationFrameIndex(), step.frame) << step.t;
    EXPECT_EQ(image.IsChanged(), step.changed) << step.t;
    auto drawer = MakeRef<TRecordingDrawer>();
    drawer->DrawItem(*rig.slide);
    EXPECT_EQ(drawer->order, "I") << "no border around a sprite";
    const TImageDrawParams& params = drawer->images.at(0).params;
    EXPECT_EQ(params.sourceRect, step.cell) << step.t;
    EXPECT_TRUE(params.animated);
    EXPECT_FALSE(params.featherEdges);
    EXPECT_EQ(params.columns, 2);
    EXPECT_EQ(params.rows, 2);
    test::ExpectNear3(drawer->images[0].TopLeft(), Corner(image, 0, 0));
    EXPECT_FALSE(rig.slide->IsChanged()) << "drawing commits the frame";
  }
}

TEST_F(ZolImage, TextureLevelFollowsTheLargestDisplayedSize) {
  TPictureRig rig({{"big.png", PngOf(1600, 1280)}});
  // Placed into the slide at a quarter: at most 250 x 200 pixels on screen.
  const std::string small = Obj("Image", "I", "ImageName=big.png\n", Key("ScaleX=25\nScaleY=25\n"));
  const std::string full = Obj("Image", "I", "ImageName=big.png\n", Key("ScaleX=100\nScaleY=100\n"));
  rig.Read(small);
  rig.At(0);
  TZolImage& image = rig.Get("I");
  EXPECT_NEAR(image.LargestDisplayedSize().width, 250, 0.01);
  EXPECT_EQ(image.TextureLevel(), 2);

  auto drawer = MakeRef<TRecordingDrawer>();
  rig.slide->PrepareDevice(*drawer);
  ASSERT_EQ(drawer->prepared.size(), 1u);
  EXPECT_EQ(drawer->prepared[0].first, &image);
  EXPECT_EQ(drawer->prepared[0].second.level, 2);
  EXPECT_EQ(image.PreparedLevel(), 2);

  rig.Read(full);
  rig.At(0);
  EXPECT_EQ(image.TextureLevel(), 2) << "never below the prepared textures";
  rig.slide->ReleaseDevice(*drawer);
  EXPECT_EQ(drawer->released, std::vector<TZolImage*>{&image});
  rig.At(10);
  EXPECT_EQ(image.TextureLevel(), 0);
}

// Records the shadow calls objects make.
class TShadowRecorder : public TImageShadowPainter {
 public:
  std::vector<std::pair<TZolImage*, TShadowDraw>> drawn;
  std::vector<TZolImage*> updated;
  void Update(TZolImage& object) override { updated.push_back(&object); }
  void Draw(TZolImage& object, TDeviceDrawer& drawer, const TShadowDraw& draw) override {
    drawn.emplace_back(&object, draw);
    static_cast<TRecordingDrawer&>(drawer).order += "S";
  }
};

TEST_F(ZolImage, ShadowsAreDrawnFirstByThePainter) {
  auto recorder = std::make_shared<TShadowRecorder>();
  std::shared_ptr<TImageShadowPainter> previous = SetImageShadowPainter(recorder);
  {
    TPictureRig rig({{"a.png", PngOf(40, 10)}});
    rig.Read(Obj("Image", "I", "ImageName=a.png\nShadowEnable=1\nShadowOpacity=50\nShadowColor=255\n",
                 Key("Opacity=80\n")) +
             Obj("Image", "Plain", "ImageName=a.png\n"));
    rig.At(0);
    TZolImage& image = rig.Get("I");
    ASSERT_FALSE(recorder->updated.empty()) << "asked at the geometry updates";
    for (TZolImage* updated : recorder->updated) EXPECT_EQ(updated, &image) << "only objects with a shadow";
    auto drawer = MakeRef<TRecordingDrawer>();
    drawer->DrawItem(*rig.slide);
    EXPECT_EQ(drawer->order, "SII");
    ASSERT_EQ(recorder->drawn.size(), 1u);
    const TShadowDraw& shadow = recorder->drawn[0].second;
    EXPECT_FLOAT_EQ(shadow.opacity, 40);
    EXPECT_FLOAT_EQ(shadow.blurBase, 20) << "the square root of the content's area";
    EXPECT_EQ(shadow.color, 0x0000FFu);
    EXPECT_EQ(shadow.placement.position, image.Frame().origin);
    EXPECT_EQ(shadow.viewOffset, (TPointF{20, 5}));
  }
  SetImageShadowPainter(std::move(previous));
}

TEST_F(ZolImage, NothingIsDrawnAtZeroOpacity) {
  TPictureRig rig({{"a.png", PngOf(20, 10)}});
  rig.Read(Obj("Image", "I", "ImageName=a.png\n", Key("Opacity=0\n")));
  rig.At(0);
  auto drawer = MakeRef<TRecordingDrawer>();
  drawer->DrawItem(*rig.slide);
  EXPECT_TRUE(drawer->images.empty());
}

}  // namespace
}  // namespace zol
