#include "image/capped_inflate.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace zol {
namespace {

bool HasZlibHeader(std::span<const uint8_t> data) {
  return data.size() >= 2 && (data[0] & 0x0F) == 8 && (data[0] >> 4) <= 7 &&
         (data[0] * 256 + data[1]) % 31 == 0;
}

// A zlib inflate state, ended with the object.
class TInflateState {
 public:
  explicit TInflateState(int windowBits) { ready_ = inflateInit2(&z_, windowBits) == Z_OK; }
  ~TInflateState() {
    if (ready_) inflateEnd(&z_);
  }
  TInflateState(const TInflateState&) = delete;
  TInflateState& operator=(const TInflateState&) = delete;

  bool Ready() const { return ready_; }
  z_stream* operator->() { return &z_; }
  z_stream* get() { return &z_; }

 private:
  z_stream z_{};
  bool ready_ = false;
};

}  // namespace

TInflateResult InflateCapped(std::span<const uint8_t> data, size_t limit, std::vector<uint8_t>& out) {
  out.clear();
  TInflateState z(HasZlibHeader(data) ? 15 : -15);
  if (!z.Ready()) return TInflateResult::Broken;
  size_t consumed = 0;
  uint8_t buffer[65536];
  for (;;) {
    if (z->avail_in == 0 && consumed < data.size()) {
      const size_t chunk = std::min<size_t>(data.size() - consumed, UINT_MAX);
      z->next_in = const_cast<Bytef*>(data.data() + consumed);
      z->avail_in = uInt(chunk);
      consumed += chunk;
    }
    z->next_out = buffer;
    z->avail_out = sizeof buffer;
    const int result = inflate(z.get(), Z_NO_FLUSH);
    const size_t produced = sizeof buffer - z->avail_out;
    if (out.size() + produced > limit) return TInflateResult::TooLarge;
    out.insert(out.end(), buffer, buffer + produced);
    if (result == Z_STREAM_END) return TInflateResult::Ok;
    if (result != Z_OK) return TInflateResult::Broken;
    if (produced == 0 && z->avail_in == 0 && consumed >= data.size())
      return TInflateResult::Broken;  // cut short
  }
}

}  // namespace zol
