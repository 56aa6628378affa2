// The study of one input: at the typed value a point is the ordinary calculation itself;
// outside an input's limits the point is refused by that input's own check and row.
#include "calc/input_study.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/calculations.h"
#include "calc/column_input.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

DesignData WithColumnStage(DesignData (*make)()) {
  DesignData d = make();
  SetBenzeneTolueneColumnStage(d);
  d.ColumnDataAccepted = kTrue;
  return d;
}

// Every number of a tray-by-tray run and of the column designed on it, in one list.
std::vector<double> Numbers(const TrayByTrayRun& run, const std::optional<ColumnDesignResult>& c) {
  std::vector<double> v{static_cast<double>(run.Count()), static_cast<double>(run.feedTray.value_or(-1))};
  for (const TrayStep& t : run.trays) {
    for (float f : {t.x, t.yIn, t.yStar, t.yOut, t.result.EMY, t.result.ClearLiquidHeight}) {
      v.push_back(f);
    }
  }
  if (c) {
    for (const ColumnValue& x : {c->totalDrop, c->height, c->floodingMax, c->diameterFor80,
                                 c->distillate, c->condenserDuty, c->reboilerDuty, c->steam}) {
      v.push_back(x.value_or(-1.0));
    }
    for (const ColumnTrayResult& t : c->trays) v.push_back(t.totalDrop.value_or(-1.0));
  }
  return v;
}

class InputStudyOn : public ::testing::TestWithParam<NamedDesign> {};

TEST_P(InputStudyOn, APointAtTheTypedValueIsTheOrdinaryCalculation) {
  const DesignData data = WithColumnStage(GetParam().make);
  const TrayByTrayRun run = RunTrayByTray(CalculationInputs::Of(data));
  ASSERT_TRUE(run.Completed());
  const ColumnDesignResult column = DesignColumn(ColumnDesignInputOf(data, run));
  const std::vector<double> ordinary = Numbers(run, column);
  // A composition, a tray datum, q and two of the column's own values.
  for (int n : {kParamXF, kParamWeirHeight, kParamDiameter, kParamFeedCondition, 41, 49}) {
    const StudyPoint p = StudyAt(data, *FindInput(n), data.ParamValue[n], true);
    ASSERT_TRUE(p.Completed()) << n;
    EXPECT_EQ(Numbers(p.run, p.column), ordinary) << n;
  }
}

TEST_P(InputStudyOn, APointOutsideAnInputsLimitsIsRefusedByItsOwnCheck) {
  const DesignData data = WithColumnStage(GetParam().make);
  for (const InputRow& in : InputCatalogue()) {
    for (float v : {in.minExclusive ? in.min : std::nextafter(in.min, -1e9f),
                    in.maxExclusive ? in.max : std::nextafter(in.max, 1e9f)}) {
      const StudyPoint p = StudyAt(data, in, v, true);
      EXPECT_EQ(p.refusedBy, in.check) << in.key << " " << v;
      EXPECT_EQ(p.errorRow, in.errorRow) << in.key << " " << v;
      EXPECT_FALSE(p.column.has_value());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BenzeneToluene, InputStudyOn, ::testing::ValuesIn(kBenzeneTolueneColumns));

TEST(InputStudy, SpacesItsPointsEvenlyAndStoresThemAsTypedValues) {
  // 0.02 + (0.08 - 0.02)*1/3 = 0.04 in double, then the float nearest it.
  EXPECT_EQ(StudyValue(0.02, 0.08, 4, 1), 0.04f);
  EXPECT_EQ(StudyValue(0.02, 0.08, 4, 3), 0.08f);
  // Falling ranges run from `from` down: 3 - (3 - 1)*1/4 = 2.5.
  EXPECT_EQ(StudyValue(3, 1, 5, 1), 2.5f);

  // The column only where the third stage was accepted; the points clamped to 2..201.
  const DesignData plain = BenzeneTolueneSieve();
  const InputStudy s = StudyInput(plain, *FindInput(kParamReflux), 2, 3, 1);
  ASSERT_EQ(s.points.size(), 2u);
  EXPECT_FALSE(s.withColumn);
  EXPECT_FALSE(s.points[0].column.has_value());
  // A larger reflux ratio never needs more trays: 2 then 3.
  EXPECT_GE(s.points[0].run.Count(), s.points[1].run.Count());
}

TEST(InputStudy, TheDefaultRangeIsHalfToOneAndAHalfTimesTheValueWithinTheLimits) {
  const StudyRange weir = DefaultStudyRange(*FindInput(kParamWeirHeight), 0.05f);
  EXPECT_DOUBLE_EQ(weir.from, 0.5 * 0.05f);
  EXPECT_DOUBLE_EQ(weir.to, 1.5 * 0.05f);
  // Area ratio 0.8: 0.4 and 1.2, the latter cut to its upper limit 1.
  const StudyRange area = DefaultStudyRange(*FindInput(kParamAreaRatio), 0.8f);
  EXPECT_DOUBLE_EQ(area.from, 0.5 * 0.8f);
  EXPECT_DOUBLE_EQ(area.to, 1.0);
  // XP 0.95: 0.475 and 1.425, the latter cut to 1 (refused there: XP lies below 1).
  EXPECT_DOUBLE_EQ(DefaultStudyRange(*FindInput(kParamXP), 0.95f).to, 1.0);
}


TEST(InputStudy, AZeroValueStudiesFromTheLowerLimitOverAQuarterOfTheLimits) {
  struct Case {
    int input;
    float value;
    double from, to;
  };
  const Case cases[] = {
      {40, 0.0f, 0.0, 0.25},            // bypass 0..1: 0 .. 0 + 1/4
      {kParamReflux, 0.0f, 1.25, 50},   // R above 0..200: one step of 41 past 0, to 50
      {56, 0.0f, 0.0, 5},               // heat losses 0..20 %
      {51, 0.0f, -50, -50 + 87.5},      // a feed temperature of 0 °C, limits -50..300
      {51, -40.0f, -50, -20},           // -20 and -60 cut to -50: the lower end first
  };
  for (const Case& c : cases) {
    const StudyRange r = DefaultStudyRange(*FindInput(c.input), c.value);
    EXPECT_NEAR(r.from, c.from, 1e-6) << c.input;
    EXPECT_NEAR(r.to, c.to, 1e-6) << c.input;
    EXPECT_FALSE(StudyRangeFaultOf(*FindInput(c.input), r.from, r.to, kStudyDefaultPoints)) << c.input;
  }
}

TEST(InputStudy, ARangeThatCannotBeStudiedIsRefusedWithItsReason) {
  // The weir height, limits 0..0.3: ends from -0.3 to 0.6 can be studied.
  const InputRow& weir = *FindInput(kParamWeirHeight);
  const double nan = std::nan("");
  struct Case {
    double from, to, points;
    std::optional<StudyRangeFault> fault;
  };
  const Case cases[] = {
      {0.02, 0.08, 41, std::nullopt},
      {0.08, 0.02, 2, std::nullopt},          // a falling range
      {-0.3, 0.6, 201, std::nullopt},          // the widest
      {0.05, 0.05, 41, StudyRangeFault::EqualEnds},
      {0.05, 0.05 + 1e-12, 41, StudyRangeFault::EqualEnds},  // one 32-bit value
      {3.4e38, 0.08, 41, StudyRangeFault::EndTooFar},
      {0.02, 0.61, 41, StudyRangeFault::EndTooFar},
      {-0.31, 0.08, 41, StudyRangeFault::EndTooFar},
      {nan, 0.08, 41, StudyRangeFault::EndTooFar},
      {0.02, 0.08, 1, StudyRangeFault::Points},
      {0.02, 0.08, 500, StudyRangeFault::Points},
      {0.02, 0.08, 2.5, StudyRangeFault::Points},
      {0.02, 0.08, nan, StudyRangeFault::Points},
      {0.05, 0.05, 500, StudyRangeFault::Points},  // the points are told first
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StudyRangeFaultOf(weir, c.from, c.to, c.points), c.fault) << c.from << " " << c.to << " " << c.points;
  }
}

TEST(InputStudy, TheColumnIsStudiedOnceTheThirdStageWasTypedEvenWhereTheDataDoNotComplete) {
  // The third stage read from a data file but not yet accepted, on a reflux ratio too
  // small for the column (more than 120 trays): the points that complete get columns.
  DesignData d = BenzeneTolueneBubbleCap();
  SetBenzeneTolueneColumnStage(d);
  for (int n : InputNumbers(InputStage::Column)) d.Typed.Param[n] = d.ParamText[n];
  d.ColumnDataAccepted = kFalse;
  SetParameter(d, kParamReflux, u"0.5");
  ASSERT_FALSE(RunTrayByTray(CalculationInputs::Of(d)).Completed());
  const InputStudy s = StudyInput(d, *FindInput(kParamReflux), 0.5, 5, 2);
  ASSERT_TRUE(s.withColumn);
  EXPECT_FALSE(s.points[0].Completed());
  ASSERT_TRUE(s.points[1].Completed());
  EXPECT_TRUE(s.points[1].column.has_value());
}

}  // namespace
}  // namespace rc
