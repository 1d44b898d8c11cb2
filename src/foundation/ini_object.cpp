#include "foundation/ini_object.h"

#include <algorithm>

#include "foundation/assertion.h"
#include "foundation/ini_writer.h"

namespace zol {

TIniObject::TIniObject(std::string_view name, std::string_view type)
    : TIniList(TIniKind::Object, name, type) {}

TIniObject* TIniObject::NextObject() const {
  return Parent() ? Parent()->ObjectAt(objectPosition_ + 1) : nullptr;
}

void TIniObject::Attached(bool attached) {
  std::vector<TIniObject*>& objects = Parent()->objects_;
  if (attached) {
    // The object index stays in list order: count the objects placed before.
    auto at = std::lower_bound(objects.begin(), objects.end(), Index(),
                               [](const TIniObject* o, int index) { return o->Index() < index; });
    at = objects.insert(at, this);
    for (auto it = at; it != objects.end(); ++it) (*it)->objectPosition_ = int(it - objects.begin());
  } else {
    ZOL_CHECK(objectPosition_ >= 0 && objectPosition_ < int(objects.size()) &&
                  objects[size_t(objectPosition_)] == this,
              "TIniObject: object index out of step");
    auto at = objects.erase(objects.begin() + objectPosition_);
    for (auto it = at; it != objects.end(); ++it) (*it)->objectPosition_ = int(it - objects.begin());
    objectPosition_ = -1;
  }
}

void TIniObject::Write(TIniWriter& writer, int indent) const {
  writer.PutIndent(indent);
  if (Name().empty() && Type().empty()) {
    writer.Put("object");
  } else {
    writer.Put("object ");
    writer.PutLineText(Name());
    // The type starts after the last colon, so a name holding a colon needs
    // the colon even when the type is empty, or part of it would read back
    // as the type.
    if (!Type().empty() || Name().find(':') != std::string::npos) {
      writer.Put(":");
      writer.PutLineText(Type());
    }
  }
  writer.PutLineEnd();
  WriteChildren(writer, indent + 2);
  writer.PutIndent(indent);
  writer.Put("end");
  writer.PutLineEnd();
}

TRef<TIniList> TIniObject::CreateEmpty() const { return MakeRef<TIniObject>(); }

}  // namespace zol
