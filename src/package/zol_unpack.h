// TZolUnpack: one opened show package: finds the trailer at the end of its
// host file (a stand-alone package or one appended to a program), checks the
// package was not moved or damaged, and reads its directory. Built on the main
// thread; afterwards entries may be looked up and stored files opened from any
// thread (each opened file gets its own handle on the host file).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/ini_file.h"
#include "package/package_directory.h"
#include "foundation/ref.h"
#include "foundation/stream.h"

namespace zol {

// The key every ciphered stored file is read with.
inline constexpr const char* kPackageCipherKey = "D3F0B7E24C6A9F15E2D04B8C7A36F91E";
// The four bytes that end every package trailer.
inline constexpr const char* kPackageMarker = ".dne";

enum class TStorageMethod : int32_t { Stored = 0, Compressed = 1, Ciphered = 2 };

struct TPackageEntry {
  int64_t position = -1;  // in the host file, corrected by the package's delta
  int64_t size = -1;
  int32_t method = 0;
};

class TZolUnpack : public TRefObject {
 public:
  // Opens PATH; the package is closed afterwards when PATH holds none or it
  // failed its checks (Error() then says why, or is empty for "no package").
  // A trailer or directory that cannot be read raises the stream's error.
  explicit TZolUnpack(const std::string& path);

  bool IsOpen() const { return bool(stream_); }
  const std::string& Error() const { return error_; }
  const std::string& Path() const { return path_; }
  const std::string& Version() const { return version_; }
  bool AllowModify() const;
  int64_t Delta() const { return delta_; }
  // Where the package begins in its host file (0 for a stand-alone one).
  int64_t Base() const { return base_; }
  // The whole directory as a tree (built on first use: look-ups do not need it).
  const TIniFile& Directory() const { return directory_->Tree(); }

  std::optional<TPackageEntry> FindEntry(std::string_view name) const;
  // A new read handle on the host file, or nothing.
  TRef<TStream> OpenHostHandle() const;
  // The stored bytes at START (LENGTH long) over HOST as METHOD says: a window,
  // a cipher over a window, or for compressed data the inflated bytes in memory.
  static TRef<TStream> OpenStoredWindow(TRef<TStream> host, int32_t method, int64_t length, int64_t start);

 protected:
  void Dispose() override;

 private:
  void Open();
  void Close() { stream_.reset(); }

  TRef<TStream> stream_;
  int64_t end_ = 0;
  int64_t base_ = 0;
  int64_t delta_ = 0;
  std::unique_ptr<TPackageDirectory> directory_;
  std::string path_;
  std::string version_;
  std::string error_;
};

}  // namespace zol
