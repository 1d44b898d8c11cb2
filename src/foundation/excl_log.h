// TExclLog: a log whose formatting and writing of one line happen under its
// own lock, so lines from several threads never mix.
#pragma once

#include <mutex>

#include "foundation/log.h"

namespace zol {

class TExclLog : public TLog {
 public:
  void Log(std::string_view text) override;

 protected:
  // Held around each formatted write; recursive so that a write may log.
  std::recursive_mutex lock_;
};

}  // namespace zol
