// The load-yield hook: long background loads call it after every chunk so
// that they give way to playback. One process-wide mode, set by the engine;
// any thread may call LoadYield. Mode and last-yield time are not locked: a
// race costs at most one extra or missed yield.
#pragma once

namespace zol {

enum class TLoadYieldMode {
  Off = 0,         // nothing happens
  Polite = 1,      // give up the time slice at most once per 5 ms
  Playing = 2,     // sleep 1 ms at most once per 5 ms; the process runs at high priority
  Stop = 3,        // tell loaders to stop
};

void SetLoadYieldMode(TLoadYieldMode mode);
TLoadYieldMode LoadYieldMode();

// One call of the hook: true to continue, false when loads should stop.
bool LoadYield();

}  // namespace zol
