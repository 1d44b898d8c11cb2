// Test helper: a one-line picture of a project-text tree, so that tests can
// compare whole structures: keyed items "name=value", text lines "'value'",
// sections "[name]{...}", objects "object name:type{...}", items joined by
// " | ".
#pragma once

#include <string>

#include "foundation/ini_file.h"
#include "foundation/ini_object.h"

namespace zol::test {

inline std::string DumpChildren(const TIniList& list);

inline std::string Dump(const TIniItem& item) {
  if (const TIniFile* file = item.AsFile()) return DumpChildren(*file);
  if (const TIniSection* section = item.AsSection())
    return "[" + section->Name() + "]{" + DumpChildren(*section) + "}";
  if (const TIniObject* object = item.AsObject())
    return "object " + object->Name() + ":" + object->Type() + "{" + DumpChildren(*object) + "}";
  if (const TIniList* list = item.AsList()) return "{" + DumpChildren(*list) + "}";
  if (item.Name().empty()) return "'" + item.Value() + "'";
  return item.Name() + "=" + item.Value();
}

inline std::string DumpChildren(const TIniList& list) {
  std::string out;
  for (int i = 0; i < list.Count(); ++i) {
    if (i > 0) out += " | ";
    out += Dump(*list.Item(i));
  }
  return out;
}

}  // namespace zol::test
