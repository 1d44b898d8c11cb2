#include <gtest/gtest.h>

#include <string>

#include "foundation/ini_file.h"
#include "foundation/ini_object.h"
#include "foundation/ini_value.h"
#include "ini_dump.h"

namespace zol {
namespace {

TRef<TIniFile> Parse(std::string_view text) {
  TRef<TIniFile> file = MakeRef<TIniFile>();
  EXPECT_TRUE(file->Load(text));
  return file;
}

TEST(IniTree, InsertRefusesCyclesAndMisplacedKinds) {
  TRef<TIniFile> file = Parse("[S]\r\nobject a\r\nobject b\r\nobject c\r\nend\r\nend\r\nend\r\n");
  TIniSection* s = file->Section("S");
  TIniObject* a = s->Object("a");
  TIniObject* b = a->Object("b");
  TIniObject* c = b->Object("c");
  const std::string before = file->ToText();

  struct Case {
    const char* what;
    TIniList* into;
    TRef<TIniItem> item;
  };
  const Case refused[] = {
      {"a list into itself", a, TRef<TIniItem>(a)},
      {"a list into its child", b, TRef<TIniItem>(a)},
      {"a list into its grandchild", c, TRef<TIniItem>(a)},
      {"a section into its own object", c, TRef<TIniItem>(s)},
      {"a section into an object", c, MakeRef<TIniSection>("New")},
      {"a file into a file", file.get(), MakeRef<TIniFile>()},
      {"a file into an object", a, MakeRef<TIniFile>()},
      {"nothing", a, nullptr},
  };
  for (const Case& r : refused) {
    EXPECT_FALSE(r.into->Insert(0, r.item)) << r.what;
    EXPECT_EQ(file->ToText(), before) << r.what << " changed the tree";
  }

  // Moving an object up is fine and leaves the old place.
  EXPECT_TRUE(s->Add(TRef<TIniItem>(c)));
  EXPECT_EQ(c->Parent(), s);
  EXPECT_EQ(b->Count(), 0);
  EXPECT_EQ(test::Dump(*s), "[S]{object a:{object b:{}} | object c:{}}");
}

TEST(IniTree, RootLinesStayBeforeSections) {
  TRef<TIniFile> file = Parse("a=1\r\n[S]\r\nk=1\r\n[]\r\nb=2\r\n[T]\r\n");
  EXPECT_EQ(test::Dump(*file), "a=1 | b=2 | [S]{k=1} | [T]{}") << "\"[]\" continues the root lines";
  EXPECT_EQ(file->ToText(), "a=1\r\nb=2\r\n[S]\r\nk=1\r\n[T]\r\n");

  // Whatever index they are given, root lines go before the sections and
  // sections after the root lines.
  file->Insert(file->Count(), MakeRef<TIniItem>("late", "x"));
  file->Insert(0, MakeRef<TIniSection>("Early"));
  EXPECT_EQ(test::Dump(*file), "a=1 | b=2 | late=x | [Early]{} | [S]{k=1} | [T]{}");
  EXPECT_EQ(file->SectionCount(), 3);
  EXPECT_EQ(file->Section("early"), file->SectionAt(0));
  file->Remove(file->Section("S"));
  EXPECT_EQ(file->Section("s"), nullptr);
  EXPECT_EQ(file->SectionAt(1)->Name(), "T");
}

TEST(IniTree, CloneIsDeepAndAssignCopiesContent) {
  TRef<TIniFile> file = Parse("r=0\r\n[S]\r\n; c\r\nobject o:box\r\nx=1\r\nobject in\r\ny=2\r\nend\r\nend\r\n");
  TRef<TIniItem> copy = file->Clone();
  ASSERT_NE(copy->AsFile(), nullptr);
  EXPECT_EQ(copy->ToText(), file->ToText());
  SetString(copy->AsFile()->Path("S:o:in:y"), "changed");
  EXPECT_EQ(file->ReadString("S", "y", ""), "");
  EXPECT_EQ(file->Section("S")->Path("o:in:y")->Value(), "2") << "the original is untouched";

  // Assign keeps the target's own name and type.
  TIniObject* o = file->Section("S")->Object("o");
  TRef<TIniObject> target = MakeRef<TIniObject>("target", "image");
  target->Add(MakeRef<TIniItem>("old", "gone"));
  target->Assign(*o);
  EXPECT_EQ(test::Dump(*target), "object target:image{x=1 | object in:{y=2}}");

  // From a plain item: what its line reads back as.
  target->Assign(*MakeRef<TIniItem>("key", "value"));
  EXPECT_EQ(test::Dump(*target), "object target:image{key=value}");

  // From itself and from its own child: the content must survive.
  o->Assign(*o);
  EXPECT_EQ(test::Dump(*o), "object o:box{x=1 | object in:{y=2}}");
  o->Assign(*o->Object("in"));
  EXPECT_EQ(test::Dump(*o), "object o:box{y=2}");

  // A file's sections have no place in an object: only root lines are copied.
  target->Assign(*file);
  EXPECT_EQ(test::Dump(*target), "object target:image{r=0}");
}

TEST(IniTree, ChildrenOutliveTheirTree) {
  TRef<TIniItem> kept;
  TRef<TIniObject> object;
  {
    TRef<TIniFile> file = Parse("[S]\r\nkey=v\r\nobject o\r\nin=1\r\nend\r\n");
    kept = TRef<TIniItem>(file->Section("S")->Find("key"));
    object = TRef<TIniObject>(file->Section("S")->Object("o"));
  }
  EXPECT_EQ(kept->Parent(), nullptr);
  EXPECT_EQ(kept->Index(), -1);
  EXPECT_EQ(kept->Value(), "v");
  EXPECT_EQ(object->Parent(), nullptr);
  EXPECT_EQ(object->NextObject(), nullptr);
  EXPECT_EQ(object->Find("in")->Value(), "1");
}

TEST(IniTree, ClearEmptiesEverything) {
  TRef<TIniFile> file = Parse("a=1\r\n[S]\r\nobject o\r\nend\r\n");
  file->Clear();
  EXPECT_EQ(file->Count(), 0);
  EXPECT_EQ(file->SectionCount(), 0);
  EXPECT_EQ(file->NamedCount(), 0);
  EXPECT_EQ(file->InsertionPoint(), 0);
  EXPECT_EQ(file->Section("S"), nullptr);
  EXPECT_EQ(file->Find("a"), nullptr);
  EXPECT_EQ(file->ToText(), "");
}

}  // namespace
}  // namespace zol
