// The feed's thermal condition q in both calculations: a boiling feed computes exactly as
// before q existed; other feeds change the flows below the feed, the vapour velocity there
// and where the sections meet, as worked out by hand below.
#include "calc/feed_condition.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>

#include "calc/calculations.h"
#include "calc/reflux_sweep.h"
#include "calc/tray_model.h"
#include "model/data_file.h"
#include "result_checks.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

// Every number the two calculations and the reflux study give for the inputs, folded into
// one value (FNV-1a over their bytes).
std::uint64_t RunsFingerprint(const CalculationInputs& in) {
  std::uint64_t hash = 14695981039346656037ULL;
  const auto add = [&hash](const auto& value) {
    unsigned char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    for (const unsigned char b : bytes) hash = (hash ^ b) * 1099511628211ULL;
  };
  static_assert(sizeof(TrayStep) == 13 * 4 && sizeof(KineticPoint) == 12 * 4);  // no padding
  const KineticLineRun kinetic = RunKineticLine(in);
  const TrayByTrayRun trays = RunTrayByTray(in);
  const RefluxSweep sweep = SweepRefluxRatio(in);
  for (const KineticPoint& p : kinetic.points) add(p);
  for (const TrayStep& t : trays.trays) add(t);
  add(std::array<float, 5>{kinetic.refusal ? 1.0f : 0.0f,
                           trays.refusal ? static_cast<float>(trays.refusal->kind) : -1.0f,
                           static_cast<float>(trays.feedTray.value_or(-1)),
                           trays.unfinishedLiquid.value_or(-1.0f),
                           static_cast<float>(sweep.optimum.value_or(-1))});
  for (const RefluxPoint& p : sweep.points) {
    add(std::array<float, 5>{p.reflux, static_cast<float>(p.outcome),
                             static_cast<float>(p.trays),
                             static_cast<float>(p.feedTray.value_or(-1)),
                             p.traysTimesRefluxPlusOne});
  }
  return hash;
}

// The data of an example variant, read as the program reads a data file.
DesignData VariantData(const std::string& name) {
  std::ifstream file(std::string(RC_VARIANTS_DIR) + "/" + name);
  std::stringstream text;
  text << file.rdbuf();
  DataFile variant;
  EXPECT_FALSE(ReadDataFile(text.str(), variant).has_value()) << name;
  DesignData d;
  PrepareForEntry(d);
  EnterDataFile(variant, d);
  return d;
}

// The fingerprints were taken with the program as it was before it knew q, on the same
// files (which give no q). A deliberate change of the calculations' numbers takes new ones.
TEST(FeedCondition, ABoilingFeedComputesBitForBitAsBeforeQExisted) {
  const std::pair<const char*, std::uint64_t> cases[] = {
      {"bubble-cap.txt", 0xbf659fddad5f8d54}, {"dual-flow.txt", 0xc41ddcac7568df50},
      {"sieve.txt", 0x33a98c4a0433e4f0},      {"refusing.txt", 0x86c9f01968205784},
      {"faulty.txt", 0xe3ac2f6a1f6c5296},     {"faulty-limits.txt", 0x184b1afbb097641b},
  };
  for (const auto& [variant, fingerprint] : cases) {
    EXPECT_EQ(RunsFingerprint(CalculationInputs::Of(VariantData(variant))), fingerprint) << variant;
  }
  DesignData d = VariantData("bubble-cap.txt");  // the fingerprint does see q
  d.ParamValue[kParamFeedCondition] = std::nextafter(1.0f, 2.0f);
  EXPECT_NE(RunsFingerprint(CalculationInputs::Of(d)), cases[0].second);
}

CalculationInputs BubbleCapWithFeed(float q) {
  DesignData d = BenzeneTolueneBubbleCap();
  d.ParamValue[kParamFeedCondition] = q;
  return CalculationInputs::Of(d);
}

// The bubble-cap column (XW 0.05, XF 0.44, XP 0.95, R 2.5) over q. By hand:
// Fbar = (0.95 - 0.05)/(0.44 - 0.05) = 2.307692; L' = q Fbar + 2.5; V' = 3.5 + (q - 1) Fbar;
// x_q = 0.44 + (q - 1)(0.95 - 0.44)/(2.5 + q); y_q = 0.95 - (0.95 - x_q) 2.5/3.5.
struct FeedCase {
  float q;
  double crossX, crossY;
  double vapourBelow;      // V' [-]
  double liquidToVapour;   // L'/V' [-]
  int kineticPointsBelow;  // of X* = 0.1, 0.25, 0.4, 0.55, 0.7, 0.85: those <= x_q
};
constexpr FeedCase kFeeds[] = {
    // x_q = 0.44 - 0.51/2.5; y_q = 0.95 - 0.714 * 0.714286 = 0.44 (a horizontal q-line);
    // V' = 3.5 - 2.307692; L'/V' = 2.5/1.192308.
    {0.0f, 0.236000, 0.440000, 1.192308, 2.096774, 1},
    // x_q = 0.44 - 0.67 * 0.51/2.83; V' = 3.5 - 1.546154; L' = 0.761538 + 2.5 = 3.261538.
    {0.33f, 0.319258, 0.499470, 1.953846, 1.669291, 2},
    // x_q = 0.44 - 0.2 * 0.51/3.3; V' = 3.5 - 0.461538; L' = 1.846154 + 2.5 = 4.346154.
    {0.8f, 0.409091, 0.563636, 3.038462, 1.430380, 3},
    // x_q = 0.44 + 0.37 * 0.51/3.87; V' = 3.5 + 0.853846; L' = 3.161538 + 2.5 = 5.661538.
    {1.37f, 0.488760, 0.620543, 4.353846, 1.300353, 3},
    // x_q = 0.44 + 0.51/4.5; y_q = 0.95 - 0.396667 * 0.714286; V' = 3.5 + 2.307692;
    // L' = 4.615385 + 2.5 = 7.115385.
    {2.0f, 0.553333, 0.666667, 5.807692, 1.225166, 4},
};

class OverQ : public testing::TestWithParam<FeedCase> {};

TEST_P(OverQ, FlowsCrossingAndTheKineticLinesSections) {
  const FeedCase& c = GetParam();
  const std::optional<FeedCondition> f = FeedConditionOf(BubbleCapWithFeed(c.q));
  ASSERT_TRUE(f.has_value());
  EXPECT_NEAR(f->crossX, c.crossX, 1e-6);
  EXPECT_NEAR(f->crossY, c.crossY, 1e-6);
  EXPECT_NEAR(f->liquidToVapourAbove, 2.5 / 3.5, 1e-12);
  EXPECT_NEAR(f->liquidToVapourBelow, c.liquidToVapour, 1e-6);
  // Only the vapour flow differs between the sections' velocities.
  EXPECT_NEAR(f->velocityBelow / f->velocityAbove, c.vapourBelow / 3.5, 1e-6);

  const KineticLineRun kinetic = RunKineticLine(BubbleCapWithFeed(c.q));
  ASSERT_TRUE(kinetic.Completed());
  for (int i = 1; i <= 6; ++i) {
    const bool below = i <= c.kineticPointsBelow;
    const double x = kinetic.inputs.eqX[i];
    EXPECT_EQ(kinetic.Point(i).section, below ? Section::BelowFeed : Section::AboveFeed) << i;
    EXPECT_NEAR(kinetic.Point(i).operatingY,
                below ? 0.05 + c.liquidToVapour * (x - 0.05) : 0.95 - (0.95 - x) / 1.4, 2e-6);
  }
}

TEST_P(OverQ, TraysStepOnTheirSectionsLinesAndMeetThroughTheFeedTraysBalance) {
  const FeedCase& c = GetParam();
  const TrayByTrayRun run = RunTrayByTray(BubbleCapWithFeed(c.q));
  if (c.q == 0.0f) {
    // R = 2.5 is below this feed's minimum, 2.64: the horizontal q-line meets the curve
    // near x = 0.247, (0.95 - 0.44)/(0.44 - 0.247) = 2.64. The column pinches, and its
    // refusal says why.
    ASSERT_TRUE(run.refusal.has_value());
    EXPECT_EQ(run.refusal->kind, RefusalKind::TooManyTrays);
    EXPECT_NEAR(run.refusal->minimumReflux.value_or(0), 2.64, 0.005);
    return;
  }
  ASSERT_TRUE(run.Completed() && run.feedTray.has_value());
  const int feed = *run.feedTray;
  for (int i = 1; i < run.Count(); ++i) {
    // Vapour leaving tray i, liquid coming down from tray i + 1: on the lower line below
    // the feed; from the feed tray up (its balance converts the liquid) on the upper line.
    const double x = run.Tray(i + 1).x;
    const double line = i < feed ? 0.05 + c.liquidToVapour * (x - 0.05) : 0.95 - (0.95 - x) / 1.4;
    EXPECT_NEAR(run.Tray(i).yOut, line, 3e-6) << i;
    EXPECT_EQ(run.Tray(i).section, i <= feed ? Section::BelowFeed : Section::AboveFeed) << i;
  }
  // The feed tray is the last whose liquid is at or below x_q: on the lower line the
  // liquid above it has passed x_q.
  EXPECT_LE(run.Tray(feed).x, c.crossX + 1e-7);
  EXPECT_GT(0.05 + (run.Tray(feed).yOut - 0.05) / c.liquidToVapour, c.crossX);
}

INSTANTIATE_TEST_SUITE_P(BubbleCap, OverQ, testing::ValuesIn(kFeeds),
                         [](const testing::TestParamInfo<FeedCase>& info) {
                           return "q" + std::to_string(static_cast<int>(info.param.q * 100));
                         });

// Below the feed the liquid load and the vapour velocity follow q in both calculations.
// The bubble-cap clear-liquid height at x = 0.25, y = 0.32 changes from q = 1 to q = 2 by
//   2.46/(0.7 D n) dLv - 0.0135 sqrt(rho_y) dw, D = 1.6, n = 1, with
//   dLv = F/MF Vm(0.25) (1 + e) (the feed's own liquid q + (q - 1) e per unit feed)
//       = 2/85.9668 * 0.111435 * 1.05 = 0.00272213 m^3/s
//     (MF = 0.56 * 92.14 + 0.44 * 78.11;
//      Vm = (0.75 * 92.14 * 815 + 0.25 * 78.11 * 790)/(815 * 790)),
//   dw = w Fbar/3.5 = 0.530167 * 0.659341 = 0.349561 m/s (V' - V = (q - 1) Fbar; w as in
//     the tray model: 0.39 * 2 * 22.4 * 3.5 * 368/(85.9668 * 0.9 * 1.6^2 * 214.305)),
//   sqrt(rho_y) = sqrt(87.6504 * 273/(22.4 * 368)) = 1.703768 (My = 0.68 * 92.14 + 0.32 * 78.11):
//   2.196429 * 0.00272213 - 0.0135 * 1.703768 * 0.349561 = 0.0059790 - 0.0080402 = -0.0020612 m.
TEST(FeedCondition, AColdFeedLoadsTheTraysBelowItWithLiquidAndVapour) {
  for (const Calculation calculation : {Calculation::TrayByTray, Calculation::KineticLine}) {
    const auto height = [&](float q, Section section) {
      const ColumnParameters column = ColumnParameters::From(BubbleCapWithFeed(q));
      const TrayEvaluation e = EvaluateTray(column, {0.25, 0.32, 1.35, section, calculation});
      EXPECT_EQ(e.status, TrayStatus::Done);
      return static_cast<double>(e.result.ClearLiquidHeight);
    };
    EXPECT_NEAR(height(2, Section::BelowFeed) - height(1, Section::BelowFeed), -0.0020612, 1e-7);
    EXPECT_EQ(height(2, Section::AboveFeed), height(1, Section::AboveFeed));
  }
}

// The issue's numbers for tools/variants/bubble-cap.txt with a feed at 20 C (q = 1.37)
// and boiling, to four decimals.
TEST(FeedCondition, TheBubbleCapVariantColdAndBoiling) {
  const std::optional<FeedCondition> cold = FeedConditionOf(BubbleCapWithFeed(1.37f));
  ASSERT_TRUE(cold && cold->minimum && cold->qLineSlope);
  const double values[] = {*cold->qLineSlope,     cold->velocityAbove,    cold->velocityBelow,
                           cold->minimum->pinchX, cold->minimum->pinchY, cold->minimum->reflux,
                           *cold->refluxOverMinimum};
  const double issue[] = {3.7027, 0.5302, 0.6595, 0.5151, 0.7179, 1.1443, 2.1848};
  for (int i = 0; i < 7; ++i) EXPECT_NEAR(values[i], issue[i], 5e-5) << i;
  EXPECT_EQ(cold->minimum->governs, Pinch::Feed);
  const TrayByTrayRun run = RunTrayByTray(BubbleCapWithFeed(1.37f));
  EXPECT_EQ(std::make_pair(run.TotalTrays(), run.feedTray), std::make_pair(14, std::optional(7)));

  const std::optional<FeedCondition> boiling = FeedConditionOf(BubbleCapWithFeed(1));
  ASSERT_TRUE(boiling && boiling->minimum);
  EXPECT_FALSE(boiling->qLineSlope.has_value());  // vertical
  EXPECT_EQ(boiling->crossX, 0.44f);
  EXPECT_NEAR(boiling->liquidToVapourBelow, 1.3736, 5e-5);
  EXPECT_EQ(boiling->velocityBelow, boiling->velocityAbove);
  EXPECT_NEAR(boiling->minimum->reflux, 1.3957, 5e-5);
  EXPECT_EQ(boiling->minimum->governs, Pinch::Feed);
  // A saturated vapour's q-line is horizontal: the slope 0, without a minus sign.
  EXPECT_FALSE(std::signbit(FeedConditionOf(BubbleCapWithFeed(0))->qLineSlope.value_or(-1)));
}

// Any q, within its limits or not, gives finite results or a refusal. A feed so much
// vapour that none rises below it is refused before the first tray: for these columns
// V' = 3.5 + (q - 1) 2.307692 is negative below q = -0.5167.
TEST(FeedCondition, AnyQGivesFiniteResultsOrARefusal) {
  const float inf = std::numeric_limits<float>::infinity();
  for (const NamedDesign& design : kBenzeneTolueneColumns) {
    for (const float q : {-0.6f, -0.5f, 0.01f, 7.0f, inf, -inf, std::nanf("")}) {
      SCOPED_TRACE(testing::Message() << design.name << " q " << q);
      DesignData d = design.make();
      d.ParamValue[kParamFeedCondition] = q;
      const TrayByTrayRun trays = Compute(RunTrayByTray, d);
      const KineticLineRun kinetic = Compute(RunKineticLine, d);
      EXPECT_TRUE(AllResultsFinite(d));
      if (q == -0.6f) {
        EXPECT_TRUE(kinetic.refusal && trays.trays.empty() && !FeedConditionOf(trays.inputs));
        EXPECT_EQ(trays.refusal.value_or(Refusal{RefusalKind::TooManyTrays}), Refusal{});
      }
    }
  }
}

}  // namespace
}  // namespace rc
