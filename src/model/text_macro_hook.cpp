#include "model/text_macro_hook.h"

#include <mutex>
#include <utility>

namespace zol {
namespace {

struct TExpanderSlot {
  std::mutex lock;
  TTextMacroExpander expander;
};

TExpanderSlot& Slot() {
  static TExpanderSlot slot;
  return slot;
}

}  // namespace

TTextMacroExpander SetTextMacroExpander(TTextMacroExpander expander) {
  TExpanderSlot& slot = Slot();
  std::lock_guard guard(slot.lock);
  return std::exchange(slot.expander, std::move(expander));
}

std::string ExpandTextMacros(TZolText& text, std::string_view line) {
  TTextMacroExpander expander;
  {
    TExpanderSlot& slot = Slot();
    std::lock_guard guard(slot.lock);
    expander = slot.expander;
  }
  return expander ? expander(text, line) : std::string(line);
}

}  // namespace zol
