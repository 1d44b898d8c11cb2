// Test helper: everything a stream gives from its position on, as bytes.
#pragma once

#include <string>

#include "foundation/stream.h"

namespace zol::test {

inline std::string ReadAll(TStream& stream) {
  std::string out;
  char buffer[4096];
  while (size_t n = stream.Read(buffer, sizeof buffer)) out.append(buffer, n);
  return out;
}

}  // namespace zol::test
