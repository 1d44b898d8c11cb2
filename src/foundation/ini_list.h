// TIniList: an item holding an ordered list of child items, with the name
// index, the insertion point for new keys and the index of child objects.
// Owns its children through TRef; lookups hand out borrowed pointers that stay
// valid while the tree holds the item. Lookups may run on several threads at
// once; any change needs the tree owner's lock.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "foundation/ini_hash_index.h"
#include "foundation/ini_item.h"

namespace zol {

class TIniList : public TIniItem {
 public:
  explicit TIniList(std::string_view name = {}, std::string_view value = {});

  int Count() const { return int(items_.size()); }
  // The child at INDEX, or none when out of range.
  TIniItem* Item(int index) const;
  std::span<const TRef<TIniItem>> Items() const { return items_; }
  // Children with a name, and the index just after the last of them, where
  // new keyed items go.
  int NamedCount() const { return namedCount_; }
  int InsertionPoint() const { return insertionPoint_; }

  // Puts ITEM at INDEX (clamped to the list), taking it out of any list it
  // was in. Refused (false) for this list itself or one of its ancestors,
  // for a file, and for a section anywhere but in a file.
  bool Insert(int index, TRef<TIniItem> item);
  bool Add(TRef<TIniItem> item) { return Insert(Count(), std::move(item)); }
  // Takes the child at INDEX out and hands over the list's reference.
  TRef<TIniItem> Extract(int index);
  bool Delete(int index) { return bool(Extract(index)); }
  bool Remove(TIniItem* item);
  virtual void Clear();

  // A new empty node of this list's own class.
  virtual TRef<TIniList> CreateEmpty() const;
  // Replaces the children with copies of SOURCE's children, or, when SOURCE
  // is a plain item, with what its written line reads back as. Name and value
  // of this list stay.
  virtual void Assign(const TIniItem& source);

  // Lookups compare names case-insensitively; an empty name finds nothing.
  // The last child named NAME, of any kind.
  TIniItem* Find(std::string_view name) const;
  // The last plain item named NAME, else a new one at the insertion point.
  TIniItem* FindOrCreate(std::string_view name);
  // Walks "a:b:key": each part but the last selects (or creates) a section at
  // a file's root, else an object (an empty part: the first object); the last
  // part is found or created as a keyed item.
  TIniItem* Path(std::string_view path);

  // The first child object named NAME (and of type TYPE).
  TIniObject* Object(std::string_view name) const;
  TIniObject* Object(std::string_view name, std::string_view type) const;
  TIniObject* FirstObject() const;
  int ObjectCount() const { return int(objects_.size()); }
  TIniObject* ObjectAt(int position) const;

  void Write(TIniWriter& writer, int indent) const override;
  bool Contains(const TIniList* list) const override;
  TRef<TIniItem> Clone() const override;

  // For tests and diagnostics: the current bucket count of the name index (0
  // while it is not built).
  size_t BucketCount() const { return index_.BucketCount(); }

 protected:
  TIniList(TIniKind kind, std::string_view name, std::string_view value);

  void Dispose() override;
  void WriteChildren(TIniWriter& writer, int indent) const;
  // Where ITEM may go when asked for INDEX (already within 0..Count()); -1
  // refuses it.
  virtual int PlaceFor(const TIniItem& item, int index) const;

 private:
  friend class TIniObject;

  // The object named NAME (the first object for an empty name), created after
  // the last object when missing.
  TIniList* ObjectOrCreate(std::string_view name);
  void Grow();

  std::vector<TRef<TIniItem>> items_;
  int namedCount_ = 0;
  int insertionPoint_ = 0;
  TIniHashIndex index_;
  std::vector<TIniObject*> objects_;  // child objects in index order
};

}  // namespace zol
