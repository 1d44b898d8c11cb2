#include "model/zol_source.h"

#include "foundation/assertion.h"
#include "foundation/case_fold.h"
#include "foundation/ini_value.h"
#include "model/custom_effect.h"
#include "model/effect_families.h"
#include "model/zol_source_error.h"
#include "platform/process.h"

namespace zol {
namespace {

// The file-name part of a path written with either separator.
std::string_view FileNamePart(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

void SetMainKey(TIniSection& main, std::string_view key, std::string_view value) {
  SetString(main.FindOrCreate(key), value);
}

}  // namespace

TZolSource::TZolSource(TRef<TFileAccessor> accessor, TRef<TIniFile> tree, TZolSourceSetup setup)
    : tree_(std::move(tree)), accessor_(std::move(accessor)), pool_(setup.randomSeed) {
  ZOL_CHECK(tree_, "TZolSource without project text");
  // Main always exists afterwards: the mode switches below are written to it.
  mainSection_ = tree_->SectionOrCreate("Main");
  timesSection_ = tree_->Section("Times");
  main_ = TMainSettings(mainSection_);
  manager_ = MakeRef<TZOLEffectManager>(tree_, main_.DesignWidth(), main_.DesignHeight());

  screenSaver_ = IsScreenSaverProgram(setup.programPath.empty() ? platform::ModulePath() : setup.programPath);
  // Before anything else reads the Main section.
  if (screenSaver_)
    ApplyScreenSaverMode();
  else
    SetMainKey(*mainSection_, "opt_ssaver", "0");

  pauseWhenInactive_ = main_.PauseWhenInactive();
  endMode_ = main_.EndMode();
  const int32_t count = AsInt(timesSection_ ? timesSection_->Find("opt_slidescount") : nullptr, 0);
  if (count > kMaxSlideCount) throw EZolSourceError("Incorrect slide count");
  slideCount_ = std::max(0, count);
  backgroundColor_ = TRgbColor::FromRgbWord(main_.HiderColor());
  unsharpAmount_ = main_.UnsharpAmount();

  BuildPool();
  BuildTimeLine();
}

bool TZolSource::IsScreenSaverProgram(std::string_view path) {
  const std::string_view name = FileNamePart(path);
  const size_t dot = name.rfind('.');
  return dot != std::string_view::npos && EqualNoCase(name.substr(dot), ".scr");
}

void TZolSource::ApplyScreenSaverMode() {
  // A screen saver fills the screen, hides the cursor and the panel, runs
  // forever and ends at the first touch, whatever the project says.
  SetMainKey(*mainSection_, "opt_ssaver", "1");
  SetMainKey(*mainSection_, "opt_fcp", "0");
  SetMainKey(*mainSection_, "opt_hidecursor", "1");
  SetMainKey(*mainSection_, "opt_scr_full", "1");
  SetMainKey(*mainSection_, "opt_repeat", "repeat");
}

TIniSection* TZolSource::SlideSection(int index) const {
  if (slideCount_ == 0 || index < 0) return nullptr;
  return tree_->Section("Slide" + std::to_string(index % slideCount_ + 1));
}

std::string TZolSource::SlideId(int index) const {
  const TIniSection* section = SlideSection(index);
  if (!section) return {};
  std::string id = AsString(section->Find("slideid"));
  if (!id.empty()) return id;
  // Slides without an id are known by their picture's name.
  const std::string picture = AsString(section->Find("Picture"));
  std::string_view name = FileNamePart(picture);
  if (const size_t dot = name.rfind('.'); dot != std::string_view::npos) name = name.substr(0, dot);
  return std::string(name);
}

void TZolSource::BuildTimeLine() {
  std::vector<TTimeLine::TSlideInput> slides(static_cast<size_t>(slideCount_));
  for (int i = 0; i < slideCount_; ++i) {
    TTimeLine::TSlideInput& slide = slides[size_t(i)];
    const std::string key = "opt_synchpos" + std::to_string(i + 1);
    slide.nextBegin = AsInt(timesSection_ ? timesSection_->Find(key) : nullptr, 0);
    slide.incoming = IncomingDuration(i);
    slide.slideId = SlideId(i);
  }
  timeLine_ = TTimeLine(slides, Repeats());
}

double TZolSource::IncomingDuration(int index) {
  if (index < 0 || slideCount_ == 0) return 0;
  if (!Repeats() && index >= slideCount_) return 0;
  std::lock_guard lock(choiceLock_);
  return Resolve(index % slideCount_, Mode(), false).duration;
}

TSlideEndAction TZolSource::SlideEndAction(int index) const {
  TSlideEndAction action;
  const TIniSection* section = SlideSection(index);
  if (!section) return action;
  switch (AsEnum(section->Find("Pers_EndAction"), {"timer", "pause", "loop"}, -1)) {
    case 0:
      break;
    case 1:
      action.kind = TSlideEndKind::Pause;
      break;
    case 2: {
      action.kind = TSlideEndKind::Loop;
      const TSlideTiming timing = timeLine_.At(index % slideCount_);
      action.loopLength = timing.nextBegin - timing.begin - timing.incoming;
      break;
    }
    default:
      if (main_.ManualShow()) action.kind = TSlideEndKind::Pause;
      break;
  }
  return action;
}

std::optional<std::string> TZolSource::SlideRunApp(int index) const {
  const TIniSection* section = SlideSection(index);
  if (!section || !AsBool(section->Find("Pers_RunApp"), false)) return std::nullopt;
  std::string program = AsString(section->Find("RunAppFN"));
  if (program.empty()) return std::nullopt;
  return program;
}

void TZolSource::BuildPool() {
  std::lock_guard lock(choiceLock_);
  defaultTransitionTime_ = manager_->DefaultTime();
  pool_.Build(*manager_);
}

std::optional<TZolEffect> TZolSource::PickFromPool(int n) {
  std::lock_guard lock(choiceLock_);
  return pool_.Pick(n, Mode());
}

TSlideEffect TZolSource::EffectForSlide(int n) {
  std::lock_guard lock(choiceLock_);
  return Resolve(n, Mode(), true);
}

TSlideEffect TZolSource::EffectInFixedOrder(int n) {
  std::lock_guard lock(choiceLock_);
  // Fixed-order choices read the parity but never change any choice state.
  return Resolve(n, {true, fixedSeed_}, true);
}

TSlideEffect TZolSource::Resolve(int n, TChoiceMode mode, bool choose) {
  TSlideEffect result;
  if (slideCount_ == 0) {
    if (choose) ReportAssertion("Transition asked for a show without slides", __FILE__, __LINE__);
    return result;
  }
  if (n < 0) return result;
  n %= slideCount_;
  const TEffectProp* view = manager_->SlideView(n);
  if (!view) return result;
  double duration = TextToReal(view->GetValue("time")).value_or(0);
  result.smoothline = TextToReal(view->GetValue("smoothline")).value_or(0);
  const std::string name = view->EffectName();
  bool exists = false;
  if (name == "default" || name == "defowntime") {
    if (choose) {
      result.effect = pool_.Pick(n, mode);
      result.smoothline = result.effect ? result.effect->smoothline : 0;
    }
    exists = pool_.Count() > 0;
    if (name == "default") duration = manager_->DefaultTime();
  } else if (name != "quick") {
    const TEffectType family = FamilyByName(name);
    if (family != TEffectType::None) {
      result.effect = ReadFamilyEffect(family, *view);
      if (result.effect && choose) pool_.FixVariant(*result.effect, n, mode);
    } else {
      result.effect = ReadCustomEffect(manager_->ProjectText(), *view);
    }
    exists = result.effect.has_value();
  }
  if (choose && result.effect && result.effect->type == TEffectType::Mosaic)
    result.effect->ints[3] = pool_.MosaicSeed(n, mode);
  // A negative time is as good as none: the slide simply appears.
  if (!exists || !(duration > 0)) {
    result.effect.reset();
    duration = 0;
  }
  result.duration = duration;
  return result;
}

bool TZolSource::FixedOrder() const {
  std::lock_guard lock(choiceLock_);
  return fixedOrder_;
}

void TZolSource::SetFixedOrder(bool fixedOrder) {
  std::lock_guard lock(choiceLock_);
  fixedOrder_ = fixedOrder;
}

int32_t TZolSource::FixedSeed() const {
  std::lock_guard lock(choiceLock_);
  return fixedSeed_;
}

void TZolSource::SetFixedSeed(int32_t seed) {
  std::lock_guard lock(choiceLock_);
  fixedSeed_ = seed;
}

bool TZolSource::Parity() const {
  std::lock_guard lock(choiceLock_);
  return pool_.Parity();
}

int32_t TZolSource::RunningCounter() const {
  std::lock_guard lock(choiceLock_);
  return pool_.Position();
}

void TZolSource::SeedRandom(uint32_t seed) {
  std::lock_guard lock(choiceLock_);
  pool_.Random().Seed(seed);
}

std::vector<TZolEffect> TZolSource::PoolEffects() const {
  std::lock_guard lock(choiceLock_);
  return pool_.Effects();
}

std::vector<int> TZolSource::PoolOrder() const {
  std::lock_guard lock(choiceLock_);
  return pool_.Order();
}

void TZolSource::SetFileAccessor(TRef<TFileAccessor> accessor) {
  accessor_ = std::move(accessor);
}

void TZolSource::Dispose() {
  accessor_.reset();
  manager_.reset();
  mainSection_ = timesSection_ = nullptr;
  main_ = TMainSettings();
  tree_.reset();
  TRefObject::Dispose();
}

}  // namespace zol
