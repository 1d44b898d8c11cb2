// TGroupTrack: where the play position stands on one field group's key
// frames: the key frames before and after it and the time fraction between
// them. Eight per node; the search resumes from the last position, so a show
// playing forward costs constant time per group and frame. Same threading as
// the node.
#pragma once

#include <span>

#include "foundation/ref.h"
#include "model/key_frame.h"

namespace zol {

struct TGroupTrack {
  int first = 0;  // lowest and highest index of a key frame with the group;
  int last = -1;  // last -1: no key frame has it
  int previous = 0;
  int next = 0;
  double inverseDuration = 0;
  double fraction = 0;

  bool Defined() const { return last >= 0; }
  void Reset() { *this = TGroupTrack(); }
};

// 1 / SPAN, or 0 for spans too short to divide by (an immediate jump).
inline double InverseSpan(double span) {
  return span > 0.0001 ? 1 / span : 0;
}

// Finds the key frames of KEYS that carry GROUP and puts previous and next on
// the first of them.
void PrepareTrack(TGroupTrack& track, int group, std::span<const TRef<TZolKeyFrame>> keys);

// Moves previous/next so that previous is the last key frame of the group at
// or before T and next the first after it, and sets the fraction between
// them. Before the group's first key frame the first one holds (fraction 0);
// after its last one the fraction runs towards SLIDEEND. KEYS are in time order.
void SeekTrack(TGroupTrack& track, int group, std::span<const TRef<TZolKeyFrame>> keys, double t,
               double slideEnd);

}  // namespace zol
