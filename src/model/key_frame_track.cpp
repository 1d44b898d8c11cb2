#include "model/key_frame_track.h"

namespace zol {

void PrepareTrack(TGroupTrack& track, int group, std::span<const TRef<TZolKeyFrame>> keys) {
  track.Reset();
  for (int i = 0; i < int(keys.size()); ++i) {
    if (!keys[size_t(i)]->HasGroup(group)) continue;
    if (track.last < 0) track.first = i;
    track.last = i;
  }
  track.previous = track.next = track.first;
}

void SeekTrack(TGroupTrack& track, int group, std::span<const TRef<TZolKeyFrame>> keys, double t,
               double slideEnd) {
  if (!track.Defined() || track.last >= int(keys.size())) return;
  auto time = [&](int i) { return keys[size_t(i)]->Time(); };
  auto has = [&](int i) { return keys[size_t(i)]->HasGroup(group); };
  // The last key frame carries the group, so these stop at first and last.
  auto following = [&](int i) {
    do ++i;
    while (i < track.last && !has(i));
    return i;
  };
  auto preceding = [&](int i) {
    do --i;
    while (i > track.first && !has(i));
    return i;
  };

  int p = track.previous;
  if (p < track.first || p > track.last || !has(p)) p = track.first;
  while (p < track.last && time(following(p)) <= t) p = following(p);
  while (p > track.first && time(p) > t) p = preceding(p);

  if (time(track.first) > t) {
    track.previous = track.next = track.first;
    track.inverseDuration = 0;
    track.fraction = 0;
    return;
  }
  if (p == track.last) {
    track.previous = track.next = track.last;
    track.inverseDuration = InverseSpan(slideEnd - time(p));
  } else {
    track.previous = p;
    track.next = following(p);
    track.inverseDuration = InverseSpan(time(track.next) - time(p));
  }
  track.fraction = (t - time(track.previous)) * track.inverseDuration;
}

}  // namespace zol
