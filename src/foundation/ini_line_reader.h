// TIniLineReader: splits a text into lines at CR LF, LF CR, CR or LF, with
// memchr scans; a last line without a line end counts, an empty rest does
// not. Reads a text it does not own; one user, on the stack of one parse.
#pragma once

#include <cstddef>
#include <string_view>

namespace zol {

class TIniLineReader {
 public:
  explicit TIniLineReader(std::string_view text);

  // The next line without its line end; false after the last.
  bool Next(std::string_view& line);

 private:
  size_t Scan(char byte, size_t from) const;

  std::string_view text_;
  size_t pos_ = 0;
  // Where the next CR and LF at or after pos_ are (text_.size() when none).
  // Each is searched again only once passed, so a text that uses only one
  // kind of line end is scanned for the other kind once, not once per line.
  size_t nextCr_;
  size_t nextLf_;
};

}  // namespace zol
