#include "foundation/ini_line_reader.h"

#include <algorithm>
#include <cstring>

namespace zol {

TIniLineReader::TIniLineReader(std::string_view text)
    : text_(text), nextCr_(Scan('\r', 0)), nextLf_(Scan('\n', 0)) {}

size_t TIniLineReader::Scan(char byte, size_t from) const {
  if (from >= text_.size()) return text_.size();
  const void* hit = std::memchr(text_.data() + from, byte, text_.size() - from);
  return hit ? size_t(static_cast<const char*>(hit) - text_.data()) : text_.size();
}

bool TIniLineReader::Next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  if (nextCr_ < pos_) nextCr_ = Scan('\r', pos_);
  if (nextLf_ < pos_) nextLf_ = Scan('\n', pos_);
  size_t stop = std::min(nextCr_, nextLf_);
  line = text_.substr(pos_, stop - pos_);
  pos_ = stop + 1;
  // CR LF and LF CR are one line end; CR CR and LF LF are two.
  if (stop < text_.size() && pos_ < text_.size()) {
    char end = text_[stop], next = text_[pos_];
    if ((next == '\r' || next == '\n') && next != end) ++pos_;
  }
  return true;
}

}  // namespace zol
