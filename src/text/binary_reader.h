// TBinaryReader: bounds-checked little-endian reading of the stored text forms
// (32-bit integers, singles, 16-bit values, length-prefixed UTF-16 texts).
// Every read past the end raises ETextFormatError naming the form being read.
// A value type over bytes owned by the caller; one user at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zol {

class TBinaryReader {
 public:
  // WHAT names the form in error texts ("glyph cache", "vector text").
  TBinaryReader(std::string_view bytes, std::string_view what) : bytes_(bytes), what_(what) {}

  int32_t ReadInt32();
  uint16_t ReadUInt16();
  float ReadSingle();
  // A text stored as its length in UTF-16 units (32-bit) and the units.
  std::string ReadText();
  // A count of items, each at least MINITEMBYTES long: a negative count, or
  // one the remaining bytes cannot hold, is an error before anything is
  // allocated for it.
  size_t ReadCount(size_t minItemBytes);

  size_t Position() const { return pos_; }
  size_t Remaining() const { return bytes_.size() - pos_; }

  [[noreturn]] void Fail(std::string_view problem) const;

 private:
  const char* Take(size_t count);

  std::string_view bytes_;
  std::string_view what_;
  size_t pos_ = 0;
};

}  // namespace zol
