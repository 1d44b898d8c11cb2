#include "foundation/ini_parser.h"

#include <vector>

#include "foundation/ini_file.h"
#include "foundation/ini_line.h"
#include "foundation/ini_line_reader.h"
#include "foundation/ini_object.h"

namespace zol {

bool ParseIniText(std::string_view text, TIniList& target) {
  TIniFile* file = target.AsFile();
  // The list lines go to: the target or its current section, then the open
  // objects, innermost last.
  std::vector<TIniList*> open{&target};
  open.reserve(16);

  TIniLineReader reader(text);
  std::string_view raw;
  while (reader.Next(raw)) {
    TIniLine line = ClassifyIniLine(raw);
    TIniList* current = open.back();
    switch (line.kind) {
      case TIniLineKind::Text:
        current->Add(MakeRef<TIniItem>(std::string_view{}, line.value));
        break;
      case TIniLineKind::Keyed:
        current->Add(MakeRef<TIniItem>(line.name, line.value));
        break;
      case TIniLineKind::Section:
        if (!file) {
          current->Add(MakeRef<TIniItem>(std::string_view{}, TrimIniBlanks(raw)));
          break;
        }
        // A header closes every open object (a missing "end") and then
        // starts its section like any other header, so that the keys below
        // it land in that section and not in the one before.
        open.assign(1, file->SectionForHeader(line.name));
        break;
      case TIniLineKind::Object: {
        if (int(open.size()) > kMaxIniObjectDepth) return false;
        TRef<TIniObject> object = MakeRef<TIniObject>(line.name, line.value);
        TIniObject* added = object.get();
        current->Add(std::move(object));
        open.push_back(added);
        break;
      }
      case TIniLineKind::End:
        if (open.size() > 1)
          open.pop_back();
        else
          current->Add(MakeRef<TIniItem>(std::string_view{}, "end"));
        break;
    }
  }
  return true;
}

}  // namespace zol
