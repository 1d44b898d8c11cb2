#include "shell/viewer_process.h"

#include <atomic>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "foundation/command_line.h"
#include "foundation/exception_reporter.h"
#include "foundation/file_log.h"
#include "foundation/log.h"
#include "foundation/log_banner.h"
#include "foundation/ms_clock.h"
#include "foundation/std_log.h"
#include "foundation/thread.h"
#include "foundation/thread_registry.h"
#include "image/image_loaders.h"
#include "image/placeholder_picture.h"
#include "model/picture_kinds.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/process.h"
#include "package/colour_overrides.h"
#include "shell/picture_command.h"
#include "shell/screen_saver_state.h"
#include "shell/show_info.h"
#include "shell/single_instance.h"

namespace zol {
namespace {

constexpr const char* kErrorCaption = "Slideshow Error";
constexpr const char* kTooFewColours =
    "Currently you have 256 or 16 colors display mode.\rSet True color or High color display mode.";
// How long process end waits for program threads that are still running.
constexpr int kThreadShutdownLimitMs = 3000;

std::atomic<bool> gCover{false};
std::atomic<int> gExitCode{0};
std::atomic<bool> gAnotherInstance{false};

void InstallRequestedLog(TCommandLine& commandLine, const std::string& programPath) {
  if (commandLine.HasOption("filelog"))
    InstallLog(MakeRef<TFileLog>(LogFilePathFor(programPath)));
  else if (commandLine.HasOption("log"))
    InstallLog(MakeRef<TStdLog>());
}

// In start-up mode the program was started by another one, whose window id is
// the last parameter: hand the foreground back to it when we are done.
void ReturnForegroundToStarter(TCommandLine& commandLine) {
  if (!commandLine.ExactToken("-startup")) return;
  const auto& tokens = commandLine.Tokens();
  if (tokens.size() < 3) return;  // the program path and at least two parameters
  const std::string& last = tokens.back();
  char* end = nullptr;
  unsigned long long id = strtoull(last.c_str(), &end, 10);
  if (last.empty() || *end != '\0' || last[0] == '-') return;
  platform::BringWindowToFront(id);
}

}  // namespace

bool CoverMode() { return gCover; }
int ProcessExitCode() { return gExitCode; }
void SetProcessExitCode(int code) { gExitCode = code; }
bool AnotherInstanceRunning() { return gAnotherInstance; }

int RunViewerProcess(int argc, char** argv) {
  // 1. Clock, start time, the null log, the command line, the instance lock.
  ResetMsClockBase();
  const platform::LocalTime startTime = platform::NowLocal();
  InstallLog(nullptr);
  const std::string programPath = platform::ModulePath();
  TCommandLine& commandLine = ProcessCommandLine();
  commandLine.Parse(std::vector<std::string>(argv, argv + argc));
  auto instance = std::make_unique<TSingleInstance>(programPath);
  gAnotherInstance = instance->AnotherInstanceRunning();
  gCover = commandLine.HasOption("cover");

  // 2. Nothing to switch off: Linux shows no system error dialogs.
  // 3. The picture loaders (linked in, not looked for) and the picture shown
  // for what is missing or broken.
  InstallImageLoaders();
  InstallPlaceholderPicture();
  // Pictures, texts and buttons on slides.
  InstallPictureKinds();

  // 4. A display of too few colours cannot show a slide.
  if (auto bits = platform::DisplayBitsPerPixel(); bits && *bits < 16) {
    platform::ShowWarningMessage(kErrorCaption, kTooFewColours);
    return 1;
  }

  // 5. The log.
  InstallRequestedLog(commandLine, programPath);
  LogStartBanner(programPath, startTime);

  // 6. Colour-management overrides.
  ColourOverrides() = ParseColourOverrides(commandLine);

  // 7-9. The show window and its message loop arrive with the main window;
  // until then the reports of the command line run here.
  if (commandLine.HasOption("info")) SetProcessExitCode(RunShowInfo(commandLine));
  if (commandLine.HasOption("picture")) SetProcessExitCode(RunPictureCommand(commandLine));

  // 10.
  ReturnForegroundToStarter(commandLine);

  // 11. The end of the run.
  TScreenSaverState::Process().RestoreAtExit();
  LogStopBanner(platform::NowLocal(), MsClock());
  const int exitCode = ProcessExitCode();
  bool threadsLeft = !TThreadRegistry::Process().Shutdown(kThreadShutdownLimitMs);
  threadsLeft = TThread::ReapDetached() > 0 || threadsLeft;
  if (threadsLeft) {
    LogText("Threads still running at exit; ending the process without clean-up");
    platform::ExitProcessNow(exitCode);
  }
  InstallLog(nullptr);
  return exitCode;
}

}  // namespace zol
