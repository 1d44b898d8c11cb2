// TIniFile: a whole project text: its root lines (those before the first
// section) followed by its sections, with loading, saving and the settings
// readers the rest of the program uses. Owned through TRef by whoever loaded
// it (the show locator, a test). Built on one thread; afterwards lookups may
// run on several threads at once, while changes need the owner's lock.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/ini_hash_index.h"
#include "foundation/ini_section.h"
#include "foundation/stream.h"

namespace zol {

class TIniFile : public TIniSection {
 public:
  // Project texts this long or longer are refused (streams unread).
  static constexpr int64_t kMaxTextSize = 134217728;

  TIniFile();

  // Each load empties the tree first; on failure (a text too long, a read
  // error, objects nested deeper than the parser allows, invalid escapes) the
  // tree stays empty and the result is false.
  //
  // From the stream's position to its end: UTF-8 after the bytes EF BB BF,
  // UTF-16 LE after FF FE, otherwise text in ANSI code page ANSICODEPAGE
  // (0: the code page of the user's locale).
  bool Load(TStream& stream, int ansiCodePage = 0);
  // TEXT is UTF-8; a leading byte order mark is skipped.
  bool Load(std::string_view text);
  // TEXT as made by ToEscapedBytes: the escapes are undone, then parsed.
  bool LoadEscaped(std::string_view text);
  // Opens PATH through the process's file-open hook.
  bool LoadFile(const std::string& path, int ansiCodePage = 0);

  // Writes the tree (CR LF line ends), after the UTF-8 byte order mark when
  // BYTEORDERMARK. Raises EStreamError when the stream refuses the bytes.
  void Save(TStream& stream, bool byteOrderMark) const;
  // Writes PATH with the byte order mark and cuts it at the written length.
  // Raises EStreamError when the file cannot be written.
  void SaveFile(const std::string& path) const;
  // The whole text as one line with the value escapes applied.
  std::string ToEscapedBytes() const;

  int SectionCount() const { return sectionCount_; }
  TIniSection* SectionAt(int position) const;
  // The section named NAME (any letter case); "" names the root lines, that
  // is the file itself.
  TIniSection* Section(std::string_view name) const;
  // The same, creating a missing section at the end. A new section starts
  // with one blank line, which stays last because keys go before it.
  TIniSection* SectionOrCreate(std::string_view name);

  // Settings by section and key; a missing section or key gives DEFAULT.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  int32_t ReadInt(std::string_view section, std::string_view key, int32_t defaultValue) const;
  double ReadReal(std::string_view section, std::string_view key, double defaultValue) const;
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
  // Set the last plain item KEY of SECTION, creating both when missing.
  void WriteString(std::string_view section, std::string_view key, std::string_view text);
  void WriteInt(std::string_view section, std::string_view key, int32_t value);

  // The root lines, then every section.
  void Write(TIniWriter& writer, int indent) const override;
  TRef<TIniList> CreateEmpty() const override;

 protected:
  // Root lines stay before the sections whatever index they are given.
  int PlaceFor(const TIniItem& item, int index) const override;

 private:
  friend class TIniSection;
  friend bool ParseIniText(std::string_view text, TIniList& target);

  // The section a "[name]" header switches to; one made here starts empty.
  TIniSection* SectionForHeader(std::string_view name);
  TIniSection* SectionOrCreate(std::string_view name, bool blankLine);
  TIniItem* FindKey(std::string_view section, std::string_view key) const;
  bool ParseLoaded(std::string_view text);

  void SectionAttached(TIniSection& section);
  void SectionDetaching(TIniSection& section);
  std::span<const TRef<TIniItem>> Sections() const { return Items().subspan(size_t(Count() - sectionCount_)); }

  int sectionCount_ = 0;
  TIniHashIndex sectionIndex_;
};

}  // namespace zol
