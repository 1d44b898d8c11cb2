#include "package/package_directory.h"

#include <algorithm>

#include "foundation/case_fold.h"
#include "foundation/ini_line.h"
#include "foundation/ini_line_reader.h"
#include "foundation/ini_name_hash.h"
#include "foundation/memory_stream.h"
#include "foundation/text_encoding.h"
#include "platform/code_page.h"

namespace zol {

TPackageDirectory::TPackageDirectory(std::string_view bytes) {
  std::string converted;
  std::string_view text = DecodeProjectText(bytes, platform::AnsiCodePage(), converted);
  text_ = converted.empty() ? std::string(text) : std::move(converted);
  if (!Index()) {
    // Objects and other structure: let the full reader decide what is what.
    simple_ = false;
    Tree();
  }
}

bool TPackageDirectory::Index() {
  TIniLineReader reader(text_);
  std::string_view line;
  const char* base = text_.data();
  size_t open = std::string_view::npos;  // where the current section's lines begin
  std::string_view openName;
  while (reader.Next(line)) {
    size_t i = 0;
    while (i < line.size() && IsIniBlank(line[i])) ++i;
    if (i == line.size()) continue;
    const char first = line[i];
    // Only headers matter here; lines that may open or close objects send
    // the whole text to the full reader.
    if (first != '[' && first != 'o' && first != 'O' && first != 'e' && first != 'E') continue;
    TIniLine classified = ClassifyIniLine(line);
    if (classified.kind == TIniLineKind::Object || classified.kind == TIniLineKind::End) return false;
    if (classified.kind != TIniLineKind::Section) continue;
    const size_t lineStart = size_t(line.data() - base);
    if (open != std::string_view::npos && !openName.empty()) {
      spans_.push_back({openName, 0, open, lineStart});
    }
    open = lineStart + line.size();
    openName = classified.name;  // "[]" goes back to the root lines: no span
  }
  if (open != std::string_view::npos && !openName.empty()) spans_.push_back({openName, 0, open, text_.size()});

  size_t capacity = 16;
  while (capacity < spans_.size() * 2) capacity *= 2;
  table_.assign(capacity, -1);
  for (size_t s = 0; s < spans_.size(); ++s) {
    spans_[s].hash = IniNameHash(spans_[s].name);
    size_t slot = spans_[s].hash & (capacity - 1);
    while (table_[slot] >= 0) slot = (slot + 1) & (capacity - 1);
    table_[slot] = int32_t(s);
  }
  return true;
}

std::vector<const TPackageDirectory::Span*> TPackageDirectory::SpansOf(std::string_view name) const {
  std::vector<const Span*> found;
  if (table_.empty() || name.empty()) return found;
  const uint32_t hash = IniNameHash(name);
  const size_t mask = table_.size() - 1;
  for (size_t slot = hash & mask; table_[slot] >= 0; slot = (slot + 1) & mask) {
    const Span& span = spans_[size_t(table_[slot])];
    if (span.hash == hash && EqualNoCase(span.name, name)) found.push_back(&span);
  }
  // Probing visits equal names in insertion order only by chance: sort by place.
  std::sort(found.begin(), found.end(), [](const Span* a, const Span* b) { return a->begin < b->begin; });
  return found;
}

bool TPackageDirectory::HasSection(std::string_view section) const {
  if (!simple_) return Tree().Section(section) != nullptr;
  return !SpansOf(section).empty();
}

std::optional<std::string> TPackageDirectory::Value(std::string_view section, std::string_view key) const {
  if (!simple_) {
    const TIniSection* found = Tree().Section(section);
    const TIniItem* item = found ? found->Find(key) : nullptr;
    if (!item) return std::nullopt;
    return item->Value();
  }
  std::optional<std::string> value;
  for (const Span* span : SpansOf(section)) {
    TIniLineReader reader(std::string_view(text_).substr(span->begin, span->end - span->begin));
    std::string_view line;
    while (reader.Next(line)) {
      TIniLine classified = ClassifyIniLine(line);
      if (classified.kind == TIniLineKind::Keyed && EqualNoCase(classified.name, key))
        value = std::string(classified.value);
    }
  }
  return value;
}

const TIniFile& TPackageDirectory::Tree() const {
  std::call_once(treeOnce_, [this] {
    tree_ = MakeRef<TIniFile>();
    if (!tree_->Load(text_)) tree_->Clear();
  });
  return *tree_;
}

}  // namespace zol
