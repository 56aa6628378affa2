#include "calc/tray_model.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

#include "calc/column_design.h"
#include "calc/tray_correlations.h"

#include "support/design_fixtures.h"

namespace rc {
namespace {

// A tray below the feed on the benzene-toluene column.
constexpr TrayConditions kBelowFeed{0.25, 0.32, 1.35, Section::BelowFeed, Calculation::TrayByTray};

TrayResult Evaluate(const DesignData& data, TrayConditions at = kBelowFeed) {
  const TrayEvaluation e = EvaluateTray(data, at);
  EXPECT_EQ(e.status, TrayStatus::Done);
  return e.result;
}

DesignData WithKind(std::int32_t trayType, const char16_t* areaRatio) {
  DesignData d = BenzeneTolueneBubbleCap();
  d.TrayType = trayType;
  SetParameter(d, kParamAreaRatio, areaRatio);
  return d;
}

TEST(TrayKind, HydraulicsFollowAreaRatioFirstAndCoefficientsFollowTrayType) {
  struct Case {
    std::int32_t trayType;
    const char16_t* areaRatio;
    Hydraulics hydraulics;
    bool withoutCaps;
  };
  const Case cases[] = {
      {0, u"1", Hydraulics::DualFlow, false},       {1, u"1", Hydraulics::DualFlow, true},
      {2, u"1", Hydraulics::DualFlow, false},       {0, u"0.9999", Hydraulics::BubbleCap, false},
      {1, u"0.9999", Hydraulics::SieveOrValve, true}, {2, u"0.9999", Hydraulics::SieveOrValve, false},
  };
  for (const Case& c : cases) {
    const ColumnParameters p = ColumnParameters::From(WithKind(c.trayType, c.areaRatio));
    EXPECT_EQ(p.hydraulics, c.hydraulics) << c.trayType;
    EXPECT_EQ(p.withoutCaps, c.withoutCaps) << c.trayType;
  }
}

// The tray below the feed with TrayType 0, 1 and 2 at that area ratio.
std::array<TrayResult, 3> ByTrayType(const char16_t* areaRatio) {
  return {Evaluate(WithKind(0, areaRatio)), Evaluate(WithKind(1, areaRatio)), Evaluate(WithKind(2, areaRatio))};
}

TEST(TrayKind, BubbleCapWithAreaRatioOneGetsDualFlowHydraulicsAndBubbleCapCoefficients) {
  const auto [capsOnDualHydraulics, dualFlow, notChosen] = ByTrayType(u"1");
  EXPECT_EQ(capsOnDualHydraulics.ClearLiquidHeight, dualFlow.ClearLiquidHeight);
  EXPECT_EQ(capsOnDualHydraulics.VapourContent, dualFlow.VapourContent);
  EXPECT_NE(capsOnDualHydraulics.VapourCoef, dualFlow.VapourCoef);
  EXPECT_NE(capsOnDualHydraulics.LiquidCoef, dualFlow.LiquidCoef);
  // TrayType 2 takes the same two branches as TrayType 0 here.
  EXPECT_EQ(notChosen.VapourCoef, capsOnDualHydraulics.VapourCoef);
  EXPECT_EQ(notChosen.EMY, capsOnDualHydraulics.EMY);
}

TEST(TrayKind, AreaRatioJustBelowOneGivesSieveHydraulicsOnTraysWithoutCaps) {
  const auto [bubbleCap, sieve, sieveHydraulicsCapCoefs] = ByTrayType(u"0.9999");
  EXPECT_NE(sieve.ClearLiquidHeight, bubbleCap.ClearLiquidHeight);
  EXPECT_EQ(sieve.ClearLiquidHeight, sieveHydraulicsCapCoefs.ClearLiquidHeight);
  EXPECT_NE(sieve.VapourCoef, sieveHydraulicsCapCoefs.VapourCoef);
  // The dual-flow height would not depend on the liquid load at all.
  EXPECT_NE(sieve.ClearLiquidHeight, ByTrayType(u"1")[1].ClearLiquidHeight);
}

TEST(EfficiencyTermA, BypassDividesOnTheKineticLineAndMultipliesTrayByTray) {
  using tray_detail::EfficiencyTermA;
  Guard g;
  const double kinetic0 = EfficiencyTermA(g, 1.3, 0.7, 0.05, 0.0, Calculation::KineticLine);
  const double trays0 = EfficiencyTermA(g, 1.3, 0.7, 0.05, 0.0, Calculation::TrayByTray);
  EXPECT_DOUBLE_EQ(kinetic0, trays0);
  EXPECT_NEAR(trays0, 0.914286, 1e-6);  // (0.91 + 0.05) / 1.05 = 0.96 / 1.05
  const double kinetic = EfficiencyTermA(g, 1.3, 0.7, 0.05, 0.1, Calculation::KineticLine);
  const double trays = EfficiencyTermA(g, 1.3, 0.7, 0.05, 0.1, Calculation::TrayByTray);
  EXPECT_NEAR(kinetic / trays, 1.234568, 1e-6);  // 1 / 0.9^2 = 1 / 0.81
  EXPECT_FALSE(g.faulted());
  EfficiencyTermA(g, 1.3, 0.7, 0.05, 1.0, Calculation::KineticLine);  // bypass of one
  EXPECT_TRUE(g.faulted());
}

// One correlation on typed inputs against its value worked out by hand.
struct HandValue {
  const char* what;
  double value;
  double expected;
  double tolerance;  // to the digits worked out
};

void ExpectHandValues(const Guard& g, std::initializer_list<HandValue> rows) {
  for (const HandValue& r : rows) EXPECT_NEAR(r.value, r.expected, r.tolerance) << r.what;
  EXPECT_FALSE(g.faulted());
}

TEST(Correlations, BubbleCapTraysAgreeWithHandValues) {
  using namespace tray_detail;
  Guard g;
  ExpectHandValues(g, {
      // 0.0419 + 0.19*0.05 - 0.0135*0.8*1.7 + 2.46*0.004/(0.7*1.2*1)
      //   = 0.0419 + 0.0095 - 0.01836 + 0.0117143 = 0.0447543
      {"hcl", ClearLiquidHeightBubbleCap(g, 0.05, 0.8, 1.7, 0.004, 1.2, 1), 0.0447543, 1e-7},
      // 0.0419 + 0.19*0.03 - 0.0135*1.0*1.6 + 2.46*0.007/(0.7*1.0*2)
      //   = 0.0419 + 0.0057 - 0.0216 + 0.0123
      {"hcl 2 paths", ClearLiquidHeightBubbleCap(g, 0.03, 1.0, 1.6, 0.007, 1.0, 2), 0.0383, 1e-7},
      // Tray by tray 150*0.008/(1*1.2) = 1; the kinetic line 105.12*0.008/(0.7*1.2*1)
      //   = 0.84096/0.84, 0.11 % more.
      {"G trays", BubbleCapLiquidTerm(g, 0.008, 1.2, 1, Calculation::TrayByTray), 1.0, 1e-12},
      {"G kinetic", BubbleCapLiquidTerm(g, 0.008, 1.2, 1, Calculation::KineticLine), 1.001143,
       1e-6},
      // 0.01 * 273/(22.4*375) * (0.8/0.8) * (0.776 + 4.63*0.05 - 0.238*1*1.7 + 1) * 1.7
      //   * sqrt(0.1/(0.001*0.01)) = 0.01 * 0.0325 * 1.6029 * 1.7 * 100 = 0.0885602
      {"betaY", VapourCoefBubbleCap(g, 0.8, 1.7, 1.0, 0.01, 375, 0.8, 0.05, 0.1), 0.0885602, 1e-7},
      // 30.5*0.04*(1 + 68*0.05)*sqrt(0.0001)/0.1 = 1.22 * 4.4 * 0.01 / 0.1 = 0.5368
      {"betaX", LiquidCoefBubbleCap(g, 0.04, 0.1, 0.05, 0.0001), 0.5368, 1e-9},
  });
}

TEST(Correlations, SieveAndValveTraysAgreeWithHandValues) {
  using namespace tray_detail;
  Guard g;
  ExpectHandValues(g, {
      // q = 3600*0.00175/(0.7*1*1) = 9; 0.127 * 9^0.21 * 0.05^0.56 * 1.5^(0.05 - 4.6*0.05)
      //   * (1 - 0.31 e^(-0.11*0.3)) = 0.127 * 1.586320 * 0.186820 * 0.929616 * 0.700063
      {"hcl", ClearLiquidHeightSieve(g, 0.00175, 1, 1, 0.05, 1.5, 0.3), 0.0244939, 1e-7},
      // 1 - 1/(1 + 0.8/sqrt(9.81*0.04)) = 1 - 1/(1 + 0.8/0.626418) = 1 - 1/2.277104
      {"eps", VapourContentFroth(g, 0.8, 0.04), 0.560845, 1e-6},
      // 6240*273*0.1*0.04*sqrt(0.8*0.1*0.01/(0.5*0.8*0.31))/(22.4*375)
      //   = 6814.08 * sqrt(0.0064516) / 8400 = 6814.08 * 0.0803219 / 8400
      {"betaY", VapourCoefWithoutCaps(g, 0.04, 0.8, 0.5, 0.01, 0.3, 0.1, 0.8, 0.1, 375), 0.0651572,
       1e-7},
      // 6240*0.04*sqrt(0.00175*0.0001*0.01/(0.785*1*1*0.8*0.5*0.31))/0.1
      //   = 249.6 * sqrt(1.797822e-8) / 0.1 = 249.6 * 1.340829e-4 / 0.1
      {"betaX", LiquidCoefWithoutCaps(g, 0.04, 0.00175, 0.5, 0.01, 0.3, 0.1, 0.0001, 1, 0.8),
       0.334671, 1e-6},
  });
}

TEST(Correlations, DualFlowTraysAgreeWithHandValues) {
  using namespace tray_detail;
  Guard g;
  ExpectHandValues(g, {
      // 0.9^2/(9.81*0.005*0.2^2) = 0.81/0.001962
      {"Fr", FroudeNumberDualFlow(g, 0.9, 0.005, 0.2), 412.844, 1e-3},
      // 1.11*0.005/sqrt(0.25) * 100^0.04 = 0.0111 * 1.202264
      {"hcl", ClearLiquidHeightDualFlow(g, 0.005, 0.25, 100), 0.0133451, 1e-7},
      // 1 - 0.277/sqrt(0.25) * 100^(-0.16) = 1 - 0.554 * 0.478630
      {"eps", VapourContentDualFlow(g, 0.25, 100), 0.734839, 1e-6},
      // The efficiency steps every kind shares: 1/(1.2/0.5 + 1/0.4) = 1/4.9; 1 - e^(-1.5);
      // 0.6*((1 + 0.5/2)^2 - 1)/0.5 = 0.6 * 0.5625 / 0.5.
      {"Ky", OverallCoef(g, 1.2, 0.5, 0.4), 0.2040816, 1e-7},
      {"EY", LocalEfficiency(g, 1.5), 0.7768698, 1e-7},
      {"E1", PseudoSectionEfficiency(g, 0.6, 0.5, 2), 0.675, 1e-9},
  });
}

TEST(TrayEfficiency, WithoutEntrainmentAndBypassReducesToThePseudoSectionFormula) {
  for (const DesignData& fixture :
       {BenzeneTolueneBubbleCap(), BenzeneTolueneSieve(), BenzeneTolueneDualFlow()}) {
    DesignData d = fixture;
    SetParameter(d, kParamEntrainment, u"0");
    SetParameter(d, kParamBypass, u"0");
    for (const Calculation calculation : {Calculation::KineticLine, Calculation::TrayByTray}) {
      for (const Section section : {Section::BelowFeed, Section::AboveFeed}) {
        const TrayConditions at{0.4, 0.53, 1.0, section, calculation};
        const TrayResult r = Evaluate(d, at);
        const double S = d.ParamValue[kParamPseudoSections];
        const double R = d.ParamValue[kParamReflux];
        const double fbar = (0.95 - 0.05) / (0.44 - 0.05);
        const double lambda = section == Section::BelowFeed ? (R + 1) / (R + fbar) : 1 + 1 / R;
        const double expected = (std::pow(1 + lambda * r.EY / S, S) - 1) / lambda;
        EXPECT_NEAR(r.EMY, expected, 2e-6 * expected);
      }
    }
  }
}

TEST(ClearLiquidHeight, FastVapourOnBubbleCapsGivesNoPositiveHeight) {
  DesignData d = BenzeneTolueneBubbleCap();
  SetParameter(d, kParamDiameter, u"0.3");  // narrow column: vapour at about 15 m/s
  for (const Calculation calculation : {Calculation::KineticLine, Calculation::TrayByTray}) {
    const TrayEvaluation e = EvaluateTray(d, {0.25, 0.32, 1.35, Section::BelowFeed, calculation});
    EXPECT_EQ(e.status, TrayStatus::HeightNotPositive);
  }
}

TEST(TrayModel, ArithmeticFaultsAreReportedNotComputed) {
  struct Case {
    DesignData data;
    int parameter;
    const char16_t* text;
  };
  const Case cases[] = {
      {BenzeneTolueneSieve(), 40, u"1"},       // bypass: divides by 1 - theta
      {BenzeneTolueneBubbleCap(), 40, u"1"},
      {BenzeneTolueneDualFlow(), 36, u"0"},    // slot diameter 0: division
      {BenzeneTolueneSieve(), 36, u"0"},       // weir 0: logarithm of 0
      {BenzeneTolueneSieve(), 17, u"0.05"},    // XF = XW: divides by XF - XW
      {BenzeneTolueneBubbleCap(), 31, u"0"},   // temperature 0
      {BenzeneTolueneSieve(), 23, u"-1"},      // logarithm of a negative viscosity
  };
  for (const Case& c : cases) {
    DesignData d = c.data;
    SetParameter(d, c.parameter, c.text);
    for (const Calculation calculation : {Calculation::KineticLine, Calculation::TrayByTray}) {
      const TrayEvaluation e = EvaluateTray(d, {0.25, 0.32, 1.35, Section::AboveFeed, calculation});
      EXPECT_NE(e.status, TrayStatus::Done) << c.parameter;
    }
  }
}

TEST(TrayModel, ZeroSlopeFaultsOnlyOnTheKineticLine) {
  const DesignData d = BenzeneTolueneSieve();
  // The kinetic line forms (V/L) e as lambda e / m.
  EXPECT_EQ(EvaluateTray(d, {0.25, 0.32, 0.0, Section::AboveFeed, Calculation::KineticLine}).status,
            TrayStatus::ArithmeticFault);
  const TrayEvaluation trays =
      EvaluateTray(d, {0.25, 0.32, 0.0, Section::AboveFeed, Calculation::TrayByTray});
  EXPECT_EQ(trays.status, TrayStatus::Done);
  EXPECT_FLOAT_EQ(trays.result.OverallCoef, trays.result.VapourCoef);  // no liquid resistance
}

TEST(LiquidVolumePerFeedMass, IsTheMolarVolumeOverTheFeedMolarMass) {
  const ColumnParameters c = ColumnParameters::From(BenzeneTolueneBubbleCap());
  // Pure toluene: 92.14 / 790 m^3/kmol over the feed's 0.56 * 92.14 + 0.44 * 78.11 kg/kmol.
  const double feedMolarMass = 0.56 * 92.14 + 0.44 * 78.11;
  EXPECT_NEAR(LiquidVolumePerFeedMass(c, 0.0), 92.14 / 790 / feedMolarMass, 1e-8);
  EXPECT_NEAR(LiquidVolumePerFeedMass(c, 1.0), 78.11 / 815 / feedMolarMass, 1e-8);
}

TEST(ClearLiquidHeight, DualFlowHeightIsTestedOnlyOnTheKineticLine) {
  DesignData d = BenzeneTolueneDualFlow();
  // Slots so narrow and so open that the height rounds to 0 m.
  d.ParamValue[kParamWeirHeight] = std::numeric_limits<float>::denorm_min();
  d.ParamValue[kParamOpenAreaRatio] = 1e30f;
  const TrayEvaluation kinetic =
      EvaluateTray(d, {0.25, 0.32, 1.35, Section::AboveFeed, Calculation::KineticLine});
  EXPECT_EQ(kinetic.status, TrayStatus::HeightNotPositive);
  EXPECT_EQ(kinetic.result.ClearLiquidHeight, 0.0f);
  // Tray by tray the evaluation goes on, and fails only where it divides by the height's
  // consequences (no vapour coefficient).
  const TrayEvaluation trays =
      EvaluateTray(d, {0.25, 0.32, 1.35, Section::AboveFeed, Calculation::TrayByTray});
  EXPECT_EQ(trays.status, TrayStatus::ArithmeticFault);
}

// Every member of the model's parameters and of the third stage's values is filled from
// its own parameter: each parameter holds a value of its own (its number and a half), so
// that two members swapped, or one read from a neighbouring number, give a wrong value.
TEST(ParameterStructs, EveryMemberIsFilledFromItsOwnParameter) {
  DesignData d;
  for (int n = ParameterValues::first(); n <= ParameterValues::last(); ++n) {
    d.ParamValue[n] = static_cast<float>(n) + 0.5f;
  }
  const ColumnParameters c = ColumnParameters::From(d);
  const std::pair<double, int> model[] = {
      {c.XW, 16},   {c.XF, 17},   {c.XP, 18},   {c.R, 19},    {c.F, 20},    {c.MA, 21},
      {c.MB, 22},   {c.muxA, 23}, {c.muxB, 24}, {c.muyA, 25}, {c.muyB, 26}, {c.Dy, 27},
      {c.rhoA, 28}, {c.rhoB, 29}, {c.Dx, 30},   {c.T, 31},    {c.D, 33},    {c.f, 34},
      {c.n, 35},    {c.hw, 36},   {c.F0, 37},   {c.S, 38},    {c.e, 39},    {c.theta, 40},
      {c.q, 57}};
  for (const auto& [value, n] : model) EXPECT_EQ(value, n + 0.5) << "parameter " << n;

  const ColumnStageValues s = ColumnStageValues::From(d);
  const std::pair<double, int> stage[] = {
      {s.HT, 41}, {s.Zt, 42}, {s.Zb, 43}, {s.sigma, 44}, {s.xi, 45},  {s.d0, 46},
      {s.rA, 47}, {s.rB, 48}, {s.cA, 49}, {s.cB, 50},    {s.tb, 51},  {s.tP, 52},
      {s.tW, 53}, {s.rs, 54}, {s.dtw, 55}, {s.loss, 56}};
  for (const auto& [value, n] : stage) EXPECT_EQ(value, n + 0.5) << "parameter " << n;
}

}  // namespace
}  // namespace rc
