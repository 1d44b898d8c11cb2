#include "model/key_frame.h"

#include <optional>
#include <utility>

#include "foundation/case_fold.h"
#include "foundation/ini_value.h"
#include "foundation/log.h"
#include "foundation/real_text.h"

namespace zol {
namespace {

constexpr std::string_view kAnchorNames[] = {"SlideBegin", "PrevEffectEnd", "NextEffectBegin", "SlideEnd"};

// The whole milliseconds of a "Time" item: the text before the first "."
// as an integer, so fractions of a millisecond are dropped.
int32_t ReadWholeMilliseconds(const TIniItem* item) {
  const std::string text = AsString(item);
  return TextToInt(std::string_view(text).substr(0, text.find('.'))).value_or(0);
}

// The groups a key frame of KIND may animate: only pictures have an image
// frame, and colour filters need a picture or a rendered text.
uint32_t GroupsAllowedFor(TZolObjectKind kind) {
  switch (kind) {
    case TZolObjectKind::Splitter:
    case TZolObjectKind::MaskStencil:
    case TZolObjectKind::MaskContent:
      return 0;
    case TZolObjectKind::Image:
    case TZolObjectKind::Video:
      return ~uint32_t(0);
    case TZolObjectKind::AniImage:
    case TZolObjectKind::Text:
    case TZolObjectKind::Button:
      return ~GroupBit(kGroupFrame);
    default:
      return ~(GroupBit(kGroupColor) | GroupBit(kGroupFrame));
  }
}

}  // namespace

TZolKeyFrame::TZolKeyFrame(TZolObjectProps* node, int index) : node_(node), index_(index) {}

void TZolKeyFrame::Read(TRef<TIniObject> object, TZolObjectKind kind, const TObjectTiming& timing) {
  source_ = std::move(object);
  kind_ = kind;
  ReadGroupMask();
  anchor_ = TTimeAnchor(AsEnum(source_->Find("Origin"), kAnchorNames, 0));
  time_ = timing.AnchorTime(anchor_) + ReadWholeMilliseconds(source_->Find("Time"));
  positionList_ = AsList(source_->Find("Position"));
  centerList_ = AsList(source_->Find("CenterPos"));
  ReadValues();
  ReadModifiers();
}

void TZolKeyFrame::ReadGroupMask() {
  groupMask_ = uint32_t(AsInt(source_->Find("grps"), 255)) & GroupsAllowedFor(kind_);
}

void TZolKeyFrame::ReadValues() {
  for (const TAnimatedFieldDesk& field : AnimatedFields()) {
    float& value = values_[size_t(field.index)];
    if (field.component < 0) {
      value = float(AsReal(source_->Find(field.keyName), field.defaultValue));
      continue;
    }
    const std::vector<std::string>& list = field.keyName == "Position" ? positionList_ : centerList_;
    value = size_t(field.component) < list.size()
                ? float(TextToReal(list[size_t(field.component)]).value_or(field.defaultValue))
                : field.defaultValue;
  }
}

void TZolKeyFrame::ReadModifiers() {
  TModifierSlots previousGroups = std::exchange(groupModifiers_, TModifierSlots(kFieldGroupCount));
  TModifierSlots previousFields = std::exchange(fieldModifiers_, TModifierSlots(kAnimatedFieldCount));
  // Modifiers taken over are cleared from these copies so that each is used once.
  auto copyChains = [](const TModifierSlots& slots, int count) {
    std::vector<std::vector<TRef<TKeyFrameModifier>>> chains(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) chains[size_t(i)].assign(slots.Chain(i).begin(), slots.Chain(i).end());
    return chains;
  };
  auto oldGroups = copyChains(previousGroups, kFieldGroupCount);
  auto oldFields = copyChains(previousFields, kAnimatedFieldCount);
  previousGroups.Clear();
  previousFields.Clear();

  modifierObjects_.clear();
  filterObjects_.clear();
  const TModifierFactory factory = ModifierFactory();
  for (TIniObject* child = source_->FirstObject(); child; child = child->NextObject()) {
    if (EqualNoCase(child->Type(), "Filter")) {
      filterObjects_.emplace_back(child);
      continue;
    }
    if (!EqualNoCase(child->Type(), "Mod")) continue;
    modifierObjects_.emplace_back(child);
    const std::optional<TModifierDestination> destination =
        ParseModifierDestination(AsString(child->Find("dst")));
    if (!destination) continue;
    auto& old = (destination->group ? oldGroups : oldFields)[size_t(destination->index)];
    TRef<TKeyFrameModifier> modifier;
    for (TRef<TKeyFrameModifier>& candidate : old) {
      if (candidate && candidate->Accepts(*child)) {
        modifier = std::move(candidate);
        break;
      }
    }
    if (!modifier && factory && node_) {
      try {
        modifier = factory(*node_, *child, *destination);
      } catch (const std::exception& e) {
        // A modifier that cannot be read is left out; the key frame still plays.
        LogText(std::string("Key frame modifier dropped: ") + e.what());
      }
    }
    (destination->group ? groupModifiers_ : fieldModifiers_).Add(destination->index, std::move(modifier));
  }
}

double TZolKeyFrame::GetKeyValue(int field, bool* defined) const {
  const TAnimatedFieldDesk& desk = AnimatedField(field);
  const bool has = HasGroup(desk.group);
  if (defined) *defined = has;
  return has ? values_[size_t(field)] : desk.defaultValue;
}

void TZolKeyFrame::SetKeyValue(int field, double value) {
  if (!source_) return;
  const TAnimatedFieldDesk& desk = AnimatedField(field);
  if (desk.component < 0) {
    SetReal(source_->FindOrCreate(desk.keyName), value);
  } else {
    std::vector<std::string>& list = desk.keyName == "Position" ? positionList_ : centerList_;
    // Components before the written one that the list lacks get the values
    // the key frame reads for them, so the list stays positional.
    while (list.size() < size_t(desk.component)) {
      std::string known = "0";
      for (const TAnimatedFieldDesk& other : AnimatedFields())
        if (other.keyName == desk.keyName && size_t(other.component) == list.size())
          known = RealToText(values_[size_t(other.index)]);
      list.push_back(known);
    }
    if (list.size() == size_t(desk.component)) list.emplace_back();
    list[size_t(desk.component)] = RealToText(value);
    std::string text;
    for (size_t i = 0; i < list.size(); ++i) text += (i ? "," : "") + list[i];
    SetString(source_->FindOrCreate(desk.keyName), text);
  }
  values_[size_t(field)] = float(value);
  TIniItem* groups = source_->FindOrCreate("grps");
  SetInt(groups, AsInt(groups, 255) | int32_t(GroupBit(desk.group)));
  ReadGroupMask();
}

void TZolKeyFrame::Dispose() {
  groupModifiers_.Clear();
  fieldModifiers_.Clear();
  modifierObjects_.clear();
  filterObjects_.clear();
  source_ = nullptr;
  node_ = nullptr;
  TRefObject::Dispose();
}

}  // namespace zol
