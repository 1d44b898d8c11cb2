// A small streaming JSON writer for the command-line reports (show
// information, package listings). Produces compact, valid JSON with UTF-8
// text escaped as needed. One user at a time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

class TJsonWriter {
 public:
  TJsonWriter& BeginObject();
  TJsonWriter& EndObject();
  TJsonWriter& BeginArray();
  TJsonWriter& EndArray();
  // The name of the next member of the current object.
  TJsonWriter& Key(std::string_view name);
  TJsonWriter& String(std::string_view text);
  TJsonWriter& Int(int64_t value);
  TJsonWriter& Real(double value);
  TJsonWriter& Bool(bool value);
  TJsonWriter& Null();

  const std::string& Text() const { return text_; }

 private:
  void Separate();

  std::string text_;
  std::vector<bool> first_;  // per open container: no member written yet
  bool afterKey_ = false;
};

// TEXT as a JSON string literal, quotes included.
std::string JsonQuote(std::string_view text);

}  // namespace zol
