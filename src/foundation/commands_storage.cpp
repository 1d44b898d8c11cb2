#include "foundation/commands_storage.h"

#include <charconv>

namespace zol {

int TCommandItem::AsInt(int fallback) const {
  // The usual decimal parse: an optional sign, then digits only.
  std::string_view s = text_;
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty() || s.front() == '+') return fallback;
  int value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size() ? value : fallback;
}

std::unique_ptr<TKeyItem> TCommandsStorage::CreateItem(int, std::string_view key) {
  return std::make_unique<TCommand>(std::string(key));
}

}  // namespace zol
