// The two input checks, rule by rule: each case breaks one rule of otherwise sound data
// and expects the row the check names.
#include "model/checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "model/input_catalogue.h"
#include "model/number_text.h"

namespace rc {
namespace {

// Sound first-stage data: X*[0] = Y*[0] = 0, X*[7] = Y*[7] = 1, both increasing,
// Y* above X* inside, X*[0] < XW < X*[1], X*[6] < XP < 1, XW <= XF <= XP.
DesignData SoundEquilibrium() {
  DesignData d;
  PrepareForEntry(d);
  d.EqX = {0, 0.1f, 0.2f, 0.3f, 0.5f, 0.7f, 0.9f, 1};
  d.EqY = {0, 0.25f, 0.4f, 0.5f, 0.7f, 0.85f, 0.95f, 1};
  d.ParamValue[kParamXW] = 0.05f, d.ParamValue[kParamXF] = 0.4f, d.ParamValue[kParamXP] = 0.95f;
  return d;
}

// Sound second-stage data: every parameter at the middle of its limits.
DesignData SoundParameters() {
  DesignData d;
  PrepareForEntry(d);
  for (int n = kParamReflux; n <= kParamBypass; ++n) {
    d.ParamValue[n] = (d.ParamMin[n] + d.ParamMax[n]) / 2;
  }
  return d;
}

struct Case {
  const char* rule;
  std::function<void(DesignData&)> spoil;
  int errorRow;
};

void Expect(DesignData (*sound)(), void (*check)(DesignData&), const Case& c) {
  DesignData d = sound();
  c.spoil(d);
  check(d);
  EXPECT_EQ(d.InputError, c.errorRow == 55 ? kFalse : kTrue) << c.rule;
  EXPECT_EQ(d.ErrorRow, c.errorRow) << c.rule;
}

TEST(CheckEquilibriumData, EachRuleFailsWithItsOwnRow) {
  const Case cases[] = {
      {"sound data", [](DesignData&) {}, 55},
      {"X* below 0", [](DesignData& d) { d.EqX[0] = -0.01f; }, 0},
      {"Y* above 1", [](DesignData& d) { d.EqY[5] = 1.01f; }, 5},
      {"X* infinite", [](DesignData& d) { d.EqX[6] = ReadNumber(u"1e999"); }, 6},
      {"Y* equal to X*", [](DesignData& d) { d.EqY[3] = d.EqX[3]; }, 3},
      {"Y* below X* in pair 6", [](DesignData& d) { d.EqY[6] = 0.8f; d.EqY[5] = 0.75f; }, 6},
      {"Y* not increasing", [](DesignData& d) { d.EqY[4] = 0.5f; }, 4},
      {"equal X*: the later point", [](DesignData& d) { d.EqX[5] = d.EqX[4]; }, 5},
      {"XW of 0", [](DesignData& d) { d.ParamValue[kParamXW] = 0; }, 8},
      {"XF of 1", [](DesignData& d) { d.ParamValue[kParamXF] = 1; }, 9},
      {"XP of 0", [](DesignData& d) { d.ParamValue[kParamXP] = 0; }, 10},
      {"X*[7] not Y*[7]", [](DesignData& d) { d.EqX[7] = 0.99f; }, 8},
      {"XP not below X*[7]", [](DesignData& d) { d.EqX[7] = d.EqY[7] = 0.96f; d.ParamValue[kParamXP] = 0.97f; }, 8},
      {"XW not above X*[0]", [](DesignData& d) { d.EqX[0] = d.EqY[0] = 0.05f; }, 0},
      {"XW not below X*[1]", [](DesignData& d) { d.ParamValue[kParamXW] = 0.1f; }, 1},
      {"XP not above X*[6]", [](DesignData& d) { d.EqX[6] = 0.95f; d.EqY[6] = 0.97f; d.ParamValue[kParamXP] = 0.9f; }, 7},
      {"XF above XP", [](DesignData& d) { d.ParamValue[kParamXF] = 0.97f; }, 9},
      {"XF below XW", [](DesignData& d) { d.ParamValue[kParamXF] = 0.04f; }, 9},
      {"XF equal to XW allowed", [](DesignData& d) { d.ParamValue[kParamXF] = d.ParamValue[kParamXW]; }, 55},
      {"XF equal to XP allowed", [](DesignData& d) { d.ParamValue[kParamXF] = d.ParamValue[kParamXP]; }, 55},
      // The first rule that fails decides, whatever fails later.
      {"range before order", [](DesignData& d) { d.EqY[2] = 2; d.ParamValue[kParamXW] = 0; }, 2},
  };
  for (const Case& c : cases) Expect(SoundEquilibrium, CheckEquilibriumData, c);
}

TEST(CheckEquilibriumData, ZeroAndOneAreWithinRangeOfThePoints) {
  DesignData d = SoundEquilibrium();
  CheckEquilibriumData(d);
  EXPECT_EQ(d.ErrorRow, 55);
  d.InputError = kTrue;
  d.ErrorRow = 3;
  CheckEquilibriumData(d);  // a fresh check overwrites an earlier verdict
  EXPECT_EQ(d.InputError, kFalse);
  EXPECT_EQ(d.ErrorRow, 55);
}

TEST(CheckParameterLimits, EachParameterFailsWithItsOwnRow) {
  std::vector<Case> cases = {
      {"sound data", [](DesignData&) {}, 55},
      {"reflux ratio 0", [](DesignData& d) { d.ParamValue[kParamReflux] = 0; }, 2},
      {"reflux ratio 200", [](DesignData& d) { d.ParamValue[kParamReflux] = 200; }, 55},
      {"reflux ratio above 200", [](DesignData& d) { d.ParamValue[kParamReflux] = 200.01f; }, 2},
      {"column diameter 12", [](DesignData& d) { d.ParamValue[kParamDiameter] = 12; }, 55},
      {"column diameter 12.5", [](DesignData& d) { d.ParamValue[kParamDiameter] = 12.5f; }, 15},
      {"liquid diffusion 0.0001", [](DesignData& d) { d.ParamValue[kParamLiquidDiffusivity] = ReadNumber(u"0.0001"); }, 55},
      {"liquid diffusion 0.00011", [](DesignData& d) { d.ParamValue[kParamLiquidDiffusivity] = ReadNumber(u"0.00011"); }, 13},
      {"feed rate typed 0.01", [](DesignData& d) { d.ParamValue[kParamFeedRate] = ReadNumber(u"0.01"); }, 55},
      {"parameter 32 not examined", [](DesignData& d) { d.ParamValue[kParamTrayTypeSlot] = -5; }, 55},
      {"compositions not examined", [](DesignData& d) { d.ParamValue[kParamXW] = 7; }, 55},
      {"first failure decides", [](DesignData& d) { d.ParamValue[kParamVapourViscosityLight] = 1; d.ParamValue[kParamMolarMassHeavy] = 1; }, 5},
  };
  // Every limit, broken on either side, names its own row.
  for (int n = kParamFeedRate; n <= kParamBypass; ++n) {
    if (n == kParamTrayTypeSlot) continue;
    const int row = n <= 31 ? n - 17 : n - 18;
    cases.push_back({"below the minimum", [n](DesignData& d) { d.ParamValue[n] = d.ParamMin[n] - 0.5f * (d.ParamMin[n] + 1e-7f); }, row});
    cases.push_back({"above the maximum", [n](DesignData& d) { d.ParamValue[n] = d.ParamMax[n] * 1.5f; }, row});
  }
  for (const Case& c : cases) Expect(SoundParameters, CheckParameterLimits, c);
}

// The third stage: both limits inclusive, the first faulty value named by n - 41 (its
// list row for 41..56; 58 and 59 as 17 and 18); the other stages' checks never look at
// these values.
TEST(ColumnParameterLimits, BothLimitsHoldAndTheFirstFaultNamesItsRow) {
  DesignData d;
  PrepareForEntry(d);
  auto limits = [&d](int n) { return std::make_pair(d.ParamMin[n], d.ParamMax[n]); };
  EXPECT_EQ(limits(kParamTraySpacing), std::make_pair(0.15f, 1.2f));
  EXPECT_EQ(limits(kParamFeedTemperature), std::make_pair(-50.0f, 300.0f));
  EXPECT_EQ(limits(kParamHeatLosses), std::make_pair(0.0f, 20.0f));
  EXPECT_EQ(limits(kParamApronClearance), std::make_pair(0.005f, 0.2f));
  EXPECT_EQ(limits(kParamMinimumLoad), std::make_pair(0.3f, 1.0f));
  const std::vector<int> column = InputNumbers(InputStage::Column);
  ASSERT_EQ(column.back(), kParamMinimumLoad);
  for (int n : column) {
    SCOPED_TRACE(n);
    for (const bool atMin : {true, false}) {
      for (int m : column) d.ParamValue[m] = atMin ? d.ParamMin[m] : d.ParamMax[m];
      CheckColumnParameterLimits(d);
      EXPECT_EQ(d.InputError, kFalse);
      const float limit = d.ParamValue[n];
      d.ParamValue[n] = atMin ? std::nextafter(limit, -1e9f) : std::nextafter(limit, 1e9f);
      if (n != column.back()) d.ParamValue[column.back()] = -1e9f;  // a later fault
      CheckColumnParameterLimits(d);
      EXPECT_EQ(d.InputError, kTrue);
      EXPECT_EQ(d.ErrorRow, n - kParamTraySpacing);  // 41..56, 58, 59 as 0..15, 17, 18
    }
  }
}

// The rows by which the windows find the faulty datum: each check's ErrorRow and its
// parameter, both ways, and no parameter for a row that names none.
TEST(ErrorRows, EachCheckNamesItsParametersByTheirRowsAndBack) {
  struct Case {
    InputCheck check;
    int row;
    int parameter;  // 0: the row names no parameter
  };
  const Case cases[] = {
      {InputCheck::Equilibrium, 7, 0},  {InputCheck::Equilibrium, 8, 16},  {InputCheck::Equilibrium, 10, 18},
      {InputCheck::Equilibrium, 11, 0}, {InputCheck::ParameterLimits, 1, 0},        {InputCheck::ParameterLimits, 2, 19},
      {InputCheck::ParameterLimits, 14, 31},     {InputCheck::ParameterLimits, 15, 33},      {InputCheck::ParameterLimits, 22, 40},
      {InputCheck::ParameterLimits, 23, kParamFeedCondition},                  {InputCheck::ParameterLimits, 24, 0},
      {InputCheck::ColumnLimits, -1, 0}, {InputCheck::ColumnLimits, 0, 41}, {InputCheck::ColumnLimits, 15, 56},
      {InputCheck::ColumnLimits, 16, 0},  {InputCheck::ColumnLimits, 17, kParamApronClearance},
      {InputCheck::ColumnLimits, 18, kParamMinimumLoad},             {InputCheck::ColumnLimits, 19, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(ParameterOfErrorRow(c.check, c.row), c.parameter);
    if (c.parameter != 0) {
      EXPECT_EQ(ErrorRowOfParameter(c.check, c.parameter), c.row);
    }
  }
}

}  // namespace
}  // namespace rc
