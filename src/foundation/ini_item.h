// TIniItem: one line of a project text: a name (empty for comments, blank
// lines and other free text) and a value. Owned through TRef by its parent
// list, or by whoever holds it while detached. Not locked: a tree is built on
// one thread, then may be read by several; changing it needs the owner's lock.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/ref.h"

namespace zol {

class TIniList;
class TIniObject;
class TIniSection;
class TIniFile;
class TIniWriter;

// What a node is, so that the tree code can tell kinds apart without RTTI.
enum class TIniKind : uint8_t { Item, List, Object, Section, File };

class TIniItem : public TRefObject {
 public:
  explicit TIniItem(std::string_view name = {}, std::string_view value = {});

  TIniKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  const std::string& Value() const { return value_; }
  void SetValue(std::string value) { value_ = std::move(value); }

  // The list holding this item (none while detached) and the item's place in it.
  TIniList* Parent() const { return parent_; }
  int Index() const { return index_; }

  TIniList* AsList();
  const TIniList* AsList() const;
  TIniObject* AsObject();
  const TIniObject* AsObject() const;
  // Also answers for a TIniFile, which is the section of the root lines.
  TIniSection* AsSection();
  const TIniSection* AsSection() const;
  TIniFile* AsFile();
  const TIniFile* AsFile() const;

  void Write(TIniWriter& writer) const { Write(writer, 0); }
  // Writes the item's line(s) at INDENT spaces.
  virtual void Write(TIniWriter& writer, int indent) const;
  // Whether LIST is this item or lies inside it; a plain item holds nothing.
  virtual bool Contains(const TIniList* list) const;
  // A detached deep copy.
  virtual TRef<TIniItem> Clone() const;
  // Named items take part in name lookups and fix the list's insertion point.
  virtual bool HasName() const { return !name_.empty(); }

  // The item as project text (CR LF line ends, no byte order mark).
  std::string ToText() const;

 protected:
  TIniItem(TIniKind kind, std::string_view name, std::string_view value);

  // Told after the item was put into a list (true) and before it leaves it
  // (false), for kinds that are also indexed elsewhere in their parent.
  virtual void Attached(bool attached);

  // The name and the fields a lookup reads come first, so that walking a
  // hash chain touches as few cache lines as possible.
  std::string name_;

 private:
  friend class TIniList;
  friend class TIniHashIndex;

  uint32_t hash_ = 0;  // IniNameHash(name_), valid once hashed_
  int32_t index_ = -1;
  TIniItem* hashNext_ = nullptr;  // next older item of the same bucket
  TIniList* parent_ = nullptr;    // not owning: the parent owns this item
  bool hashed_ = false;
  TIniKind kind_;

 protected:
  std::string value_;
};

}  // namespace zol
