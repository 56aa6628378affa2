// The feed's thermal condition q in both calculations: a boiling feed computes exactly as
// before q existed; other feeds change the flows below the feed, the vapour velocity there
// and where the sections meet, as worked out by hand below.
#include "calc/feed_condition.h"

#include <gtest/gtest.h>

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

// Every number the two calculations and the reflux study hand back for one data set,
// folded into one value (FNV-1a over the bits of each stored float and count).
class Fingerprint {
 public:
  void Add(float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    Add(std::uint64_t{bits});
  }
  void Add(std::int64_t v) { Add(static_cast<std::uint64_t>(v)); }
  void Add(std::uint64_t v) {
    for (int i = 0; i < 8; ++i, v >>= 8) hash_ = (hash_ ^ (v & 0xFF)) * 1099511628211ULL;
  }
  void Add(const TrayResult& r) {
    for (float v : {r.ClearLiquidHeight, r.VapourContent, r.VapourCoef, r.LiquidCoef,
                    r.OverallCoef, r.NOY, r.EY, r.EMY}) {
      Add(v);
    }
  }
  template <class Run>
  void AddRefusal(const Run& run) {
    Add(std::int64_t{run.refusal ? 1 + static_cast<int>(run.refusal->kind) : 0});
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 14695981039346656037ULL;
};

std::uint64_t RunsFingerprint(const CalculationInputs& in) {
  Fingerprint f;
  const KineticLineRun kinetic = RunKineticLine(in);
  f.AddRefusal(kinetic);
  for (const KineticPoint& p : kinetic.points) {
    for (float v : {p.slope, p.operatingY, p.kineticY}) f.Add(v);
    f.Add(p.tray);
    f.Add(std::int64_t{static_cast<int>(p.section)});
  }
  const TrayByTrayRun trays = RunTrayByTray(in);
  f.AddRefusal(trays);
  f.Add(std::int64_t{trays.feedTray.value_or(-1000)});
  f.Add(trays.unfinishedLiquid.value_or(-1000.0f));
  for (const TrayStep& t : trays.trays) {
    for (float v : {t.x, t.yIn, t.yStar, t.yOut}) f.Add(v);
    f.Add(t.result);
    f.Add(std::int64_t{static_cast<int>(t.section)});
  }
  const RefluxSweep sweep = SweepRefluxRatio(in);
  for (const RefluxPoint& p : sweep.points) {
    f.Add(p.reflux);
    f.Add(std::int64_t{static_cast<int>(p.outcome)});
    f.Add(std::int64_t{p.trays});
    f.Add(std::int64_t{p.feedTray.value_or(-1000)});
    f.Add(p.traysTimesRefluxPlusOne);
  }
  f.Add(std::int64_t{sweep.optimum.value_or(-1000)});
  return f.value();
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
// files. A deliberate change of the calculations' numbers takes new ones.
TEST(FeedCondition, ABoilingFeedComputesBitForBitAsBeforeQExisted) {
  const struct {
    const char* variant;
    std::uint64_t fingerprint;
  } cases[] = {
      {"bubble-cap.txt", 0x94cc51b3c8a0f5b4}, {"dual-flow.txt", 0x14c065b729aa2bd1},
      {"sieve.txt", 0xeb179247b93e9a2e},      {"refusing.txt", 0x989740dd4423c764},
      {"faulty.txt", 0x81309455a1490772},     {"faulty-limits.txt", 0x9abe0c08432bfb6f},
  };
  for (const auto& c : cases) {
    const DesignData d = VariantData(c.variant);
    EXPECT_EQ(d.ParamValue[kParamFeedCondition], 1.0f) << c.variant;  // no p57 in the file
    EXPECT_EQ(RunsFingerprint(CalculationInputs::Of(d)), c.fingerprint) << c.variant;
  }
  // The fingerprint does see q.
  DesignData d = VariantData("bubble-cap.txt");
  d.ParamValue[kParamFeedCondition] = std::nextafter(1.0f, 2.0f);
  EXPECT_NE(RunsFingerprint(CalculationInputs::Of(d)), 0x94cc51b3c8a0f5b4u);
}

DesignData BubbleCapWithFeed(float q) {
  DesignData d = BenzeneTolueneBubbleCap();
  d.ParamValue[kParamFeedCondition] = q;
  return d;
}

// The bubble-cap column (XW 0.05, XF 0.44, XP 0.95, R 2.5) over q. By hand:
// Fbar = (0.95 - 0.05)/(0.44 - 0.05) = 2.307692; L' = q Fbar + 2.5; V' = 3.5 + (q - 1) Fbar;
// x_q = 0.44 + (q - 1)(0.95 - 0.44)/(2.5 + q); y_q = 0.95 - (0.95 - x_q) 2.5/3.5.
struct FeedCase {
  float q;
  double crossX, crossY;
  double vapourBelow;        // V' [-]
  double liquidToVapour;     // L'/V' [-]
  int kineticPointsBelow;    // X* = 0.1, 0.25, 0.4, 0.55, 0.7, 0.85 at or below x_q
};
constexpr FeedCase kFeeds[] = {
    // x_q = 0.44 - 0.51/2.5 = 0.236; y_q = 0.95 - 0.714 * 2.5/3.5 = 0.44 (horizontal line);
    // V' = 3.5 - 2.307692 = 1.192308; L'/V' = 2.5/1.192308.
    {0.0f, 0.236000, 0.440000, 1.192308, 2.096774, 1},
    // x_q = 0.44 - 0.67 * 0.51/2.83 = 0.44 - 0.120742; y_q = 0.95 - 0.630742 * 0.714286;
    // V' = 3.5 - 0.67 * 2.307692 = 1.953846; L' = 0.761538 + 2.5 = 3.261538.
    {0.33f, 0.319258, 0.499470, 1.953846, 1.669291, 2},
    // x_q = 0.44 - 0.2 * 0.51/3.3 = 0.44 - 0.030909; V' = 3.5 - 0.461538 = 3.038462;
    // L' = 1.846154 + 2.5 = 4.346154.
    {0.8f, 0.409091, 0.563636, 3.038462, 1.430380, 3},
    // x_q = 0.44 + 0.37 * 0.51/3.87 = 0.44 + 0.048760; V' = 3.5 + 0.853846 = 4.353846;
    // L' = 3.161538 + 2.5 = 5.661538.
    {1.37f, 0.488760, 0.620543, 4.353846, 1.300353, 3},
    // x_q = 0.44 + 0.51/4.5 = 0.553333; y_q = 0.95 - 0.396667 * 0.714286 = 0.666667;
    // V' = 3.5 + 2.307692 = 5.807692; L' = 4.615385 + 2.5 = 7.115385.
    {2.0f, 0.553333, 0.666667, 5.807692, 1.225166, 4},
};

class OverQ : public testing::TestWithParam<FeedCase> {};

TEST_P(OverQ, FlowsAndTheCrossingOfTheSections) {
  const FeedCase& c = GetParam();
  const DesignData d = BubbleCapWithFeed(c.q);
  const std::optional<FeedCondition> f = FeedConditionOf(CalculationInputs::Of(d));
  ASSERT_TRUE(f.has_value());
  EXPECT_NEAR(f->crossX, c.crossX, 1e-6);
  EXPECT_NEAR(f->crossY, c.crossY, 1e-6);
  EXPECT_NEAR(f->liquidToVapourAbove, 2.5 / 3.5, 1e-12);
  EXPECT_NEAR(f->liquidToVapourBelow, c.liquidToVapour, 1e-6);
  // Only the vapour flow differs between the sections' velocities.
  EXPECT_NEAR(f->velocityBelow / f->velocityAbove, c.vapourBelow / 3.5, 1e-6);

  // The kinetic line: points at or below x_q on the lower line, the others on the upper.
  const KineticLineRun kinetic = RunKineticLine(CalculationInputs::Of(d));
  ASSERT_TRUE(kinetic.Completed());
  for (int i = 1; i <= 6; ++i) {
    const bool below = i <= c.kineticPointsBelow;
    EXPECT_EQ(kinetic.Point(i).section, below ? Section::BelowFeed : Section::AboveFeed) << i;
    const double x = d.EqX[i];
    const double line = below ? 0.05 + c.liquidToVapour * (x - 0.05) : 0.95 - (0.95 - x) * 2.5 / 3.5;
    EXPECT_NEAR(kinetic.Point(i).operatingY, line, 2e-6) << i;
  }
}

TEST_P(OverQ, TraysStepOnTheirSectionsLinesAndMeetThroughTheFeedTraysBalance) {
  const FeedCase& c = GetParam();
  const TrayByTrayRun run = RunTrayByTray(CalculationInputs::Of(BubbleCapWithFeed(c.q)));
  if (c.q == 0.0f) {
    // R = 2.5 is below this feed's minimum (the horizontal q-line meets the curve near
    // x = 0.247: R_min = (0.95 - 0.44)/(0.44 - 0.247) = 2.64): the column pinches.
    ASSERT_TRUE(run.refusal.has_value());
    EXPECT_EQ(run.refusal->kind, RefusalKind::TooManyTrays);
    return;
  }
  ASSERT_TRUE(run.Completed());
  ASSERT_TRUE(run.feedTray.has_value());
  const int feed = *run.feedTray;
  const auto lower = [&](double x) { return 0.05 + c.liquidToVapour * (x - 0.05); };
  const auto upper = [](double x) { return 0.95 - (0.95 - x) * 2.5 / 3.5; };
  for (int i = 1; i < run.Count(); ++i) {
    // The vapour leaving tray i and the liquid coming down from tray i + 1; at the feed
    // tray the converted liquid lies on the upper line.
    const double next = run.Tray(i + 1).x;
    EXPECT_NEAR(run.Tray(i).yOut, i < feed ? lower(next) : upper(next), 3e-6) << i;
    EXPECT_EQ(run.Tray(i).section, i <= feed ? Section::BelowFeed : Section::AboveFeed) << i;
  }
  // The feed tray is the last whose liquid is at or below x_q; the liquid above it,
  // reckoned on the lower line, has passed x_q.
  EXPECT_LE(run.Tray(feed).x, c.crossX + 1e-7);
  const double passed = 0.05 + (run.Tray(feed).yOut - 0.05) / c.liquidToVapour;
  EXPECT_GT(passed, c.crossX);
}

INSTANTIATE_TEST_SUITE_P(BubbleCap, OverQ, testing::ValuesIn(kFeeds),
                         [](const testing::TestParamInfo<FeedCase>& info) {
                           return "q" + std::to_string(static_cast<int>(info.param.q * 100));
                         });

// Below the feed the liquid load and the vapour velocity follow q in both calculations.
// The bubble-cap clear-liquid height at x = 0.25, y = 0.32 changes from q = 1 to q = 2 by
//   2.46/(0.7 D n) dLv - 0.0135 sqrt(rho_y) dw, D = 1.6, n = 1, with
//   dLv = F/MF Vm(0.25) (1 + e) (the feed's own liquid q + (q - 1) e per unit feed)
//       = 2/85.9668 * 0.111435 * 1.05 = 0.00272214 m^3/s
//     (MF = 0.56 * 92.14 + 0.44 * 78.11; Vm = (0.75 * 92.14 * 815 + 0.25 * 78.11 * 790)/(815 * 790)),
//   dw = w Fbar/3.5 = 0.530167 * 0.659341 = 0.349561 m/s (V' - V = (q - 1) Fbar; w as in
//     the tray model: 0.39 * 2 * 22.4 * 3.5 * 368/(85.9668 * 0.9 * 1.6^2 * 214.305)),
//   sqrt(rho_y) = sqrt(87.6504 * 273/(22.4 * 368)) = 1.703768 (My = 0.68 * 92.14 + 0.32 * 78.11):
//   2.196429 * 0.00272213 - 0.0135 * 1.703768 * 0.349561 = 0.0059790 - 0.0080402 = -0.0020612 m.
TEST(FeedCondition, AColdFeedLoadsTheTraysBelowItWithLiquidAndVapour) {
  for (const Calculation calculation : {Calculation::TrayByTray, Calculation::KineticLine}) {
    const auto height = [&](float q, Section section) {
      const TrayEvaluation e = EvaluateTray(BubbleCapWithFeed(q), {0.25, 0.32, 1.35, section, calculation});
      EXPECT_EQ(e.status, TrayStatus::Done);
      return static_cast<double>(e.result.ClearLiquidHeight);
    };
    EXPECT_NEAR(height(2, Section::BelowFeed) - height(1, Section::BelowFeed), -0.0020612, 1e-7);
    EXPECT_EQ(height(2, Section::AboveFeed), height(1, Section::AboveFeed));
  }
}

// Any q, within its limits or not, gives finite results or refuses the data; a feed so
// much vapour that none rises below it is refused. For these columns (R 2.5, Fbar 2.307692)
// V' = 3.5 + (q - 1) 2.307692 is negative from q = -0.5167 down.
TEST(FeedCondition, AnyQGivesFiniteResultsOrARefusal) {
  const float inf = std::numeric_limits<float>::infinity();
  for (const NamedDesign& design : kBenzeneTolueneColumns) {
    for (const float q : {-0.6f, -0.5f, 0.0f, 0.01f, 0.99f, 1.01f, 2.0f, 7.0f, inf, -inf,
                          std::numeric_limits<float>::quiet_NaN()}) {
      SCOPED_TRACE(testing::Message() << design.name << " q " << q);
      DesignData d = design.make();
      d.ParamValue[kParamFeedCondition] = q;
      const CalculationInputs in = CalculationInputs::Of(d);
      const KineticLineRun kinetic = RunKineticLine(in);
      const TrayByTrayRun trays = RunTrayByTray(in);
      if (q == -0.6f) {
        EXPECT_TRUE(kinetic.refusal && trays.refusal && !FeedConditionOf(in));
        EXPECT_EQ(trays.refusal.value_or(Refusal{RefusalKind::TooManyTrays}),
                  Refusal{RefusalKind::DataRefused});
        EXPECT_TRUE(trays.trays.empty());  // refused before the first tray
      }
      Compute(RunKineticLine, d);
      Compute(RunTrayByTray, d);
      EXPECT_TRUE(AllResultsFinite(d));
      if (const std::optional<FeedCondition> f = FeedConditionOf(in)) {
        for (const double v : {f->crossY, f->liquidToVapourBelow, double{f->crossX},
                               double{f->velocityBelow}, f->qLineSlope.value_or(0),
                               f->refluxOverMinimum.value_or(0)}) {
          EXPECT_TRUE(std::isfinite(v));
        }
      }
    }
  }
}

// The numbers for tools/variants/bubble-cap.txt, to four decimals.
TEST(FeedCondition, TheBubbleCapVariantColdAndBoiling) {
  const std::optional<FeedCondition> cold = FeedConditionOf(CalculationInputs::Of(BubbleCapWithFeed(1.37f)));
  ASSERT_TRUE(cold && cold->minimum && cold->qLineSlope);
  EXPECT_NEAR(*cold->qLineSlope, 3.7027, 5e-5);  // 1.37/0.37
  EXPECT_NEAR(cold->velocityAbove, 0.5302, 5e-5);
  EXPECT_NEAR(cold->velocityBelow, 0.6595, 5e-5);
  EXPECT_NEAR(cold->minimum->pinchX, 0.5151, 5e-5);
  EXPECT_NEAR(cold->minimum->pinchY, 0.7179, 5e-5);
  EXPECT_NEAR(cold->minimum->reflux, 1.1443, 5e-5);
  EXPECT_EQ(cold->minimum->governs, Pinch::Feed);
  EXPECT_NEAR(*cold->refluxOverMinimum, 2.1848, 5e-5);
  const TrayByTrayRun run = RunTrayByTray(CalculationInputs::Of(BubbleCapWithFeed(1.37f)));
  EXPECT_EQ(run.TotalTrays(), 14);
  EXPECT_EQ(run.feedTray, 7);

  const std::optional<FeedCondition> boiling = FeedConditionOf(CalculationInputs::Of(BubbleCapWithFeed(1)));
  ASSERT_TRUE(boiling && boiling->minimum);
  EXPECT_FALSE(boiling->qLineSlope.has_value());  // vertical
  EXPECT_EQ(boiling->crossX, 0.44f);
  EXPECT_NEAR(boiling->liquidToVapourBelow, 1.3736, 5e-5);
  EXPECT_EQ(boiling->velocityBelow, boiling->velocityAbove);
  EXPECT_NEAR(boiling->minimum->reflux, 1.3957, 5e-5);
  EXPECT_EQ(boiling->minimum->governs, Pinch::Feed);
  // A saturated vapour's q-line is horizontal: slope 0, written without a minus sign.
  const std::optional<FeedCondition> vapour = FeedConditionOf(CalculationInputs::Of(BubbleCapWithFeed(0)));
  ASSERT_TRUE(vapour && vapour->qLineSlope);
  EXPECT_FALSE(std::signbit(*vapour->qLineSlope));
}

}  // namespace
}  // namespace rc
