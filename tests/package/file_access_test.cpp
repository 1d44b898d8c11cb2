#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "foundation/memory_stream.h"
#include "package/disk_path.h"
#include "package/file_accessor.h"
#include "package/image_decoding.h"
#include "package/path_modifiers.h"
#include "package/real_file_source.h"
#include "platform/special_folders.h"
#include "support/temp_dir.h"
#include "support/stream_text.h"

namespace zol {
namespace {

using test::ReadAll;

TEST(DiskPath, WindowsNamesBecomeLocalPaths) {
  const std::pair<const char*, const char*> cases[] = {
      {"pics\\a.jpg", "pics/a.jpg"},
      {"C:\\Shows\\a.jpg", "/Shows/a.jpg"},
      {"d:relative.png", "relative.png"},
      {"/already/local", "/already/local"},
      {"", ""},
  };
  for (const auto& [name, path] : cases) EXPECT_EQ(ToDiskPath(name), path) << name;
  EXPECT_EQ(FolderOf("a\\b/c.jpg"), "a\\b/");
  EXPECT_EQ(FileNameOf("a\\b/c.jpg"), "c.jpg");
  EXPECT_EQ(FileNameOf("plain"), "plain");
}

TEST(DiskPath, NamesMatchExistingFilesWithoutRegardToCase) {
  test::TempDir dir;
  std::string exact = dir.Write("Shows/Pics/Photo.JPG", "x");
  const std::string root = dir.Path().string();
  EXPECT_EQ(FindDiskFile(exact), exact);
  EXPECT_EQ(FindDiskFile(root + "\\shows\\PICS\\photo.jpg"), exact);
  EXPECT_EQ(FindDiskFile("C:" + root + "\\Shows\\Pics\\Photo.JPG"), exact) << "drive letters are dropped";
  EXPECT_EQ(FindDiskFile(root + "/Shows/Pics/other.jpg"), std::nullopt);
  EXPECT_EQ(FindDiskFile(root + "/Shows/Pics"), std::nullopt) << "a folder is not a file";
}

TEST(RealFileSource, OpensTheFileNamedBeforeABar) {
  test::TempDir dir;
  std::string file = dir.Write("music.zmc", "composite");
  auto source = MakeRef<TRealFileSource>();
  auto stream = source->Open(file + "|track 2");
  ASSERT_TRUE(stream);
  EXPECT_EQ(ReadAll(*stream), "composite");
  EXPECT_FALSE(source->Open(dir / "missing.zmc"));
}

class PathModifierTest : public ::testing::Test {
 protected:
  void TearDown() override { InstallPathModifiers(StartupPathModifiers()); }
  test::TempDir dir_;
};

TEST_F(PathModifierTest, StartupListPointsBesideTheProgramThenToTheUsersCopies) {
  TPathModifierList list = StartupPathModifiers();
  ASSERT_EQ(list.size(), 4u);
  const std::string program = platform::ProgramFolder(), data = platform::UserDataFolder();
  EXPECT_EQ(list[0].token, "%styles%");
  EXPECT_EQ(list[0].target, program + "/All/Themes");
  EXPECT_FALSE(list[0].isDefault);
  EXPECT_EQ(list[1].target, data + "/Tavmer/Styles");
  EXPECT_TRUE(list[1].isDefault);
  EXPECT_EQ(list[2].target, program + "/All/Effects");
  EXPECT_EQ(list[3].target, data + "/Tavmer/Effects");
}

TEST_F(PathModifierTest, FirstTargetHoldingTheFileWinsElseTheDefault) {
  const std::string shared = dir_ / "shared", user = dir_ / "user";
  TPathModifierList list;
  AddPathModifier(list, "%STYLES%", shared + "/", false);
  AddPathModifier(list, "%styles%", user, true);
  InstallPathModifiers(list);

  // Only the user's copy exists, or none: the default is taken either way.
  EXPECT_EQ(ApplyPathModifiers("%Styles%\\aqua\\face.png"), user + "\\aqua\\face.png");
  dir_.Write("user/aqua/face.png", "u");
  EXPECT_EQ(ApplyPathModifiers("%styles%\\aqua\\face.png"), user + "\\aqua\\face.png");
  // Once the shared copy exists it wins; a bar suffix does not hide the file.
  dir_.Write("shared/aqua/face.png", "s");
  EXPECT_EQ(ApplyPathModifiers("%styles%\\aqua\\face.png|part"), shared + "\\aqua\\face.png|part");
  // Unknown tokens stay; several tokens are each replaced.
  EXPECT_EQ(ApplyPathModifiers("%nothing%\\x"), "%nothing%\\x");
  EXPECT_EQ(ApplyPathModifiers("50% off %styles%"), "50% off %styles%") << "no closing percent after the token";
}

TEST_F(PathModifierTest, TargetsAreMadeAbsoluteAndSpecialFoldersExpanded) {
  TPathModifierList list;
  AddPathModifier(list, "%a%", "..\\Shared\\Styles\\", false);
  AddPathModifier(list, "%b%", "%APPDATA%\\Zol", false);
  AddPathModifier(list, "%c%", "plain", false);
  std::string program = platform::ProgramFolder();
  std::string parent = program.substr(0, program.find_last_of('/'));
  EXPECT_EQ(list[0].target, parent + "/Shared/Styles");
  EXPECT_EQ(list[1].target, platform::UserConfigFolder() + "/Zol");
  EXPECT_EQ(list[2].target, program + "/plain");

  EXPECT_EQ(ExpandLeadingSpecialFolder("%LocalAppData%\\x"), platform::UserDataFolder() + "/x");
  EXPECT_EQ(ExpandLeadingSpecialFolder("%PROGRAMDATA%"), "/usr/local/share/");
  EXPECT_EQ(ExpandLeadingSpecialFolder("x\\%APPDATA%"), "x\\%APPDATA%") << "only at the start";
  EXPECT_EQ(ExpandLeadingSpecialFolder("%AVERYLONGTOKEN%\\x"), "%AVERYLONGTOKEN%\\x");
}

// A picture store standing for a decoded bitmap.
class TFakeStore : public TImageStore {
 public:
  explicit TFakeStore(std::string what) : what(std::move(what)) {}
  const std::string what;
};

std::string What(const TRef<TPackedImage>& image) {
  return image ? static_cast<TFakeStore*>(image->Store().get())->what : "(none)";
}

class ImageCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetImageDecoder([this](TRef<TStream> stream, std::string_view, TFileSource&) -> TRef<TImageStore> {
      ++decodes_;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let a second loader arrive
      std::string bytes = ReadAll(*stream);
      if (bytes.rfind("PIC:", 0) != 0) return nullptr;
      return MakeRef<TFakeStore>(bytes.substr(4));
    });
    SetPlaceholderPainter([](std::string_view name, bool loadFailed, bool isVideo) -> TRef<TImageStore> {
      return MakeRef<TFakeStore>(std::string(PlaceholderMessage(loadFailed, isVideo)) + " " +
                                 FileNameOf(name));
    });
  }
  void TearDown() override {
    SetImageDecoder(nullptr);
    SetPlaceholderPainter(nullptr);
  }

  test::TempDir dir_;
  std::atomic<int> decodes_{0};
};

TEST_F(ImageCacheTest, SamePictureLoadedFromTwoThreadsDecodesOnce) {
  std::string file = dir_.Write("photo.jpg", "PIC:sunset");
  auto accessor = MakeRef<TFileAccessor>(MakeRef<TRealFileSource>());
  int liveBefore = TImageCache::Process().LiveHandles();
  TRef<TPackedImage> a, b;
  std::thread first([&] { a = accessor->LoadImage(file); });
  std::thread second([&] { b = accessor->LoadImage(file); });
  first.join();
  second.join();
  EXPECT_EQ(decodes_, 1);
  EXPECT_EQ(What(a), "sunset");
  EXPECT_EQ(a->Store(), b->Store());
  EXPECT_TRUE(TImageCache::Process().Contains(file, accessor->Source().Serial()));

  // A clone of the accessor shares the source, and so the decoded picture.
  EXPECT_EQ(accessor->Clone()->LoadImage(file)->Store(), a->Store());
  EXPECT_EQ(decodes_, 1);

  a.reset();
  b.reset();
  EXPECT_FALSE(TImageCache::Process().Contains(file, accessor->Source().Serial()));
  EXPECT_EQ(TImageCache::Process().LiveHandles(), liveBefore);

  // Another source decodes its own copy.
  auto other = MakeRef<TFileAccessor>(MakeRef<TRealFileSource>());
  EXPECT_EQ(What(other->LoadImage(file)), "sunset");
  EXPECT_EQ(decodes_, 2);
}

TEST_F(ImageCacheTest, MissingAndBrokenPicturesGetTheirPlaceholders) {
  auto accessor = MakeRef<TFileAccessor>(MakeRef<TRealFileSource>());
  EXPECT_EQ(What(accessor->LoadImage(dir_ / "gone.jpg")), "Image not found gone.jpg");
  std::string broken = dir_.Write("broken.jpg", "garbage");
  EXPECT_EQ(What(accessor->LoadImage(broken)), "Image load error: broken.jpg");

  SetPlaceholderPainter(nullptr);
  EXPECT_EQ(accessor->LoadImage(dir_ / "gone2.jpg"), nullptr) << "no painter, no picture";
}

TEST_F(ImageCacheTest, ImageProvidersAreAskedFirstAndUnregisterWithTheirHandle) {
  std::string file = dir_.Write("face.png", "PIC:from disk");
  auto source = MakeRef<TRealFileSource>();
  auto accessor = MakeRef<TFileAccessor>(source);
  {
    auto handle = source->RegisterImageProvider([](TFileSource&, std::string_view name) -> TRef<TImageStore> {
      if (FileNameOf(name) != "face.png") return nullptr;
      return MakeRef<TFakeStore>("generated");
    });
    EXPECT_EQ(What(accessor->LoadImage(file)), "generated");
    EXPECT_EQ(decodes_, 0);
  }
  EXPECT_EQ(What(accessor->LoadImage(file)), "from disk");
}

TEST(FileAccessor, DiskFilesResolveAsNamedThenInTheBaseFolder) {
  test::TempDir dir;
  std::string file = dir.Write("show/media/song.mp3", "ID3");
  auto accessor = MakeRef<TFileAccessor>(MakeRef<TRealFileSource>());
  EXPECT_EQ(accessor->ResolveDiskFile(file), file);
  EXPECT_EQ(accessor->ResolveDiskFile("D:\\Authoring\\song.mp3"), std::nullopt);
  accessor->SetBaseFolder(dir / "show/media");
  EXPECT_EQ(accessor->BaseFolder(), dir / "show/media/");
  EXPECT_EQ(accessor->ResolveDiskFile("D:\\Authoring\\SONG.mp3"), file);
  auto stream = accessor->OpenDiskFile("D:\\Authoring\\song.mp3|1");
  ASSERT_TRUE(stream);
  EXPECT_EQ(ReadAll(*stream), "ID3");
  EXPECT_EQ(accessor->Clone()->BaseFolder(), accessor->BaseFolder());
}

TEST(FileAccessor, StreamsComeAsWindowsThatYield) {
  test::TempDir dir;
  std::string file = dir.Write("data.bin", std::string(1000, 'z'));
  auto stream = DefaultFileAccessor()->OpenStream(file);
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->GetSize(), 1000);
  EXPECT_EQ(ReadAll(*stream), std::string(1000, 'z'));
  EXPECT_EQ(DefaultFileAccessor()->OpenStream(dir / "none.bin"), nullptr);
}

}  // namespace
}  // namespace zol
