#include "model/effect_prop.h"

#include "foundation/case_fold.h"
#include "foundation/ini_value.h"
#include "model/effect_manager.h"

namespace zol {
namespace {

// Splits a comma list, trimming blanks around each part and dropping empty
// parts, which name nothing.
std::vector<std::string> SplitNames(std::string_view text) {
  std::vector<std::string> parts;
  while (!text.empty()) {
    size_t comma = text.find(',');
    std::string_view part = text.substr(0, comma);
    while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
    while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
    if (!part.empty()) parts.emplace_back(part);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return parts;
}

std::optional<std::string> PlainValue(const TIniList& list, std::string_view key) {
  const TIniItem* item = list.Find(key);
  if (!item || item->Kind() != TIniKind::Item) return std::nullopt;
  return item->Value();
}

}  // namespace

TEffectProp::TEffectProp(TRef<TIniObject> object, TZOLEffectManager& manager)
    : object_(std::move(object)),
      manager_(&manager),
      reference_(EqualNoCase(object_->Type(), TZOLEffectManager::kReferenceClass)) {}

void TEffectProp::Dispose() {
  object_.reset();
  TRefObject::Dispose();
}

std::optional<std::string> TEffectProp::OwnValue(std::string_view key) const {
  return PlainValue(*object_, key);
}

const TEffectProp* TEffectProp::Referenced() const {
  if (!reference_) return nullptr;
  const TEffectProp* entry = manager_->Entry(manager_->FindByName(EffectName()));
  return entry == this ? nullptr : entry;
}

std::optional<std::string> TEffectProp::FindValue(std::string_view key) const {
  return FindValue(key, 0);
}

std::optional<std::string> TEffectProp::FindValue(std::string_view key, int depth) const {
  if (depth > kMaxDepth) return std::nullopt;
  if (!reference_) {
    // The palette's entries all run for the project's default duration.
    if (EqualNoCase(key, "time")) return PlainValue(manager_->PaletteObject(), key);
    return OwnValue(key);
  }
  const TEffectProp* entry = Referenced();
  if (EqualNoCase(key, "caption")) return entry ? entry->FindValue(key, depth + 1) : std::nullopt;
  if (auto own = OwnValue(key)) return own;
  if (entry)
    if (auto inherited = entry->FindValue(key, depth + 1)) return inherited;
  return PlainValue(manager_->PaletteObject(), key);
}

std::string TEffectProp::GetValue(std::string_view key) const {
  return FindValue(key).value_or(std::string());
}

std::string TEffectProp::EffectName() const {
  if (!reference_) return FoldCaseText(object_->Name());
  std::string ref = OwnValue("ref").value_or(std::string());
  return ref.empty() ? std::string("default") : FoldCaseText(ref);
}

std::string TEffectProp::EffectKind() const {
  const TEffectProp* view = this;
  // Follow references to the entry that finally names a class.
  for (int depth = 0; view && view->reference_; ++depth)
    view = depth < kMaxDepth ? view->Referenced() : nullptr;
  return view ? view->object_->Type() : std::string();
}

int TEffectProp::StdIndex() const {
  const TEffectProp* view = this;
  for (int depth = 0; view->reference_; ++depth) {
    const TEffectProp* entry = depth < kMaxDepth ? view->Referenced() : nullptr;
    if (!entry) {
      const std::string name = view->EffectName();
      if (name == "default") return 0;
      if (name == "defowntime") return 1;
      if (name == "quick") return 3;
      return 2;
    }
    view = entry;
  }
  return AsInt(view->object_->Find("stdidx"), -1);
}

int TEffectProp::IsChecked() const {
  const std::vector<std::string> fields = SplitNames(GetValue("sectionfield"));
  if (fields.empty()) return TextToBool(GetValue("checked")).value_or(false) ? 2 : 0;
  bool allSet = true;
  for (const std::string& field : fields) {
    const std::string option = GetValue(field);
    if (option.find('1') == std::string::npos) return 0;
    if (option.front() != '1' || option.find('0') != std::string::npos) allSet = false;
  }
  return allSet ? 2 : 1;
}

double TEffectProp::Time() {
  const double projectDefault = manager_->DefaultTime();
  if (!reference_) return TextToReal(OwnValue("time").value_or("")).value_or(projectDefault);
  const std::string name = EffectName();
  if (name == "quick") return 0;
  if (name == "default") return manager_->AnyChecked() ? projectDefault : 0;
  if (name == "defowntime") {
    if (!manager_->AnyChecked()) return 0;
    if (!OwnValue("time")) {
      // The slide starts from the project default and keeps it from now on;
      // answering that value (not 0) keeps the first answer equal to every
      // later one.
      if (!manager_->ReadOnly()) SetReal(object_->FindOrCreate("time"), projectDefault);
      return projectDefault;
    }
  }
  return TextToReal(OwnValue("time").value_or("")).value_or(0);
}

TEffectOptions TEffectProp::Options() const {
  std::vector<std::string> options;
  for (const std::string& field : SplitNames(GetValue("sectionfield"))) options.push_back(GetValue(field));
  return TEffectOptions(std::move(options));
}

std::vector<std::string> TEffectProp::OptionKeys() const {
  return SplitNames(GetValue("key"));
}

}  // namespace zol
