// TIniSection: one "[name]" section of a project text and its lines. Owned
// by its TIniFile, the only kind of list that holds sections. Sections are
// found through the file's own section index, not as named items, so keyed
// items added to a file's root lines stay before its sections. Same
// threading rules as any TIniList.
#pragma once

#include <string_view>

#include "foundation/ini_list.h"

namespace zol {

class TIniSection : public TIniList {
 public:
  explicit TIniSection(std::string_view name = {});

  bool HasName() const override { return false; }
  void Write(TIniWriter& writer, int indent) const override;
  TRef<TIniList> CreateEmpty() const override;

 protected:
  TIniSection(TIniKind kind, std::string_view name);
  void Attached(bool attached) override;
};

}  // namespace zol
