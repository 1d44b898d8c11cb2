// Rows describing a show's time line and transitions for reports (-info):
// one row per slide, transitions as fixed-order mode chooses them, so the
// same show always reports the same. Plain functions; any thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/slide_end_action.h"

namespace zol {

class TZolSource;

struct TSlideTimingRow {
  int index = 0;
  double begin = 0;
  double nextBegin = 0;
  double incoming = 0;
  double outgoing = 0;
  double end = 0;
  std::string slideId;
  TSlideEndKind endAction = TSlideEndKind::None;
  double loopMs = 0;  // Loop only
};

struct TSlideTransitionRow {
  int index = 0;
  std::string ref;       // what the slide asks for: "default", "quick", a family, a custom name
  std::string name;      // the effect drawn; empty without transition
  int type = 0;          // TEffectType; 0 without transition
  std::string typeName;  // "hourhand", ... "custom"; "none" without transition
  double duration = 0;
  double smoothline = 0;
};

// "none", "pause", "loop".
std::string_view EndKindName(TSlideEndKind kind);

std::vector<TSlideTimingRow> SlideTimingRows(const TZolSource& source);
std::vector<TSlideTransitionRow> SlideTransitionRows(TZolSource& source);

}  // namespace zol
