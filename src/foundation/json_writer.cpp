#include "foundation/json_writer.h"

#include <cmath>
#include <cstdio>

#include "foundation/real_text.h"

namespace zol {

std::string JsonQuote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (uint8_t(c) < 0x20) {
          char escaped[8];
          snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(uint8_t(c)));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

void TJsonWriter::Separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) text_ += ',';
    first_.back() = false;
  }
}

TJsonWriter& TJsonWriter::BeginObject() {
  Separate();
  text_ += '{';
  first_.push_back(true);
  return *this;
}

TJsonWriter& TJsonWriter::EndObject() {
  first_.pop_back();
  text_ += '}';
  return *this;
}

TJsonWriter& TJsonWriter::BeginArray() {
  Separate();
  text_ += '[';
  first_.push_back(true);
  return *this;
}

TJsonWriter& TJsonWriter::EndArray() {
  first_.pop_back();
  text_ += ']';
  return *this;
}

TJsonWriter& TJsonWriter::Key(std::string_view name) {
  Separate();
  text_ += JsonQuote(name) + ':';
  afterKey_ = true;
  return *this;
}

TJsonWriter& TJsonWriter::String(std::string_view text) {
  Separate();
  text_ += JsonQuote(text);
  return *this;
}

TJsonWriter& TJsonWriter::Int(int64_t value) {
  Separate();
  text_ += std::to_string(value);
  return *this;
}

TJsonWriter& TJsonWriter::Real(double value) {
  Separate();
  text_ += std::isfinite(value) ? RealToText(value) : "null";
  return *this;
}

TJsonWriter& TJsonWriter::Bool(bool value) {
  Separate();
  text_ += value ? "true" : "false";
  return *this;
}

TJsonWriter& TJsonWriter::Null() {
  Separate();
  text_ += "null";
  return *this;
}

}  // namespace zol
