// TPackageWriter: writes a show package: the stored files, the directory and
// the trailer, stand-alone or appended to a host program. Used by the package
// tool and by tests that need packages. One user at a time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/stream.h"

namespace zol {

struct TPackageOptions {
  bool compress = false;     // store files deflated when that makes them smaller
  bool cipher = false;       // store the other files ciphered
  bool allowModify = false;  // accept the package when it has moved in its host
  std::string version;       // the container version ("zolversion")
};

class TPackageWriter {
 public:
  explicit TPackageWriter(TPackageOptions options) : options_(std::move(options)) {}

  // NAME as the show names it (backslashes between folders).
  void Add(std::string name, std::string bytes);

  // Writes the package at OUT's current position. HOSTSIZE is the number of
  // host bytes before it in the same file (0 for a stand-alone package, which
  // then has no length trailer).
  void Write(TStream& out, int64_t hostSize) const;

 private:
  struct File {
    std::string name;
    std::string bytes;
  };
  TPackageOptions options_;
  std::vector<File> files_;
};

// Raw deflate (no zlib header) at the best compression.
std::string DeflateRaw(std::string_view bytes);

}  // namespace zol
