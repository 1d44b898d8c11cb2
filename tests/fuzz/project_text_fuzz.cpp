// libFuzzer target for project texts: any bytes, read by the stream loader
// (byte order marks, UTF-16, code page 1252), the UTF-8 loader and the
// escaped loader, must give a tree that saves, reloads and saves again to the
// same bytes, finds each of its names again, and survives every reader.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/case_fold.h"
#include "foundation/ini_file.h"
#include "foundation/ini_line.h"
#include "foundation/ini_object.h"
#include "foundation/ini_value.h"
#include "foundation/memory_stream.h"

namespace zol {
namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

std::string Saved(const TIniFile& file) {
  TRef<TMemoryStream> stream = MakeRef<TMemoryStream>();
  file.Save(*stream, true);
  return std::string(stream->View());
}

bool OnlyLineControls(std::string_view text) {
  for (char c : text)
    if (uint8_t(c) < 32 && c != '\r' && c != '\n') return false;
  return true;
}

// Every name of LIST finds the last item of that name, and every reader
// copes with every value.
void Exercise(const TIniList& list, int depth) {
  int budget = 64;  // enough to reach every kind of item without going quadratic
  for (int i = 0; i < list.Count() && budget-- > 0; ++i) {
    TIniItem* item = list.Item(i);
    Require(item->Parent() == &list && item->Index() == i);
    if (item->HasName()) {
      TIniItem* found = list.Find(item->Name());
      Require(found && found->Index() >= i && EqualNoCase(found->Name(), item->Name()));
      TIniObject* object = list.Object(item->Name());
      Require(!object || object->Index() <= i || !item->AsObject());
    }
    (void)AsInt(item, 0);
    (void)AsInt64(item, 0);
    (void)AsReal(item, 0);
    (void)AsBool(item, false);
    (void)AsEnum(item, {"none", "fade", "wipe"}, -1);
    (void)AsList(item);
    if (const TIniList* child = item->AsList(); child && depth < 8) Exercise(*child, depth + 1);
  }
  int objects = 0;
  for (TIniObject* o = list.FirstObject(); o; o = o->NextObject()) {
    Require(o->Parent() == &list && o->ObjectPosition() == objects);
    ++objects;
  }
  Require(objects == list.ObjectCount());
}

void Check(const TIniFile& file) {
  const std::string first = Saved(file);

  TRef<TIniFile> again = MakeRef<TIniFile>();
  TRef<TMemoryStream> stream = MakeRef<TMemoryStream>(first);
  Require(again->Load(*stream, 1252));
  Require(Saved(*again) == first);

  // The escaped form always reads back; when the text holds no control bytes
  // (which escaping drops) it reads back as the same tree.
  TRef<TIniFile> unescaped = MakeRef<TIniFile>();
  Require(unescaped->LoadEscaped(file.ToEscapedBytes()));
  if (OnlyLineControls(first)) Require(Saved(*unescaped) == first);

  Require(file.Clone()->ToText() == file.ToText());

  Exercise(file, 0);
  for (int i = 0; i < file.SectionCount(); ++i) {
    TIniSection* section = file.SectionAt(i);
    Require(file.Section(section->Name()) == section || section->Name().empty());
    if (i < 64) Exercise(*section, 0);
  }
}

}  // namespace
}  // namespace zol

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zol;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  TRef<TIniFile> file = MakeRef<TIniFile>();

  TRef<TMemoryStream> stream = MakeRef<TMemoryStream>(input);
  if (file->Load(*stream, 1252)) Check(*file);
  else Require(file->Count() == 0);

  if (file->Load(input)) Check(*file);
  else Require(file->Count() == 0);

  if (file->LoadEscaped(input)) Check(*file);
  else Require(file->Count() == 0);

  // Changes by code on a fuzzed tree keep it consistent too. The value is
  // made one that reads back as written: line breaks are written as spaces
  // and blanks around a value are not kept.
  if (file->Load(input)) {
    std::string title(input.substr(0, 16));
    for (char& c : title)
      if (c == '\r' || c == '\n') c = ' ';
    file->WriteString("Main", "opt_title", TrimIniBlanks(title));
    if (TIniItem* item = file->Path("Slide1::text:inner")) SetInt(item, int32_t(size));
    Check(*file);
  }
  return 0;
}
