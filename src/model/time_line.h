// TTimeLine: where every slide of a show begins and ends, and which slide a
// show time falls in, including the endless repetitions of a repeating show.
// Built once by TZolSource; read-only afterwards, so any thread may read it.
#pragma once

#include <string>
#include <vector>

#include "model/slide_timing.h"

namespace zol {

class TTimeLine {
 public:
  // The lead-in before the first slide, and the sentinel before it.
  static constexpr double kLeadInBegin = -1073741823;
  static constexpr double kSentinelBegin = -2147483647;

  // What the show settings give for slide i: its synchronisation position
  // (the next slide's begin), the length of its incoming transition before
  // any cut, and its id.
  struct TSlideInput {
    double nextBegin = 0;
    double incoming = 0;
    std::string slideId;
  };

  TTimeLine() = default;
  // Raises EZolSourceError "Incorrect time" when a position lies before the
  // one of the slide before. REPEATS: the show starts again after its last
  // slide, so the first slide's transition follows the last one.
  TTimeLine(const std::vector<TSlideInput>& slides, bool repeats);

  int Count() const { return int(records_.size()); }
  // The last slide's next begin.
  double ShowLength() const { return showLength_; }
  const std::vector<TSlideTiming>& Records() const { return records_; }

  // The record of INDEX: -1 the lead-in, below -1 the sentinel, from the
  // slide count on the slides of later repetitions, shifted by whole show
  // lengths. REPETITION (when given) receives -1 for the lead-in and the
  // sentinel, else the repetition.
  TSlideTiming At(int index, int* repetition = nullptr) const;
  // The first index, from -1 on, whose begin <= T <= next begin: a time on a
  // boundary belongs to the earlier slide, and T <= 0 gives -1.
  int SlideAtTime(double t) const;

 private:
  std::vector<TSlideTiming> records_;
  double showLength_ = 0;
};

}  // namespace zol
