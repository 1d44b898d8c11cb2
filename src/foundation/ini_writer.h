// TIniWriter: the buffered byte sink that project-text nodes write
// themselves into. Subclasses decide where full buffers go (a stream, a
// growing byte array). One user at a time, on the stack of the writing call.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace zol {

class TIniWriter {
 public:
  TIniWriter(const TIniWriter&) = delete;
  TIniWriter& operator=(const TIniWriter&) = delete;
  virtual ~TIniWriter() = default;

  void Put(std::string_view bytes) {
    if (size_t(limit_ - pos_) < bytes.size()) {
      Overflow(bytes);
      return;
    }
    if (!bytes.empty()) std::memcpy(pos_, bytes.data(), bytes.size());
    pos_ += bytes.size();
  }
  // A name or value within one line: a CR or LF in it would end the line
  // early and let the rest read back as a line of its own (another key, a
  // section header), so each is written as a space.
  void PutLineText(std::string_view text);
  void PutIndent(int count);
  void PutLineEnd() { Put("\r\n"); }

 protected:
  TIniWriter() = default;

  // BYTES do not fit between pos_ and limit_: make room or pass them on.
  virtual void Overflow(std::string_view bytes) = 0;

  char* pos_ = nullptr;
  char* limit_ = nullptr;
};

}  // namespace zol
