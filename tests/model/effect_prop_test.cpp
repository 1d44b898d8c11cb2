#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "foundation/assertion.h"
#include "foundation/ini_value.h"
#include "model/effect_manager.h"
#include "model_fixture.h"

namespace zol {
namespace {

using test::ParseProject;

constexpr std::string_view kCatalog = R"(
[Main]
object TheEffect:AnEffect
  time=1500
  color=77
  object hourhand:hourhand
    stdidx=4
    checked=1
    caption=Clock
    offset=0.25
    direction=100010000
    time=9999
  end
  object Dissolve:dissolve
    stdidx=2
    checked=0
  end
  object myfx:custom
    caption=Stars
    sectionfield=dir,size
    key=Direction,Size
    dir=101
    size=11
  end
end
[Times]
opt_slidescount=4
[Slide1]
object TheEffect:AnEffect
  ref=HourHand
  offset=0.5
  caption=Mine
end
[Slide2]
object TheEffect:AnEffect
  ref=unknownfx
end
[Slide3]
Picture=a.jpg
[Slide4]
object TheEffect:AnEffect
end
)";

TRef<TZOLEffectManager> Catalog(std::string_view text = kCatalog) {
  return MakeRef<TZOLEffectManager>(ParseProject(text), 1920, 1080);
}

TEST(EffectCatalog, PaletteEndsWithTheBuiltInsItLacks) {
  TRef<TZOLEffectManager> catalog = Catalog();
  ASSERT_EQ(catalog->PaletteSize(), 6);
  const char* names[] = {"hourhand", "Dissolve", "myfx", "default", "defowntime", "quick"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(catalog->Entry(i)->Object().Name(), names[i]);
  EXPECT_EQ(catalog->Entry(6), nullptr);
  EXPECT_EQ(catalog->Entry(-1), nullptr);
  EXPECT_EQ(catalog->Entry(3)->GetValue("caption"), "default");
  EXPECT_EQ(catalog->Entry(3)->GetValue("group"), "GroupFromProjectOptions");
  EXPECT_EQ(catalog->Entry(4)->GetValue("islocal"), "1");
  EXPECT_EQ(catalog->Entry(5)->GetValue("group"), "GroupBasic");

  const std::pair<std::string_view, int> found[] = {{"DISSOLVE", 1},   {"default", 3}, {"Quick", 5},
                                                    {"defowntime", 4}, {"nope", -1},   {"", -1}};
  for (auto [name, index] : found) EXPECT_EQ(catalog->FindByName(name), index) << name;
  catalog->SetFallBackToBuiltIns(false);
  EXPECT_EQ(catalog->FindByName("default"), -1);
  EXPECT_EQ(catalog->FindByName("myfx"), 2);

  // A palette child of a built-in's name replaces it.
  TRef<TZOLEffectManager> own =
      Catalog("[Main]\nobject TheEffect:AnEffect\n  object quick:quick\n  stdidx=3\n  end\nend\n");
  ASSERT_EQ(own->PaletteSize(), 3);
  EXPECT_EQ(own->FindByName("quick"), 0);
  EXPECT_EQ(own->Entry(2)->Object().Name(), "defowntime");
}

TEST(EffectCatalog, MissingPaletteIsCreatedWithTheDefaultTime) {
  for (std::string_view text : {"", "[Main]\nopt_scr_width=800\n", "[Main]\nobject Other:x\nend\n"}) {
    TRef<TIniFile> tree = ParseProject(text);
    TRef<TZOLEffectManager> catalog = MakeRef<TZOLEffectManager>(tree, 800, 600);
    const TIniObject* palette = tree->Section("Main")->Object("TheEffect");
    ASSERT_NE(palette, nullptr) << text;
    EXPECT_EQ(palette->Type(), "AnEffect");
    EXPECT_EQ(AsString(palette->Find("time")), "2000");
    EXPECT_DOUBLE_EQ(catalog->DefaultTime(), 2000);
    EXPECT_EQ(catalog->PaletteSize(), 3);
  }
  const std::pair<std::string_view, double> times[] = {
      {"[Main]\nobject TheEffect:AnEffect\ntime=750\nend\n", 750},
      {"[Main]\nobject TheEffect:AnEffect\ntime=fast\nend\n", 2000},
      {"[Main]\nobject TheEffect:AnEffect\nend\n", 2000},
  };
  for (auto [text, time] : times) EXPECT_DOUBLE_EQ(Catalog(text)->DefaultTime(), time) << text;
}

TEST(EffectCatalog, WithoutProjectTextIsAnInternalCheckFailure) {
  try {
    MakeRef<TZOLEffectManager>(nullptr, 1920, 1080);
    ADD_FAILURE() << "no failure";
  } catch (const EAssertion& e) {
    EXPECT_NE(std::string(e.what()).find("'There is no IniFile for EffectRuller'"), std::string::npos);
  }
}

TEST(EffectCatalog, SlideViewsAreCreatedAsDefaultReferences) {
  TRef<TIniFile> tree = ParseProject(kCatalog);
  TRef<TZOLEffectManager> catalog = MakeRef<TZOLEffectManager>(tree, 1920, 1080);
  EXPECT_EQ(catalog->SlideCount(), 4);
  TEffectProp* third = catalog->SlideView(2);
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(catalog->SlideView(2), third) << "cached";
  const TIniObject* created = tree->Section("Slide3")->Object("TheEffect");
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->Type(), "AnEffect");
  EXPECT_EQ(AsString(created->Find("ref")), "default");
  EXPECT_EQ(third->EffectName(), "default");
  EXPECT_EQ(catalog->SlideView(4), nullptr) << "no section Slide5";
  EXPECT_EQ(catalog->SlideView(-1), nullptr);

  TRef<TIniFile> untouched = ParseProject(kCatalog);
  TRef<TZOLEffectManager> readOnly = MakeRef<TZOLEffectManager>(untouched, 1920, 1080);
  readOnly->SetReadOnly(true);
  ASSERT_NE(readOnly->SlideView(2), nullptr);
  EXPECT_EQ(readOnly->SlideView(2)->EffectName(), "default");
  EXPECT_EQ(untouched->Section("Slide3")->Object("TheEffect"), nullptr);
}

TEST(EffectCatalog, ValuesInheritFromEntryAndPalette) {
  TRef<TZOLEffectManager> catalog = Catalog();
  TEffectProp& slide1 = *catalog->SlideView(0);
  TEffectProp& slide2 = *catalog->SlideView(1);
  TEffectProp& entry = *catalog->Entry(0);
  struct TCase {
    TEffectProp& view;
    std::string_view key;
    std::optional<std::string> value;
  };
  const TCase cases[] = {
      {slide1, "offset", "0.5"},           // its own item
      {slide1, "direction", "100010000"},  // from the entry it names
      {slide1, "caption", "Clock"},        // always the entry's
      {slide1, "time", "1500"},            // the entry's, which is the project's
      {slide1, "color", "77"},             // from the palette object
      {slide1, "nothing", std::nullopt},
      {entry, "time", "1500"},  // an entry's own time is not used
      {entry, "caption", "Clock"},
      {entry, "color", std::nullopt},  // entries do not read the palette
      {slide2, "color", "77"},
      {slide2, "caption", std::nullopt},     // no entry to take it from
      {*catalog->Entry(3), "time", "1500"},  // built-ins too
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(c.view.FindValue(c.key), c.value) << c.view.Object().Name() << " " << c.key;
    EXPECT_EQ(c.view.GetValue(c.key), c.value.value_or("")) << c.key;
  }
}

TEST(EffectCatalog, NamesKindsAndStandardIndices) {
  constexpr std::string_view kPalette = R"(
[Main]
object TheEffect:AnEffect
  object hourhand:hourhand
    stdidx=4
  end
  object Wild:custom
  end
end
)";
  struct TCase {
    std::string_view slideItems;  // "" for a palette entry lookup below
    std::string name, kind;
    int stdIndex;
  };
  const TCase cases[] = {
      {"ref=HourHand", "hourhand", "hourhand", 4},
      {"ref=default", "default", "default", 0},
      {"ref=DefOwnTime", "defowntime", "defowntime", 1},
      {"ref=quick", "quick", "quick", 3},
      {"ref=wild", "wild", "custom", -1},
      {"ref=mystery", "mystery", "", 2},
      {"ref=", "default", "default", 0},
      {"time=5", "default", "default", 0},
  };
  for (const TCase& c : cases) {
    std::string text = std::string(kPalette) +
                       "[Times]\nopt_slidescount=1\n[Slide1]\nobject TheEffect:AnEffect\n" +
                       std::string(c.slideItems) + "\nend\n";
    TRef<TZOLEffectManager> catalog = Catalog(text);
    const TEffectProp& view = *catalog->SlideView(0);
    EXPECT_TRUE(view.IsReference());
    EXPECT_EQ(view.EffectName(), c.name) << c.slideItems;
    EXPECT_EQ(view.EffectKind(), c.kind) << c.slideItems;
    EXPECT_EQ(view.StdIndex(), c.stdIndex) << c.slideItems;
  }
  TRef<TZOLEffectManager> catalog = Catalog(kPalette);
  EXPECT_FALSE(catalog->Entry(0)->IsReference());
  EXPECT_EQ(catalog->Entry(0)->EffectName(), "hourhand");
  EXPECT_EQ(catalog->Entry(1)->EffectName(), "wild");
  EXPECT_EQ(catalog->Entry(1)->EffectKind(), "custom");
  EXPECT_EQ(catalog->Entry(1)->StdIndex(), -1);
}

TEST(EffectCatalog, CheckedFromOptionFieldsOrTheCheckedItem) {
  const std::pair<std::string_view, int> cases[] = {
      {"checked=1", 2},
      {"checked=0", 0},
      {"", 0},
      {"checked=true", 0},
      {"sectionfield=direction,action\ndirection=1111\naction=11", 2},
      {"sectionfield=direction,action\ndirection=1010\naction=11", 1},
      {"sectionfield=direction,action\ndirection=0000\naction=11", 0},
      {"sectionfield=direction,action\ndirection=0111\naction=11", 1},
      {"sectionfield=direction,action\ndirection=1111", 0},
      {"sectionfield=checked\nchecked=1", 2},
      {"sectionfield=checked\nchecked=0", 0},
      {"sectionfield= , \nchecked=1", 2},
  };
  for (auto [items, checked] : cases) {
    TRef<TZOLEffectManager> catalog =
        Catalog("[Main]\nobject TheEffect:AnEffect\nobject e:custom\n" + std::string(items) + "\nend\nend\n");
    EXPECT_EQ(catalog->Entry(0)->IsChecked(), checked) << items;
    EXPECT_EQ(catalog->AnyChecked(), checked != 0) << items;
  }
}

TEST(EffectCatalog, TimeOfEntriesAndReferences) {
  struct TCase {
    std::string_view entryItems;  // of the palette's "push" entry
    std::string_view slideItems;
    double time;
  };
  const TCase cases[] = {
      {"checked=1", "ref=default", 1500},
      {"checked=0", "ref=default", 0},
      {"checked=1", "ref=quick", 0},
      {"checked=1", "ref=defowntime\ntime=300", 300},
      {"checked=1", "ref=defowntime", 1500},
      {"checked=0", "ref=defowntime\ntime=300", 0},
      {"checked=0", "ref=push\ntime=250", 250},
      {"checked=0", "ref=push", 0},
      {"checked=0", "ref=push\ntime=soon", 0},
  };
  for (const TCase& c : cases) {
    std::string text = "[Main]\nobject TheEffect:AnEffect\ntime=1500\nobject push:push\n" +
                       std::string(c.entryItems) +
                       "\nend\nend\n[Times]\nopt_slidescount=1\n[Slide1]\nobject TheEffect:AnEffect\n" +
                       std::string(c.slideItems) + "\nend\n";
    TRef<TZOLEffectManager> catalog = Catalog(text);
    TEffectProp& view = *catalog->SlideView(0);
    EXPECT_DOUBLE_EQ(view.Time(), c.time) << c.slideItems;
    EXPECT_DOUBLE_EQ(view.Time(), c.time) << "asked twice: " << c.slideItems;
  }
  // A defowntime slide without time keeps the project default from then on.
  TRef<TIniFile> tree = ParseProject(
      "[Main]\nobject TheEffect:AnEffect\ntime=1500\nobject push:push\nchecked=1\nend\nend\n"
      "[Times]\nopt_slidescount=1\n[Slide1]\nobject TheEffect:AnEffect\nref=defowntime\nend\n");
  TRef<TZOLEffectManager> catalog = MakeRef<TZOLEffectManager>(tree, 1920, 1080);
  catalog->SlideView(0)->Time();
  EXPECT_EQ(AsString(tree->Section("Slide1")->Object("TheEffect")->Find("time")), "1500");

  const std::pair<std::string_view, double> entries[] = {{"time=700", 700}, {"", 1500}, {"time=abc", 1500}};
  for (auto [items, time] : entries) {
    TRef<TZOLEffectManager> palette =
        Catalog("[Main]\nobject TheEffect:AnEffect\ntime=1500\nobject e:dissolve\n" + std::string(items) +
                "\nend\nend\n");
    EXPECT_DOUBLE_EQ(palette->Entry(0)->Time(), time) << items;
  }
}

TEST(EffectCatalog, ReferenceLoopsEndInsteadOfHanging) {
  TRef<TZOLEffectManager> catalog = Catalog(R"(
[Main]
object TheEffect:AnEffect
  object a:AnEffect
    ref=b
  end
  object b:AnEffect
    ref=a
  end
  object self:AnEffect
    ref=self
  end
end
[Times]
opt_slidescount=1
[Slide1]
object TheEffect:AnEffect
  ref=a
end
)");
  const TEffectProp& slide = *catalog->SlideView(0);
  EXPECT_EQ(slide.FindValue("anything"), std::nullopt);
  EXPECT_EQ(slide.EffectKind(), "");
  EXPECT_EQ(slide.StdIndex(), 2);
  EXPECT_EQ(slide.IsChecked(), 0);
  EXPECT_EQ(catalog->Entry(2)->FindValue("caption"), std::nullopt);
  EXPECT_EQ(catalog->Entry(2)->EffectKind(), "");
}

TEST(EffectCatalog, OptionsAndKeysOfACustomEntry) {
  TRef<TZOLEffectManager> catalog = Catalog();
  const TEffectProp& custom = *catalog->Entry(2);
  EXPECT_EQ(custom.OptionKeys(), (std::vector<std::string>{"Direction", "Size"}));
  const TEffectOptions options = custom.Options();
  EXPECT_EQ(options.Options(), (std::vector<std::string>{"101", "11"}));
  EXPECT_EQ(options.Count(), 6);
  EXPECT_EQ(custom.IsChecked(), 1);
}

TEST(EffectCatalog, RemovingAnEntryRebuildsThePalette) {
  TRef<TZOLEffectManager> catalog = Catalog();
  EXPECT_TRUE(catalog->RemoveEntry(1));
  EXPECT_EQ(catalog->PaletteSize(), 5);
  EXPECT_EQ(catalog->FindByName("dissolve"), -1);
  EXPECT_FALSE(catalog->RemoveEntry(4)) << "built-ins stay";
  EXPECT_FALSE(catalog->RemoveEntry(-1));
  catalog->ClearCaches();
  EXPECT_EQ(catalog->SlideView(0)->EffectName(), "hourhand");
}

}  // namespace
}  // namespace zol
