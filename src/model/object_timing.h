// The timing an animation tree is read with, relative to the slide start, and
// the time anchors key frames are placed from. Plain values; any thread.
#pragma once

#include <cstdint>

namespace zol {

// Where a key frame's time is counted from; also the anchors a slide answers
// in show time.
enum class TTimeAnchor : uint8_t {
  SlideBegin = 0,
  PrevEffectEnd = 1,    // the end of the transition into the slide
  NextEffectBegin = 2,  // the start of the transition to the next slide
  SlideEnd = 3,         // the end of that transition
};

// Whole milliseconds relative to the slide start.
struct TObjectTiming {
  int32_t slideEnd = 0;
  int32_t incomingEnd = 0;
  int32_t outgoingDuration = 0;

  // The time of ANCHOR relative to the slide start.
  double AnchorTime(TTimeAnchor anchor) const {
    switch (anchor) {
      case TTimeAnchor::PrevEffectEnd:
        return incomingEnd;
      case TTimeAnchor::NextEffectBegin:
        return double(slideEnd) - outgoingDuration;
      case TTimeAnchor::SlideEnd:
        return slideEnd;
      case TTimeAnchor::SlideBegin:
        break;
    }
    return 0;
  }
  friend bool operator==(const TObjectTiming&, const TObjectTiming&) = default;
};

}  // namespace zol
