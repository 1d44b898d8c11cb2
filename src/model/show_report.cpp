#include "model/show_report.h"

#include "model/zol_source.h"

namespace zol {

std::string_view EndKindName(TSlideEndKind kind) {
  switch (kind) {
    case TSlideEndKind::Pause:
      return "pause";
    case TSlideEndKind::Loop:
      return "loop";
    case TSlideEndKind::None:
      break;
  }
  return "none";
}

std::vector<TSlideTimingRow> SlideTimingRows(const TZolSource& source) {
  std::vector<TSlideTimingRow> rows;
  for (int i = 0; i < source.SlideCount(); ++i) {
    const TSlideTiming timing = source.GetSlideTiming(i);
    const TSlideEndAction action = source.SlideEndAction(i);
    rows.push_back({i, timing.begin, timing.nextBegin, timing.incoming, timing.outgoing, timing.end,
                    timing.slideId, action.kind, action.loopLength});
  }
  return rows;
}

std::vector<TSlideTransitionRow> SlideTransitionRows(TZolSource& source) {
  std::vector<TSlideTransitionRow> rows;
  for (int i = 0; i < source.SlideCount(); ++i) {
    TSlideTransitionRow row;
    row.index = i;
    if (const TEffectProp* view = source.EffectManager().SlideView(i)) row.ref = view->EffectName();
    const TSlideEffect chosen = source.EffectInFixedOrder(i);
    row.duration = chosen.duration;
    row.smoothline = chosen.smoothline;
    const TEffectType type = chosen.effect ? chosen.effect->type : TEffectType::None;
    row.type = int(type);
    row.typeName = std::string(EffectTypeName(type));
    if (chosen.effect) row.name = chosen.effect->name;
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace zol
