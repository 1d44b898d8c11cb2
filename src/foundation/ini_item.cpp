#include "foundation/ini_item.h"

#include "foundation/ini_file.h"
#include "foundation/ini_memory_writer.h"
#include "foundation/ini_object.h"

namespace zol {

TIniItem::TIniItem(std::string_view name, std::string_view value)
    : TIniItem(TIniKind::Item, name, value) {}

TIniItem::TIniItem(TIniKind kind, std::string_view name, std::string_view value)
    : name_(name), kind_(kind), value_(value) {}

TIniList* TIniItem::AsList() { return kind_ >= TIniKind::List ? static_cast<TIniList*>(this) : nullptr; }
const TIniList* TIniItem::AsList() const {
  return kind_ >= TIniKind::List ? static_cast<const TIniList*>(this) : nullptr;
}
TIniObject* TIniItem::AsObject() {
  return kind_ == TIniKind::Object ? static_cast<TIniObject*>(this) : nullptr;
}
const TIniObject* TIniItem::AsObject() const {
  return kind_ == TIniKind::Object ? static_cast<const TIniObject*>(this) : nullptr;
}
TIniSection* TIniItem::AsSection() {
  return kind_ >= TIniKind::Section ? static_cast<TIniSection*>(this) : nullptr;
}
const TIniSection* TIniItem::AsSection() const {
  return kind_ >= TIniKind::Section ? static_cast<const TIniSection*>(this) : nullptr;
}
TIniFile* TIniItem::AsFile() { return kind_ == TIniKind::File ? static_cast<TIniFile*>(this) : nullptr; }
const TIniFile* TIniItem::AsFile() const {
  return kind_ == TIniKind::File ? static_cast<const TIniFile*>(this) : nullptr;
}

void TIniItem::Write(TIniWriter& writer, int indent) const {
  if (name_.empty()) {
    // A blank line carries no indentation, so that it reads back as blank.
    if (!value_.empty()) {
      writer.PutIndent(indent);
      writer.PutLineText(value_);
    }
  } else {
    writer.PutIndent(indent);
    writer.PutLineText(name_);
    writer.Put("=");
    writer.PutLineText(value_);
  }
  writer.PutLineEnd();
}

bool TIniItem::Contains(const TIniList*) const { return false; }

TRef<TIniItem> TIniItem::Clone() const { return MakeRef<TIniItem>(name_, value_); }

void TIniItem::Attached(bool) {}

std::string TIniItem::ToText() const {
  TIniMemoryWriter writer;
  Write(writer, 0);
  return writer.Take();
}

}  // namespace zol
