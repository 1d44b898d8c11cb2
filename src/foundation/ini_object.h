// TIniObject: a nested named object of a project text ("object name:type"
// ... "end"): a list whose value is its type. Owned by its parent list;
// same threading rules as any TIniList.
#pragma once

#include <string>
#include <string_view>

#include "foundation/ini_list.h"

namespace zol {

class TIniObject : public TIniList {
 public:
  explicit TIniObject(std::string_view name = {}, std::string_view type = {});

  const std::string& Type() const { return Value(); }
  void SetType(std::string type) { SetValue(std::move(type)); }

  // The parent's next child object, in list order.
  TIniObject* NextObject() const;
  // This object's place among its parent's objects (-1 while detached).
  int ObjectPosition() const { return objectPosition_; }

  void Write(TIniWriter& writer, int indent) const override;
  TRef<TIniList> CreateEmpty() const override;

 protected:
  void Attached(bool attached) override;

 private:
  int objectPosition_ = -1;
};

}  // namespace zol
