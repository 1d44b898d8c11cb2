#include "foundation/ini_value.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>

#include "foundation/case_fold.h"
#include "foundation/ini_item.h"
#include "foundation/real_text.h"

namespace zol {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

template <class T>
std::optional<T> ParseInteger(std::string_view text) {
  using U = std::make_unsigned_t<T>;
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  const U limit = negative ? U(std::numeric_limits<T>::max()) + 1 : U(std::numeric_limits<T>::max());
  U value = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return std::nullopt;
    U digit = U(text[i] - '0');
    if (value > (limit - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  // Two's complement wrap-around is well defined for the conversion back.
  return negative ? T(U(0) - value) : T(value);
}

}  // namespace

std::optional<int32_t> TextToInt(std::string_view text) { return ParseInteger<int32_t>(text); }

std::optional<int64_t> TextToInt64(std::string_view text) { return ParseInteger<int64_t>(text); }

std::optional<double> TextToReal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // from_chars takes neither spaces nor "+", so it gets only what follows,
  // once the whole value has been checked against the rule.
  std::string_view number = text.substr(i);
  size_t digits = 0, points = 0;
  for (; i < text.size() && (IsDigit(text[i]) || text[i] == '.'); ++i) {
    if (text[i] == '.') {
      if (++points > 1) return std::nullopt;
    } else {
      ++digits;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    if (!TextToInt(text.substr(i + 1)) || text[i + 1] == ' ') return std::nullopt;
  } else if (i != text.size()) {
    return std::nullopt;
  }
  double value = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
    return std::nullopt;
  return negative ? -value : value;
}

std::optional<bool> TextToBool(std::string_view text) {
  if (text == "1") return true;
  if (text == "0") return false;
  return std::nullopt;
}

std::string AsString(const TIniItem* item) { return item ? item->Value() : std::string(); }

int32_t AsInt(const TIniItem* item, int32_t defaultValue) {
  return item ? TextToInt(item->Value()).value_or(defaultValue) : defaultValue;
}

int64_t AsInt64(const TIniItem* item, int64_t defaultValue) {
  return item ? TextToInt64(item->Value()).value_or(defaultValue) : defaultValue;
}

double AsReal(const TIniItem* item, double defaultValue) {
  return item ? TextToReal(item->Value()).value_or(defaultValue) : defaultValue;
}

bool AsBool(const TIniItem* item, bool defaultValue) {
  return item ? TextToBool(item->Value()).value_or(defaultValue) : defaultValue;
}

int AsEnum(const TIniItem* item, std::span<const std::string_view> names, int defaultValue,
           bool exactCase) {
  if (!item) return defaultValue;
  for (size_t i = 0; i < names.size(); ++i) {
    if (exactCase ? item->Value() == names[i] : EqualNoCase(item->Value(), names[i])) return int(i);
  }
  return defaultValue;
}

int AsEnum(const TIniItem* item, std::initializer_list<std::string_view> names, int defaultValue,
           bool exactCase) {
  return AsEnum(item, std::span<const std::string_view>(names.begin(), names.size()), defaultValue,
                exactCase);
}

std::vector<std::string> AsList(const TIniItem* item, char separator) {
  std::vector<std::string> parts;
  if (!item || item->Value().empty()) return parts;
  std::string_view rest = item->Value();
  for (;;) {
    size_t at = rest.find(separator);
    parts.emplace_back(rest.substr(0, at));
    if (at == std::string_view::npos) break;
    rest.remove_prefix(at + 1);
  }
  return parts;
}

void SetString(TIniItem* item, std::string_view text) {
  if (item) item->SetValue(std::string(text));
}

void SetInt(TIniItem* item, int32_t value) {
  if (item) item->SetValue(std::to_string(value));
}

void SetInt64(TIniItem* item, int64_t value) {
  if (item) item->SetValue(std::to_string(value));
}

void SetReal(TIniItem* item, double value) {
  if (item) item->SetValue(RealToText(value));
}

void SetBool(TIniItem* item, bool value) {
  if (item) item->SetValue(value ? "1" : "0");
}

}  // namespace zol
