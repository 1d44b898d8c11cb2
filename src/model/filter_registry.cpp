#include "model/filter_registry.h"

namespace zol {

TFilterRegistry& TFilterRegistry::Process() {
  static TFilterRegistry registry;
  return registry;
}

TFilterFactory TFilterRegistry::Set(TEffectType type, TFilterFactory factory) {
  const size_t index = size_t(type);
  if (index == 0 || index >= kTypes) return {};
  std::lock_guard lock(lock_);
  std::swap(factories_[index], factory);
  return factory;
}

TFilterFactory TFilterRegistry::Find(TEffectType type) const {
  const size_t index = size_t(type);
  if (index == 0 || index >= kTypes) return {};
  std::lock_guard lock(lock_);
  return factories_[index];
}

TRef<TDrawFilter> MakeFilter(const TRect& drawRect, const TZolEffect& effect, TRefObject* outgoing,
                             bool fixedSize, double smoothline, double duration) {
  if (effect.type == TEffectType::None) return nullptr;
  const TFilterRegistry& registry = TFilterRegistry::Process();
  TFilterFactory factory = registry.Find(effect.type);
  if (!factory) factory = registry.Find(TEffectType::Dissolve);
  if (!factory) return nullptr;
  TRef<TDrawFilter> filter =
      factory(TFilterRequest{drawRect, effect, outgoing, fixedSize, smoothline, duration});
  if (filter) filter->Setup(drawRect, float(double(drawRect.Width()) * smoothline), float(duration));
  return filter;
}

}  // namespace zol
