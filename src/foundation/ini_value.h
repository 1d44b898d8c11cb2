// Typed reading and writing of project-text values. The readers take an item
// that may be missing (a failed lookup) and then give the default, as they
// do for any value that does not follow the type's rule exactly. Pure
// functions of their arguments; the setters change the item, so they need
// the tree owner's lock like any change.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

class TIniItem;

// Optional spaces, an optional sign, then only decimal digits, within range.
std::optional<int32_t> TextToInt(std::string_view text);
std::optional<int64_t> TextToInt64(std::string_view text);
// Optional spaces and sign, digits with at most one ".", then an optional
// exponent ("e" or "E", optional sign, digits). A decimal comma is no number;
// neither is a value beyond the double range.
std::optional<double> TextToReal(std::string_view text);
// Exactly "1" or "0".
std::optional<bool> TextToBool(std::string_view text);

// The value as UTF-8 text; "" for a missing item.
std::string AsString(const TIniItem* item);
int32_t AsInt(const TIniItem* item, int32_t defaultValue);
int64_t AsInt64(const TIniItem* item, int64_t defaultValue);
double AsReal(const TIniItem* item, double defaultValue);
bool AsBool(const TIniItem* item, bool defaultValue);
// The index of the first of NAMES equal to the value (any letter case unless
// EXACTCASE), else DEFAULT.
int AsEnum(const TIniItem* item, std::span<const std::string_view> names, int defaultValue,
           bool exactCase = false);
int AsEnum(const TIniItem* item, std::initializer_list<std::string_view> names, int defaultValue,
           bool exactCase = false);
// The value split at every SEPARATOR ("a,,b" gives three parts); an empty
// value or a missing item gives no parts.
std::vector<std::string> AsList(const TIniItem* item, char separator = ',');

// Setters; a missing item is left alone.
void SetString(TIniItem* item, std::string_view text);
void SetInt(TIniItem* item, int32_t value);
void SetInt64(TIniItem* item, int64_t value);
// Plain decimal, 16 digits after the point, trailing zeros and point removed.
void SetReal(TIniItem* item, double value);
void SetBool(TIniItem* item, bool value);

}  // namespace zol
