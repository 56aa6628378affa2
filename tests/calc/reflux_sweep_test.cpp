// The reflux study: 71 tray-by-tray runs at R*(50 + 5k)/100 on copies of the design data.
#include "calc/reflux_sweep.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "calc/calculations.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

using Outcome = RefluxPoint::Outcome;

template <class T>
void AppendBytes(std::string& out, const T& value) {
  static_assert(std::is_trivially_copyable_v<T>);
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}
template <std::size_t N>
void AppendTexts(std::string& out, const std::array<std::u16string, N>& texts) {
  for (const std::u16string& t : texts) {
    AppendBytes(out, t.size());
    out.append(reinterpret_cast<const char*>(t.data()), t.size() * sizeof(char16_t));
  }
}

// Every member of the design data as bytes, texts with their lengths.
std::string Bytes(const DesignData& d) {
  std::string out;
  AppendTexts(out, std::array{d.StudentName});
  AppendTexts(out, d.ParamCaption.items);
  AppendTexts(out, d.ParamText.items);
  AppendBytes(out, d.ParamValue);
  AppendBytes(out, d.ParamMin);
  AppendBytes(out, d.ParamMax);
  AppendTexts(out, d.EqXText);
  AppendTexts(out, d.EqYText);
  AppendBytes(out, d.EqX);
  AppendBytes(out, d.EqY);
  AppendBytes(out, d.TrayType);
  AppendBytes(out, d.ShownResult);
  AppendBytes(out, d.InputError);
  AppendBytes(out, d.ErrorRow);
  AppendBytes(out, d.FeedTray);
  AppendBytes(out, d.KineticPoints);
  AppendBytes(out, d.TrayX);
  AppendBytes(out, d.TrayY);
  AppendBytes(out, d.CurrentTray);
  AppendBytes(out, d.RecordedTrays);
  AppendBytes(out, d.TrayTableRow);
  return out;
}

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

TEST_P(RefluxSweepOnFixtures, LeavesTheDesignDataByteIdentical) {
  DesignData d = GetParam().data;
  // Results of both calculations in place, so that a sweep writing into them would show.
  ASSERT_FALSE(Compute(RunKineticLine, d).refusal.has_value());
  ASSERT_FALSE(Compute(RunTrayByTray, d).refusal.has_value());
  d.ShownResult = kShownTrayByTray;
  const std::string before = Bytes(d);
  SweepRefluxRatio(CalculationInputs::Of(d));
  EXPECT_EQ(Bytes(d), before);
}

TEST_P(RefluxSweepOnFixtures, TheTenthPointIsTheStudentsOwnColumn) {
  const DesignData& fixture = GetParam().data;
  const RefluxSweep sweep = SweepRefluxRatio(CalculationInputs::Of(fixture));
  DesignData own = fixture;
  const TrayByTrayRun out = Compute(RunTrayByTray, own);
  ASSERT_FALSE(out.refusal.has_value());
  const RefluxPoint& p = sweep.points[kOwnRefluxPoint];
  EXPECT_EQ(p.reflux, fixture.ParamValue[19]);
  ASSERT_EQ(p.outcome, Outcome::Completed);
  EXPECT_EQ(p.trays, out.TotalTrays());
  ASSERT_TRUE(p.feedTray.has_value());
  EXPECT_EQ(*p.feedTray, own.FeedTray);
}

TEST_P(RefluxSweepOnFixtures, EveryPointIsItsOwnRunAndTheOptimumTheSmallestVolume) {
  const DesignData& fixture = GetParam().data;
  const RefluxSweep sweep = SweepRefluxRatio(CalculationInputs::Of(fixture));
  int best = -1;
  for (int k = 0; k < kRefluxSweepPoints; ++k) {
    SCOPED_TRACE(k);
    const RefluxPoint& p = sweep.points[static_cast<std::size_t>(k)];
    // The same column computed alone, from the fixture, at this reflux ratio.
    DesignData alone = fixture;
    alone.ParamValue[19] = SweptReflux(fixture.ParamValue[19], k);
    const TrayByTrayRun out = Compute(RunTrayByTray, alone);
    EXPECT_EQ(p.reflux, alone.ParamValue[19]);
    if (out.refusal) {
      EXPECT_EQ(p.outcome, out.refusal->kind == RefusalKind::TooManyTrays ? Outcome::TooManyTrays
                                                                        : Outcome::Refused);
      continue;
    }
    ASSERT_EQ(p.outcome, Outcome::Completed);
    EXPECT_EQ(p.trays, out.TotalTrays());
    EXPECT_EQ(p.feedTray.value_or(kFeedTrayNotFound), alone.FeedTray);
    EXPECT_FLOAT_EQ(p.traysTimesRefluxPlusOne, out.TotalTrays() * (p.reflux + 1.0f));
    if (best < 0 || p.traysTimesRefluxPlusOne <
                        sweep.points[static_cast<std::size_t>(best)].traysTimesRefluxPlusOne) {
      best = k;
    }
  }
  ASSERT_GE(best, 0);
  EXPECT_EQ(sweep.optimum, best);
}

DesignData WithDiameter(const char16_t* metres) {
  return WithParameter(BenzeneTolueneBubbleCap(), 33, metres);
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

}  // namespace
}  // namespace rc
