#include <gtest/gtest.h>

#include "shell/screen_saver_state.h"

namespace zol {
namespace {

TEST(ScreenSaverState, RunningWinsOverSuspendingAndExitRestores) {
  TScreenSaverState state;
  state.SuspendSystemSaver();
  EXPECT_TRUE(state.Suspended());
  state.EnterRunning();
  EXPECT_TRUE(state.Running());
  EXPECT_FALSE(state.Suspended()) << "running as the saver replaces the suspension";
  state.SuspendSystemSaver();
  EXPECT_FALSE(state.Suspended()) << "nothing to suspend while we are the saver";
  state.RestoreAtExit();
  EXPECT_FALSE(state.Running());
  EXPECT_FALSE(state.Suspended());
}

}  // namespace
}  // namespace zol
