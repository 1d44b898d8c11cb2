// TIniMemoryWriter: a TIniWriter collecting its bytes in memory, in a
// buffer that starts at 4096 bytes and doubles when full. Lives on the stack
// of one writing call; Take hands the text over.
#pragma once

#include <string>

#include "foundation/ini_writer.h"

namespace zol {

class TIniMemoryWriter : public TIniWriter {
 public:
  static constexpr size_t kInitialSize = 4096;

  TIniMemoryWriter();

  // The bytes written so far; the writer starts over empty.
  std::string Take();

 protected:
  void Overflow(std::string_view bytes) override;

 private:
  std::string buffer_;
};

}  // namespace zol
