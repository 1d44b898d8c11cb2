// TMainSettings: typed reading of the show-wide keys of the project's "Main"
// section, each with the default a missing or malformed value falls back to.
// A view over a section owned by the project tree (may be none: everything
// reads as its default). Reads are safe from any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zol {

class TIniSection;
class TIniItem;

enum class TEndMode : int32_t { Repeat = 0, Close = 1, Stop = 2 };

class TMainSettings {
 public:
  explicit TMainSettings(const TIniSection* main = nullptr) : main_(main) {}

  // The slides' design size.
  int32_t DesignWidth() const { return Int("opt_scr_width", 1920); }
  int32_t DesignHeight() const { return Int("opt_scr_height", 1080); }
  // The same keys as the size of a window that is not full screen.
  int32_t WindowWidth() const { return Int("opt_scr_width", 640); }
  int32_t WindowHeight() const { return Int("opt_scr_height", 480); }
  // 1 full screen, anything else a window.
  int32_t ScreenMode() const { return Int("opt_scr_full", 1); }
  bool FullScreen() const { return ScreenMode() == 1; }
  bool WithoutBorder() const { return Bool("opt_withoutborder", true); }
  bool FullFixedSize() const { return Bool("opt_scr_fullfixedsize", false); }
  // The slide aspect of old projects; none: take the output's.
  std::optional<double> ScreenRatio() const;
  int32_t MinorVersion() const { return Int("MinorVersion", 13); }
  std::string Caption() const { return Text("opt_scr_caption", "ZolViewer v5.6"); }
  bool NoExclusive() const { return Bool("opt_scr_noexclusive", false); }
  // 0xRRGGBB around the slides.
  int32_t HiderColor() const { return Int("opt_scr_hidercolor", 0); }
  double UnsharpAmount() const { return Real("opt_scr_unsharpamount", 0); }
  TEndMode EndMode() const;
  bool ManualShow() const { return Bool("opt_manualshow", false); }
  bool PauseWhenInactive() const { return Bool("opt_pausewheninactive", true); }
  bool ScreenSaver() const { return Bool("opt_ssaver", false); }
  bool ShowNavPanel() const { return Bool("opt_fcp", false); }
  // 0 shown, 1 hidden at once, 2 hidden after HideCursorInterval seconds.
  int32_t HideCursor() const { return Int("opt_hidecursor", 0); }
  int32_t HideCursorInterval() const { return Int("opt_hc2_hideinterval", 0); }
  bool LockWheel() const { return Bool("opt_lockwheel", false); }
  bool LockF1() const { return Bool("opt_lockf1", false); }
  std::string LeftMouse() const { return Text("opt_leftmouse", ""); }
  std::string RightMouse() const { return Text("opt_rightmouse", ""); }
  std::string DoubleClick() const { return Text("opt_dblclick", ""); }
  bool ExitOnMove() const { return Bool("opt_exitonmove", false); }
  bool SynchPermitControl() const { return Bool("opt_synchpermitcontrol", true); }
  // 0 nothing, 1 run a program, 2 open a presentation when the show exits.
  int32_t RunAppOnExit() const { return Int("opt_runapponexit", 0); }
  bool RunAppOnExitIfLastSlide() const { return Bool("opt_runapponexitiflastslide", true); }
  std::string RunAppOnExitFileName() const { return Text("opt_runapponexitfn", ""); }
  std::string ExeFileName() const { return Text("opt_exefn", ""); }
  std::string ColorManagement() const { return Text("ColorManagement", ""); }
  std::string ZolVersion() const { return Text("ZolVersion", ""); }
  bool UsePassword() const { return Bool("opt_usepass", false); }
  std::string Password() const { return Text("opt_pass", ""); }
  // A dialog caption or label "opt_lng_" NAME; ENGLISH when the project has none.
  std::string LanguageText(std::string_view name, std::string_view english) const;
  bool CanRestore() const { return Bool("CanRestore", false); }
  int32_t CustomDialogsCount() const { return Int("opt_customdialogscount", 0); }
  bool DisableMusicRandom() const { return Bool("opt_disablemusicrandom", false); }
  bool FullyPlaySound() const { return Bool("opt_fullyplaysound", false); }
  bool SyncMode() const { return Bool("opt_syncmode", false); }
  std::string OggPath() const { return Text("opt_oggpath", ""); }
  std::string WmaPath() const { return Text("opt_wmapath", ""); }
  bool HideNavBar() const { return Bool("opt_hidenavbar", false); }

  // Any other key of the section, for the settings of the navigation panel
  // and the logo. A key that is present keeps its value even when empty.
  std::string Text(std::string_view key, std::string_view fallback) const;
  int32_t Int(std::string_view key, int32_t fallback) const;
  double Real(std::string_view key, double fallback) const;
  bool Bool(std::string_view key, bool fallback) const;

  const TIniSection* Section() const { return main_; }

 private:
  const TIniItem* Item(std::string_view key) const;

  const TIniSection* main_;
};

}  // namespace zol
