// Bounds-checked reading of little- and big-endian integers from bytes in
// memory, for the file-format readers. A read past the end gives 0 and marks
// the reader failed, so a reader can parse first and check once.
// One user at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace zol {

class TByteReader {
 public:
  explicit TByteReader(std::span<const uint8_t> data, bool bigEndian = false)
      : data_(data), bigEndian_(bigEndian) {}

  size_t Position() const { return position_; }
  void Seek(size_t position) {
    if (position > data_.size()) failed_ = true;
    position_ = position <= data_.size() ? position : data_.size();
  }
  void Skip(size_t count) { Seek(count <= Remaining() ? position_ + count : data_.size() + 1); }
  size_t Remaining() const { return data_.size() - position_; }
  bool Failed() const { return failed_; }
  void SetBigEndian(bool on) { bigEndian_ = on; }

  uint8_t U8() { return uint8_t(Take(1)); }
  uint16_t U16() { return uint16_t(Take(2)); }
  uint32_t U32() { return uint32_t(Take(4)); }
  int32_t I32() { return int32_t(U32()); }
  int64_t I64() { return int64_t(Take(8)); }
  // COUNT bytes as a view into the data (empty and failed when too few remain).
  std::span<const uint8_t> Bytes(size_t count) {
    if (count > Remaining()) {
      failed_ = true;
      position_ = data_.size();
      return {};
    }
    auto view = data_.subspan(position_, count);
    position_ += count;
    return view;
  }
  std::string_view Text(size_t count) {
    auto bytes = Bytes(count);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
  }

 private:
  uint64_t Take(size_t count) {
    if (count > Remaining()) {
      failed_ = true;
      position_ = data_.size();
      return 0;
    }
    uint64_t value = 0;
    for (size_t i = 0; i < count; ++i) {
      const uint64_t byte = data_[position_ + i];
      value |= bigEndian_ ? byte << (8 * (count - 1 - i)) : byte << (8 * i);
    }
    position_ += count;
    return value;
  }

  std::span<const uint8_t> data_;
  size_t position_ = 0;
  bool bigEndian_;
  bool failed_ = false;
};

}  // namespace zol
