#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/slide_host.h"
#include "package/mapped_file_source.h"
#include "support/temp_dir.h"

namespace zol {
namespace {

TEST(SlideHost, GeneratedNamesByPrefix) {
  struct TCase {
    std::string_view name;
    std::optional<TGeneratedPicture> kind;
    std::string_view rest;
  };
  const TCase cases[] = {
      {"Button: aqua|0|120", TGeneratedPicture::Button, "aqua|0|120"},
      {"Shadow: 12", TGeneratedPicture::Shadow, "12"},
      {"Text: Hello", TGeneratedPicture::Text, "Hello"},
      {"TextWithSize:300x40", TGeneratedPicture::TextWithSize, "300x40"},
      {"Mask: pics\\a.png", TGeneratedPicture::Mask, "pics\\a.png"},
      {"PresetedMask:soft", TGeneratedPicture::PresetedMask, "soft"},
      {"SlideEffectBuffer1, 640, 480", TGeneratedPicture::SlideEffectBuffer, "1, 640, 480"},
      {"EffectResource3, 64, 48", TGeneratedPicture::EffectResource, "3, 64, 48"},
      {"pics\\photo.jpg", std::nullopt, ""},
      {"button: aqua", std::nullopt, ""},
      {"Text:no space", std::nullopt, ""},
      {"", std::nullopt, ""},
  };
  for (const TCase& c : cases) {
    const std::optional<TGeneratedName> got = ParseGeneratedName(c.name);
    ASSERT_EQ(got.has_value(), c.kind.has_value()) << c.name;
    if (!got) continue;
    EXPECT_EQ(got->kind, *c.kind) << c.name;
    EXPECT_EQ(got->rest, c.rest) << c.name;
  }
}

class SlideHostFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    source_ = MakeRef<TMappedFileSource>();
    accessor_ = MakeRef<TFileAccessor>(source_);
  }

  test::TempDir dir_;
  TRef<TMappedFileSource> source_;
  TRef<TFileAccessor> accessor_;
};

TEST_F(SlideHostFiles, PicturesByGeneratedNameComeFromTheGenerators) {
  auto host = MakeRef<TZolSlideHost>(accessor_);
  std::vector<std::string> asked;
  auto face = MakeRef<TImageStore>();
  host->SetPictureGenerator(TGeneratedPicture::Button, [&](TZolSlideHost& from, std::string_view rest) {
    EXPECT_EQ(&from, host.get());
    asked.emplace_back(rest);
    return TRef<TImageStore>(face);
  });
  host->SetPictureGenerator(TGeneratedPicture::Shadow,
                            [](TZolSlideHost&, std::string_view) -> TRef<TImageStore> {
                              throw std::runtime_error("out of memory");
                            });

  TRef<TPackedImage> image = host->LoadPicture("Button: host-test|1");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Store().get(), face.get());
  EXPECT_EQ(asked, std::vector<std::string>{"host-test|1"});
  // Any accessor on the same source reaches the host.
  auto other = MakeRef<TFileAccessor>(TRef<TFileSource>(source_));
  EXPECT_EQ(other->LoadImage("Button: host-test|2")->Store().get(), face.get());
  EXPECT_EQ(host->ProvidePicture("Shadow: x"), nullptr) << "a failing generator gives nothing";
  EXPECT_EQ(host->ProvidePicture("Text: x"), nullptr) << "no generator for texts here";
  EXPECT_EQ(host->ProvidePicture("photo.jpg"), nullptr);

  host = nullptr;
  asked.clear();
  accessor_->LoadImage("Button: host-test|3");
  EXPECT_TRUE(asked.empty()) << "a freed host is no longer asked";
}

TEST_F(SlideHostFiles, DefaultGeneratorsAreTakenAtCreation) {
  auto mask = MakeRef<TImageStore>();
  TPictureGenerator previous = SetDefaultPictureGenerator(
      TGeneratedPicture::Mask, [mask](TZolSlideHost&, std::string_view) { return TRef<TImageStore>(mask); });
  auto host = MakeRef<TZolSlideHost>(accessor_);
  SetDefaultPictureGenerator(TGeneratedPicture::Mask, std::move(previous));
  EXPECT_EQ(host->ProvidePicture("Mask: a.png").get(), mask.get());
  EXPECT_EQ(MakeRef<TZolSlideHost>(nullptr)->ProvidePicture("Mask: a.png"), nullptr);
}

TEST_F(SlideHostFiles, ExeGuidIsReadOnCreation) {
  struct TCase {
    std::string content;  // "-": no file at all
    std::string want;
  };
  const TCase cases[] = {
      {"\xEF\xBB\xBF {6F9619FF-8B86-D011-B42D-00CF4FC964FF}\r\n", "{6F9619FF-8B86-D011-B42D-00CF4FC964FF}"},
      {"abc", "abc"},
      {"", ""},
      {"-", ""},
      {std::string(5000, 'x'), ""},  // not a GUID file
  };
  int n = 0;
  for (const TCase& c : cases) {
    auto source = MakeRef<TMappedFileSource>();
    if (c.content != "-") source->AddMapping("ExeGUID", dir_.Write("guid" + std::to_string(n++), c.content));
    auto host = MakeRef<TZolSlideHost>(MakeRef<TFileAccessor>(TRef<TFileSource>(source)));
    EXPECT_EQ(host->ExeGuid(), c.want);
  }
}

TEST(SlideHost, CallbacksAndTheirDefaults) {
  auto host = MakeRef<TZolSlideHost>(nullptr);
  EXPECT_EQ(host->CameraPosition(), TZolSlideHost::kDefaultCamera);
  EXPECT_EQ(host->TransitionBufferSize(), TSize{});
  EXPECT_FALSE(host->ColorManaged());
  EXPECT_EQ(host->DisplayColor(0x123456), 0x123456u);
  EXPECT_EQ(host->LoadPicture("a.png"), nullptr);
  host->SetCameraCallback([] { return TPoint3F{1, 2, -3}; });
  host->SetBufferSizeCallback([] { return TSize{640, 480}; });
  EXPECT_EQ(host->CameraPosition(), (TPoint3F{1, 2, -3}));
  EXPECT_EQ(host->TransitionBufferSize(), (TSize{640, 480}));
}

}  // namespace
}  // namespace zol
