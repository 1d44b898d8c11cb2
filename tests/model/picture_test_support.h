// Test helpers for the picture kinds: the kinds installed for the life of a
// test, a show package holding pictures and button themes, a slide of a
// 1000 x 800 show read from a project text against that package, and a
// drawer that records what objects ask of it.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "foundation/file_stream.h"
#include "image/image_loaders.h"
#include "image/png_writer.h"
#include "model/picture_kinds.h"
#include "model/slide_host.h"
#include "model/text_picture.h"
#include "model/zol_button.h"
#include "model/zol_image.h"
#include "model/zol_slide.h"
#include "model/zol_text.h"
#include "object_test_support.h"
#include "package/file_accessor.h"
#include "package/package_writer.h"
#include "package/packed_file_source.h"
#include "package/zol_unpack.h"
#include "render/image_draw_params.h"
#include "support/quiet_drawer.h"
#include "support/temp_dir.h"

namespace zol::test {

// The picture kinds and the text painter, removed again at the end of the test.
class TPictureKindsScope {
 public:
  TPictureKindsScope() {
    TObjectCreator previous = SetObjectCreator(nullptr);
    previous_ = previous;
    SetObjectCreator(PictureKindsCreator(std::move(previous)));
    previousText_ = SetDefaultPictureGenerator(TGeneratedPicture::Text, GenerateTextPicture);
  }
  ~TPictureKindsScope() {
    SetObjectCreator(previous_);
    SetDefaultPictureGenerator(TGeneratedPicture::Text, previousText_);
  }
  TPictureKindsScope(const TPictureKindsScope&) = delete;
  TPictureKindsScope& operator=(const TPictureKindsScope&) = delete;

 private:
  TObjectCreator previous_;
  TPictureGenerator previousText_;
};

// A W x H picture of one colour as PNG bytes.
inline std::string PngOf(int width, int height, uint32_t argb = 0xFF336699,
                         TPixelFormat format = TPixelFormat::kRGB32) {
  TPixelImage picture(width, height, format);
  picture.Fill(argb);
  std::optional<std::string> bytes = EncodePng(picture);
  EXPECT_TRUE(bytes);
  return bytes.value_or("");
}

// A button theme description whose design face is WIDTH x HEIGHT.
inline std::string ThemeText(int width, int height, std::string_view textParams = "") {
  std::string text = "[NormalState]\nRight=r.png,0,0," + std::to_string(width) + "," +
                     std::to_string(height) + "\nBottom=b.png,0,0," + std::to_string(width) + "," +
                     std::to_string(height) + "\n";
  return text + "[TextParams]\n" + std::string(textParams);
}

// A package of FILES opened as a show's file source, and a slide of a
// 1000 x 800 show (show time 0 to 10000, camera at (500, 400, -800)) read
// against it. The button folder is "Buttons".
struct TPictureRig {
  TPoint3F camera{500, 400, -800};
  TempDir dir;
  TRef<TFileAccessor> accessor;
  TRef<TZolSlideHost> host;
  TRef<TIniFile> project;
  TRef<TZolSlide> slide;

  TPictureRig(const TPictureRig&) = delete;
  TPictureRig& operator=(const TPictureRig&) = delete;

  explicit TPictureRig(const std::vector<std::pair<std::string, std::string>>& files) {
    InstallImageLoaders();
    TPackageWriter writer({});
    // A package needs a file; the project itself is not read from it here.
    writer.Add("Project.zol", "[Main]\n");
    for (const auto& [name, bytes] : files) writer.Add(name, bytes);
    const std::string path = dir / "show.zolshow";
    {
      auto out = MakeRef<TFileStream>(path, TFileStream::Mode::Create);
      writer.Write(*out, 0);
    }
    auto package = MakeRef<TZolUnpack>(path);
    EXPECT_TRUE(package->IsOpen()) << package->Error();
    accessor = MakeRef<TFileAccessor>(MakeRef<TPackedFileSource>(std::move(package)));
    host = MakeRef<TZolSlideHost>(accessor);
    host->SetCameraCallback([this] { return camera; });
    host->SetButtonFolder("Buttons");
    slide = TZolSlide::Create(host);
    slide->SetDesignSize({1000, 800});
    slide->SetCameraCentre({500, 400});
    slide->SetTimes(0, 10000, 0, 0);
  }
  ~TPictureRig() {
    slide = nullptr;
    host = nullptr;
  }

  void Read(std::string_view rootBody) {
    project = ParseText(SlideText(rootBody));
    slide->ReadObjects(*project->Section("Slide1"), slide->TreeTiming());
  }
  void At(double showTime) { slide->Update(true, showTime); }

  template <class T = TZolImage>
  T& Get(std::string_view name) {
    TZolObject* found = TSlideRig::Find(*slide, name);
    T* typed = dynamic_cast<T*>(found);
    if (!typed) ADD_FAILURE() << "no object " << name << " of the kind asked for";
    return *typed;
  }
};

// One DrawImage call as the drawer received it.
struct TImageCall {
  TZolImage* image;
  TPoint3F position;
  TImageDrawParams params;
  TPoint3F xAxis;
  TPoint3F yAxis;
  TPointF viewOffset;

  // Where the drawn part's top-left corner lands.
  TPoint3F TopLeft() const { return position - xAxis * viewOffset.x - yAxis * viewOffset.y; }
};

struct TFrameCall {
  TPlacement placement;
  TPointF offset;
  bool smoothing;
  float opacity;
  uint32_t colour;
  TSizeF size;
  TSizeF borderWidths;
};

class TRecordingDrawer : public TQuietDrawer {
 public:
  std::vector<TImageCall> images;
  std::vector<TFrameCall> frames;
  std::vector<std::pair<TZolImage*, TImageDrawParams>> prepared;
  std::vector<TZolImage*> released;
  std::string order;  // "F" for a frame, "I" for an image, in call order

  void DrawImage(TZolImage& image, const TPoint3F& position, const TImageDrawParams& params,
                 const TPoint3F& xAxis, const TPoint3F& yAxis, const TPointF& viewOffset) override {
    images.push_back({&image, position, params, xAxis, yAxis, viewOffset});
    order += "I";
  }
  void DrawFrame(const TPlacement& placement, const TPointF& offset, bool smoothing, float opacity,
                 uint32_t colour, const TSizeF& size, const TSizeF& borderWidths) override {
    frames.push_back({placement, offset, smoothing, opacity, colour, size, borderWidths});
    order += "F";
  }
  void PrepareImage(TZolImage& image, const TImageDrawParams& params) override {
    prepared.emplace_back(&image, params);
  }
  void ReleaseImage(TZolImage& image) override { released.push_back(&image); }
};

}  // namespace zol::test
