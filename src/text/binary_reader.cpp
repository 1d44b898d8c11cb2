#include "text/binary_reader.h"

#include <bit>
#include <cstring>

#include "foundation/utf8.h"
#include "text/text_error.h"

namespace zol {

void TBinaryReader::Fail(std::string_view problem) const {
  throw ETextFormatError(std::string(what_) + ": " + std::string(problem) + " at byte " +
                         std::to_string(pos_));
}

const char* TBinaryReader::Take(size_t count) {
  if (count > Remaining()) Fail("unexpected end of data");
  const char* p = bytes_.data() + pos_;
  pos_ += count;
  return p;
}

int32_t TBinaryReader::ReadInt32() {
  const auto* p = reinterpret_cast<const uint8_t*>(Take(4));
  return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

uint16_t TBinaryReader::ReadUInt16() {
  const auto* p = reinterpret_cast<const uint8_t*>(Take(2));
  return uint16_t(p[0] | p[1] << 8);
}

float TBinaryReader::ReadSingle() {
  return std::bit_cast<float>(uint32_t(ReadInt32()));
}

std::string TBinaryReader::ReadText() {
  const size_t length = ReadCount(2);
  const auto* p = reinterpret_cast<const uint8_t*>(Take(length * 2));
  std::u16string units(length, u'\0');
  for (size_t i = 0; i < length; ++i) units[i] = char16_t(p[2 * i] | p[2 * i + 1] << 8);
  return utf8::FromUtf16(units);
}

size_t TBinaryReader::ReadCount(size_t minItemBytes) {
  const int32_t count = ReadInt32();
  if (count < 0) Fail("negative count " + std::to_string(count));
  if (minItemBytes > 0 && size_t(count) > Remaining() / minItemBytes)
    Fail("count " + std::to_string(count) + " larger than the data");
  return size_t(count);
}

}  // namespace zol
