// Internal-check failures: a broken invariant raises EAssertion carrying
// "Asseertion with message: '<text>' (<source>, line: <n>)" after writing that
// text to standard error and to the log. Any thread.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zol {

class EAssertion : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Builds the failure text and writes it to standard error and to the log.
std::string ReportAssertion(std::string_view text, const char* sourceFile, int line);

[[noreturn]] void AssertionFailure(std::string_view text, const char* sourceFile, int line);

}  // namespace zol

#define ZOL_CHECK_FAILED(text) ::zol::AssertionFailure((text), __FILE__, __LINE__)
#define ZOL_CHECK(condition, text)                   \
  do {                                               \
    if (!(condition)) ZOL_CHECK_FAILED(text);        \
  } while (0)
