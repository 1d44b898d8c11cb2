// A text whose show carries its stored layout and glyph caches renders
// without any font installed, exactly as it did from the fonts; a show
// without them (or with a damaged one) gets a layout made here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "foundation/file_stream.h"
#include "package/package_writer.h"
#include "package/packed_file_source.h"
#include "package/zol_unpack.h"
#include "support/run_program.h"
#include "support/temp_dir.h"
#include "text/font_cache.h"
#include "text/glyph_cache_format.h"
#include "text/text_error.h"
#include "text/text_layout.h"
#include "text/text_renderer.h"
#include "text/vector_text_format.h"
#include "text/vector_text_loader.h"
#include "text_test_support.h"

namespace zol {
namespace {

TTextParams SampleParams() {
  TTextParams params;
  params.lines = {"Stored Text", "with two lines"};
  params.fontName = "DejaVu Serif";
  params.style.italic = true;
  params.style.underline = true;
  params.textColor = PackColor(20, 40, 200, 255);
  return params;
}

// The files a show would carry for PARAMS: its layout and the glyph cache of
// each font it uses (laid out here with the installed fonts).
std::map<std::string, std::string> StoredFiles(const TTextParams& params) {
  TRef<TCachedVectorText> layout = LayoutText(params.lines, params.Font());
  std::map<std::string, std::string> files;
  files[std::string(kVectorTextPrefix) + LayoutKey(params)] = WriteVectorText(*layout);
  for (const std::string& key : layout->fontKeys)
    files[std::string(kGlyphCachePrefix) + key] = WriteGlyphCache(*TFontCache::Instance().GetOrCreate(key));
  return files;
}

std::string EmptyFontConfig(const test::TempDir& dir) {
  return dir.Write("empty.conf",
                   "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                   "<fontconfig><cachedir>" + (dir / "cache") + "</cachedir></fontconfig>\n");
}

// Files as one blob: per file its name and bytes, each after its length.
std::string WriteBundle(const std::map<std::string, std::string>& files) {
  std::string out;
  for (const auto& [name, bytes] : files)
    for (const std::string* part : {&name, &bytes}) out += std::to_string(part->size()) + ":" + *part;
  return out;
}
std::map<std::string, std::string> ReadBundle(const std::string& blob) {
  std::map<std::string, std::string> files;
  size_t pos = 0;
  auto part = [&] {
    const size_t colon = blob.find(':', pos);
    const size_t size = std::stoul(blob.substr(pos, colon - pos));
    pos = colon + 1 + size;
    return blob.substr(colon + 1, size);
  };
  while (pos < blob.size()) {
    std::string name = part();
    files[name] = part();
  }
  return files;
}

std::string PictureBytes(const TPixelImage& picture) {
  std::string bytes;
  for (int y = 0; y < picture.Height(); ++y)
    bytes.append(reinterpret_cast<const char*>(picture.ScanLine(y)), size_t(picture.Width()) * 4);
  return std::to_string(picture.Width()) + "x" + std::to_string(picture.Height()) + ":" + bytes;
}

// A real package (compressed and ciphered) holding FILES, read back through
// the package's own file source.
TRef<TFileSource> PackageSource(const test::TempDir& dir, const std::map<std::string, std::string>& files) {
  TPackageOptions options;
  options.compress = true;
  options.cipher = true;
  TPackageWriter writer(options);
  writer.Add("Project.zol", "[Main]\r\n");
  for (const auto& [name, bytes] : files) writer.Add(name, bytes);
  const std::string path = dir / "show.pkg";
  {
    auto out = MakeRef<TFileStream>(path, TFileStream::Mode::Create);
    writer.Write(*out, 0);
  }
  auto package = MakeRef<TZolUnpack>(path);
  EXPECT_TRUE(package->IsOpen()) << package->Error();
  return MakeRef<TPackedFileSource>(package);
}

TEST(StoredText, RendersWithoutAnyFontInstalled) {
  const TTextParams params = SampleParams();
  const double scale = 0.7;
  const TRenderedText fromFonts = RenderText(params, scale, nullptr);
  const std::map<std::string, std::string> files = StoredFiles(params);
  test::TempDir dir;
  auto memory = MakeRef<test::TMemorySource>();
  for (auto& [name, bytes] : files) memory->Add(name, bytes);
  const TRef<TFileSource> sources[] = {memory, PackageSource(dir, files)};

  test::TFontConfigurationScope noFonts(EmptyFontConfig(dir));
  ASSERT_TRUE(noFonts.ok);
  // There really is no font now.
  EXPECT_THROW(LayoutText({"x"}, {}), ETextError);
  EXPECT_FALSE(TWinVectorizer::Instance().IsOutlineFont({"DejaVu Serif"}));

  for (const TRef<TFileSource>& source : sources) {
    TFontCache::Instance().Clear();
    auto accessor = MakeRef<TFileAccessor>(source);
    TRef<TVectorText> stored = LoadVectorText(params, accessor.get());
    EXPECT_TRUE(stored->Stored());
    const TRenderedText fromPackage = RenderText(params, scale, accessor.get());
    ASSERT_TRUE(fromPackage.picture);
    EXPECT_EQ(PictureBytes(*fromPackage.picture), PictureBytes(*fromFonts.picture));
    EXPECT_EQ(fromPackage.runRects.size(), fromFonts.runRects.size());
  }

  // Without the package the text cannot be drawn at all.
  EXPECT_THROW(RenderText(params, scale, nullptr), ETextError);
  EXPECT_FALSE(RenderTextPicture("t1;1;1;0;ffffffff;-;regular;;1;x", nullptr));
}

// The same in a process of its own whose fontconfig was pointed at an empty
// configuration from the start (FONTCONFIG_FILE): run by the next test.
TEST(StoredText, DISABLED_ChildRendersFromStoredFiles) {
  const char* folder = std::getenv("ZOL_STORED_TEXT_DIR");
  ASSERT_TRUE(folder) << "runs only as the child of RendersInAProcessWithAnEmptyFontConfiguration";
  EXPECT_FALSE(TWinVectorizer::Instance().IsOutlineFont({"DejaVu Serif"}));
  EXPECT_THROW(LayoutText({"x"}, {}), ETextError);
  auto source = MakeRef<test::TMemorySource>();
  for (auto& [name, bytes] : ReadBundle(test::ReadFile(std::string(folder) + "/files"))) source->Add(name, bytes);
  auto accessor = MakeRef<TFileAccessor>(source);
  const TRenderedText r = RenderText(SampleParams(), 0.7, accessor.get());
  ASSERT_TRUE(r.picture);
  EXPECT_EQ(PictureBytes(*r.picture), test::ReadFile(std::string(folder) + "/expected"));
}

TEST(StoredText, RendersInAProcessWithAnEmptyFontConfiguration) {
  test::TempDir dir;
  const TTextParams params = SampleParams();
  const std::map<std::string, std::string> files = StoredFiles(params);
  dir.Write("files", WriteBundle(files));
  dir.Write("expected", PictureBytes(*RenderText(params, 0.7, nullptr).picture));
  const test::RunResult run = test::RunCommand(
      "FONTCONFIG_FILE=" + test::ShellQuote(EmptyFontConfig(dir)) + " ZOL_STORED_TEXT_DIR=" +
      test::ShellQuote(dir.Path().string()) + " " + test::ShellQuote(test::BuiltProgram("text_tests")) +
      " --gtest_also_run_disabled_tests --gtest_filter=StoredText.DISABLED_ChildRendersFromStoredFiles");
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("[  PASSED  ] 1 test"), std::string::npos) << run.out;
}

TEST(StoredText, IncompleteOrDamagedStoredFormsAreLaidOutHere) {
  const TTextParams params = SampleParams();
  const std::map<std::string, std::string> files = StoredFiles(params);
  const std::string layoutName = std::string(kVectorTextPrefix) + LayoutKey(params);
  struct TCase {
    const char* what;
    std::function<void(std::map<std::string, std::string>&)> damage;
    bool stored;
  };
  const TCase cases[] = {
      {"whole", [](auto&) {}, true},
      {"no glyph cache", [&](auto& f) { std::erase_if(f, [&](auto& e) { return e.first != layoutName; }); }, false},
      {"damaged glyph cache",
       [&](auto& f) {
         for (auto& [name, bytes] : f)
           if (name != layoutName) bytes.resize(bytes.size() / 2);
       },
       false},
      {"damaged layout", [&](auto& f) { f[layoutName].resize(7); }, false},
      {"no layout", [&](auto& f) { f.erase(layoutName); }, false},
  };
  for (const TCase& c : cases) {
    TFontCache::Instance().Clear();
    std::map<std::string, std::string> show = files;
    c.damage(show);
    auto source = MakeRef<test::TMemorySource>();
    for (auto& [name, bytes] : show) source->Add(name, bytes);
    auto accessor = MakeRef<TFileAccessor>(source);
    TRef<TVectorText> text = LoadVectorText(params, accessor.get());
    EXPECT_EQ(text->Stored(), c.stored) << c.what;
    EXPECT_EQ(text->LineCount(), 2u) << c.what;
    EXPECT_TRUE(RenderText(params, 0.5, accessor.get()).picture) << c.what;
  }
}

TEST(FontCache, CachesFromAnotherShowAreForgotten) {
  TFontCache& cache = TFontCache::Instance();
  cache.Clear();
  auto source = MakeRef<test::TMemorySource>();
  auto stored = MakeRef<TGlyphCache>("Shared Key", true);
  TGlyphData glyph;
  glyph.index = 5;
  stored->Add(glyph);
  source->Add(std::string(kGlyphCachePrefix) + "Shared Key", WriteGlyphCache(*stored));
  auto accessor = MakeRef<TFileAccessor>(source);

  cache.SetShowId("{show-one}");
  TRef<TGlyphCache> first = cache.Lookup("Shared Key", accessor.get());
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->FromPackage());
  EXPECT_EQ(cache.Lookup("Shared Key", nullptr), first);  // kept for the show
  EXPECT_FALSE(cache.Lookup("Other Key", accessor.get()));  // the package lacks it
  TRef<TGlyphCache> own = cache.GetOrCreate("Installed Font @/x#0");
  cache.SetShowId("{show-one}");
  EXPECT_EQ(cache.Lookup("Shared Key", nullptr), first);
  cache.SetShowId("{show-two}");
  EXPECT_FALSE(cache.Lookup("Shared Key", nullptr));                   // another show's: gone
  EXPECT_EQ(cache.Lookup("Installed Font @/x#0", nullptr), own);      // made here: kept
  cache.Clear();
}

}  // namespace
}  // namespace zol
