// Failures of the text subsystem that stop an operation: ETextError for
// misuse and bad outlines (the messages are the program's own texts),
// ETextFormatError for a stored glyph cache or layout that cannot be read.
// Plain exception types; any thread.
#pragma once

#include <stdexcept>

namespace zol {

class ETextError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ETextFormatError : public ETextError {
 public:
  using ETextError::ETextError;
};

}  // namespace zol
