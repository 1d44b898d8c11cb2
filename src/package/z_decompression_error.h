// EZDecompressionError: compressed data that cannot be inflated, or an
// operation a decompressor cannot do ("Invalid ZStream operation!").
#pragma once

#include <stdexcept>

namespace zol {

class EZDecompressionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// zlib's message for a result code.
[[noreturn]] void RaiseZlibError(int code);

}  // namespace zol
