#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "model/zol_source.h"
#include "model/zol_source_error.h"
#include "model_fixture.h"

namespace zol {
namespace {

using test::MakeSource;
using test::TimesSection;

// A slide that enters through a cross-fade of MS milliseconds.
std::string SlideWithFade(int number, int ms) {
  return "[Slide" + std::to_string(number) +
         "]\nobject TheEffect:AnEffect\nref=dissolve\ntime=" + std::to_string(ms) + "\nend\n";
}

std::string Show(std::initializer_list<int> positions, std::initializer_list<int> fades,
                 std::string_view main = "") {
  std::string text = "[Main]\n" + std::string(main) + "\n" + TimesSection(positions);
  int number = 1;
  for (int fade : fades) text += SlideWithFade(number++, fade);
  return text;
}

struct TExpectedRecord {
  int index;
  double begin, nextBegin, incoming, outgoing, end;
  int repetition;
};

void ExpectRecord(const TZolSource& source, const TExpectedRecord& want) {
  int repetition = 99;
  const TSlideTiming got = source.GetSlideTiming(want.index, &repetition);
  SCOPED_TRACE("index " + std::to_string(want.index));
  EXPECT_DOUBLE_EQ(got.begin, want.begin);
  EXPECT_DOUBLE_EQ(got.nextBegin, want.nextBegin);
  EXPECT_DOUBLE_EQ(got.incoming, want.incoming);
  EXPECT_DOUBLE_EQ(got.outgoing, want.outgoing);
  EXPECT_DOUBLE_EQ(got.end, want.end);
  EXPECT_EQ(repetition, want.repetition);
}

TEST(TimeLine, RecordsOfARepeatingShow) {
  TRef<TZolSource> source = MakeSource(Show({1000, 2000, 3000}, {400, 500, 600}));
  EXPECT_EQ(source->SlideCount(), 3);
  EXPECT_DOUBLE_EQ(source->ShowLength(), 3000);
  const TExpectedRecord cases[] = {
      {0, 0, 1000, 400, 500, 1500, 0},
      {1, 1000, 2000, 500, 600, 2600, 0},
      // The last slide hands over to the first one of the next repetition.
      {2, 2000, 3000, 600, 400, 3400, 0},
      // Index 4 of a 3-slide show is slide 1 one show length later.
      {4, 4000, 5000, 500, 600, 5600, 1},
      {8, 8000, 9000, 600, 400, 9400, 2},
      // The lead-in ends where the first transition ends.
      {-1, -1073741823, 0, 0, 400, 400, -1},
      {-2, -2147483647, -1073741823, 0, 0, -1073741823, -1},
      {-50, -2147483647, -1073741823, 0, 0, -1073741823, -1},
  };
  for (const TExpectedRecord& want : cases) ExpectRecord(*source, want);
}

TEST(TimeLine, ShowThatStopsHasNoTransitionAfterItsLastSlide) {
  TRef<TZolSource> source = MakeSource(Show({1000, 2000, 3000}, {400, 500, 600}, "opt_repeat=stop"));
  EXPECT_FALSE(source->Repeats());
  EXPECT_DOUBLE_EQ(source->IncomingDuration(3), 0);
  EXPECT_DOUBLE_EQ(source->IncomingDuration(2), 600);
  ExpectRecord(*source, {2, 2000, 3000, 600, 0, 3000, 0});
  // The repeating one goes on into slide 0 again.
  TRef<TZolSource> repeating = MakeSource(Show({1000, 2000, 3000}, {400, 500, 600}));
  EXPECT_DOUBLE_EQ(repeating->IncomingDuration(3), 400);
  EXPECT_DOUBLE_EQ(repeating->IncomingDuration(5), 600);
}

TEST(TimeLine, TransitionsLongerThanTheirSlideAreCut) {
  // A 5000 ms transition into a slide that lasts 3000 ms.
  TRef<TZolSource> source = MakeSource(Show({3000, 6000, 9000}, {1000, 5000, 1000}));
  EXPECT_DOUBLE_EQ(source->IncomingDuration(1), 5000) << "the transition itself keeps its length";
  const TExpectedRecord cases[] = {
      // Slide 0 hands over with the cut length too, so it is gone when
      // slide 1 ends.
      {0, 0, 3000, 1000, 3000, 6000, 0},
      {1, 3000, 6000, 3000, 1000, 7000, 0},
      {2, 6000, 9000, 1000, 1000, 10000, 0},
  };
  for (const TExpectedRecord& want : cases) ExpectRecord(*source, want);
}

TEST(TimeLine, FirstSlideCutAlsoCutsLeadInAndLastSlide) {
  TRef<TZolSource> source = MakeSource(Show({2000, 5000}, {4000, 1000}));
  ExpectRecord(*source, {-1, -1073741823, 0, 0, 2000, 2000, -1});
  ExpectRecord(*source, {0, 0, 2000, 2000, 1000, 3000, 0});
  ExpectRecord(*source, {1, 2000, 5000, 1000, 2000, 7000, 0});
}

// The slide cache's walk: from the slide found last, go back while the time
// lies before the end of the slide before, then forward while the current
// slide has ended; the second slide is the next one while its transition runs.
std::pair<int, int> SlidesAt(const TZolSource& source, double t, int start) {
  int index = start;
  while (index > -1 && t < source.GetSlideTiming(index - 1).end) --index;
  while (source.GetSlideTiming(index).end < t) ++index;
  const TSlideTiming next = source.GetSlideTiming(index + 1);
  return t >= next.begin && t <= next.end ? std::pair{index, index + 1} : std::pair{index, index};
}

TEST(TimeLine, CutTransitionNeverBringsBackAnEarlierSlide) {
  // Slide 1 lasts 1000 ms but asks for a 3000 ms transition; slide 2's
  // transition runs from 6000 to 8000.
  TRef<TZolSource> source = MakeSource(Show({5000, 6000, 10000}, {500, 3000, 2000}));
  struct TCase {
    double t;
    int start;                   // the slide the walk found last time
    std::pair<int, int> slides;  // outgoing and incoming slide
    int atTime;                  // SlideAtTime: the slide whose transition started last
  };
  const TCase cases[] = {
      {5500, 0, {0, 1}, 1}, {5500, 2, {0, 1}, 1}, {6500, 1, {1, 2}, 2}, {6500, 2, {1, 2}, 2},
      {7000, 1, {1, 2}, 2}, {7000, 0, {1, 2}, 2}, {8500, 1, {2, 2}, 2}, {9999, 3, {2, 2}, 2},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(SlidesAt(*source, c.t, c.start), c.slides) << "t=" << c.t << " from " << c.start;
    EXPECT_EQ(source->SlideAtTime(c.t), c.atTime) << "t=" << c.t;
  }
  // Whatever the lengths, a slide is gone before the slide after next starts.
  for (int i = -1; i < 9; ++i) {
    const TSlideTiming record = source->GetSlideTiming(i), next = source->GetSlideTiming(i + 1);
    EXPECT_DOUBLE_EQ(record.outgoing, next.incoming) << i;
    EXPECT_LE(record.end, next.end) << i;
  }
}

TEST(TimeLine, SlideAtTimeOnBoundaries) {
  for (std::string_view main : {"", "opt_repeat=stop"}) {
    TRef<TZolSource> source = MakeSource(Show({1000, 2000, 3000}, {100, 100, 100}, main));
    const std::pair<double, int> cases[] = {
        {-1e12, -1}, {-5, -1},    {0, -1},   {0.001, 0}, {1000, 0},   {1000.5, 1}, {2000, 1}, {2999.9, 2},
        {3000, 2},   {3000.5, 3}, {4000, 3}, {6000, 5},  {6000.1, 6}, {9000, 8},   {NAN, -1},
    };
    for (auto [t, index] : cases) EXPECT_EQ(source->SlideAtTime(t), index) << "t=" << t << " " << main;
  }
}

TEST(TimeLine, SlideAtTimeAgreesWithWalkingTheRecords) {
  // Zero-length slides included: a time on their boundary belongs to the
  // first record that reaches it.
  TRef<TZolSource> source = MakeSource(Show({0, 1000, 1000, 2500, 2500}, {}));
  auto linear = [&](double t) {
    if (t <= 0) return -1;
    for (int i = -1;; ++i) {
      const TSlideTiming record = source->GetSlideTiming(i);
      if (record.begin <= t && t <= record.nextBegin) return i;
    }
  };
  for (double t = -250; t <= 4 * 2500; t += 125) EXPECT_EQ(source->SlideAtTime(t), linear(t)) << t;
  for (double t : {0.5, 999.5, 1000.0, 1000.5, 2500.0, 2500.5, 5000.0, 5000.5, 7500.0})
    EXPECT_EQ(source->SlideAtTime(t), linear(t)) << t;
}

TEST(TimeLine, DegenerateShowsAnswerWithoutLooping) {
  TRef<TZolSource> empty = MakeSource("[Main]\n");
  EXPECT_EQ(empty->SlideCount(), 0);
  EXPECT_EQ(empty->SlideAtTime(5000), -1);
  EXPECT_DOUBLE_EQ(empty->ShowLength(), 0);
  int repetition = -5;
  EXPECT_DOUBLE_EQ(empty->GetSlideTiming(3, &repetition).end, 0);
  EXPECT_EQ(repetition, 0);
  EXPECT_DOUBLE_EQ(empty->GetSlideTiming(-1).end, 0);
  EXPECT_DOUBLE_EQ(empty->IncomingDuration(0), 0);

  // All slides at position 0: the show has no length to repeat.
  TRef<TZolSource> flat = MakeSource(Show({0, 0}, {}));
  EXPECT_EQ(flat->SlideAtTime(10), 1);

  // Far beyond the int range of indices.
  TRef<TZolSource> tiny = MakeSource(Show({1, 2}, {}));
  EXPECT_EQ(tiny->SlideAtTime(1e300), INT_MAX);
  EXPECT_EQ(tiny->SlideAtTime(INFINITY), INT_MAX);
  EXPECT_EQ(tiny->SlideAtTime(3e9), INT_MAX);
  EXPECT_EQ(tiny->SlideAtTime(1e9), 999999999);
}

TEST(TimeLine, PositionsThatGoBackwardsAreAnIncorrectTime) {
  struct TCase {
    std::string times;
    bool fails;
  };
  const TCase cases[] = {
      {TimesSection({1000, 500}), true},
      {TimesSection({-1}), true},
      {TimesSection({1000, 2000, 1999}), true},
      {TimesSection({0, 0, 0}), false},
      {TimesSection({1000, 1000}), false},
      // Missing and malformed positions read as 0, which is backwards from 1000.
      {"[Times]\nopt_slidescount=2\nopt_synchpos1=1000\n", true},
      {"[Times]\nopt_slidescount=2\nopt_synchpos1=1000\nopt_synchpos2=2e3\n", true},
      {"[Times]\nopt_slidescount=2\nopt_synchpos2=1000\n", false},
  };
  for (const TCase& c : cases) {
    if (!c.fails) {
      EXPECT_NO_THROW(MakeSource(c.times)) << c.times;
      continue;
    }
    try {
      MakeSource(c.times);
      ADD_FAILURE() << "no error for " << c.times;
    } catch (const EZolSourceError& e) {
      EXPECT_STREQ(e.what(), "Incorrect time");
    }
  }
}

TEST(TimeLine, SlideCountFallsBackOrFailsClearly) {
  const std::pair<std::string, int> counts[] = {
      {"[Times]\nopt_slidescount=x\n", 0},
      {"[Times]\nopt_slidescount=-4\n", 0},
      {"[Times]\nopt_slidescount=3.0\n", 0},
      {"[Main]\n", 0},
      {"[Times]\nopt_slidescount=2\nopt_synchpos1=10\nopt_synchpos2=20\n", 2},
  };
  for (const auto& [text, count] : counts) EXPECT_EQ(MakeSource(text)->SlideCount(), count) << text;
  try {
    MakeSource("[Times]\nopt_slidescount=2000000000\n");
    ADD_FAILURE() << "an absurd slide count was accepted";
  } catch (const EZolSourceError& e) {
    EXPECT_STREQ(e.what(), "Incorrect slide count");
  }
}

TEST(TimeLine, SlideIdsComeFromTheIdOrThePictureName) {
  const std::pair<std::string, std::string> cases[] = {
      {"slideid=intro\nPicture=C:\\pics\\a.jpg", "intro"},
      {"Picture=C:\\pics\\Sunset.Beach.JPG", "Sunset.Beach"},
      {"slideid=\nPicture=photos/raw/img_01.png", "img_01"},
      {"Picture=noext", "noext"},
      {"", ""},
  };
  for (const auto& [items, id] : cases) {
    TRef<TZolSource> source = MakeSource(TimesSection({1000}) + "[Slide1]\n" + items + "\n");
    EXPECT_EQ(source->GetSlideTiming(0).slideId, id) << items;
    EXPECT_EQ(source->GetSlideTiming(3).slideId, id) << "repetitions keep the id";
  }
}

TEST(TimeLine, EndActionsAndLoopLengths) {
  struct TCase {
    std::string_view manual;  // Main/opt_manualshow
    std::string_view action;  // the slide's Pers_EndAction line
    TSlideEndKind kind;
    double loop;
  };
  const TCase cases[] = {
      {"", "", TSlideEndKind::None, 0},
      {"opt_manualshow=1", "", TSlideEndKind::Pause, 0},
      {"opt_manualshow=1", "Pers_EndAction=timer", TSlideEndKind::None, 0},
      {"", "Pers_EndAction=PAUSE", TSlideEndKind::Pause, 0},
      // A 3000 ms slide entered through a 1000 ms transition loops its 2000 ms.
      {"", "Pers_EndAction=Loop", TSlideEndKind::Loop, 2000},
      {"opt_manualshow=1", "Pers_EndAction=sometimes", TSlideEndKind::Pause, 0},
      {"opt_manualshow=yes", "Pers_EndAction=sometimes", TSlideEndKind::None, 0},
  };
  for (const TCase& c : cases) {
    std::string text = "[Main]\n" + std::string(c.manual) + "\n" + TimesSection({2000, 5000}) +
                       SlideWithFade(1, 500) + SlideWithFade(2, 1000) + std::string(c.action) + "\n";
    TRef<TZolSource> source = MakeSource(text);
    for (int index : {1, 3, 7}) {
      const TSlideEndAction action = source->SlideEndAction(index);
      EXPECT_EQ(action.kind, c.kind) << c.manual << " " << c.action << " index " << index;
      EXPECT_EQ(action.Stops(), c.kind != TSlideEndKind::None);
      EXPECT_DOUBLE_EQ(action.loopLength, c.loop);
    }
  }
  TRef<TZolSource> source = MakeSource(TimesSection({1000}));
  EXPECT_FALSE(source->SlideEndAction(0).Stops()) << "a slide without section";
  EXPECT_FALSE(source->SlideEndAction(-1).Stops());
}

TEST(TimeLine, SlidesStartProgramsOnlyWhenAskedAndNamed) {
  const std::pair<std::string_view, std::optional<std::string>> cases[] = {
      {"Pers_RunApp=1\nRunAppFN=calc.exe", "calc.exe"},
      {"Pers_RunApp=0\nRunAppFN=calc.exe", std::nullopt},
      {"Pers_RunApp=true\nRunAppFN=calc.exe", std::nullopt},
      {"Pers_RunApp=1\nRunAppFN=", std::nullopt},
      {"Pers_RunApp=1", std::nullopt},
      {"RunAppFN=calc.exe", std::nullopt},
  };
  for (const auto& [items, program] : cases) {
    TRef<TZolSource> source = MakeSource(TimesSection({1000}) + "[Slide1]\n" + std::string(items) + "\n");
    EXPECT_EQ(source->SlideRunApp(0), program) << items;
    EXPECT_EQ(source->SlideRunApp(2), program) << items;
  }
}

}  // namespace
}  // namespace zol
