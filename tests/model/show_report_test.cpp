#include <gtest/gtest.h>

#include "model/show_report.h"
#include "model/zol_source.h"
#include "model_fixture.h"

namespace zol {
namespace {

constexpr std::string_view kShow = R"(
[Main]
object TheEffect:AnEffect
  time=1000
  object push:push
    stdidx=9
    checked=1
    direction=1001
  end
end
[Times]
opt_slidescount=3
opt_synchpos1=3000
opt_synchpos2=5000
opt_synchpos3=9000
[Slide1]
slideid=intro
[Slide2]
Picture=C:\pics\beach.jpg
Pers_EndAction=loop
object TheEffect:AnEffect
  ref=quick
end
[Slide3]
Pers_EndAction=pause
object TheEffect:AnEffect
  ref=dissolve
  time=4000
  smoothline=0.5
end
)";

TEST(ShowReport, TimingRows) {
  TRef<TZolSource> source = test::MakeSource(kShow);
  const std::vector<TSlideTimingRow> rows = SlideTimingRows(*source);
  ASSERT_EQ(rows.size(), 3u);
  struct TWant {
    double begin, nextBegin, incoming, outgoing, end;
    std::string id;
    TSlideEndKind action;
    double loop;
  };
  const TWant want[] = {
      {0, 3000, 1000, 0, 3000, "intro", TSlideEndKind::None, 0},
      {3000, 5000, 0, 4000, 9000, "beach", TSlideEndKind::Loop, 2000},
      {5000, 9000, 4000, 1000, 10000, "", TSlideEndKind::Pause, 0},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i].index, int(i));
    EXPECT_DOUBLE_EQ(rows[i].begin, want[i].begin);
    EXPECT_DOUBLE_EQ(rows[i].nextBegin, want[i].nextBegin);
    EXPECT_DOUBLE_EQ(rows[i].incoming, want[i].incoming);
    EXPECT_DOUBLE_EQ(rows[i].outgoing, want[i].outgoing);
    EXPECT_DOUBLE_EQ(rows[i].end, want[i].end);
    EXPECT_EQ(rows[i].slideId, want[i].id);
    EXPECT_EQ(rows[i].endAction, want[i].action);
    EXPECT_DOUBLE_EQ(rows[i].loopMs, want[i].loop);
  }
  EXPECT_EQ(EndKindName(TSlideEndKind::None), "none");
  EXPECT_EQ(EndKindName(TSlideEndKind::Pause), "pause");
  EXPECT_EQ(EndKindName(TSlideEndKind::Loop), "loop");
}

TEST(ShowReport, TransitionRowsAreTheSameOnEveryRun) {
  TRef<TZolSource> first = test::MakeSource(kShow, "/x/z", 1);
  TRef<TZolSource> second = test::MakeSource(kShow, "/x/z", 99);
  const std::vector<TSlideTransitionRow> rows = SlideTransitionRows(*first);
  const std::vector<TSlideTransitionRow> again = SlideTransitionRows(*second);
  ASSERT_EQ(rows.size(), 3u);
  struct TWant {
    std::string ref, name;
    int type;
    std::string typeName;
    double duration, smoothline;
  };
  const TWant want[] = {
      {"default", "push", 7, "push", 1000, 0.001},
      {"quick", "", 0, "none", 0, 0},
      {"dissolve", "dissolve", 1, "dissolve", 4000, 0.5},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i].ref, want[i].ref);
    EXPECT_EQ(rows[i].name, want[i].name);
    EXPECT_EQ(rows[i].type, want[i].type);
    EXPECT_EQ(rows[i].typeName, want[i].typeName);
    EXPECT_DOUBLE_EQ(rows[i].duration, want[i].duration);
    EXPECT_DOUBLE_EQ(rows[i].smoothline, want[i].smoothline);
    EXPECT_EQ(again[i].name, rows[i].name);
  }
}

}  // namespace
}  // namespace zol
