#include "shell/screen_saver_state.h"

#include "platform/display.h"

namespace zol {

TScreenSaverState& TScreenSaverState::Process() {
  static TScreenSaverState state;
  return state;
}

void TScreenSaverState::EnterRunning() {
  if (running_) return;
  // While we are the saver the desktop's own must not start over us.
  platform::InhibitScreenSaver(true);
  running_ = true;
  suspended_ = false;
}

void TScreenSaverState::SuspendSystemSaver() {
  if (running_ || suspended_) return;
  platform::InhibitScreenSaver(true);
  suspended_ = true;
}

void TScreenSaverState::RestoreAtExit() {
  if (running_ || suspended_) platform::InhibitScreenSaver(false);
  running_ = suspended_ = false;
}

}  // namespace zol
