// The show settings of an open show, made on first request and kept with its
// locator. Main thread.
#pragma once

#include "model/zol_source.h"
#include "package/show_locator.h"

namespace zol {

// Raises EZolSourceError when the show's time line is invalid. SETUP applies
// only when the settings are made by this call.
TZolSource& ShowSettings(TZolShowLocator& locator, TZolSourceSetup setup = {});

}  // namespace zol
