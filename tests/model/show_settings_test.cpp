#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

#include "foundation/assertion.h"
#include "foundation/ini_value.h"
#include "model/zol_source.h"
#include "model_fixture.h"

namespace zol {
namespace {

using test::MakeSource;

// One typed Main key: its reader, the value an empty project gives, a
// written value and what it reads as, and a malformed value (reads as the
// default).
struct TKeyCase {
  std::string key;
  std::function<std::string(const TMainSettings&)> read;
  std::string fallback;
  std::string written;
  std::string readBack;
  std::string malformed;
};

TEST(ShowSettings, MainKeysReadWithTheirDefaults) {
  auto i = [](int32_t (TMainSettings::*f)() const) {
    return [f](const TMainSettings& m) { return std::to_string((m.*f)()); };
  };
  auto b = [](bool (TMainSettings::*f)() const) {
    return [f](const TMainSettings& m) { return std::string((m.*f)() ? "true" : "false"); };
  };
  auto s = [](std::string (TMainSettings::*f)() const) {
    return [f](const TMainSettings& m) { return (m.*f)(); };
  };
  const TKeyCase cases[] = {
      {"opt_scr_width", i(&TMainSettings::DesignWidth), "1920", "800", "800", "8oo"},
      {"opt_scr_height", i(&TMainSettings::DesignHeight), "1080", "600", "600", "600px"},
      {"opt_scr_width", i(&TMainSettings::WindowWidth), "640", "800", "800", ""},
      {"opt_scr_height", i(&TMainSettings::WindowHeight), "480", "600", "600", "x"},
      {"opt_scr_full", i(&TMainSettings::ScreenMode), "1", "0", "0", "full"},
      {"opt_withoutborder", b(&TMainSettings::WithoutBorder), "true", "0", "false", "no"},
      {"opt_scr_fullfixedsize", b(&TMainSettings::FullFixedSize), "false", "1", "true", "yes"},
      {"MinorVersion", i(&TMainSettings::MinorVersion), "13", "12", "12", "12.5"},
      {"opt_scr_caption", s(&TMainSettings::Caption), "ZolViewer v5.6", "My show", "My show", ""},
      {"opt_scr_noexclusive", b(&TMainSettings::NoExclusive), "false", "1", "true", "2"},
      {"opt_scr_hidercolor", i(&TMainSettings::HiderColor), "0", "16711680", "16711680", "#FF0000"},
      {"opt_manualshow", b(&TMainSettings::ManualShow), "false", "1", "true", "true"},
      {"opt_pausewheninactive", b(&TMainSettings::PauseWhenInactive), "true", "0", "false", "off"},
      {"opt_fcp", b(&TMainSettings::ShowNavPanel), "false", "1", "true", "on"},
      {"opt_hidecursor", i(&TMainSettings::HideCursor), "0", "2", "2", "two"},
      {"opt_hc2_hideinterval", i(&TMainSettings::HideCursorInterval), "0", "5", "5", "5s"},
      {"opt_lockwheel", b(&TMainSettings::LockWheel), "false", "1", "true", "1 1"},
      {"opt_lockf1", b(&TMainSettings::LockF1), "false", "1", "true", "-1"},
      {"opt_leftmouse", s(&TMainSettings::LeftMouse), "", "next", "next", ""},
      {"opt_rightmouse", s(&TMainSettings::RightMouse), "", "prev", "prev", ""},
      {"opt_dblclick", s(&TMainSettings::DoubleClick), "", "exit", "exit", ""},
      {"opt_exitonmove", b(&TMainSettings::ExitOnMove), "false", "1", "true", "y"},
      {"opt_synchpermitcontrol", b(&TMainSettings::SynchPermitControl), "true", "0", "false", "n"},
      {"opt_runapponexit", i(&TMainSettings::RunAppOnExit), "0", "2", "2", "b"},
      {"opt_runapponexitiflastslide", b(&TMainSettings::RunAppOnExitIfLastSlide), "true", "0", "false", "F"},
      {"opt_runapponexitfn", s(&TMainSettings::RunAppOnExitFileName), "", "next.exe", "next.exe", ""},
      {"opt_exefn", s(&TMainSettings::ExeFileName), "", "show.exe", "show.exe", ""},
      {"ColorManagement", s(&TMainSettings::ColorManagement), "", "sRGB", "sRGB", ""},
      {"ZolVersion", s(&TMainSettings::ZolVersion), "", "5.6", "5.6", ""},
      {"opt_usepass", b(&TMainSettings::UsePassword), "false", "1", "true", "maybe"},
      {"opt_pass", s(&TMainSettings::Password), "", "secret", "secret", ""},
      {"CanRestore", b(&TMainSettings::CanRestore), "false", "1", "true", "ok"},
      {"opt_customdialogscount", i(&TMainSettings::CustomDialogsCount), "0", "3", "3", "3,"},
      {"opt_disablemusicrandom", b(&TMainSettings::DisableMusicRandom), "false", "1", "true", "."},
      {"opt_fullyplaysound", b(&TMainSettings::FullyPlaySound), "false", "1", "true", "+"},
      {"opt_syncmode", b(&TMainSettings::SyncMode), "false", "1", "true", "01"},
      {"opt_oggpath", s(&TMainSettings::OggPath), "", "zologg.dll", "zologg.dll", ""},
      {"opt_wmapath", s(&TMainSettings::WmaPath), "", "zolwma.dll", "zolwma.dll", ""},
      {"opt_hidenavbar", b(&TMainSettings::HideNavBar), "false", "1", "true", "hide"},
  };
  for (const TKeyCase& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(c.read(MakeSource("[Times]\n")->Main()), c.fallback);
    EXPECT_EQ(c.read(TMainSettings()), c.fallback) << "no Main section at all";
    EXPECT_EQ(c.read(MakeSource("[Main]\n" + c.key + "=" + c.written + "\n")->Main()), c.readBack);
    // Key names match in any letter case.
    std::string upper = c.key;
    for (char& ch : upper) ch = char(std::toupper(uint8_t(ch)));
    EXPECT_EQ(c.read(MakeSource("[main]\n" + upper + "=" + c.written + "\n")->Main()), c.readBack);
    if (!c.malformed.empty()) {
      EXPECT_EQ(c.read(MakeSource("[Main]\n" + c.key + "=" + c.malformed + "\n")->Main()), c.fallback);
    }
  }
}

TEST(ShowSettings, RatioUnsharpLanguageAndEndMode) {
  struct TCase {
    std::string main;
    std::optional<double> ratio;
    double unsharp;
    TEndMode end;
  };
  const TCase cases[] = {
      {"", std::nullopt, 0, TEndMode::Repeat},
      {"opt_scr_ratio=1.5\nopt_scr_unsharpamount=0.25\nopt_repeat=Close", 1.5, 0.25, TEndMode::Close},
      {"opt_scr_ratio=0\nopt_scr_unsharpamount=1,5\nopt_repeat=STOP", std::nullopt, 0, TEndMode::Stop},
      {"opt_scr_ratio=-2\nopt_repeat=never", std::nullopt, 0, TEndMode::Repeat},
      {"opt_scr_ratio=4:3\nopt_repeat=", std::nullopt, 0, TEndMode::Repeat},
  };
  for (const TCase& c : cases) {
    TRef<TZolSource> source = MakeSource("[Main]\n" + c.main + "\n");
    EXPECT_EQ(source->Main().ScreenRatio(), c.ratio) << c.main;
    EXPECT_DOUBLE_EQ(source->UnsharpAmount(), c.unsharp) << c.main;
    EXPECT_EQ(source->EndMode(), c.end) << c.main;
    EXPECT_EQ(source->Repeats(), c.end == TEndMode::Repeat);
  }
  TRef<TZolSource> source = MakeSource("[Main]\nopt_lng_passcaption=Kennwort\nopt_lng_ok=\n");
  EXPECT_EQ(source->Main().LanguageText("passcaption", "Password"), "Kennwort");
  EXPECT_EQ(source->Main().LanguageText("ok", "OK"), "") << "a present key keeps its empty value";
  EXPECT_EQ(source->Main().LanguageText("cancel", "Cancel"), "Cancel");
}

TEST(ShowSettings, BackgroundColourIsRedGreenBlue) {
  const std::pair<std::string, TRgbColor> cases[] = {
      {"", {0, 0, 0}},
      {"opt_scr_hidercolor=16711680", {255, 0, 0}},
      {"opt_scr_hidercolor=65280", {0, 255, 0}},
      {"opt_scr_hidercolor=1193046", {0x12, 0x34, 0x56}},
      {"opt_scr_hidercolor=-1", {255, 255, 255}},
      {"opt_scr_hidercolor=0x123456", {0, 0, 0}},
  };
  for (const auto& [main, colour] : cases)
    EXPECT_EQ(MakeSource("[Main]\n" + main + "\n")->BackgroundColor(), colour) << main;
}

TEST(ShowSettings, PauseWhenInactiveAndDesignSizeReachTheCatalog) {
  TRef<TZolSource> source =
      MakeSource("[Main]\nopt_pausewheninactive=0\nopt_scr_width=1024\nopt_scr_height=768\n");
  EXPECT_FALSE(source->PauseWhenInactive());
  EXPECT_EQ(source->EffectManager().DesignWidth(), 1024);
  EXPECT_EQ(source->EffectManager().DesignHeight(), 768);
  TRef<TZolSource> plain = MakeSource("");
  EXPECT_TRUE(plain->PauseWhenInactive());
  EXPECT_EQ(plain->EffectManager().DesignWidth(), 1920);
  EXPECT_EQ(plain->EffectManager().DesignHeight(), 1080);
}

TEST(ShowSettings, ScreenSaverProgramRewritesTheMainSection) {
  struct TCase {
    std::string path;
    bool saver;
  };
  const TCase cases[] = {
      {"/usr/bin/zolviewer", false},   {"/home/a/Show.SCR", true},  {"/home/a/show.scr", true},
      {"/home/a/show.scr.bak", false}, {"/home/a.scr/show", false}, {"C:\\Shows\\saver.Scr", true},
      {"/home/a/scr", false},          {"/home/a/.scr", true},
  };
  const std::string project =
      "[Main]\nopt_ssaver=0\nopt_fcp=1\nopt_hidecursor=0\nopt_scr_full=0\nopt_repeat=stop\n";
  for (const TCase& c : cases) {
    EXPECT_EQ(TZolSource::IsScreenSaverProgram(c.path), c.saver) << c.path;
    TRef<TZolSource> source = MakeSource(project, c.path);
    EXPECT_EQ(source->IsScreenSaver(), c.saver) << c.path;
    const TMainSettings& main = source->Main();
    EXPECT_EQ(main.ScreenSaver(), c.saver);
    EXPECT_EQ(main.ShowNavPanel(), !c.saver);
    EXPECT_EQ(main.HideCursor(), c.saver ? 1 : 0);
    EXPECT_EQ(main.FullScreen(), c.saver);
    EXPECT_EQ(source->EndMode(), c.saver ? TEndMode::Repeat : TEndMode::Stop);
    EXPECT_EQ(source->Tree().ReadString("Main", "opt_ssaver", "?"), c.saver ? "1" : "0");
  }
}

TEST(ShowSettings, ScreenSaverModeCreatesMissingKeysAndSection) {
  TRef<TZolSource> source = MakeSource("[Times]\nopt_slidescount=0\n", "/x/saver.scr");
  const TIniFile& tree = source->Tree();
  EXPECT_EQ(tree.ReadString("Main", "opt_ssaver", "?"), "1");
  EXPECT_EQ(tree.ReadString("Main", "opt_fcp", "?"), "0");
  EXPECT_EQ(tree.ReadString("Main", "opt_hidecursor", "?"), "1");
  EXPECT_EQ(tree.ReadString("Main", "opt_scr_full", "?"), "1");
  EXPECT_EQ(tree.ReadString("Main", "opt_repeat", "?"), "repeat");
  TRef<TZolSource> plain = MakeSource("[Times]\n");
  EXPECT_EQ(plain->Tree().ReadString("Main", "opt_ssaver", "?"), "0");
  EXPECT_EQ(plain->Tree().ReadString("Main", "opt_fcp", "?"), "?") << "nothing else is written";
}

TEST(ShowSettings, AccessorIsHeldAndReplaced) {
  TRef<TZolSource> source = MakeSource("");
  EXPECT_EQ(source->FileAccessor(), nullptr);
  TRef<TFileAccessor> accessor = DefaultFileAccessor();
  source->SetFileAccessor(accessor);
  EXPECT_EQ(source->FileAccessor(), accessor.get());
  TRef<TZolSource> withAccessor =
      MakeRef<TZolSource>(accessor, test::ParseProject(""), TZolSourceSetup{"/x/y", 1});
  EXPECT_EQ(withAccessor->FileAccessor(), accessor.get());
}

}  // namespace
}  // namespace zol

namespace zol {
namespace {

TEST(ShowSettings, MalformedProjectsOpenWithDefaults) {
  const std::string_view texts[] = {
      "",
      "garbage without sections\n=\n;;\n",
      "[Main]\nobject TheEffect:AnEffect\nobject x\n",  // objects left open
      "[Main]\nTheEffect=plain item\n[Times]\nopt_slidescount=2\nopt_synchpos1=x\nopt_synchpos2=1000\n"
      "[Slide1]\nTheEffect=5\n",
      "[Times]\nopt_slidescount=3\nopt_synchpos1=100\nopt_synchpos2=200\nopt_synchpos3=300\n"
      "[Slide1]\nobject TheEffect:AnEffect\nref=push\ndirection=2222\ntime=1e400\nend\n"
      "[Slide2]\nobject "
      "TheEffect:AnEffect\nref=curling\naction=1\ndirection=1\nradius=nan\ntime=99999999\nend\n"
      "[Slide3]\nobject TheEffect\nend\n",
      "[Main]\nobject TheEffect:AnEffect\ntime=-5\nobject a:custom\nchecked=1\nsectionfield=,,,\nend\n"
      "object b:custom\nsectionfield=x\nx=\nend\nend\n[Times]\nopt_slidescount=1\nopt_synchpos1=10\n",
      "[Main]\nobject TheEffect:AnEffect\nobject :\nend\nobject TheEffect:AnEffect\nend\nend\n"
      "[Times]\nopt_slidescount=1\nopt_synchpos1=2147483647\n",
  };
  for (std::string_view text : texts) {
    SCOPED_TRACE(text);
    TRef<TZolSource> source = test::MakeSource(text);
    for (int slide = -2; slide < source->SlideCount() + 2; ++slide) {
      const TSlideEffect chosen = source->EffectForSlide(slide);
      EXPECT_GE(chosen.duration, 0);
      EXPECT_EQ(chosen.duration > 0, chosen.effect.has_value());
      source->GetSlideTiming(slide);
      source->SlideEndAction(slide);
    }
    for (double t : {-1.0, 0.0, 50.0, 150.0, 1e6, 1e12}) {
      const int index = source->SlideAtTime(t);
      EXPECT_GE(index, -1);
      if (index >= 0) {
        EXPECT_LE(source->GetSlideTiming(index).begin, t);
      }
    }
  }
}

TEST(ShowSettings, ProjectTextIsRequired) {
  EXPECT_THROW(MakeRef<TZolSource>(nullptr, nullptr, TZolSourceSetup{"/x/y", 1}), EAssertion);
}

}  // namespace
}  // namespace zol
