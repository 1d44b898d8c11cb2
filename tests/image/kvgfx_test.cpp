// Prepared pictures (".kvgfx"): the fields, the payload decoded on first use,
// and the stand-in of the declared size when the payload is damaged.
#include <gtest/gtest.h>

#include "image/kvgfx_reader.h"
#include "image/kvgfx_store.h"
#include "image/picture_fixtures.h"
#include "render/color.h"

namespace zol {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

Fields Required(int width, int height) {
  return {{"File", "Pictures\\photo.png"},
          {"Width", std::to_string(width)},
          {"Height", std::to_string(height)},
          {"OriginalSize", "123456"}};
}

std::string RawDeflate(const std::string& bytes) {
  // A zlib stream without its two-byte header and four-byte checksum.
  const std::string z = test::ZlibCompress(bytes);
  return z.substr(2, z.size() - 6);
}

TEST(Kvgfx, ThePayloadBitmapIsThePicture) {
  auto picture = test::GradientPicture(19, 9, true);
  const std::string bmp = test::EncodeBmpFixture(*picture, {.bits = 32});
  for (const auto& [label, payload] : {std::pair<const char*, std::string>{"zlib", test::ZlibCompress(bmp)},
                                       {"raw deflate", RawDeflate(bmp)}}) {
    SCOPED_TRACE(label);
    Fields fields = Required(19, 9);
    fields.insert(fields.begin(), {"Comment", "prepared by the authoring tool"});
    auto store = RefCast<TKvgfxStore>(test::OpenPicture(test::MakeKvgfx(fields, payload), "face.kvgfx"));
    ASSERT_TRUE(store);
    EXPECT_EQ(store->Header().file, "Pictures\\photo.png");
    EXPECT_EQ(store->Header().originalSize, 123456);
    EXPECT_EQ(store->Header().fields.at("Comment"), "prepared by the authoring tool");
    EXPECT_EQ(store->Format(), TPixelFormat::kARGB32);
    TRef<TPixelImage> bitmap = store->GetBitmap(0);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(test::MaxChannelDifference(*bitmap, *picture), 0);
    EXPECT_EQ(store->GetBitmap(1)->Width(), 10);
  }
}

TEST(Kvgfx, ADamagedPayloadGivesTheDeclaredSizeInTheDefaultColour) {
  auto picture = test::GradientPicture(12, 8);
  const std::string bmp = test::EncodeBmpFixture(*picture, {.bits = 24});
  const std::string good = test::ZlibCompress(bmp);
  std::string flipped = good;
  flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0xFF);
  const std::pair<const char*, std::string> payloads[] = {
      {"not compressed", bmp},
      {"cut short", good.substr(0, good.size() / 2)},
      {"bytes flipped", flipped},
      {"no payload", ""},
      {"not a bitmap inside", test::ZlibCompress("hello, world")},
      {"a bitmap of another size",
       test::ZlibCompress(test::EncodeBmpFixture(*test::GradientPicture(5, 5), {.bits = 24}))},
  };
  for (const auto& [label, payload] : payloads) {
    SCOPED_TRACE(label);
    TRef<TBitmapStore> store = test::OpenPicture(test::MakeKvgfx(Required(12, 8), payload), "p.kvgfx");
    ASSERT_TRUE(store);
    TRef<TPixelImage> bitmap = store->GetBitmap(0);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->Width(), 12);
    EXPECT_EQ(bitmap->Height(), 8);
    EXPECT_EQ(test::MaxChannelDifference(
                  *bitmap, *test::SolidPicture(12, 8, kKvgfxDefaultColor, TPixelFormat::kARGB32)),
              0);
  }
}

TEST(Kvgfx, ContainersWithoutTheRequiredFieldsAreDeclined) {
  const std::string payload =
      test::ZlibCompress(test::EncodeBmpFixture(*test::GradientPicture(4, 4), {.bits = 24}));
  auto without = [](const std::string& key) {
    Fields fields = Required(4, 4);
    std::erase_if(fields, [&](const auto& f) { return f.first == key; });
    return fields;
  };
  auto with = [](const std::string& key, const std::string& value) {
    Fields fields = Required(4, 4);
    for (auto& f : fields)
      if (f.first == key) f.second = value;
    return fields;
  };
  const std::pair<const char*, std::string> cases[] = {
      {"no File", test::MakeKvgfx(without("File"), payload)},
      {"no Width", test::MakeKvgfx(without("Width"), payload)},
      {"no Height", test::MakeKvgfx(without("Height"), payload)},
      {"no OriginalSize", test::MakeKvgfx(without("OriginalSize"), payload)},
      {"Width not a number", test::MakeKvgfx(with("Width", "four"), payload)},
      {"Height zero", test::MakeKvgfx(with("Height", "0"), payload)},
      {"sides past the limit", test::MakeKvgfx(with("Width", "1000000000"), payload)},
      {"negative width", test::MakeKvgfx(with("Width", "-4"), payload)},
      {"wrong magic", "KVGX" + test::MakeKvgfx(Required(4, 4), payload).substr(4)},
      {"fields cut short", test::MakeKvgfx(Required(4, 4), payload).substr(0, 30)},
  };
  for (const auto& [label, bytes] : cases) {
    SCOPED_TRACE(label);
    EXPECT_FALSE(test::OpenPicture(bytes, "p.kvgfx"));
  }
}

TEST(Kvgfx, APayloadThatInflatesFarPastItsBitmapIsDamaged) {
  // Zeros compress a thousandfold; a 4 × 4 bitmap cannot need megabytes.
  const std::string bomb = test::ZlibCompress(std::string(50 << 20, '\0'));
  TRef<TBitmapStore> store = test::OpenPicture(test::MakeKvgfx(Required(4, 4), bomb), "bomb.kvgfx");
  ASSERT_TRUE(store);
  TRef<TPixelImage> bitmap = store->GetBitmap(0);
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->GetPixel(0, 0), kKvgfxDefaultColor);
}

}  // namespace
}  // namespace zol
