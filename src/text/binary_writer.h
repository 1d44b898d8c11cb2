// TBinaryWriter: little-endian writing of the stored text forms, the mirror
// of TBinaryReader. Used to store layouts and glyph caches (and by tests that
// build packages). A value type; one user at a time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zol {

class TBinaryWriter {
 public:
  void WriteInt32(int32_t value);
  void WriteUInt16(uint16_t value);
  void WriteSingle(float value);
  // UTF-8 TEXT as its length in UTF-16 units (32-bit) and the units.
  void WriteText(std::string_view text);

  const std::string& Bytes() const { return bytes_; }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

}  // namespace zol
