#include "model/key_frame_modifier.h"

#include <mutex>

#include "model/animated_fields.h"

namespace zol {
namespace {

std::mutex& FactoryLock() {
  static std::mutex lock;
  return lock;
}

TModifierFactory& Factory() {
  static TModifierFactory factory;
  return factory;
}

}  // namespace

std::optional<TModifierDestination> ParseModifierDestination(std::string_view dst) {
  const size_t dot = dst.rfind('.');
  const std::string_view groupName = dot == std::string_view::npos ? dst : dst.substr(0, dot);
  const std::optional<int> group = FindFieldGroup(groupName);
  if (!group) return std::nullopt;
  if (dot != std::string_view::npos) {
    const std::string_view rest = dst.substr(dot + 1);
    if (rest == "T" || rest == "t") return TModifierDestination{true, *group};
  }
  const std::optional<int> field = FindFieldByDottedName(dst);
  if (!field || AnimatedField(*field).group != *group) return std::nullopt;
  return TModifierDestination{false, *field};
}

TModifierFactory SetModifierFactory(TModifierFactory factory) {
  std::lock_guard guard(FactoryLock());
  TModifierFactory previous = std::move(Factory());
  Factory() = std::move(factory);
  return previous;
}

TModifierFactory ModifierFactory() {
  std::lock_guard guard(FactoryLock());
  return Factory();
}

void TModifierSlots::Add(int index, TRef<TKeyFrameModifier> modifier) {
  if (index < 0 || size_t(index) >= chains_.size() || !modifier) return;
  chains_[size_t(index)].push_back(std::move(modifier));
  range_.Include({uint8_t(index), uint8_t(index + 1)});
}

std::span<const TRef<TKeyFrameModifier>> TModifierSlots::Chain(int index) const {
  if (index < 0 || size_t(index) >= chains_.size()) return {};
  return chains_[size_t(index)];
}

void TModifierSlots::Clear() {
  for (auto& chain : chains_) chain.clear();
  range_ = {};
}

}  // namespace zol
