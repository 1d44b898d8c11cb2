#include "model/effect_manager.h"

#include <algorithm>
#include <limits>
#include <string>

#include "foundation/assertion.h"
#include "foundation/case_fold.h"
#include "foundation/ini_section.h"
#include "foundation/ini_value.h"

namespace zol {
namespace {

constexpr std::array<std::string_view, 3> kBuiltInNames = {"default", "defowntime", "quick"};

// Adds a new object after the list's last keyed line, as an editor would.
TIniObject* AddObject(TIniList& list, TRef<TIniObject> object) {
  TIniObject* added = object.get();
  return list.Insert(list.InsertionPoint(), std::move(object)) ? added : nullptr;
}

}  // namespace

TZOLEffectManager::TZOLEffectManager(TRef<TIniFile> tree, int designWidth, int designHeight)
    : tree_(std::move(tree)), designWidth_(designWidth), designHeight_(designHeight) {
  ZOL_CHECK(tree_, "There is no IniFile for EffectRuller");
  builtIns_[0] = MakeBuiltIn(kBuiltInNames[0], "GroupFromProjectOptions", 0);
  builtIns_[1] = MakeBuiltIn(kBuiltInNames[1], "GroupFromProjectOptions", 1);
  builtIns_[2] = MakeBuiltIn(kBuiltInNames[2], "GroupBasic", 3);
  FindOrCreatePalette();
  BuildEntries();
}

TRef<TIniObject> TZOLEffectManager::MakeBuiltIn(std::string_view name, std::string_view group, int stdIndex) {
  // Detached stand-ins for entries every project offers; their class is
  // their name, so that they never count as custom transitions, and their
  // "stdidx" is the one a reference to them reports.
  TRef<TIniObject> object = MakeRef<TIniObject>(name, name);
  SetString(object->FindOrCreate("caption"), name);
  SetString(object->FindOrCreate("group"), group);
  SetString(object->FindOrCreate("islocal"), "1");
  SetInt(object->FindOrCreate("stdidx"), stdIndex);
  return object;
}

void TZOLEffectManager::FindOrCreatePalette() {
  TIniSection* main = tree_->SectionOrCreate("Main");
  if (TIniObject* found = main->Object(kEffectObject)) {
    palette_ = TRef<TIniObject>(found);
    return;
  }
  palette_ = MakeRef<TIniObject>(kEffectObject, kReferenceClass);
  SetInt(palette_->FindOrCreate("time"), int32_t(kPaletteDefaultTime));
  AddObject(*main, palette_);
}

void TZOLEffectManager::BuildEntries() {
  entries_.clear();
  for (int i = 0; i < palette_->ObjectCount(); ++i)
    entries_.push_back(CreateView(TRef<TIniObject>(palette_->ObjectAt(i))));
  for (const TRef<TIniObject>& builtIn : builtIns_)
    if (!palette_->Object(builtIn->Name())) entries_.push_back(CreateView(builtIn));
}

int TZOLEffectManager::SlideCount() const {
  return std::max(0, tree_->ReadInt("Times", "opt_slidescount", 0));
}

TEffectProp* TZOLEffectManager::SlideView(int n) {
  if (n < 0 || n == std::numeric_limits<int>::max()) return nullptr;
  std::lock_guard lock(slideLock_);
  if (auto cached = slideViews_.find(n); cached != slideViews_.end()) return cached->second.get();
  TIniSection* section = tree_->Section("Slide" + std::to_string(n + 1));
  if (!section) return nullptr;
  TIniObject* object = section->Object(kEffectObject);
  TRef<TIniObject> held(object);
  if (!object) {
    // A slide without its own choice takes the project's default transition.
    held = MakeRef<TIniObject>(kEffectObject, kReferenceClass);
    SetString(held->FindOrCreate("ref"), "default");
    if (!readOnly_) AddObject(*section, held);
  }
  TRef<TEffectProp> view = CreateView(std::move(held));
  TEffectProp* result = view.get();
  slideViews_.emplace(n, std::move(view));
  return result;
}

TRef<TEffectProp> TZOLEffectManager::CreateView(TRef<TIniObject> object) {
  return MakeRef<TEffectProp>(std::move(object), *this);
}

void TZOLEffectManager::ClearCaches() {
  {
    std::lock_guard lock(slideLock_);
    slideViews_.clear();
  }
  BuildEntries();
}

bool TZOLEffectManager::RemoveEntry(int n) {
  if (readOnly_ || n < 0 || n >= palette_->ObjectCount()) return false;
  if (!palette_->Remove(palette_->ObjectAt(n))) return false;
  ClearCaches();
  return true;
}

TEffectProp* TZOLEffectManager::Entry(int n) const {
  return n >= 0 && n < int(entries_.size()) ? entries_[size_t(n)].get() : nullptr;
}

int TZOLEffectManager::FindByName(std::string_view name) const {
  if (name.empty()) return -1;
  const int children = palette_->ObjectCount();
  const int searched = fallBackToBuiltIns_ ? int(entries_.size()) : children;
  for (int i = 0; i < searched; ++i)
    if (EqualNoCase(entries_[size_t(i)]->Object().Name(), name)) return i;
  return -1;
}

double TZOLEffectManager::DefaultTime() const {
  return AsReal(palette_->Find("time"), kPaletteDefaultTime);
}

bool TZOLEffectManager::AnyChecked() const {
  for (const TRef<TEffectProp>& entry : entries_)
    if (entry->IsChecked() != 0) return true;
  return false;
}

void TZOLEffectManager::Dispose() {
  {
    std::lock_guard lock(slideLock_);
    slideViews_.clear();
  }
  entries_.clear();
  for (TRef<TIniObject>& builtIn : builtIns_) builtIn.reset();
  palette_.reset();
  tree_.reset();
  TRefObject::Dispose();
}

}  // namespace zol
