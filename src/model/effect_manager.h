// TZOLEffectManager: the transition catalog of one project text: the palette
// (Main/"TheEffect" and its children, plus the built-in "default",
// "defowntime" and "quick" entries), and the views of every slide's
// "TheEffect". Owned by its TZolSource. Views are made on first use and
// cached; the cache of slide views has its own lock, so any thread may ask.
// Objects are added to the tree only while the source is built (palette and
// slide references that are missing).
#pragma once

#include <array>
#include <mutex>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/ini_file.h"
#include "foundation/ini_object.h"
#include "foundation/ref.h"
#include "model/effect_prop.h"

namespace zol {

class TZOLEffectManager : public TRefObject {
 public:
  static constexpr std::string_view kEffectObject = "TheEffect";
  static constexpr std::string_view kReferenceClass = "AnEffect";
  static constexpr double kPaletteDefaultTime = 2000;

  // TREE must exist (an internal-check failure otherwise).
  TZOLEffectManager(TRef<TIniFile> tree, int designWidth, int designHeight);

  // Times/"opt_slidescount" (0 when missing or not a number).
  virtual int SlideCount() const;
  virtual int DesignWidth() const { return designWidth_; }
  virtual int DesignHeight() const { return designHeight_; }
  virtual TIniFile& ProjectText() const { return *tree_; }
  // The view of slide N's "TheEffect" (N counted from 0), created with
  // "ref = default" when the slide has none; none when there is no section
  // "Slide" N+1. Valid until ClearCaches.
  virtual TEffectProp* SlideView(int n);
  virtual TRef<TEffectProp> CreateView(TRef<TIniObject> object);
  // The player never edits the palette; kept for the editor's interface.
  virtual void PaletteChanged() {}
  // Drops every cached view; views handed out before are invalid afterwards.
  virtual void ClearCaches();
  // Takes palette child N out of the tree (built-ins cannot be removed).
  virtual bool RemoveEntry(int n);

  // Main/"TheEffect".
  TIniObject& PaletteObject() const { return *palette_; }
  // The palette's children, then the built-ins they lack.
  int PaletteSize() const { return int(entries_.size()); }
  // Entry N, or none when out of range.
  TEffectProp* Entry(int n) const;
  // The first entry named NAME (any letter case), or -1.
  int FindByName(std::string_view name) const;
  // The palette's "time": the project's default transition duration.
  double DefaultTime() const;
  // Whether any entry takes part in the random pool.
  bool AnyChecked() const;

  // While set, slides without "TheEffect" get a detached stand-in and
  // nothing is written to the tree (the palette is made at construction).
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool FallsBackToBuiltIns() const { return fallBackToBuiltIns_; }
  void SetFallBackToBuiltIns(bool fallBack) { fallBackToBuiltIns_ = fallBack; }

 protected:
  void Dispose() override;

 private:
  void FindOrCreatePalette();
  void BuildEntries();
  static TRef<TIniObject> MakeBuiltIn(std::string_view name, std::string_view group, int stdIndex);

  TRef<TIniFile> tree_;
  int designWidth_;
  int designHeight_;
  TRef<TIniObject> palette_;
  std::array<TRef<TIniObject>, 3> builtIns_;  // default, defowntime, quick
  std::vector<TRef<TEffectProp>> entries_;
  mutable std::mutex slideLock_;  // guards slideViews_
  std::unordered_map<int, TRef<TEffectProp>> slideViews_;
  bool readOnly_ = false;
  bool fallBackToBuiltIns_ = true;
};

}  // namespace zol
