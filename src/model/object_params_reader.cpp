// The parameters every kind of show object reads (TZolObject::ReadParams).
#include "foundation/ini_object.h"
#include "foundation/ini_value.h"
#include "model/slide_host.h"
#include "model/zol_object.h"

namespace zol {

void TZolObject::ReadParams(TZolObjectProps& node) {
  const TIniObject* source = node.Source();
  auto item = [source](std::string_view key) -> const TIniItem* {
    return source ? source->Find(key) : nullptr;
  };

  name_ = node.Name();
  fitMode_ = TFitMode(AsEnum(item("FitMode"), {"None", "PlaceInto", "Cover"}, int(TFitMode::PlaceInto)));
  posMode_ = TPosMode(AsEnum(item("PosMode"), {"Absolute", "Percent"}, int(TPosMode::Percent)));
  centerMode_ = TPosMode(AsEnum(item("CenterMode"), {"Absolute", "Percent"}, int(TPosMode::Percent)));
  transpForClick_ = AsBool(item("TranspForClick"), commonDefaults_.transpForClick);
  treeNode_ = AsBool(item("TreeNode"), true);

  TObjectShadow shadow;
  shadow.enabled = AsBool(item("ShadowEnable"), commonDefaults_.shadowEnable);
  shadow.size = float(AsReal(item("ShadowSize"), 16));
  shadow.color = uint32_t(AsInt(item("ShadowColor"), 0)) & 0xFFFFFFu;
  shadow.opacity = float(AsReal(item("ShadowOpacity"), 59));
  shadow.distance = float(AsReal(item("ShadowDistance"), 1.5));
  shadow.angle = AsReal(item("ShadowAngle"), 45);
  shadow.spreadIndex = AsInt(item("ShadowSpreadIndex"), 0);
  shadow.follows3D = AsBool(item("3DShadow"), false);
  // Only a shadow that is drawn needs the display's colour.
  TZolSlideHost* host = GetHost();
  shadow.displayColor = shadow.enabled && host ? host->DisplayColor(shadow.color) : shadow.color;
  shadow_ = shadow;

  const int32_t hideMode = AsInt(item("HideMode"), 0);
  hideBack_ = (hideMode & 1) != 0;
  hideFront_ = hideMode >= 2;
  childInvis_ = AsBool(item("ChildInvis"), false);
  action_ = AsString(item("Action"));
  MarkChanged();
}

}  // namespace zol
