#include "foundation/ini_section.h"

#include "foundation/ini_file.h"
#include "foundation/ini_writer.h"

namespace zol {

TIniSection::TIniSection(std::string_view name) : TIniSection(TIniKind::Section, name) {}

TIniSection::TIniSection(TIniKind kind, std::string_view name) : TIniList(kind, name, {}) {}

void TIniSection::Attached(bool attached) {
  // Only files accept sections (see TIniList::PlaceFor).
  TIniFile* file = Parent()->AsFile();
  if (attached)
    file->SectionAttached(*this);
  else
    file->SectionDetaching(*this);
}

void TIniSection::Write(TIniWriter& writer, int) const {
  writer.Put("[");
  writer.PutLineText(Name());
  writer.Put("]");
  writer.PutLineEnd();
  WriteChildren(writer, 0);
}

TRef<TIniList> TIniSection::CreateEmpty() const { return MakeRef<TIniSection>(); }

}  // namespace zol
