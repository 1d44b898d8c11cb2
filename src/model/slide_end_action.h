// TSlideEndAction: what the engine does when the play position reaches the
// end of a slide. Plain value answered by TZolSource::SlideEndAction.
#pragma once

namespace zol {

enum class TSlideEndKind { None, Pause, Loop };

struct TSlideEndAction {
  TSlideEndKind kind = TSlideEndKind::None;
  // Pause and Loop hold the show at the slide's end.
  bool Stops() const { return kind != TSlideEndKind::None; }
  // For Loop: how far back the play position jumps (the slide's still part).
  double loopLength = 0;
};

}  // namespace zol
