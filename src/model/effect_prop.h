// TEffectProp: a view of one transition settings object of the project
// text: a palette entry (Main/"TheEffect" child) or a slide's reference
// (class "AnEffect", naming an entry or a family in "ref"), answering values
// with the inheritance between the two. Owned and cached by its
// TZOLEffectManager, valid while the manager lives; reads are safe from any
// thread, Time() may add an item and needs the tree owner's lock.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/ini_object.h"
#include "foundation/ref.h"
#include "model/effect_options.h"

namespace zol {

class TZOLEffectManager;

class TEffectProp : public TRefObject {
 public:
  TEffectProp(TRef<TIniObject> object, TZOLEffectManager& manager);

  TIniObject& Object() const { return *object_; }
  // A slide's reference: an object of class "AnEffect".
  bool IsReference() const { return reference_; }

  // The value of KEY with inheritance; none when nobody has the key.
  // A reference answers "caption" from its entry, any other key from its own
  // item, else from its entry, else from the palette object. An entry answers
  // "time" from the palette object (the project default), anything else from
  // its own item.
  std::optional<std::string> FindValue(std::string_view key) const;
  // The same, "" when missing.
  std::string GetValue(std::string_view key) const;

  // The lower-cased "ref" of a reference ("default" when it has none), else
  // the lower-cased object name.
  std::string EffectName() const;
  // A reference's entry's class, else the object's own class.
  std::string EffectKind() const;
  // The built-in family index (see the families table); -1 for an entry
  // without "stdidx".
  int StdIndex() const;
  // 0 not in the random pool, 1 partly (some options off), 2 fully.
  int IsChecked() const;
  // The duration this view stands for, as the palette shows it.
  double Time();

  // The option strings named by "sectionfield" (values with inheritance).
  TEffectOptions Options() const;
  // The option keys ("key") as the palette names them.
  std::vector<std::string> OptionKeys() const;

 protected:
  void Dispose() override;

 private:
  // Entries may themselves be references; a chain that long is a loop.
  static constexpr int kMaxDepth = 16;

  std::optional<std::string> OwnValue(std::string_view key) const;
  std::optional<std::string> FindValue(std::string_view key, int depth) const;
  // The palette entry a reference names, or none.
  const TEffectProp* Referenced() const;

  TRef<TIniObject> object_;
  TZOLEffectManager* manager_;  // not owning: the manager owns this view
  bool reference_;
};

}  // namespace zol
