#include "calc/tray_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

TEST(TrayKind, BubbleCapWithAreaRatioOneGetsDualFlowHydraulicsAndBubbleCapCoefficients) {
  const TrayResult capsOnDualHydraulics = Evaluate(WithKind(0, u"1"));
  const TrayResult dualFlow = Evaluate(WithKind(1, u"1"));
  const TrayResult notChosen = Evaluate(WithKind(2, u"1"));
  EXPECT_EQ(capsOnDualHydraulics.ClearLiquidHeight, dualFlow.ClearLiquidHeight);
  EXPECT_EQ(capsOnDualHydraulics.VapourContent, dualFlow.VapourContent);
  EXPECT_NE(capsOnDualHydraulics.VapourCoef, dualFlow.VapourCoef);
  EXPECT_NE(capsOnDualHydraulics.LiquidCoef, dualFlow.LiquidCoef);
  // TrayType 2 takes the same two branches as TrayType 0 here.
  EXPECT_EQ(notChosen.VapourCoef, capsOnDualHydraulics.VapourCoef);
  EXPECT_EQ(notChosen.EMY, capsOnDualHydraulics.EMY);
}

TEST(TrayKind, AreaRatioJustBelowOneGivesSieveHydraulicsOnTraysWithoutCaps) {
  const TrayResult sieve = Evaluate(WithKind(1, u"0.9999"));
  const TrayResult bubbleCap = Evaluate(WithKind(0, u"0.9999"));
  const TrayResult sieveHydraulicsCapCoefs = Evaluate(WithKind(2, u"0.9999"));
  EXPECT_NE(sieve.ClearLiquidHeight, bubbleCap.ClearLiquidHeight);
  EXPECT_EQ(sieve.ClearLiquidHeight, sieveHydraulicsCapCoefs.ClearLiquidHeight);
  EXPECT_NE(sieve.VapourCoef, sieveHydraulicsCapCoefs.VapourCoef);
  // The dual-flow height would not depend on the liquid load at all.
  EXPECT_NE(sieve.ClearLiquidHeight, Evaluate(WithKind(1, u"1")).ClearLiquidHeight);
}

TEST(EfficiencyTermA, BypassDividesOnTheKineticLineAndMultipliesTrayByTray) {
  Guard g;
  const double kinetic0 = EfficiencyTermA(g, 1.3, 0.7, 0.05, 0.0, Calculation::KineticLine);
  const double trays0 = EfficiencyTermA(g, 1.3, 0.7, 0.05, 0.0, Calculation::TrayByTray);
  EXPECT_DOUBLE_EQ(kinetic0, trays0);
  EXPECT_NEAR(trays0, (1.3 * 0.7 + 0.05) / 1.05, 1e-12);
  const double kinetic = EfficiencyTermA(g, 1.3, 0.7, 0.05, 0.1, Calculation::KineticLine);
  const double trays = EfficiencyTermA(g, 1.3, 0.7, 0.05, 0.1, Calculation::TrayByTray);
  EXPECT_NEAR(kinetic / trays, 1 / ((1 - 0.1) * (1 - 0.1)), 1e-6);  // 1 / (1 - theta)^2
  EXPECT_FALSE(g.faulted());
}

TEST(EfficiencyTermA, BypassOfOneIsAFault) {
  Guard g;
  EfficiencyTermA(g, 1.3, 0.7, 0.05, 1.0, Calculation::KineticLine);
  EXPECT_TRUE(g.faulted());
}

TEST(TrayEfficiency, WithoutEntrainmentAndBypassReducesToThePseudoSectionFormula) {
  for (const DesignData& fixture :
       {BenzeneTolueneBubbleCap(), BenzeneTolueneSieve(), BenzeneTolueneDualFlow()}) {
    DesignData d = fixture;
    SetParameter(d, 39, u"0");
    SetParameter(d, 40, u"0");
    for (const Calculation calculation : {Calculation::KineticLine, Calculation::TrayByTray}) {
      for (const Section section : {Section::BelowFeed, Section::AboveFeed}) {
        const TrayConditions at{0.4, 0.53, 1.0, section, calculation};
        const TrayResult r = Evaluate(d, at);
        const double S = d.ParamValue[38];
        const double R = d.ParamValue[19];
        const double fbar = (0.95 - 0.05) / (0.44 - 0.05);
        const double lambda = section == Section::BelowFeed ? (R + 1) / (R + fbar) : 1 + 1 / R;
        const double expected = (std::pow(1 + lambda * r.EY / S, S) - 1) / lambda;
        EXPECT_NEAR(r.EMY, expected, 2e-6 * expected);
      }
    }
  }
}

TEST(BubbleCapLiquidTerm, KineticLineTermIsAboutOneTenthPercentLarger) {
  const ColumnParameters c = ColumnParameters::From(BenzeneTolueneBubbleCap());
  Guard g;
  const double kinetic = BubbleCapLiquidTerm(g, c, 0.008, Calculation::KineticLine);
  const double trays = BubbleCapLiquidTerm(g, c, 0.008, Calculation::TrayByTray);
  EXPECT_NEAR(kinetic / trays, 105.12 / 0.7 / 150, 1e-12);
  EXPECT_NEAR(kinetic / trays, 1.0011, 1e-4);
}

TEST(ClearLiquidHeight, FastVapourOnBubbleCapsGivesNoPositiveHeight) {
  DesignData d = BenzeneTolueneBubbleCap();
  SetParameter(d, 33, u"0.3");  // narrow column: vapour at about 15 m/s
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

}  // namespace
}  // namespace rc

namespace rc {
namespace {

TEST(ClearLiquidHeight, DualFlowHeightIsTestedOnlyOnTheKineticLine) {
  DesignData d = BenzeneTolueneDualFlow();
  d.ParamValue[36] = std::numeric_limits<float>::denorm_min();  // slots: the height
  d.ParamValue[37] = 1e30f;                                     // rounds to 0 m
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

}  // namespace
}  // namespace rc
