#include "foundation/ini_file.h"

#include <algorithm>
#include <new>

#include "foundation/file_open_hook.h"
#include "foundation/file_stream.h"
#include "foundation/ini_escape.h"
#include "foundation/ini_memory_writer.h"
#include "foundation/ini_parser.h"
#include "foundation/ini_stream_writer.h"
#include "foundation/ini_value.h"
#include "foundation/text_encoding.h"
#include "platform/code_page.h"

namespace zol {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool AnySection(const TIniItem&) { return true; }

}  // namespace

TIniFile::TIniFile() : TIniSection(TIniKind::File, {}) {}

TRef<TIniList> TIniFile::CreateEmpty() const { return MakeRef<TIniFile>(); }

void TIniFile::Write(TIniWriter& writer, int) const { WriteChildren(writer, 0); }

int TIniFile::PlaceFor(const TIniItem& item, int index) const {
  if (item.AsFile()) return -1;
  int roots = Count() - sectionCount_;
  return item.AsSection() ? std::max(index, roots) : std::min(index, roots);
}

void TIniFile::SectionAttached(TIniSection& section) {
  ++sectionCount_;
  sectionIndex_.Linked(section, size_t(sectionCount_));
}

void TIniFile::SectionDetaching(TIniSection& section) {
  sectionIndex_.Unlinked(section);
  --sectionCount_;
}

TIniSection* TIniFile::SectionAt(int position) const {
  if (position < 0 || position >= sectionCount_) return nullptr;
  return Item(Count() - sectionCount_ + position)->AsSection();
}

TIniSection* TIniFile::Section(std::string_view name) const {
  if (name.empty()) return const_cast<TIniFile*>(this);
  TIniItem* found = sectionIndex_.Find(name, Sections(), size_t(sectionCount_), AnySection,
                                       [](const TIniItem&) { return true; });
  return found ? found->AsSection() : nullptr;
}

TIniSection* TIniFile::SectionOrCreate(std::string_view name, bool blankLine) {
  if (TIniSection* found = Section(name)) return found;
  TRef<TIniSection> section = MakeRef<TIniSection>(name);
  if (blankLine) section->Add(MakeRef<TIniItem>());
  TIniSection* raw = section.get();
  Add(std::move(section));
  return raw;
}

TIniSection* TIniFile::SectionOrCreate(std::string_view name) { return SectionOrCreate(name, true); }

TIniSection* TIniFile::SectionForHeader(std::string_view name) { return SectionOrCreate(name, false); }

bool TIniFile::ParseLoaded(std::string_view text) {
  try {
    if (ParseIniText(text, *this)) return true;
  } catch (const std::bad_alloc&) {
  }
  Clear();
  return false;
}

bool TIniFile::Load(TStream& stream, int ansiCodePage) {
  Clear();
  std::string bytes;
  try {
    // The size is checked before anything is read: a huge stream is refused
    // without allocating or reading it.
    int64_t size = stream.GetSize();
    if (size < 0 || size >= kMaxTextSize) return false;
    int64_t left = std::max<int64_t>(0, size - stream.GetPosition());
    bytes.resize(size_t(left));
    size_t done = 0;
    while (done < bytes.size()) {
      size_t n = stream.Read(bytes.data() + done, bytes.size() - done);
      if (n == 0) return false;
      done += n;
    }
  } catch (const std::exception&) {
    return false;
  }
  std::string converted;
  std::string_view text =
      DecodeProjectText(bytes, ansiCodePage ? ansiCodePage : platform::AnsiCodePage(), converted);
  return ParseLoaded(text);
}

bool TIniFile::Load(std::string_view text) {
  Clear();
  // Texts in memory meet the same limit as streams.
  if (int64_t(text.size()) >= kMaxTextSize) return false;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  return ParseLoaded(text);
}

bool TIniFile::LoadEscaped(std::string_view text) {
  Clear();
  if (int64_t(text.size()) >= kMaxTextSize) return false;
  std::optional<std::string> plain = UnescapeValue(text);
  return plain && ParseLoaded(*plain);
}

bool TIniFile::LoadFile(const std::string& path, int ansiCodePage) {
  Clear();
  TRef<TStream> stream;
  try {
    stream = OpenFileStream(path);
  } catch (const std::exception&) {
    return false;
  }
  return stream && Load(*stream, ansiCodePage);
}

void TIniFile::Save(TStream& stream, bool byteOrderMark) const {
  TIniStreamWriter writer(stream);
  if (byteOrderMark) writer.Put(kByteOrderMark);
  Write(writer, 0);
  writer.Finish();
}

void TIniFile::SaveFile(const std::string& path) const {
  TRef<TFileStream> file = MakeRef<TFileStream>(path, TFileStream::Mode::Create);
  Save(*file, true);
  file->SetSize(file->GetPosition());
}

std::string TIniFile::ToEscapedBytes() const { return EscapeValue(ToText()); }

TIniItem* TIniFile::FindKey(std::string_view section, std::string_view key) const {
  TIniSection* found = Section(section);
  return found ? found->Find(key) : nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
  TIniItem* item = FindKey(section, key);
  return item ? item->Value() : std::string(defaultValue);
}

int32_t TIniFile::ReadInt(std::string_view section, std::string_view key, int32_t defaultValue) const {
  return AsInt(FindKey(section, key), defaultValue);
}

double TIniFile::ReadReal(std::string_view section, std::string_view key, double defaultValue) const {
  return AsReal(FindKey(section, key), defaultValue);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return AsBool(FindKey(section, key), defaultValue);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view text) {
  SetString(SectionOrCreate(section)->FindOrCreate(key), text);
}

void TIniFile::WriteInt(std::string_view section, std::string_view key, int32_t value) {
  SetInt(SectionOrCreate(section)->FindOrCreate(key), value);
}

}  // namespace zol
