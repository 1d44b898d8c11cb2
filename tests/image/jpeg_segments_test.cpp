// The walk over a JPEG file's head: the embedded profile, its chunks, and
// what is logged about malformed marker data.
#include <gtest/gtest.h>

#include "image/jpeg_segments.h"
#include "image/picture_fixtures.h"
#include "support/captured_log.h"

namespace zol {
namespace {

std::span<const uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

std::string Segment(uint8_t marker, const std::string& payload) {
  const size_t length = payload.size() + 2;
  return std::string{char(0xFF), char(marker), char(length >> 8), char(length & 0xFF)} + payload;
}

std::string IccChunk(int sequence, int count, const std::string& data) {
  return Segment(0xE2, std::string("ICC_PROFILE\0", 12) + char(sequence) + char(count) + data);
}

const std::string kSoi("\xFF\xD8", 2), kSos("\xFF\xDA\x00\x02", 4), kEoi("\xFF\xD9", 2);

TEST(JpegProfile, ChunksAreJoinedInTheirSequenceOrder) {
  const std::string file = kSoi + Segment(0xE0, "JFIF") + IccChunk(2, 3, "BBB") + IccChunk(1, 3, "AA") +
                           Segment(0xE2, "FPXR\0 not a profile") + IccChunk(3, 3, "C") + kSos + kEoi;
  TJpegIccProfile profile = ReadJpegIccProfile(Bytes(file));
  ASSERT_TRUE(profile.icc);
  EXPECT_EQ(*profile.icc, "AABBBC");
  EXPECT_FALSE(profile.tooLarge);
}

TEST(JpegProfile, ScanningStopsAtTheFirstScan) {
  const std::string file = kSoi + kSos + IccChunk(1, 1, "late") + kEoi;
  EXPECT_FALSE(ReadJpegIccProfile(Bytes(file)).icc);
  EXPECT_FALSE(ReadJpegIccProfile(Bytes(kSoi + Segment(0xE1, "Exif") + kEoi)).icc);
}

TEST(JpegProfile, MalformedMarkerDataIsLogged) {
  struct Case {
    const char* label;
    std::string file;
    const char* logged;
  } cases[] = {
      {"no start of image", "GIF89a", "Jpeg Marker expected"},
      {"bytes where a marker belongs", kSoi + Segment(0xE0, "JFIF") + "xy" + kEoi,
       "Error: marker expected at 10"},
      {"fill bytes before a marker", kSoi + "\xFF\xFF" + Segment(0xE0, "JFIF") + kEoi,
       "Error: duplicate $FF encountered at 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::CapturedLog log;
    ReadJpegIccProfile(Bytes(c.file));
    EXPECT_NE(log.Text().find(c.logged), std::string::npos) << log.Text();
  }
}

TEST(JpegProfile, SegmentsCutShortEndTheWalk) {
  const std::string full = kSoi + Segment(0xE0, "JFIF data") + IccChunk(1, 1, "profile") + kSos + kEoi;
  for (size_t length = 0; length <= full.size(); ++length) {
    std::string cut = full.substr(0, length);
    TJpegIccProfile profile = ReadJpegIccProfile(Bytes(cut));
    if (profile.icc) {
      EXPECT_EQ(*profile.icc, "profile");
    }
  }
}

TEST(JpegProfile, TheStandardProfileIsKnownByTheTextInItsHead) {
  EXPECT_TRUE(IsStandardSrgbProfile(std::string(300, 'x') + "sRGB IEC61966-2.1"));
  EXPECT_FALSE(IsStandardSrgbProfile(std::string(500, 'x') + "sRGB IEC61966-2.1"));
  EXPECT_FALSE(IsStandardSrgbProfile("Adobe RGB (1998)"));
}

}  // namespace
}  // namespace zol
