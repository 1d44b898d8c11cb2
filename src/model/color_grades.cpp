#include "model/color_grades.h"

#include <mutex>
#include <utility>

#include "model/zol_object_props.h"

namespace zol {
namespace {

struct TReaderSlot {
  std::mutex lock;
  TKeyFrameGradeReader reader;
};

TReaderSlot& Slot() {
  static TReaderSlot slot;
  return slot;
}

constexpr int kCrossChannel = 3;

}  // namespace

TKeyFrameGradeReader SetKeyFrameGradeReader(TKeyFrameGradeReader reader) {
  TReaderSlot& slot = Slot();
  std::lock_guard guard(slot.lock);
  return std::exchange(slot.reader, std::move(reader));
}

TKeyFrameGrade ReadKeyFrameGrade(const TZolKeyFrame& key) {
  TKeyFrameGradeReader reader;
  {
    TReaderSlot& slot = Slot();
    std::lock_guard guard(slot.lock);
    reader = slot.reader;
  }
  return reader ? reader(key) : TKeyFrameGrade();
}

void TColorGrades::Clear() {
  holders_.clear();
}

TRef<TColorGradeLookup> TColorGrades::Lookup(size_t slot, const TKeyFrameGrade& grade,
                                             const TRef<TPixelImage>& cms, TColorGradeMode mode) {
  if (holders_.size() <= slot) holders_.resize(slot + 1);
  THolder& holder = holders_[slot];
  const TLookupTableFilter* filters = grade.gradingClass > 0 ? grade.filters.get() : nullptr;
  if (!holder.lookup || holder.key != grade.key || holder.filters != filters || holder.cms != cms.get() ||
      holder.mode != mode) {
    holder.key = grade.key;
    holder.filters = filters;
    holder.cms = cms.get();
    holder.mode = mode;
    holder.lookup = MakeRef<TColorGradeLookup>(mode, cms, filters ? grade.filters : nullptr);
  }
  return holder.lookup;
}

void TColorGrades::Fill(TZolObjectProps& node, const TRef<TPixelImage>& cms, TImageDrawParams& params) {
  params.gradeMode = TColorGradeMode::None;
  params.lookup1 = params.lookup2 = nullptr;
  params.gradeWeight = 0;

  const TZolKeyFrameArray& keys = node.KeyFrames();
  const TGroupTrack& track = node.Track(kGroupColor);
  const bool defined = track.Defined() && track.previous >= 0 && track.next >= 0 &&
                       track.previous < keys.Count() && track.next < keys.Count();
  if (!defined) {
    // Without colour key frames the picture still needs its colours brought
    // to the display.
    if (!cms) return;
    const size_t slot = size_t(keys.Count());
    params.gradeMode = TColorGradeMode::Cube;
    params.lookup1 = params.lookup2 = Lookup(slot, {}, cms, TColorGradeMode::Cube);
    return;
  }

  const TKeyFrameGrade previous = ReadKeyFrameGrade(keys[track.previous]);
  const TKeyFrameGrade next = track.next == track.previous ? previous : ReadKeyFrameGrade(keys[track.next]);
  if (previous.gradingClass <= 0 && next.gradingClass <= 0 && !cms) return;
  // A cube when the colours must be managed or a filter mixes channels; a
  // per-channel ramp suffices otherwise.
  const bool cube = cms || previous.gradingClass >= kCrossChannel || next.gradingClass >= kCrossChannel;
  const TColorGradeMode mode = cube ? TColorGradeMode::Cube : TColorGradeMode::Ramp;
  params.gradeMode = mode;
  params.lookup1 = Lookup(size_t(track.previous), previous, cms, mode);
  params.lookup2 = Lookup(size_t(track.next), next, cms, mode);
  params.gradeWeight = float(node.GroupFraction(kGroupColor));
}

}  // namespace zol
