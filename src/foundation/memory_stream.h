// TMemoryStream: a growable byte array used as a stream. One user at a time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/stream.h"

namespace zol {

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string_view bytes);

  int64_t GetPosition() override { return position_; }
  void SetPosition(int64_t position) override;
  int64_t GetSize() override { return int64_t(data_.size()); }
  void SetSize(int64_t size) override;
  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;

  const char* Data() const { return data_.data(); }
  std::string_view View() const { return {data_.data(), data_.size()}; }

 private:
  std::vector<char> data_;
  int64_t position_ = 0;
};

}  // namespace zol
