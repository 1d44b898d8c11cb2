// The process-wide screen-saver switches: whether this program runs as the
// screen saver, and whether it keeps the desktop's saver from starting while
// a show plays. Main thread only.
#pragma once

namespace zol {

class TScreenSaverState {
 public:
  static TScreenSaverState& Process();

  // Running as the screen saver (only once).
  void EnterRunning();
  // Keeps the desktop's saver off while a show plays (only when neither is set).
  void SuspendSystemSaver();
  // Puts the desktop's saver back as it was; called at process end.
  void RestoreAtExit();

  bool Running() const { return running_; }
  bool Suspended() const { return suspended_; }

 private:
  bool running_ = false;
  bool suspended_ = false;
};

}  // namespace zol
