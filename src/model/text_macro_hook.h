// The hook through which text objects expand the macros of their lines
// ("<%SlideIndex%>", picture facts) before a line is painted. The text-macro
// module installs the expander at start-up; without one lines are painted as
// written. Installing happens at start-up; expanding on the threads that
// update text objects.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zol {

class TZolText;

// LINE of TEXT with its macros replaced by TEXT's values.
using TTextMacroExpander = std::function<std::string(TZolText& text, std::string_view line)>;

// Installs EXPANDER and returns the one it replaces.
TTextMacroExpander SetTextMacroExpander(TTextMacroExpander expander);
// LINE expanded through the installed expander; LINE itself without one.
std::string ExpandTextMacros(TZolText& text, std::string_view line);

}  // namespace zol
