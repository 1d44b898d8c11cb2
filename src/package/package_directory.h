// TPackageDirectory: the directory of a package, read for look-ups. A package
// may hold tens of thousands of files, and a player needs a handful of them
// at start, so the directory is indexed by section name in one quick pass and
// each section's keys are read when asked for. The full project-text tree is
// built only when someone walks the whole directory (listings), or at once
// when the text holds objects, which the quick pass leaves to the full reader.
// Built on one thread; afterwards any thread may look up.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/ini_file.h"
#include "foundation/ref.h"

namespace zol {

class TPackageDirectory {
 public:
  // BYTES: the inflated directory, in any project-text encoding.
  explicit TPackageDirectory(std::string_view bytes);

  // The last value of KEY in SECTION (names in any letter case).
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  bool HasSection(std::string_view section) const;
  // The whole directory as a tree, built on first use.
  const TIniFile& Tree() const;

 private:
  struct Span {
    std::string_view name;
    uint32_t hash;
    size_t begin, end;  // the section's lines in text_
  };

  bool Index();
  void AddSpan(std::string_view name, size_t begin);
  // Spans of the sections named NAME, in text order.
  std::vector<const Span*> SpansOf(std::string_view name) const;

  std::string text_;             // the decoded text, which spans point into
  std::vector<Span> spans_;
  std::vector<int32_t> table_;   // open addressing over spans_ by name hash; -1 empty
  bool simple_ = true;           // the quick index answers look-ups
  mutable std::once_flag treeOnce_;
  mutable TRef<TIniFile> tree_;
};

}  // namespace zol
