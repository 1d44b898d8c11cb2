// EZolSourceError: why a show's settings could not be read into a time line
// ("Incorrect time" and the like); the show does not open. Raised while a
// TZolSource is built, on the thread that builds it.
#pragma once

#include <stdexcept>

namespace zol {

class EZolSourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace zol
