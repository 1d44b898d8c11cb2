// Sprite-sheet animation of an image: the sheet's cells, how long each frame
// shows, how often the sequence runs, and which cell shows at a given time.
// Plain values and pure functions; any thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/geometry.h"

namespace zol {

// More cells than this make no picture anyone could see; counts are capped
// so that a damaged project cannot ask for endless interval tables.
constexpr int kMaxAnimationFrames = 65536;

struct TImageAnimationParams {
  bool enabled = false;
  int columns = 1;                 // at least 1
  int rows = 1;                    // at least 1
  int count = 0;                   // frames of the sequence
  std::vector<int32_t> intervals;  // milliseconds per frame, all at least 1
  int repCount = 0;                // passes through the sequence; 0: endless
  double offset = 0;               // milliseconds before the first frame starts

  // The cells of the sheet (capped at kMaxAnimationFrames).
  int Cells() const;
  // The frames the sequence runs through: the count, at most one per cell.
  int FrameCount() const;
};

// COUNT frame durations from the "AnimInterval" list PARTS: a value below 1
// (or one that is no number) becomes 100, missing trailing entries repeat the
// last given one, an empty list gives 100 for all.
std::vector<int32_t> ReadFrameIntervals(const std::vector<std::string>& parts, int count);

// The frame shown NODETIME milliseconds after the slide start: the
// sequence runs from the offset on, frame after frame, over and over, or
// REPCOUNT times and then holds its last frame.
int AnimationFrame(const TImageAnimationParams& params, double nodeTime);

// The rectangle of FRAME's cell in a WIDTH x HEIGHT sheet: cells run left to
// right, then top to bottom.
TRectF AnimationCell(int frame, int columns, int rows, int width, int height);

}  // namespace zol
