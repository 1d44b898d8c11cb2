// TZolSource: the show-wide facts of one opened show, read from its project
// text: slide count and time line, end-of-show and end-of-slide actions, the
// screen-saver mode, display values, and the transition of every slide
// (through the catalog and the random pool it owns). Built once per opened
// show (the main window and the engine each build one). The time line and
// the settings are read-only after construction, so any thread may read
// them; transition choice is serialised by the source's own lock.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/ini_file.h"
#include "foundation/ref.h"
#include "model/effect_manager.h"
#include "model/effect_pool.h"
#include "model/main_settings.h"
#include "model/rgb_color.h"
#include "model/slide_effect.h"
#include "model/slide_end_action.h"
#include "model/slide_timing.h"
#include "model/time_line.h"
#include "package/file_accessor.h"

namespace zol {

struct TZolSourceSetup {
  // This program's file, which decides the screen-saver mode; empty: the
  // running executable.
  std::string programPath;
  // The seed of transition choice; none: from the clock.
  std::optional<uint32_t> randomSeed;
};

class TZolSource : public TRefObject {
 public:
  // More slides than this is a damaged count, not a show.
  static constexpr int32_t kMaxSlideCount = 100000;

  // TREE must exist. Raises EZolSourceError ("Incorrect time", "Incorrect
  // slide count") when the time line cannot be built. In screen-saver mode
  // the tree's Main section is rewritten first.
  TZolSource(TRef<TFileAccessor> accessor, TRef<TIniFile> tree, TZolSourceSetup setup = {});

  // Whether a program of this file name runs as a screen saver (".scr" in
  // any letter case).
  static bool IsScreenSaverProgram(std::string_view path);

  // --- time line
  int32_t SlideCount() const { return slideCount_; }
  double ShowLength() const { return timeLine_.ShowLength(); }
  TEndMode EndMode() const { return endMode_; }
  bool Repeats() const { return endMode_ == TEndMode::Repeat; }
  const TTimeLine& TimeLine() const { return timeLine_; }
  // The record of INDEX (see TTimeLine::At); REPETITION receives -1 for the
  // lead-in and the sentinel, else the repetition of the show.
  TSlideTiming GetSlideTiming(int index, int* repetition = nullptr) const {
    return timeLine_.At(index, repetition);
  }
  // The slide at show time T: -1 up to 0, beyond the slide count in later
  // repetitions; a time on a boundary belongs to the earlier slide.
  int SlideAtTime(double t) const { return timeLine_.SlideAtTime(t); }
  // The transition time into INDEX before any cut: 0 after the last slide of
  // a show that does not repeat.
  double IncomingDuration(int index);
  TSlideEndAction SlideEndAction(int index) const;
  // The program a slide starts at its end; none when it starts nothing.
  std::optional<std::string> SlideRunApp(int index) const;

  // --- transitions
  // Rebuilds the random pool from the palette (done at construction).
  void BuildPool();
  // The next pool transition for slide N, one variant kept; none for an
  // empty pool.
  std::optional<TZolEffect> PickFromPool(int n);
  // The transition of slide N (wrapped into the slide count), its duration
  // and soft edge: the value the slide producer puts in the slide's filter.
  TSlideEffect EffectForSlide(int n);
  // What fixed-order mode chooses for slide N, leaving the choice state
  // alone: the same answer on every call.
  TSlideEffect EffectInFixedOrder(int n);
  TZOLEffectManager& EffectManager() const { return *manager_; }
  double DefaultTransitionTime() const { return defaultTransitionTime_; }
  bool FixedOrder() const;
  void SetFixedOrder(bool fixedOrder);
  int32_t FixedSeed() const;
  void SetFixedSeed(int32_t seed);
  bool Parity() const;
  int32_t RunningCounter() const;
  // Restarts the random source from SEED (reproducible choices).
  void SeedRandom(uint32_t seed);
  // Copies of the pool, for reports and tests.
  std::vector<TZolEffect> PoolEffects() const;
  std::vector<int> PoolOrder() const;

  // --- settings
  const TMainSettings& Main() const { return main_; }
  TRgbColor BackgroundColor() const { return backgroundColor_; }
  double UnsharpAmount() const { return unsharpAmount_; }
  bool IsScreenSaver() const { return screenSaver_; }
  bool PauseWhenInactive() const { return pauseWhenInactive_; }
  TIniFile& Tree() const { return *tree_; }
  TIniSection* MainSection() const { return mainSection_; }
  // None when the project has no "Times" section.
  TIniSection* TimesSection() const { return timesSection_; }
  // The section of slide INDEX (wrapped into the slide count), or none.
  TIniSection* SlideSection(int index) const;
  // The show's files; set by the engine when it plays the show.
  TFileAccessor* FileAccessor() const { return accessor_.get(); }
  void SetFileAccessor(TRef<TFileAccessor> accessor);

 protected:
  void Dispose() override;

 private:
  void ApplyScreenSaverMode();
  void BuildTimeLine();
  std::string SlideId(int index) const;
  // The transition of slide N; with CHOOSE false only its duration is
  // wanted and nothing of the choice state is touched.
  TSlideEffect Resolve(int n, TChoiceMode mode, bool choose);
  TChoiceMode Mode() const { return {fixedOrder_, fixedSeed_}; }

  TRef<TZOLEffectManager> manager_;
  TRef<TIniFile> tree_;
  TRef<TFileAccessor> accessor_;
  TIniSection* mainSection_ = nullptr;   // owned by tree_
  TIniSection* timesSection_ = nullptr;  // owned by tree_
  TMainSettings main_;
  TTimeLine timeLine_;
  int32_t slideCount_ = 0;
  TEndMode endMode_ = TEndMode::Repeat;
  TRgbColor backgroundColor_;
  double unsharpAmount_ = 0;
  double defaultTransitionTime_ = 0;
  bool screenSaver_ = false;
  bool pauseWhenInactive_ = true;

  mutable std::mutex choiceLock_;  // guards everything below and the manager's views
  TEffectPool pool_;
  bool fixedOrder_ = false;
  int32_t fixedSeed_ = 0;
};

}  // namespace zol
