#include "text/binary_writer.h"

#include <bit>

#include "foundation/utf8.h"

namespace zol {

void TBinaryWriter::WriteInt32(int32_t value) {
  const auto v = uint32_t(value);
  const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
  bytes_.append(b, 4);
}

void TBinaryWriter::WriteUInt16(uint16_t value) {
  const char b[2] = {char(value), char(value >> 8)};
  bytes_.append(b, 2);
}

void TBinaryWriter::WriteSingle(float value) {
  WriteInt32(int32_t(std::bit_cast<uint32_t>(value)));
}

void TBinaryWriter::WriteText(std::string_view text) {
  const std::u16string units = utf8::ToUtf16(text);
  WriteInt32(int32_t(units.size()));
  for (char16_t u : units) WriteUInt16(uint16_t(u));
}

}  // namespace zol
