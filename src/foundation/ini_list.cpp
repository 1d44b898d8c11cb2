#include "foundation/ini_list.h"

#include <algorithm>

#include "foundation/assertion.h"
#include "foundation/case_fold.h"
#include "foundation/ini_file.h"
#include "foundation/ini_object.h"
#include "foundation/ini_parser.h"
#include "foundation/ini_writer.h"

namespace zol {
namespace {

bool IsNamed(const TIniItem& item) { return item.HasName(); }

}  // namespace

TIniList::TIniList(std::string_view name, std::string_view value)
    : TIniList(TIniKind::List, name, value) {}

TIniList::TIniList(TIniKind kind, std::string_view name, std::string_view value)
    : TIniItem(kind, name, value) {}

TIniItem* TIniList::Item(int index) const {
  return index >= 0 && index < Count() ? items_[size_t(index)].get() : nullptr;
}

int TIniList::PlaceFor(const TIniItem& item, int index) const {
  // Sections live only in files, and a file is always a root.
  return item.AsSection() ? -1 : index;
}

void TIniList::Grow() {
  // 16, 32, 64, ... slots: few reallocations for long sections, none wasted
  // on the many small objects.
  if (items_.size() == items_.capacity()) items_.reserve(std::max<size_t>(16, items_.capacity() * 2));
}

bool TIniList::Insert(int index, TRef<TIniItem> item) {
  if (!item || item->Contains(this)) return false;
  if (PlaceFor(*item, std::clamp(index, 0, Count())) < 0) return false;
  if (TIniList* old = item->parent_) {
    // A move within this list counts INDEX in the list as it was.
    if (old == this && item->index_ < index) --index;
    old->Extract(item->index_);
  }
  int place = PlaceFor(*item, std::clamp(index, 0, Count()));

  TIniItem* raw = item.get();
  Grow();
  items_.insert(items_.begin() + place, std::move(item));
  for (int i = place; i < Count(); ++i) items_[size_t(i)]->index_ = i;
  raw->parent_ = this;

  if (raw->HasName()) {
    ++namedCount_;
    insertionPoint_ = place < insertionPoint_ ? insertionPoint_ + 1 : place + 1;
    index_.Linked(*raw, size_t(namedCount_));
  } else if (place < insertionPoint_) {
    ++insertionPoint_;
  }
  raw->Attached(true);
  return true;
}

TRef<TIniItem> TIniList::Extract(int index) {
  TIniItem* raw = Item(index);
  if (!raw) return nullptr;
  ZOL_CHECK(raw->parent_ == this && raw->index_ == index, "TIniList: item index out of step");
  raw->Attached(false);
  if (raw->HasName()) {
    index_.Unlinked(*raw);
    --namedCount_;
  }
  TRef<TIniItem> item = std::move(items_[size_t(index)]);
  items_.erase(items_.begin() + index);
  for (int i = index; i < Count(); ++i) items_[size_t(i)]->index_ = i;
  raw->parent_ = nullptr;
  raw->index_ = -1;

  if (index < insertionPoint_ - 1) {
    --insertionPoint_;
  } else if (index == insertionPoint_ - 1) {
    // The last named item left: the point moves back to the one before it.
    int i = index - 1;
    while (i >= 0 && !items_[size_t(i)]->HasName()) --i;
    insertionPoint_ = i + 1;
  }
  return item;
}

bool TIniList::Remove(TIniItem* item) {
  if (!item || item->parent_ != this) return false;
  return Delete(item->index_);
}

void TIniList::Clear() {
  // From the end, every removal is constant time: the newest item heads its
  // hash chain and the last object ends the object index.
  while (!items_.empty()) Extract(Count() - 1);
}

void TIniList::Dispose() {
  // Children may outlive the tree when someone else holds them; they must not
  // keep pointing at a freed parent.
  Clear();
  TIniItem::Dispose();
}

TRef<TIniList> TIniList::CreateEmpty() const { return MakeRef<TIniList>(); }

TRef<TIniItem> TIniList::Clone() const {
  TRef<TIniList> copy = CreateEmpty();
  copy->name_ = name_;
  copy->value_ = value_;
  copy->Assign(*this);
  return copy;
}

void TIniList::Assign(const TIniItem& source) {
  // Copy first: SOURCE may be this list or lie inside it, and clearing must
  // not take it away before it was read.
  std::vector<TRef<TIniItem>> copies;
  if (const TIniList* list = source.AsList()) {
    copies.reserve(items_.size());
    for (const TRef<TIniItem>& child : list->items_) copies.push_back(child->Clone());
  } else {
    TRef<TIniList> parsed = CreateEmpty();
    ParseIniText(source.ToText(), *parsed);
    while (parsed->Count() > 0) copies.push_back(parsed->Extract(0));
  }
  Clear();
  // A file's sections have no place in other lists; those are left out.
  for (TRef<TIniItem>& copy : copies) Add(std::move(copy));
}

TIniItem* TIniList::Find(std::string_view name) const {
  return index_.Find(name, items_, size_t(namedCount_), IsNamed, [](const TIniItem&) { return true; });
}

TIniItem* TIniList::FindOrCreate(std::string_view name) {
  if (name.empty()) return nullptr;
  if (TIniItem* found = index_.Find(name, items_, size_t(namedCount_), IsNamed,
                                    [](const TIniItem& i) { return i.Kind() == TIniKind::Item; }))
    return found;
  TRef<TIniItem> item = MakeRef<TIniItem>(name);
  TIniItem* raw = item.get();
  Insert(insertionPoint_, std::move(item));
  return raw;
}

TIniObject* TIniList::Object(std::string_view name) const {
  TIniItem* found = index_.Find(name, items_, size_t(namedCount_), IsNamed,
                                [](const TIniItem& i) { return i.Kind() == TIniKind::Object; },
                                /*oldest=*/true);
  return found ? found->AsObject() : nullptr;
}

TIniObject* TIniList::Object(std::string_view name, std::string_view type) const {
  TIniItem* found = index_.Find(
      name, items_, size_t(namedCount_), IsNamed,
      [type](const TIniItem& i) { return i.Kind() == TIniKind::Object && EqualNoCase(i.Value(), type); },
      /*oldest=*/true);
  return found ? found->AsObject() : nullptr;
}

TIniObject* TIniList::FirstObject() const { return objects_.empty() ? nullptr : objects_.front(); }

TIniObject* TIniList::ObjectAt(int position) const {
  return position >= 0 && position < ObjectCount() ? objects_[size_t(position)] : nullptr;
}

TIniList* TIniList::ObjectOrCreate(std::string_view name) {
  TIniObject* found = name.empty() ? FirstObject() : Object(name);
  if (found) return found;
  TRef<TIniObject> object = MakeRef<TIniObject>(name);
  TIniObject* raw = object.get();
  int place = objects_.empty() ? insertionPoint_ : objects_.back()->Index() + 1;
  Insert(place, std::move(object));
  return raw;
}

TIniItem* TIniList::Path(std::string_view path) {
  TIniList* list = this;
  for (;;) {
    size_t colon = path.find(':');
    if (colon == std::string_view::npos) return list->FindOrCreate(path);
    std::string_view part = path.substr(0, colon);
    if (TIniFile* file = list->AsFile())
      list = file->SectionOrCreate(part);
    else
      list = list->ObjectOrCreate(part);
    path.remove_prefix(colon + 1);
  }
}

void TIniList::WriteChildren(TIniWriter& writer, int indent) const {
  for (const TRef<TIniItem>& child : items_) child->Write(writer, indent);
}

void TIniList::Write(TIniWriter& writer, int indent) const { WriteChildren(writer, indent); }

bool TIniList::Contains(const TIniList* list) const {
  for (const TIniList* p = list; p; p = p->Parent())
    if (p == this) return true;
  return false;
}

}  // namespace zol
