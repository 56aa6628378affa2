#include <gtest/gtest.h>

#include <cmath>

#include "calc/calculations.h"
#include "calc/equilibrium_fit.h"
#include "calc/tray_model.h"
#include "support/design_fixtures.h"
#include "result_checks.h"

namespace rc {
namespace {

struct ColumnExpectation {
  const char* name;
  DesignData (*fixture)();
  // From a separate implementation written from the formulas:
  // tests/calc/reference_model.py prints them.
  int totalTrays, feedTray;
  float topVapour;
};

class TrayByTrayOnFixtures : public testing::TestWithParam<ColumnExpectation> {};

TEST_P(TrayByTrayOnFixtures, ReachesTheTopWithTheFeedTrayFound) {
  const ColumnExpectation& x = GetParam();
  DesignData d = x.fixture();
  const TrayByTrayRun out = Compute(RunTrayByTray, d);
  ASSERT_FALSE(out.refusal.has_value());
  EXPECT_EQ(out.TotalTrays(), x.totalTrays);
  EXPECT_EQ(d.FeedTray, x.feedTray);
  EXPECT_NEAR(d.TrayY[out.TotalTrays()], x.topVapour, 1e-5);
  EXPECT_EQ(d.TrayTableRow, 1);
  EXPECT_EQ(d.InputError, kFalse);
  EXPECT_TRUE(AllResultsFinite(d));
}

TEST_P(TrayByTrayOnFixtures, TraysStayOnTheOperatingLinesOfTheirSections) {
  DesignData d = GetParam().fixture();
  const int total = Compute(RunTrayByTray, d).TotalTrays();
  const int feed = d.FeedTray;
  // Vapour leaving tray i and liquid arriving from tray i + 1 obey the section's balance:
  // the point lies on the operating line of the section.
  const ConstructedLines lines = ConstructedLines::Of(d);
  for (int i = 1; i < total; ++i) {
    EXPECT_NEAR(d.TrayY[i], lines.OfSection(i < feed, d.TrayX[i + 1]), 2e-5) << i;
  }
  for (int i = 1; i <= total; ++i) {
    EXPECT_LT(d.TrayX[i], d.TrayY[i]) << i;
    if (i > 1) {
      EXPECT_GT(d.TrayX[i], d.TrayX[i - 1]) << i;
    }
  }
  EXPECT_LE(d.TrayX[feed], 0.44f);
  EXPECT_LT(d.TrayY[total - 1], 0.95f);
  EXPECT_GE(d.TrayY[total], 0.95f);
}

// Plate-to-plate stepping on the exact curve y* = 2.4 x / (1 + 1.4 x) with the
// operating lines and one mean tray efficiency.
int McCabeThieleTrays(double emy) {
  double x = 0.05, y = 0.05;
  bool above = false;
  for (int n = 1; n < 500; ++n) {
    y += emy * (2.4 * x / (1 + 1.4 * x) - y);
    if (y >= 0.95) return n;
    const double fbar = 0.9 / 0.39;
    x = (y - 0.05) * 3.5 / (fbar + 2.5) + 0.05;
    if (above || x > 0.44) {
      above = true;
      x = 0.95 - (0.95 - y) * 3.5 / 2.5;
    }
  }
  return 500;
}

TEST_P(TrayByTrayOnFixtures, TrayCountAgreesWithMcCabeThieleAtTheMeanEfficiency) {
  DesignData d = GetParam().fixture();
  const int total = Compute(RunTrayByTray, d).TotalTrays();
  const RecordedTrayRows& r = d.RecordedTrays;
  const double meanEmy = (r.EMY[1] + r.EMY[2] + r.EMY[3]) / 3;
  for (int row = 1; row <= 3; ++row) {
    EXPECT_GT(r.EMY[row], 0);
    EXPECT_LE(r.EMY[row], 1);
  }
  EXPECT_NEAR(total, McCabeThieleTrays(meanEmy), 1);
}

TEST_P(TrayByTrayOnFixtures, RecordsFirstFeedAndLastTray) {
  DesignData d = GetParam().fixture();
  const int total = Compute(RunTrayByTray, d).TotalTrays();
  const RecordedTrayRows& r = d.RecordedTrays;
  const int feed = d.FeedTray;
  EXPECT_EQ(r.TrayNo[1], 1);
  EXPECT_EQ(r.LiquidX[1], d.ParamValue[kParamXW]);
  EXPECT_EQ(r.VapourY[1], d.TrayY[1]);
  EXPECT_EQ(r.TrayNo[2], feed);
  EXPECT_EQ(r.LiquidX[2], d.TrayX[feed]);
  EXPECT_EQ(r.VapourY[2], d.TrayY[feed]);
  EXPECT_EQ(r.TrayNo[3], total);
  EXPECT_EQ(r.LiquidX[3], d.TrayX[total]);
  EXPECT_EQ(r.VapourY[3], d.TrayY[total]);
  EXPECT_EQ(r.EMY[3], d.CurrentTray.EMY);
  EXPECT_EQ(r.NOY[3], d.CurrentTray.NOY);

  // Row 2 holds the feed tray's own results: the tray model below the feed at its liquid.
  Guard g;
  const EquilibriumParabolas eq = FitEquilibriumParabolas(g, {d.EqX, d.EqY});
  const int k = EquilibriumParabolas::SegmentOf({d.EqX, d.EqY}, d.TrayX[feed]);
  const TrayEvaluation feedTray = EvaluateTray(
      d, {d.TrayX[feed], d.TrayY[feed - 1], eq.Slope(k, d.TrayX[feed]), Section::BelowFeed,
          Calculation::TrayByTray});
  EXPECT_EQ(r.EMY[2], feedTray.result.EMY);
  EXPECT_EQ(r.ClearLiquidHeight[2], feedTray.result.ClearLiquidHeight);
}

INSTANTIATE_TEST_SUITE_P(
    BenzeneToluene, TrayByTrayOnFixtures,
    testing::Values(ColumnExpectation{"BubbleCap", BenzeneTolueneBubbleCap, 15, 7, 0.967774f},
                    ColumnExpectation{"Sieve", BenzeneTolueneSieve, 18, 9, 0.957788f},
                    ColumnExpectation{"DualFlow", BenzeneTolueneDualFlow, 13, 7, 0.952937f}),
    [](const testing::TestParamInfo<ColumnExpectation>& info) { return info.param.name; });

TEST(EquilibriumParabolas, LiquidAtAPointUsesTheParabolaEndingThere) {
  const DesignData d = BenzeneTolueneSieve();
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(EquilibriumParabolas::SegmentOf({d.EqX, d.EqY}, d.EqX[k]), k);
    EXPECT_EQ(EquilibriumParabolas::SegmentOf({d.EqX, d.EqY}, std::nextafter(d.EqX[k], 2.0f)), k + 1);
  }
  EXPECT_EQ(EquilibriumParabolas::SegmentOf({d.EqX, d.EqY}, -0.5f), 1);
  EXPECT_EQ(EquilibriumParabolas::SegmentOf({d.EqX, d.EqY}, 0.99f), 6);
  Guard g;
  const EquilibriumParabolas eq = FitEquilibriumParabolas(g, {d.EqX, d.EqY});
  for (int k = 1; k <= 6; ++k) {  // each parabola passes through its three points
    for (int j = k - 1; j <= k + 1; ++j) EXPECT_NEAR(eq.Value(k, d.EqX[j]), d.EqY[j], 2e-6);
  }
  EXPECT_FALSE(g.faulted());
}

TEST(TrayByTray, FirstTrayReachingTheTopIsFirstAndLastWithNoFeedTray) {
  DesignData d = BenzeneTolueneSieve();
  ASSERT_FALSE(Compute(RunTrayByTray, d).refusal.has_value());  // an earlier run found a feed tray
  ASSERT_NE(d.FeedTray, kFeedTrayNotFound);
  SetParameter(d, kParamXF, u"0.06");
  SetParameter(d, kParamXP, u"0.08");
  const TrayByTrayRun out = Compute(RunTrayByTray, d);
  ASSERT_FALSE(out.refusal.has_value());
  EXPECT_EQ(out.TotalTrays(), 1);
  const RecordedTrayRows& r = d.RecordedTrays;
  EXPECT_EQ(r.TrayNo[1], 1);
  EXPECT_EQ(r.TrayNo[3], 1);
  EXPECT_EQ(r.EMY[1], r.EMY[3]);
  EXPECT_EQ(r.VapourY[1], r.VapourY[3]);
  EXPECT_EQ(d.FeedTray, kFeedTrayNotFound);
  EXPECT_EQ(r.TrayNo[2], 0);
  EXPECT_EQ(r.EMY[2], 0);
  EXPECT_EQ(r.LiquidX[2], 0);
}

TEST(TrayByTray, TopReachedBelowTheFeedLeavesNoStaleFeedTray) {
  DesignData d = BenzeneTolueneBubbleCap();
  ASSERT_FALSE(Compute(RunTrayByTray, d).refusal.has_value());
  ASSERT_EQ(d.FeedTray, 7);
  SetParameter(d, kParamXF, u"0.95");  // the feed at the top: no liquid is richer
  const TrayByTrayRun out = Compute(RunTrayByTray, d);
  ASSERT_FALSE(out.refusal.has_value());
  EXPECT_GT(out.TotalTrays(), 5);
  EXPECT_EQ(d.FeedTray, kFeedTrayNotFound);
  const RecordedTrayRows& r = d.RecordedTrays;
  EXPECT_EQ(r.TrayNo[2], 0);
  for (const auto* column : {&r.ClearLiquidHeight, &r.VapourContent, &r.VapourCoef, &r.LiquidCoef,
                             &r.OverallCoef, &r.NOY, &r.EY, &r.EMY, &r.LiquidX, &r.VapourY}) {
    EXPECT_EQ((*column)[2], 0);
  }
  EXPECT_EQ(r.TrayNo[3], out.TotalTrays());
}

// Bypass fractions of the sieve column between which the tray count passes 120.
struct Boundary {
  float accepted, refused;
};
Boundary FindTrayLimit() {
  float lo = 0.02f, hi = 0.999f;
  auto refused = [](float bypass) {
    DesignData d = BenzeneTolueneSieve();
    d.ParamValue[kParamBypass] = bypass;
    return Compute(RunTrayByTray, d).refusal.has_value();
  };
  EXPECT_FALSE(refused(lo));
  EXPECT_TRUE(refused(hi));
  for (;;) {
    const float mid = lo + (hi - lo) / 2;
    if (mid <= lo || mid >= hi) return {lo, hi};
    (refused(mid) ? hi : lo) = mid;
  }
}

TEST(TrayByTray, OneHundredTwentyTraysAreAcceptedAndTheHundredTwentyFirstRefused) {
  const Boundary b = FindTrayLimit();
  DesignData accepted = BenzeneTolueneSieve();
  accepted.ParamValue[kParamBypass] = b.accepted;
  const TrayByTrayRun ok = Compute(RunTrayByTray, accepted);
  ASSERT_FALSE(ok.refusal.has_value());
  EXPECT_EQ(ok.TotalTrays(), 120);
  EXPECT_GE(accepted.TrayY[120], 0.95f);
  EXPECT_EQ(accepted.RecordedTrays.TrayNo[3], 120);

  DesignData refused = BenzeneTolueneSieve();
  refused.ParamValue[kParamBypass] = b.refused;
  const TrayByTrayRun no = Compute(RunTrayByTray, refused);
  ASSERT_TRUE(no.refusal.has_value());
  EXPECT_EQ(no.refusal->kind, RefusalKind::TooManyTrays);
  EXPECT_FALSE(no.refusal->HidesKineticButton());
  EXPECT_EQ(refused.InputError, kTrue);
  EXPECT_LT(refused.TrayY[120], 0.95f);
  // The liquid of tray 121 is computed before the refusal: rectifying balance, V/L = 1 + 1/R.
  const double expected = refused.TrayX[120] + (1 + 1 / double{refused.ParamValue[kParamReflux]}) *
                                                  (double{refused.TrayY[120]} - refused.TrayY[119]);
  EXPECT_NEAR(refused.TrayX[121], expected, 1e-6);
  EXPECT_EQ(refused.TrayY[121], 0.0f);
  EXPECT_TRUE(AllResultsFinite(refused));
}

}  // namespace
}  // namespace rc
