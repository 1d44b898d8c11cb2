// The viewer process: its start-up order, its end, and the few values the
// whole process shares. RunViewerProcess runs on the main thread; the
// accessors may be read from any thread once start-up set them.
#pragma once

namespace zol {

int RunViewerProcess(int argc, char** argv);

// -cover: the slide producer covers the whole screen.
bool CoverMode();

// The process exit code; 0 unless an action sets it.
int ProcessExitCode();
void SetProcessExitCode(int code);

// True when another copy of this program held the single-instance lock at start.
bool AnotherInstanceRunning();

}  // namespace zol
