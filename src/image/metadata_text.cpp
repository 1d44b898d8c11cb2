#include "image/metadata_text.h"

#include "foundation/utf8.h"
#include "foundation/windows_1252.h"

namespace zol {

bool IsValidUtf8(std::string_view text) {
  for (size_t pos = 0; pos < text.size();)
    if (utf8::Next(text, pos) >= utf8::kInvalidBase) return false;
  return true;
}

std::string MetadataTextToUtf8(std::string_view bytes) {
  return IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
}

std::string TrimMetadataText(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\0'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

}  // namespace zol
