#include "text/text_picture_name.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace zol {
namespace {

constexpr char kSeparator = ';';
constexpr std::string_view kVersion = "t1";

bool KeptAsIs(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '.' || c == ',' || c == '-' ||
         c == '_' || c == '!' || c == '?' || c == '(' || c == ')' || c == ':' || c == '/';
}

std::string Escape(std::string_view text) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : text) {
    if (KeptAsIs(c)) {
      out += char(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexDigit(text[i + 1]), low = HexDigit(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    out += char(high * 16 + low);
    i += 2;
  }
  return out;
}

std::string Hex32(uint32_t v) {
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", v);
  return hex;
}

template <class T>
std::optional<T> Number(std::string_view text, int base = 10) {
  T value{};
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::string EncodeTextRequest(const TTextRequest& request) {
  const TTextParams& p = request.params;
  char scale[40];
  std::snprintf(scale, sizeof scale, "%.17g", request.scale);
  std::string out(kVersion);
  auto field = [&](std::string_view text) {
    out += kSeparator;
    out += text;
  };
  field(scale);
  field(std::to_string(int(p.align)));
  field(std::to_string(p.lineSpacing));
  field(Hex32(p.textColor));
  field(p.backgroundColor ? Hex32(*p.backgroundColor) : "-");
  field(Escape(FontStyleText(p.style)));
  field(Escape(p.fontName));
  field(std::to_string(p.lines.size()));
  for (const std::string& line : p.lines) field(Escape(line));
  return out;
}

std::optional<TTextRequest> DecodeTextRequest(std::string_view rest) {
  std::vector<std::string_view> fields;
  for (size_t pos = 0;;) {
    const size_t end = rest.find(kSeparator, pos);
    fields.push_back(rest.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
    if (end == std::string_view::npos) break;
    pos = end + 1;
  }
  if (fields.size() < 9 || fields[0] != kVersion) return std::nullopt;
  TTextRequest request;
  TTextParams& p = request.params;
  const std::optional<std::string> scaleText = Unescape(fields[1]);
  if (!scaleText) return std::nullopt;
  char* end = nullptr;
  request.scale = std::strtod(scaleText->c_str(), &end);
  if (end != scaleText->c_str() + scaleText->size() || !std::isfinite(request.scale) || request.scale <= 0)
    return std::nullopt;
  const auto align = Number<int>(fields[2]);
  const auto spacing = Number<int32_t>(fields[3]);
  const auto color = Number<uint32_t>(fields[4], 16);
  if (!align || *align < 0 || *align > 2 || !spacing || !color) return std::nullopt;
  p.align = TTextAlign(*align);
  p.lineSpacing = *spacing;
  p.textColor = *color;
  if (fields[5] != "-") {
    const auto background = Number<uint32_t>(fields[5], 16);
    if (!background) return std::nullopt;
    p.backgroundColor = *background;
  }
  const std::optional<std::string> style = Unescape(fields[6]);
  const std::optional<std::string> font = Unescape(fields[7]);
  const auto count = Number<size_t>(fields[8]);
  if (!style || !font || !count || *count != fields.size() - 9) return std::nullopt;
  p.style = ParseFontStyle(*style);
  p.fontName = *font;
  for (size_t i = 9; i < fields.size(); ++i) {
    std::optional<std::string> line = Unescape(fields[i]);
    if (!line) return std::nullopt;
    p.lines.push_back(std::move(*line));
  }
  return request;
}

}  // namespace zol
