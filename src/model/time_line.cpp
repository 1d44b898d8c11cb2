#include "model/time_line.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/zol_source_error.h"

namespace zol {

TTimeLine::TTimeLine(const std::vector<TSlideInput>& slides, bool repeats) {
  records_.resize(slides.size());
  double previous = 0;
  for (size_t i = 0; i < slides.size(); ++i) {
    const double next = slides[i].nextBegin;
    if (next < previous) throw EZolSourceError("Incorrect time");
    TSlideTiming& record = records_[i];
    record.begin = previous;
    record.nextBegin = next;
    // A transition cannot outlast the slide it brings in.
    record.incoming = std::clamp(slides[i].incoming, 0.0, next - previous);
    record.slideId = slides[i].slideId;
    previous = next;
  }
  showLength_ = previous;
  // The transition out of a slide is the next slide's transition in, with
  // the same cut: were the uncut length used here, a slide would end after
  // the slide following it has begun, and the player, which looks for the
  // slide whose end lies ahead, would go back to it.
  for (size_t i = 0; i < records_.size(); ++i) {
    TSlideTiming& record = records_[i];
    if (i + 1 < records_.size())
      record.outgoing = records_[i + 1].incoming;
    else
      record.outgoing = repeats ? records_.front().incoming : 0;
    record.end = record.nextBegin + record.outgoing;
  }
}

TSlideTiming TTimeLine::At(int index, int* repetition) const {
  TSlideTiming record;
  int rep = -1;
  if (index == -1) {
    record.begin = kLeadInBegin;
    record.nextBegin = 0;
    record.incoming = 0;
    record.outgoing = record.end = records_.empty() ? 0 : records_.front().incoming;
  } else if (index < -1) {
    record.begin = kSentinelBegin;
    record.nextBegin = record.end = kLeadInBegin;
  } else if (records_.empty()) {
    // An empty show has nothing after the lead-in.
    rep = 0;
  } else {
    const int count = Count();
    rep = index / count;
    record = records_[size_t(index % count)];
    if (rep > 0) {
      const double shift = rep * showLength_;
      record.begin += shift;
      record.nextBegin += shift;
      record.end += shift;
    }
  }
  if (repetition) *repetition = rep;
  return record;
}

int TTimeLine::SlideAtTime(double t) const {
  if (!(t > 0) || records_.empty()) return -1;
  const int count = Count();
  const double lastNext = records_.back().nextBegin;
  // A show without length never reaches a later time: the last slide stays.
  if (showLength_ <= 0) return count - 1;
  // The repetition whose span (start, end] holds t, computed with the same
  // arithmetic as At(), so that both agree on boundaries.
  auto repetitionEnd = [&](double r) { return lastNext + r * showLength_; };
  constexpr int kMaxIndex = std::numeric_limits<int>::max();
  double r = std::max(0.0, std::ceil(t / showLength_) - 1);
  // Indices end at the int range; so does the search (and r stays a small
  // whole number, which the steps below can change one by one).
  if (r >= double(kMaxIndex / count)) return kMaxIndex;
  while (r > 0 && t <= repetitionEnd(r - 1)) r -= 1;
  while (t > repetitionEnd(r)) r += 1;
  const double shift = r * showLength_;
  auto found =
      std::lower_bound(records_.begin(), records_.end(), t, [&](const TSlideTiming& record, double time) {
        return (r > 0 ? record.nextBegin + shift : record.nextBegin) < time;
      });
  const int64_t index = int64_t(r) * count + (found - records_.begin());
  return index > kMaxIndex ? kMaxIndex : int(index);
}

}  // namespace zol
