#include "foundation/ini_writer.h"

#include <algorithm>

namespace zol {

void TIniWriter::PutLineText(std::string_view text) {
  while (!text.empty()) {
    const void* cr = std::memchr(text.data(), '\r', text.size());
    const void* lf = std::memchr(text.data(), '\n', text.size());
    if (!cr && !lf) {
      Put(text);
      return;
    }
    const char* stop = static_cast<const char*>(!cr ? lf : !lf ? cr : std::min(cr, lf));
    size_t n = size_t(stop - text.data());
    Put(text.substr(0, n));
    Put(" ");
    text.remove_prefix(n + 1);
  }
}

void TIniWriter::PutIndent(int count) {
  static constexpr std::string_view kSpaces = "                                ";
  while (count > 0) {
    size_t n = std::min(size_t(count), kSpaces.size());
    Put(kSpaces.substr(0, n));
    count -= int(n);
  }
}

}  // namespace zol
