// The reflux study: 71 tray-by-tray runs at R*(50 + 5k)/100 on copies of the design data.
#include "calc/reflux_sweep.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "calc/calculations.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

using Outcome = RefluxPoint::Outcome;

TEST(SweptReflux, RunsFromHalfToFourTimesTheStudentsRatioAndHitsItAtTheTenthPoint) {
  struct Case {
    float reflux;
    int k;
    float expected;
  };
  const Case cases[] = {{2.5f, 0, 1.25f},  {2.5f, 1, 1.375f}, {2.5f, 70, 10.0f},
                        {2.5f, 10, 2.5f},  {0.3f, 10, 0.3f},  {1.7f, 10, 1.7f},
                        {199.9f, 10, 199.9f}, {0.3f, 0, 0.15f}, {0.3f, 70, 1.2f}};
  for (const Case& c : cases) {
    EXPECT_EQ(SweptReflux(c.reflux, c.k), c.expected) << c.reflux << " k " << c.k;
  }
}

struct SweepCase {
  const char* name;
  DesignData data;
};
void PrintTo(const SweepCase& c, std::ostream* os) { *os << c.name; }

class RefluxSweepOnFixtures : public testing::TestWithParam<SweepCase> {};

TEST_P(RefluxSweepOnFixtures, TheTenthPointIsTheStudentsOwnColumn) {
  const DesignData& fixture = GetParam().data;
  const RefluxSweep sweep = SweepRefluxRatio(CalculationInputs::Of(fixture));
  DesignData own = fixture;
  const TrayByTrayRun out = Compute(RunTrayByTray, own);
  ASSERT_FALSE(out.refusal.has_value());
  const RefluxPoint& p = sweep.points[kOwnRefluxPoint];
  EXPECT_EQ(p.reflux, fixture.ParamValue[kParamReflux]);
  ASSERT_EQ(p.outcome, Outcome::Completed);
  EXPECT_EQ(p.trays, out.TotalTrays());
  ASSERT_TRUE(p.feedTray.has_value());
  EXPECT_EQ(*p.feedTray, own.FeedTray);
}

TEST_P(RefluxSweepOnFixtures, EveryPointIsItsOwnRunAndTheOptimumTheFirstSmallestVolume) {
  const DesignData& fixture = GetParam().data;
  const RefluxSweep sweep = SweepRefluxRatio(CalculationInputs::Of(fixture));
  for (int k = 0; k < kRefluxSweepPoints; ++k) {
    SCOPED_TRACE(k);
    const RefluxPoint& p = sweep.points[static_cast<std::size_t>(k)];
    // The same column computed alone, from the fixture, at this reflux ratio.
    DesignData alone = fixture;
    alone.ParamValue[kParamReflux] = SweptReflux(fixture.ParamValue[kParamReflux], k);
    const TrayByTrayRun out = Compute(RunTrayByTray, alone);
    EXPECT_EQ(p.reflux, alone.ParamValue[kParamReflux]);
    if (out.refusal) {
      EXPECT_EQ(p.outcome, out.refusal->kind == RefusalKind::TooManyTrays ? Outcome::TooManyTrays
                                                                        : Outcome::Refused);
      continue;
    }
    ASSERT_EQ(p.outcome, Outcome::Completed);
    EXPECT_EQ(p.trays, out.TotalTrays());
    EXPECT_EQ(p.feedTray.value_or(kFeedTrayNotFound), alone.FeedTray);
    EXPECT_FLOAT_EQ(p.traysTimesRefluxPlusOne, out.TotalTrays() * (p.reflux + 1.0f));
  }
  // The optimum is a completed point no larger than any other, and the first such.
  ASSERT_TRUE(sweep.optimum.has_value());
  const RefluxPoint& best = sweep.points[static_cast<std::size_t>(*sweep.optimum)];
  ASSERT_EQ(best.outcome, Outcome::Completed);
  for (int k = 0; k < kRefluxSweepPoints; ++k) {
    const RefluxPoint& p = sweep.points[static_cast<std::size_t>(k)];
    if (p.outcome != Outcome::Completed) continue;
    EXPECT_LE(best.traysTimesRefluxPlusOne, p.traysTimesRefluxPlusOne) << k;
    if (k < *sweep.optimum) {
      EXPECT_LT(best.traysTimesRefluxPlusOne, p.traysTimesRefluxPlusOne) << k;
    }
  }
}

DesignData WithDiameter(const char16_t* metres) {
  return WithParameter(BenzeneTolueneBubbleCap(), kParamDiameter, metres);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, RefluxSweepOnFixtures,
    testing::Values(SweepCase{"BubbleCap", BenzeneTolueneBubbleCap()},
                    SweepCase{"Sieve", BenzeneTolueneSieve()},
                    SweepCase{"DualFlow", BenzeneTolueneDualFlow()},
                    SweepCase{"NarrowBubbleCap", WithDiameter(u"1.0")}),
    [](const testing::TestParamInfo<SweepCase>& i) { return std::string(i.param.name); });

// With real trays the number of trays need not fall as the reflux grows: a higher reflux
// loads the trays with vapour and their efficiency drops.
TEST(RefluxSweep, FollowsTheRealTraysWhereMoreRefluxNeedsMoreTrays) {
  const RefluxSweep sieve = SweepRefluxRatio(CalculationInputs::Of(BenzeneTolueneSieve()));
  int rises = 0;
  for (int k = 1; k < kRefluxSweepPoints; ++k) {
    const RefluxPoint& a = sieve.points[static_cast<std::size_t>(k - 1)];
    const RefluxPoint& b = sieve.points[static_cast<std::size_t>(k)];
    if (a.outcome == Outcome::Completed && b.outcome == Outcome::Completed && b.trays > a.trays) {
      ++rises;
    }
  }
  EXPECT_GT(rises, 0);

  // A narrow bubble-cap column: too close to the minimum reflux at first, then working,
  // then so loaded that its trays no longer reach the top, and at last the data refused.
  const RefluxSweep narrow = SweepRefluxRatio(CalculationInputs::Of(WithDiameter(u"1.0")));
  EXPECT_EQ(narrow.points.front().outcome, Outcome::TooManyTrays);
  EXPECT_EQ(narrow.points.back().outcome, Outcome::Refused);
  int tooManyAtHighReflux = 0;
  for (int k = kOwnRefluxPoint; k < kRefluxSweepPoints; ++k) {
    const Outcome o = narrow.points[static_cast<std::size_t>(k)].outcome;
    tooManyAtHighReflux += o == Outcome::TooManyTrays;
  }
  EXPECT_GT(tooManyAtHighReflux, 0);
}

// Points made up for the optimum's rule: completed ones with the given N*(R + 1), the
// rest refused (their volume 0, smaller than any, must not count).
using Points = std::array<RefluxPoint, kRefluxSweepPoints>;
Points MadePoints(std::initializer_list<std::pair<int, float>> done, Outcome rest) {
  Points points{};
  for (RefluxPoint& p : points) p.outcome = rest;
  for (const auto& [k, volume] : done) {
    RefluxPoint& p = points[static_cast<std::size_t>(k)];
    p.outcome = Outcome::Completed;
    p.traysTimesRefluxPlusOne = volume;
  }
  return points;
}

TEST(RefluxSweep, TheOptimumIsTheFirstCompletedPointOfTheSmallestVolume) {
  struct Case {
    const char* what;
    Points points;
    std::optional<int> optimum;
  };
  const Case cases[] = {
      {"tie: the smaller R", MadePoints({{2, 60}, {3, 45}, {5, 45}, {9, 50}}, Outcome::Refused), 3},
      {"refused points skipped", MadePoints({{4, 52}, {6, 51}}, Outcome::TooManyTrays), 6},
      {"the first point", MadePoints({{0, 30}, {1, 40}, {70, 30}}, Outcome::Refused), 0},
      {"the last point", MadePoints({{0, 30}, {69, 31}, {70, 29.5f}}, Outcome::Refused), 70},
      {"nothing completed", MadePoints({}, Outcome::TooManyTrays), std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OptimumOf(c.points), c.optimum) << c.what;
  }
}

}  // namespace
}  // namespace rc
