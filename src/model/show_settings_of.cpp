#include "model/show_settings_of.h"

namespace zol {

TZolSource& ShowSettings(TZolShowLocator& locator, TZolSourceSetup setup) {
  TRef<TRefObject>& slot = locator.SettingsSlot();
  if (!slot) slot = MakeRef<TZolSource>(locator.AccessorRef(), locator.ProjectRef(), std::move(setup));
  return static_cast<TZolSource&>(*slot);
}

}  // namespace zol
