// TColorGrades: the colour grade an object's picture is drawn with: the
// lookup of the Color track's previous and next key frames (each key
// frame's colour filters baked over the picture's colour-management cube)
// and the track's fraction between them. One lookup is kept per key frame
// and made again only when its filters, the cube or the kind of table
// change. The colour filters themselves come through a reader hook that the
// colour-filter module installs; without it key frames grade nothing and
// only colour management remains. Owned by its object; the object's
// drawing thread.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "foundation/ref.h"
#include "render/color_grade_lookup.h"
#include "render/image_draw_params.h"
#include "render/lookup_table_filter.h"
#include "render/pixel_image.h"

namespace zol {

class TZolKeyFrame;
class TZolObjectProps;

// What a key frame's colour filters give: the chain as a table filter, how
// much of a table it needs (0 no enabled filter, 2 a ramp per channel, 3 a
// cube), and a key that changes whenever the chain's description does.
struct TKeyFrameGrade {
  TRef<TLookupTableFilter> filters;
  int gradingClass = 0;
  uint64_t key = 0;
};
using TKeyFrameGradeReader = std::function<TKeyFrameGrade(const TZolKeyFrame& key)>;

// Installs READER (at start-up) and returns the one it replaces.
TKeyFrameGradeReader SetKeyFrameGradeReader(TKeyFrameGradeReader reader);
// KEY's grade through the installed reader; no grade without one.
TKeyFrameGrade ReadKeyFrameGrade(const TZolKeyFrame& key);

class TColorGrades {
 public:
  // Fills PARAMS' grade fields for NODE at its current evaluation, for a
  // picture whose colour-management cube is CMS (none when it needs none).
  // Nothing is graded when no key frame has filters and there is no cube.
  void Fill(TZolObjectProps& node, const TRef<TPixelImage>& cms, TImageDrawParams& params);
  // Forgets every lookup (the picture or the key frames went).
  void Clear();

 private:
  struct THolder {
    uint64_t key = 0;
    const TLookupTableFilter* filters = nullptr;
    const TPixelImage* cms = nullptr;
    TColorGradeMode mode = TColorGradeMode::None;
    TRef<TColorGradeLookup> lookup;
  };

  TRef<TColorGradeLookup> Lookup(size_t slot, const TKeyFrameGrade& grade, const TRef<TPixelImage>& cms,
                                 TColorGradeMode mode);

  std::vector<THolder> holders_;  // by key-frame index; the last slot is the cube alone
};

}  // namespace zol
