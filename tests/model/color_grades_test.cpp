// The colour grade an object is drawn with: colour management alone, and
// the key frames' filters through the reader the colour-filter module installs.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "foundation/ini_value.h"
#include "model/color_grades.h"
#include "object_test_support.h"

namespace zol {
namespace {

using test::Obj;
using test::TNodeRig;

// A filter that does nothing; only its identity matters here.
class TMarkFilter : public TLookupTableFilter {
 public:
  void ApplyToTable(TPixelImage&) override {}
};

std::string KeyAt(int time, std::string_view items = "") {
  return "object :KeyPoint\nTime=" + std::to_string(time) + "\n" + std::string(items) + "end\n";
}

// Reads a key frame's "TestGrade" (grading class) and "TestKey" items.
class TGradeReaderScope {
 public:
  TGradeReaderScope() {
    previous_ = SetKeyFrameGradeReader([this](const TZolKeyFrame& key) {
      TKeyFrameGrade grade;
      grade.gradingClass = AsInt(key.Source()->Find("TestGrade"), 0);
      grade.key = uint64_t(AsInt(key.Source()->Find("TestKey"), 0));
      if (grade.gradingClass > 0) {
        TRef<TLookupTableFilter>& filter = filters[{key.Index(), grade.key}];
        if (!filter) filter = MakeRef<TMarkFilter>();
        grade.filters = filter;
      }
      return grade;
    });
  }
  ~TGradeReaderScope() { SetKeyFrameGradeReader(std::move(previous_)); }
  std::map<std::pair<int, uint64_t>, TRef<TLookupTableFilter>> filters;

 private:
  TKeyFrameGradeReader previous_;
};

TEST(ColorGrades, ColourManagementAlone) {
  auto cms = MakeRef<TPixelImage>(32, 1024, TPixelFormat::kARGB32);
  struct TCase {
    std::string object;
    bool withCube;
    TColorGradeMode want;
  };
  const TCase cases[] = {
      {Obj("Image", "A"), false, TColorGradeMode::None},
      {Obj("Image", "A"), true, TColorGradeMode::Cube},  // no key frames: the colours are still managed
      {Obj("Image", "A", "", KeyAt(0) + KeyAt(1000)), false, TColorGradeMode::None},
      {Obj("Image", "A", "", KeyAt(0) + KeyAt(1000)), true, TColorGradeMode::Cube},
      {Obj("Image", "A", "", KeyAt(0, "grps=1\n")), true, TColorGradeMode::Cube},  // no Color track
  };
  for (const TCase& c : cases) {
    TNodeRig rig(c.object);
    rig.node->Evaluate(250, false);
    TColorGrades grades;
    TImageDrawParams params;
    grades.Fill(*rig.node, c.withCube ? cms : nullptr, params);
    EXPECT_EQ(params.gradeMode, c.want) << c.object;
    if (c.want == TColorGradeMode::None) {
      EXPECT_FALSE(params.lookup1);
      continue;
    }
    ASSERT_TRUE(params.lookup1 && params.lookup2);
    EXPECT_EQ(params.lookup1->Source().get(), cms.get());
    EXPECT_FALSE(params.lookup1->Filters());
    EXPECT_EQ(params.lookup1->Mode(), TColorGradeMode::Cube);
  }
}

TEST(ColorGrades, KeyFrameFiltersBetweenTwoKeyFrames) {
  TGradeReaderScope reader;
  auto cms = MakeRef<TPixelImage>(32, 1024, TPixelFormat::kARGB32);
  struct TCase {
    std::string first, second;
    bool withCube;
    TColorGradeMode want;
  };
  const TCase cases[] = {
      {"TestGrade=2\n", "TestGrade=2\n", false, TColorGradeMode::Ramp},
      {"TestGrade=2\n", "", false, TColorGradeMode::Ramp},
      {"TestGrade=2\n", "TestGrade=3\n", false, TColorGradeMode::Cube},  // one mixes channels
      {"TestGrade=2\n", "TestGrade=2\n", true, TColorGradeMode::Cube},   // the colours are managed
      {"", "", false, TColorGradeMode::None},
  };
  for (const TCase& c : cases) {
    TNodeRig rig(Obj("Image", "A", "", KeyAt(0, c.first) + KeyAt(1000, c.second)));
    rig.node->Evaluate(250, false);
    TColorGrades grades;
    TImageDrawParams params;
    grades.Fill(*rig.node, c.withCube ? cms : nullptr, params);
    EXPECT_EQ(params.gradeMode, c.want) << c.first << c.second;
    if (c.want == TColorGradeMode::None) continue;
    EXPECT_FLOAT_EQ(params.gradeWeight, 0.25f);
    ASSERT_TRUE(params.lookup1 && params.lookup2);
    EXPECT_NE(params.lookup1, params.lookup2);
    EXPECT_EQ(params.lookup1->Mode(), c.want);
    EXPECT_EQ(params.lookup1->Filters().get(), (reader.filters[{0, 0}].get()));
    EXPECT_EQ(params.lookup1->Source().get(), c.withCube ? cms.get() : nullptr);
  }
}

TEST(ColorGrades, LookupsAreKeptUntilTheirFiltersChange) {
  TGradeReaderScope reader;
  TNodeRig rig(Obj("Image", "A", "", KeyAt(0, "TestGrade=2\n") + KeyAt(1000, "TestGrade=2\n")));
  TColorGrades grades;
  TImageDrawParams first, again, changed;
  rig.node->Evaluate(100, false);
  grades.Fill(*rig.node, nullptr, first);
  rig.node->Evaluate(900, false);
  grades.Fill(*rig.node, nullptr, again);
  EXPECT_EQ(first.lookup1, again.lookup1);
  EXPECT_EQ(first.lookup2, again.lookup2);
  EXPECT_FLOAT_EQ(again.gradeWeight, 0.9f);

  rig.KeyFrame(1).Source()->FindOrCreate("TestKey")->SetValue("7");
  grades.Fill(*rig.node, nullptr, changed);
  EXPECT_EQ(changed.lookup1, first.lookup1);
  EXPECT_NE(changed.lookup2, first.lookup2) << "a changed chain is baked again";
}

}  // namespace
}  // namespace zol
