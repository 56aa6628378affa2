#include <gtest/gtest.h>

#include "calc/calculations.h"
#include "calc/tray_model.h"
#include "support/design_fixtures.h"
#include "result_checks.h"

namespace rc {
namespace {

struct KineticExpectation {
  const char* name;
  DesignData (*fixture)();
  // Point 1, from a separate implementation written from the formulas:
  // tests/calc/reference_model.py prints them.
  float clearLiquidHeight, vapourContent, emy, kineticY;
};

class KineticLineOnFixtures : public testing::TestWithParam<KineticExpectation> {};

TEST_P(KineticLineOnFixtures, CompletesWithPhysicallySensibleResults) {
  const KineticExpectation& x = GetParam();
  DesignData d = x.fixture();
  ASSERT_FALSE(Compute(RunKineticLine, d).refusal.has_value());
  EXPECT_EQ(d.InputError, kFalse);
  const KineticPointArrays& k = d.KineticPoints;
  EXPECT_NEAR(k.ClearLiquidHeight[1], x.clearLiquidHeight, 1e-6);
  EXPECT_NEAR(k.VapourContent[1], x.vapourContent, 1e-5);
  EXPECT_NEAR(k.EMY[1], x.emy, 1e-5);
  EXPECT_NEAR(k.KineticY[1], x.kineticY, 1e-5);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_GT(k.Slope[i], 0) << i;
    EXPECT_GT(k.EY[i], 0) << i;
    EXPECT_LE(k.EY[i], 1) << i;
    EXPECT_GT(k.EMY[i], 0) << i;
    EXPECT_LE(k.EMY[i], 1) << i;
    EXPECT_GT(k.VapourContent[i], 0) << i;
    EXPECT_LT(k.VapourContent[i], 1) << i;
    // The kinetic line lies between the operating line and the equilibrium curve.
    EXPECT_GT(k.KineticY[i], k.OperatingY[i]) << i;
    EXPECT_LT(k.KineticY[i], d.EqY[i]) << i;
    // Both operating lines pass through (XW, XW) and (XP, XP) and meet above the feed
    // composition, so the operating vapour lies between the diagonal and the curve.
    EXPECT_GT(k.OperatingY[i], d.EqX[i]) << i;
  }
  EXPECT_TRUE(AllResultsFinite(d));
}

INSTANTIATE_TEST_SUITE_P(
    BenzeneToluene, KineticLineOnFixtures,
    testing::Values(
        KineticExpectation{"BubbleCap", BenzeneTolueneBubbleCap, 0.0516497f, 0.426871f, 0.871202f,
                           0.198674f},
        KineticExpectation{"Sieve", BenzeneTolueneSieve, 0.028855f, 0.639187f, 0.68254f,
                           0.181351f},
        KineticExpectation{"DualFlow", BenzeneTolueneDualFlow, 0.0248868f, 0.748995f, 0.863652f,
                           0.197981f}),
    [](const testing::TestParamInfo<KineticExpectation>& info) { return info.param.name; });

TEST(KineticLine, OperatingVapourLiesOnTheLineOfItsSection) {
  struct Case {
    const char* what;
    DesignData data;
  };
  const Case cases[] = {
      {"bubble-cap", BenzeneTolueneBubbleCap()},
      {"sieve", BenzeneTolueneSieve()},
      {"dual-flow", BenzeneTolueneDualFlow()},
      {"sieve, XF 0.3, R 1.7",
       WithParameter(WithParameter(BenzeneTolueneSieve(), kParamXF, u"0.3"), kParamReflux, u"1.7")},
      {"bubble-cap, cold feed q 1.37",
       WithParameter(BenzeneTolueneBubbleCap(), kParamFeedCondition, u"1.37")},
      {"sieve, partly vapour q 0.6", WithParameter(BenzeneTolueneSieve(), kParamFeedCondition, u"0.6")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DesignData d = c.data;
    ASSERT_FALSE(Compute(RunKineticLine, d).refusal.has_value());
    const ConstructedLines lines = ConstructedLines::Of(d);
    for (int i = 1; i <= 6; ++i) {
      const bool below = d.EqX[i] <= static_cast<float>(lines.CrossingX());
      EXPECT_NEAR(d.KineticPoints.OperatingY[i], lines.OfSection(below, d.EqX[i]), 1e-6) << i;
    }
  }
}

TEST(KineticLine, CollinearNeighboursGiveTheSlopeOfTheirLine) {
  DesignData d = BenzeneTolueneSieve();
  // Points 2, 3, 4 on y = 0.25 + 0.5 x, all exactly representable.
  SetEquilibriumPoint(d, 2, u"0.25", u"0.375");
  SetEquilibriumPoint(d, 3, u"0.5", u"0.5");
  SetEquilibriumPoint(d, 4, u"0.75", u"0.625");
  SetEquilibriumPoint(d, 5, u"0.8", u"0.8");
  Compute(RunKineticLine, d);
  EXPECT_EQ(d.KineticPoints.Slope[3], 0.5f);
}

TEST(KineticLine, ParabolaSlopeIsItsDerivativeAtTheMiddlePoint) {
  DesignData d = BenzeneTolueneSieve();
  // Points 0, 1, 2 on y = x (2 - x): slope 2 - 2 x at x = 0.25 is 1.5.
  SetEquilibriumPoint(d, 1, u"0.25", u"0.4375");
  SetEquilibriumPoint(d, 2, u"0.5", u"0.75");
  Compute(RunKineticLine, d);
  EXPECT_FLOAT_EQ(d.KineticPoints.Slope[1], 1.5f);
}

TEST(KineticLine, PointExactlyAtTheFeedCompositionBelongsBelowTheFeed) {
  DesignData d = BenzeneTolueneBubbleCap();
  SetParameter(d, kParamXF, u"0.4");  // X*[3]
  ASSERT_EQ(d.ParamValue[kParamXF], d.EqX[3]);
  ASSERT_FALSE(Compute(RunKineticLine, d).refusal.has_value());
  const KineticPointArrays& k = d.KineticPoints;
  auto at = [&](Section s) {
    return EvaluateTray(d, {d.EqX[3], k.OperatingY[3], k.Slope[3], s, Calculation::KineticLine});
  };
  EXPECT_EQ(k.EMY[3], at(Section::BelowFeed).result.EMY);
  EXPECT_EQ(k.ClearLiquidHeight[3], at(Section::BelowFeed).result.ClearLiquidHeight);
  EXPECT_NE(k.ClearLiquidHeight[3], at(Section::AboveFeed).result.ClearLiquidHeight);
}

// Both calculations refuse data that cannot give finite results: the input error shown,
// the kinetic line's button hidden, every stored result still finite.
TEST(Calculations, RefuseDataThatCannotGiveFiniteResults) {
  struct Case {
    const char* what;
    DesignData data;
    bool kinetic, trays;  // which calculations are tried
  };
  DesignData flat = BenzeneTolueneSieve();  // a parabola with its vertex at point 2
  SetEquilibriumPoint(flat, 1, u"0.25", u"0.5");
  SetEquilibriumPoint(flat, 2, u"0.5", u"0.75");
  SetEquilibriumPoint(flat, 3, u"0.75", u"0.5");
  DesignData equalX = BenzeneTolueneSieve();
  SetEquilibriumPoint(equalX, 4, u"0.4", u"0.7");
  const Case cases[] = {
      {"bypass 1, sieve", WithParameter(BenzeneTolueneSieve(), kParamBypass, u"1"), true, true},
      {"bypass 1, bubble-cap", WithParameter(BenzeneTolueneBubbleCap(), kParamBypass, u"1"), true,
       false},
      {"bypass 1, dual-flow", WithParameter(BenzeneTolueneDualFlow(), kParamBypass, u"1"), false,
       true},
      {"XW = XF", WithParameter(BenzeneTolueneBubbleCap(), kParamXF, u"0.05"), true, true},
      {"weir 0, dual-flow", WithParameter(BenzeneTolueneDualFlow(), kParamWeirHeight, u"0"), true,
       true},
      {"weir 0, sieve", WithParameter(BenzeneTolueneSieve(), kParamWeirHeight, u"0"), true, true},
      {"zero slope", flat, true, false},
      {"equal X*", equalX, true, true},
      {"narrow bubble-cap column", WithParameter(BenzeneTolueneBubbleCap(), kParamDiameter, u"0.3"),
       true, true},
      {"reflux 0", WithParameter(BenzeneTolueneSieve(), kParamReflux, u"0"), true, false},
  };
  for (const Case& c : cases) {
    for (const bool kinetic : {true, false}) {
      if (!(kinetic ? c.kinetic : c.trays)) continue;
      SCOPED_TRACE(testing::Message() << c.what << (kinetic ? ", kinetic line" : ", tray by tray"));
      DesignData d = c.data;
      const std::optional<Refusal> refusal =
          kinetic ? Compute(RunKineticLine, d).refusal : Compute(RunTrayByTray, d).refusal;
      ASSERT_TRUE(refusal.has_value());
      EXPECT_EQ(refusal->Message(), kInputErrorMessage);
      EXPECT_TRUE(refusal->HidesKineticButton());
      EXPECT_EQ(d.InputError, kTrue);
      if (!kinetic) {
        EXPECT_EQ(d.TrayTableRow, 1);
      }
      EXPECT_TRUE(AllResultsFinite(d));
    }
  }
}

TEST(KineticLine, RefusalKeepsThePointsBeforeTheFailingOne) {
  DesignData d = BenzeneTolueneBubbleCap();
  // No weir and a narrow column: the clear liquid stays on the tray only below the feed,
  // with the feed liquid.
  SetParameter(d, kParamWeirHeight, u"0");
  SetParameter(d, kParamDiameter, u"0.7");
  ASSERT_TRUE(Compute(RunKineticLine, d).refusal.has_value());
  for (int i = 1; i <= 3; ++i) {
    EXPECT_GT(d.KineticPoints.ClearLiquidHeight[i], 0) << i;
    EXPECT_GT(d.KineticPoints.KineticY[i], d.KineticPoints.OperatingY[i]) << i;
  }
  for (int i = 4; i <= 6; ++i) {
    EXPECT_EQ(d.KineticPoints.ClearLiquidHeight[i], 0) << i;
    EXPECT_EQ(d.KineticPoints.KineticY[i], 0) << i;
  }
}

}  // namespace
}  // namespace rc
