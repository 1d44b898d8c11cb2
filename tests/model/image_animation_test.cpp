#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/image_animation.h"

namespace zol {
namespace {

TEST(ImageAnimation, FrameIntervals) {
  struct TCase {
    std::vector<std::string> parts;
    int count;
    std::vector<int32_t> want;
  };
  const TCase cases[] = {
      {{"200"}, 4, {200, 200, 200, 200}},
      {{"0", " 50"}, 4, {100, 50, 50, 50}},
      {{}, 3, {100, 100, 100}},
      {{"30", "x", "-5", "70 "}, 5, {30, 100, 100, 70, 70}},
      {{"10", "20", "30"}, 2, {10, 20}},
      {{"10"}, 0, {}},
      {{"10"}, -3, {}},
  };
  for (const TCase& c : cases) EXPECT_EQ(ReadFrameIntervals(c.parts, c.count), c.want) << c.count;
  EXPECT_EQ(ReadFrameIntervals({}, 1 << 30).size(), size_t(kMaxAnimationFrames))
      << "a damaged count is capped";
}

TImageAnimationParams Sheet(int columns, int rows, std::vector<int32_t> intervals, int repCount = 0,
                            double offset = 0) {
  TImageAnimationParams params;
  params.enabled = true;
  params.columns = columns;
  params.rows = rows;
  params.count = int(intervals.size());
  params.intervals = std::move(intervals);
  params.repCount = repCount;
  params.offset = offset;
  return params;
}

TEST(ImageAnimation, RepetitionsThenTheLastFrameHolds) {
  const TImageAnimationParams twice = Sheet(3, 1, {100, 100, 100}, 2);
  struct TStep {
    double t;
    int frame;
  };
  const TStep steps[] = {{0, 0},   {50, 0},  {100, 0}, {101, 1}, {250, 2}, {300, 2}, {301, 0},
                         {450, 1}, {550, 2}, {600, 2}, {601, 2}, {650, 2}, {5000, 2}};
  for (const TStep& step : steps) EXPECT_EQ(AnimationFrame(twice, step.t), step.frame) << step.t;

  const TImageAnimationParams endless = Sheet(3, 1, {100, 100, 100});
  for (const TStep& step : {TStep{650, 0}, TStep{750, 1}, TStep{90050, 0}})
    EXPECT_EQ(AnimationFrame(endless, step.t), step.frame) << step.t;
}

TEST(ImageAnimation, OffsetUnequalIntervalsAndDegenerateSheets) {
  const TImageAnimationParams offset = Sheet(2, 2, {100, 50, 50, 300}, 0, 1000);
  struct TStep {
    double t;
    int frame;
  };
  for (const TStep& step : {TStep{0, 0}, TStep{1000, 0}, TStep{1120, 1}, TStep{1180, 2}, TStep{1300, 3},
                            TStep{1501, 0}, TStep{-50, 0}})
    EXPECT_EQ(AnimationFrame(offset, step.t), step.frame) << step.t;

  TImageAnimationParams off = Sheet(3, 1, {100, 100, 100});
  off.enabled = false;
  EXPECT_EQ(AnimationFrame(off, 150), 0) << "not animated";
  EXPECT_EQ(AnimationFrame(Sheet(1, 1, {100}), 150), 0) << "one cell";
  EXPECT_EQ(AnimationFrame(Sheet(3, 1, {}), 150), 0) << "no intervals";
  TImageAnimationParams more = Sheet(2, 1, {100, 100, 100, 100});
  EXPECT_EQ(more.FrameCount(), 2) << "no more frames than cells";
  EXPECT_EQ(AnimationFrame(more, 250), 0);
}

TEST(ImageAnimation, CellsRunLeftToRightThenDown) {
  struct TCase {
    int frame;
    TRectF want;
  };
  const TCase cases[] = {
      {0, {0, 0, 100, 50}}, {2, {200, 0, 300, 50}}, {3, {0, 50, 100, 100}}, {5, {200, 50, 300, 100}}};
  for (const TCase& c : cases) EXPECT_EQ(AnimationCell(c.frame, 3, 2, 300, 100), c.want) << c.frame;
  EXPECT_EQ(AnimationCell(0, 0, -1, 300, 100), (TRectF{0, 0, 300, 100})) << "no cells count as one";
}

}  // namespace
}  // namespace zol
