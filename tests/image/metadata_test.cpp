// The EXIF and IPTC fields the text macros show, read from JPEG files.
#include <gtest/gtest.h>

#include <png.h>

#include "foundation/memory_stream.h"
#include "image/exif_reader.h"
#include "image/iptc_reader.h"
#include "image/picture_fixtures.h"
#include "image/picture_metadata.h"

namespace zol {
namespace {

// A TIFF structure for EXIF: IFD0 with ImageDescription, DateTime and the
// EXIF IFD pointer; the EXIF IFD with UserComment.
class TiffBuilder {
 public:
  explicit TiffBuilder(bool bigEndian) : big_(bigEndian) {}

  std::string Build(const std::string& description, const std::string& dateTime, const std::string& comment) {
    // Layout: header (8), IFD0 at 8 with 3 entries (2 + 36 + 4 = 42 → 50),
    // EXIF IFD at 50 with 1 entry (2 + 12 + 4 = 18 → 68), then the values.
    const uint32_t ifd0 = 8, exif = 50, values = 68;
    std::string data;
    const uint32_t descAt = values, dateAt = descAt + uint32_t(description.size() + 1),
                   commentAt = dateAt + uint32_t(dateTime.size() + 1);
    std::string out = big_ ? "MM" : "II";
    U16(out, 42), U32(out, ifd0);
    U16(out, 3);
    Entry(out, 270, 2, uint32_t(description.size() + 1), descAt);
    Entry(out, 306, 2, uint32_t(dateTime.size() + 1), dateAt);
    Entry(out, 0x8769, 4, 1, exif);
    U32(out, 0);
    U16(out, 1);
    Entry(out, 37510, 7, uint32_t(comment.size()), commentAt);
    U32(out, 0);
    out += description + '\0' + dateTime + '\0' + comment;
    return out;
  }

  void U16(std::string& out, uint32_t v) {
    if (big_)
      out += char(v >> 8), out += char(v);
    else
      out += char(v), out += char(v >> 8);
  }
  void U32(std::string& out, uint32_t v) {
    if (big_)
      U16(out, v >> 16), U16(out, v & 0xFFFF);
    else
      U16(out, v & 0xFFFF), U16(out, v >> 16);
  }

 private:
  void Entry(std::string& out, uint16_t tag, uint16_t type, uint32_t count, uint32_t value) {
    U16(out, tag), U16(out, type), U32(out, count), U32(out, value);
  }
  bool big_;
};

std::string Utf16(const std::u16string& text, bool big) {
  std::string out;
  for (char16_t c : text) {
    if (big)
      out += char(c >> 8), out += char(c & 0xFF);
    else
      out += char(c & 0xFF), out += char(c >> 8);
  }
  return out;
}

std::span<const uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

TEST(Exif, TheThreeFieldsAreReadInEitherByteOrder) {
  for (bool big : {false, true}) {
    SCOPED_TRACE(big ? "Motorola" : "Intel");
    const struct {
      const char* label;
      std::string comment;
      const char* expected;
    } comments[] = {
        {"ASCII", std::string("ASCII\0\0\0", 8) + "  a day at the beach ", "a day at the beach"},
        {"Unicode", std::string("UNICODE\0", 8) + Utf16(u"Z\u00fcrich \u6771\u4eac", big),
         "Z\u00fcrich \u6771\u4eac"},
        {"undefined code", std::string(8, '\0') + "caf\xE9", "caf\xC3\xA9"},
        {"JIS", std::string("JIS\0\0\0\0\0", 8) + "\x1B$B", ""},
        {"too short", "abc", ""},
    };
    for (const auto& c : comments) {
      SCOPED_TRACE(c.label);
      const std::string tiff = TiffBuilder(big).Build("  Harbour at dusk ", "2021:07:14 18:03:59", c.comment);
      const std::string jpeg = test::EncodeJpegFixture(*test::GradientPicture(8, 8), {.exif = tiff});
      auto fields = ReadExifFields(Bytes(jpeg));
      ASSERT_TRUE(fields);
      EXPECT_EQ(fields->imageDescription, "Harbour at dusk");
      EXPECT_EQ(fields->dateTime, "2021:07:14 18:03:59");
      EXPECT_EQ(fields->userComment, c.expected);
    }
  }
}

TEST(Exif, BrokenStructuresGiveEmptyFields) {
  const std::string tiff =
      TiffBuilder(false).Build("Harbour", "2021:07:14 18:03:59", std::string("ASCII\0\0\0x", 9));
  for (size_t length = 0; length < tiff.size(); ++length) {
    TExifFields fields = ParseExifTiff(Bytes(tiff.substr(0, length)));
    if (length < 60) {
      EXPECT_TRUE(fields.dateTime.empty()) << length;
    }
  }
  std::string loop = tiff;
  loop[46] = 8;  // the EXIF IFD pointer back at IFD0
  ParseExifTiff(Bytes(loop));
  EXPECT_FALSE(ReadExifFields(Bytes(test::EncodeJpegFixture(*test::GradientPicture(8, 8)))));
}

std::string Dataset(int record, int dataset, const std::string& value) {
  return std::string{char(0x1C), char(record), char(dataset), char(value.size() >> 8),
                     char(value.size() & 0xFF)} +
         value;
}

TEST(Iptc, RecordTwoFieldsAreReadWithTheirFirstValueTrimmed) {
  const std::string iim = Dataset(1, 90, "\x1B%G") + Dataset(2, 5, "Evening") + Dataset(2, 80, " Ann Lee ") +
                          Dataset(2, 80, "Bob Ray") + Dataset(2, 90, "Z\xC3\xBCrich") +
                          Dataset(2, 120, "  Sunset over the bay  ") + Dataset(2, 116, "(c) 2021");
  const std::string jpeg = test::EncodeJpegFixture(*test::GradientPicture(8, 8), {.iptc = iim});
  auto fields = ReadIptcFields(Bytes(jpeg));
  ASSERT_TRUE(fields);
  EXPECT_EQ(fields->Value(kIptcObjectName), "Evening");
  EXPECT_EQ(fields->Value(kIptcByline), "Ann Lee");
  EXPECT_EQ(fields->values.at(kIptcByline).size(), 2u);
  EXPECT_EQ(fields->Value(kIptcCity), "Z\xC3\xBCrich");
  EXPECT_EQ(fields->Value(kIptcCaption), "Sunset over the bay");
  EXPECT_EQ(fields->Value(kIptcCopyrightNotice), "(c) 2021");
  EXPECT_EQ(fields->Value(kIptcHeadline), "");
}

TEST(Iptc, TextsWithoutADeclaredCharacterSetAreReadAsWindows1252UnlessTheyAreUtf8) {
  const std::string iim = Dataset(2, 90, "Z\xFCrich") + Dataset(2, 101,
                                                                "Espa\xC3\xB1"
                                                                "a");
  TIptcFields fields = ParseIptc(Bytes(iim));
  EXPECT_EQ(fields.Value(kIptcCity), "Z\xC3\xBCrich");
  EXPECT_EQ(fields.Value(kIptcCountry),
            "Espa\xC3\xB1"
            "a");
}

TEST(Iptc, BrokenDataGivesWhatCameBefore) {
  const std::string iim = Dataset(2, 5, "Evening") + Dataset(2, 120, "Caption");
  for (size_t length = 0; length <= iim.size(); ++length) {
    TIptcFields fields = ParseIptc(Bytes(iim.substr(0, length)));
    if (length >= 12) {
      EXPECT_EQ(fields.Value(kIptcObjectName), "Evening");
    }
  }
  // An extended size that claims more than there is.
  TIptcFields fields = ParseIptc(Bytes(std::string("\x1C\x02\x05\x80\x04\xFF\xFF\xFF\xFFxyz", 12)));
  EXPECT_TRUE(fields.values.empty());
}

TEST(PictureMetadata, IsReadFromTheStartOfTheStream) {
  const std::string tiff =
      TiffBuilder(false).Build("Harbour", "2021:07:14 18:03:59", std::string("ASCII\0\0\0note", 12));
  const std::string jpeg = test::EncodeJpegFixture(*test::GradientPicture(8, 8),
                                                   {.exif = tiff, .iptc = Dataset(2, 105, "Headline")});
  auto stream = MakeRef<TMemoryStream>(jpeg);
  stream->SetPosition(100);
  TPictureMetadata metadata = ReadPictureMetadata(*stream);
  EXPECT_EQ(metadata.exif.dateTime, "2021:07:14 18:03:59");
  EXPECT_EQ(metadata.exif.userComment, "note");
  EXPECT_EQ(metadata.iptc.Value(kIptcHeadline), "Headline");

  auto png =
      MakeRef<TMemoryStream>(test::EncodePngFixture(*test::GradientPicture(8, 8), PNG_COLOR_TYPE_RGB, 8));
  TPictureMetadata none = ReadPictureMetadata(*png);
  EXPECT_TRUE(none.exif.dateTime.empty());
  EXPECT_TRUE(none.iptc.values.empty());
}

}  // namespace
}  // namespace zol
