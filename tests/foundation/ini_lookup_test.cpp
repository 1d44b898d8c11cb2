#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <thread>
#include <string>
#include <vector>

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

std::string KeyName(int i) { return "key_" + std::to_string(i); }

// The name in a letter case that changes with I.
std::string Mixed(std::string name, int i) {
  for (size_t k = 0; k < name.size(); ++k)
    if ((i >> (k % 5)) & 1) name[k] = char(std::toupper(uint8_t(name[k])));
  return name;
}

TEST(IniLookup, LastOccurrenceWinsInAnyLetterCase) {
  TRef<TIniFile> file = Parse("[Main]\r\nopt_usepass=1\r\nother=x\r\nOPT_UsePass=0\r\n");
  EXPECT_FALSE(file->ReadBool("main", "opt_usepass", true));
  TIniItem* found = file->Section("Main")->Find("Opt_UsePass");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Index(), 2);
  EXPECT_EQ(found->Name(), "OPT_UsePass") << "the stored name keeps its letter case";
}

TEST(IniLookup, SectionsMergeAcrossLetterCase) {
  TRef<TIniFile> file = Parse("a=0\r\n[Main]\r\na=1\r\n[Other]\r\nb=1\r\n[MAIN]\r\nb=2\r\n");
  EXPECT_EQ(file->SectionCount(), 2);
  EXPECT_EQ(test::Dump(*file), "a=0 | [Main]{a=1 | b=2} | [Other]{b=1}");
  EXPECT_EQ(file->Section("mAiN"), file->SectionAt(0));
  EXPECT_EQ(file->ReadString("main", "b", ""), "2");
  EXPECT_EQ(file->ReadString("", "a", ""), "0") << "\"\" names the root lines";
  EXPECT_EQ(file->Section(""), file.get());
}

TEST(IniLookup, UnicodeNamesFoldCase) {
  TRef<TIniFile> file = Parse("[ÄMTER]\r\nΣΟΦΟΣ=1\r\nKey=2\r\n");
  EXPECT_NE(file->Section("ämter"), nullptr);
  EXPECT_EQ(file->ReadInt("Ämter", "σοφος", 0), 1);
  EXPECT_EQ(file->ReadInt("ämter", "\xE2\x84\xAA" "ey", 0), 2) << "Kelvin sign folds to k";
  EXPECT_EQ(file->Section("amter"), nullptr);
}

TEST(IniLookup, EmptyNamesFindNothing) {
  TRef<TIniFile> file = Parse("[S]\r\n; comment\r\n\r\nobject\r\nend\r\n");
  TIniSection* s = file->Section("s");
  EXPECT_EQ(s->Find(""), nullptr);
  EXPECT_EQ(s->Object(""), nullptr);
  EXPECT_EQ(s->FindOrCreate(""), nullptr);
  EXPECT_EQ(s->Count(), 3) << "nothing was created";
  EXPECT_NE(s->FirstObject(), nullptr);
}

TEST(IniLookup, FindSeesEveryKindFindOrCreateOnlyPlainItems) {
  TRef<TIniFile> file = Parse("[S]\r\nx=1\r\nobject X:image\r\nend\r\n\r\n");
  TIniSection* s = file->Section("S");
  EXPECT_NE(s->Find("x")->AsObject(), nullptr) << "the object is the last item named x";
  TIniItem* plain = s->FindOrCreate("X");
  EXPECT_EQ(plain->Value(), "1") << "the last plain item, not the object";

  TIniItem* created = s->FindOrCreate("new");
  EXPECT_EQ(created->Index(), 2) << "after the last named item, before the blank line";
  EXPECT_EQ(test::Dump(*s), "[S]{x=1 | object X:image{} | new= | ''}");
  EXPECT_EQ(s->FindOrCreate("NEW"), created);
}

TEST(IniLookup, ObjectsByNameTypeAndOrder) {
  TRef<TIniFile> file = Parse(
      "[S]\r\nobject a:image\r\nend\r\nkey=1\r\nobject b:text\r\nend\r\nobject A:text\r\nend\r\n");
  TIniSection* s = file->Section("S");
  ASSERT_EQ(s->ObjectCount(), 3);
  EXPECT_EQ(s->Object("A")->Type(), "image") << "the first object of that name";
  EXPECT_EQ(s->Object("a", "TEXT")->Name(), "A");
  EXPECT_EQ(s->Object("a", "box"), nullptr);
  EXPECT_EQ(s->Object("key"), nullptr) << "a keyed item is no object";

  std::vector<std::string> order;
  for (TIniObject* o = s->FirstObject(); o; o = o->NextObject()) order.push_back(o->Name());
  EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "A"}));

  // The object index follows removals and insertions in the middle.
  s->Remove(s->Object("b"));
  s->Insert(0, MakeRef<TIniObject>("first", "box"));
  order.clear();
  for (TIniObject* o = s->FirstObject(); o; o = o->NextObject()) order.push_back(o->Name());
  EXPECT_EQ(order, (std::vector<std::string>{"first", "a", "A"}));
  for (int i = 0; i < s->ObjectCount(); ++i) EXPECT_EQ(s->ObjectAt(i)->ObjectPosition(), i);
}

TEST(IniLookup, IndexSurvivesGrowthDeletesAndInsertsInTheMiddle) {
  TRef<TIniSection> s = MakeRef<TIniSection>("Big");
  constexpr int kKeys = 5000;
  std::mt19937 random(7);
  for (int i = 0; i < kKeys; ++i) {
    s->Add(MakeRef<TIniItem>(KeyName(i), std::to_string(i)));
    // Interleaved lookups build the index at many sizes and keep it in use
    // while it grows.
    if (i % 3 == 0) {
      int probe = int(random() % uint32_t(i + 1));
      TIniItem* found = s->Find(Mixed(KeyName(probe), probe));
      ASSERT_NE(found, nullptr) << probe;
      ASSERT_EQ(found->Value(), std::to_string(probe));
      size_t buckets = s->BucketCount();
      EXPECT_GE(buckets, 16u);
      EXPECT_GE(buckets, size_t(s->NamedCount()));
      EXPECT_EQ(buckets & (buckets - 1), 0u) << "a power of two";
    }
  }
  for (int i = 0; i < kKeys; ++i) ASSERT_EQ(AsInt(s->Find(Mixed(KeyName(i), i + 1)), -1), i);
  EXPECT_EQ(s->BucketCount(), 8192u);

  // Remove every third key, some from the middle, then check all.
  for (int i = kKeys - 1; i >= 0; i -= 3) s->Remove(s->Find(KeyName(i)));
  for (int i = 0; i < kKeys; ++i) {
    bool removed = (kKeys - 1 - i) % 3 == 0;
    TIniItem* found = s->Find(KeyName(i));
    ASSERT_EQ(found == nullptr, removed) << i;
    if (found) {
      ASSERT_EQ(s->Item(found->Index()), found);
    }
  }

  // An older duplicate inserted at the front must not hide the newer one; a
  // newer one inserted behind it must win.
  s->Insert(0, MakeRef<TIniItem>("KEY_11", "older"));
  EXPECT_EQ(s->Find("key_11")->Value(), "11");
  s->Insert(s->Count(), MakeRef<TIniItem>("Key_11", "newest"));
  EXPECT_EQ(s->Find("key_11")->Value(), "newest");
  s->Insert(s->Count() / 2, MakeRef<TIniItem>("fresh", "middle"));
  EXPECT_EQ(s->Find("FRESH")->Value(), "middle");
  for (int i = 0; i < kKeys; i += 3) {
    if ((kKeys - 1 - i) % 3 == 0) continue;
    TIniItem* found = s->Find(KeyName(i));
    ASSERT_NE(found, nullptr) << i;
    ASSERT_EQ(s->Item(found->Index()), found);
  }
}

TEST(IniLookup, ReadersOnSeveralThreadsShareTheLazyIndex) {
  // A loaded tree is read by several threads; the first lookups of each list
  // build its index while other threads are looking too.
  std::string text;
  for (int section = 0; section < 20; ++section) {
    text += "[S" + std::to_string(section) + "]\r\n";
    for (int i = 0; i < 500; ++i) text += KeyName(i) + "=" + std::to_string(section * 1000 + i) + "\r\n";
  }
  TRef<TIniFile> file = Parse(text);
  std::vector<std::thread> readers;
  std::vector<int> wrong(4, 0);
  for (int t = 0; t < 4; ++t) {
    readers.emplace_back([&, t] {
      for (int section = 0; section < 20; ++section)
        for (int i = 0; i < 500; ++i)
          if (file->ReadInt("s" + std::to_string(section), Mixed(KeyName(i), i + t), -1) != section * 1000 + i)
            ++wrong[size_t(t)];
    });
  }
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

TEST(IniLookup, IndexRebuildsWhenNamedCountReachesBucketCount) {
  TRef<TIniList> list = MakeRef<TIniList>();
  for (int i = 0; i < 15; ++i) list->Add(MakeRef<TIniItem>(KeyName(i), ""));
  EXPECT_EQ(list->BucketCount(), 0u) << "built by the first lookup only";
  EXPECT_NE(list->Find("key_3"), nullptr);
  EXPECT_EQ(list->BucketCount(), 16u);
  list->Add(MakeRef<TIniItem>(std::string_view{}, "text lines are not indexed"));
  EXPECT_EQ(list->BucketCount(), 16u);
  list->Add(MakeRef<TIniItem>(KeyName(15), ""));
  EXPECT_EQ(list->BucketCount(), 0u) << "16 named items in 16 buckets: dropped";
  EXPECT_NE(list->Find("KEY_15"), nullptr);
  EXPECT_EQ(list->BucketCount(), 16u);
  list->Add(MakeRef<TIniItem>(KeyName(16), ""));
  EXPECT_NE(list->Find("key_16"), nullptr);
  EXPECT_EQ(list->BucketCount(), 32u);
}

TEST(IniLookup, InsertionPointFollowsTheLastNamedItem) {
  TRef<TIniFile> file = Parse("[S]\r\na=1\r\n; note\r\nb=2\r\n\r\n; tail\r\n");
  TIniSection* s = file->Section("S");
  EXPECT_EQ(s->InsertionPoint(), 3);
  s->FindOrCreate("c");
  EXPECT_EQ(test::Dump(*s), "[S]{a=1 | '; note' | b=2 | c= | '' | '; tail'}");
  s->Remove(s->Find("c"));
  s->Remove(s->Find("b"));
  EXPECT_EQ(s->InsertionPoint(), 1) << "back to just after a";
  s->Remove(s->Find("a"));
  EXPECT_EQ(s->InsertionPoint(), 0);
  s->FindOrCreate("z");
  EXPECT_EQ(test::Dump(*s), "[S]{z= | '; note' | '' | '; tail'}");
}

TEST(IniLookup, PathWalkCreatesSectionsObjectsAndKeys) {
  TRef<TIniFile> file = MakeRef<TIniFile>();
  SetString(file->Path("Main:opt_x"), "1");
  SetString(file->Path("Slide1:obj:inner:key"), "deep");
  SetString(file->Path("slide1::k"), "first object");
  SetString(file->Path("root"), "r");
  SetString(file->Path(":also_root"), "r2");
  SetString(file->Path("MAIN:OPT_X"), "2");
  EXPECT_EQ(file->Path("Main:"), nullptr) << "an empty key is nothing to create";

  EXPECT_EQ(file->ToText(),
            "root=r\r\n"
            "also_root=r2\r\n"
            "[Main]\r\n"
            "opt_x=2\r\n"
            "\r\n"
            "[Slide1]\r\n"
            "object obj\r\n"
            "  object inner\r\n"
            "    key=deep\r\n"
            "  end\r\n"
            "  k=first object\r\n"
            "end\r\n"
            "\r\n");

  // Inside an object every part names an object; new ones follow the last object.
  TIniList* slide = file->Section("Slide1");
  SetString(slide->Path("second:x"), "2");
  EXPECT_EQ(test::Dump(*slide), "[Slide1]{object obj:{object inner:{key=deep} | k=first object} | "
                                "object second:{x=2} | ''}");
  EXPECT_EQ(slide->Path("OBJ:inner:KEY")->Value(), "deep");
}

TEST(IniLookup, WriteStringCreatesWhatIsMissing) {
  TRef<TIniFile> file = Parse("; header\r\n");
  file->WriteString("Main", "title", "Show");
  file->WriteInt("Main", "count", 3);
  file->WriteInt("main", "COUNT", 4);
  file->WriteString("", "rootkey", "v");
  EXPECT_EQ(file->ToText(), "rootkey=v\r\n; header\r\n[Main]\r\ntitle=Show\r\ncount=4\r\n\r\n");
}

}  // namespace
}  // namespace zol
