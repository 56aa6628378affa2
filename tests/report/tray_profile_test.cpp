// The tray profile of the design fixtures against the tables the program already shows.
#include "report/tray_profile.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/calculations.h"
#include "report/screen_tables.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

struct Fixture {
  const char* name;
  DesignData (*make)();
};

class TrayProfileOf : public ::testing::TestWithParam<Fixture> {};

TEST_P(TrayProfileOf, RecordedTraysMatchTheTablesAndEveryRowFollowsItsEfficiency) {
  DesignData data = GetParam().make();
  const TrayByTrayOutcome outcome = ComputeTrayByTray(data);
  ASSERT_FALSE(outcome.refusal);
  const TrayProfileRows& p = data.TrayProfile;
  ASSERT_EQ(p.Count, outcome.totalTrays);
  ASSERT_EQ(p.FeedTray, data.FeedTray);
  ASSERT_GT(p.FeedTray, 1);

  // First, feed and last tray: the same texts the tray tables and the report show.
  const RecordedTrayRows& rec = data.RecordedTrays;
  for (int row = 1; row <= 3; ++row) {
    SCOPED_TRACE(row);
    const int t = rec.TrayNo[row];
    ASSERT_EQ(t, row == 1 ? 1 : row == 2 ? p.FeedTray : p.Count);
    const TrayResult shown = RecordedTrayResult(rec, row);
    EXPECT_EQ(TrayFirstRow(p.Tray[t], u'.'), TrayFirstRow(shown, u'.'));
    EXPECT_EQ(TraySecondRow(p.Tray[t], data.TrayX[t], data.TrayY[t], u'.'),
              TraySecondRow(shown, rec.LiquidX[row], rec.VapourY[row], u'.'));
  }

  for (int t = 1; t <= p.Count; ++t) {
    SCOPED_TRACE(t);
    const std::u16string row = TrayProfileTranscriptRow(data, t, u'.');
    const bool feed = t == p.FeedTray;
    ASSERT_EQ(row.size(), 64u + (feed ? 2 : 0));
    EXPECT_EQ(row.substr(64), feed ? u" *" : u"");
    // Read the row back as a teacher's script would: vapour leaving = vapour entering
    // + EMY (y* - vapour entering), to the shown digits.
    double v[6];
    for (int f = 0; f < 6; ++f) v[f] = std::stod(std::string(row.begin() + 4 + 10 * f, row.begin() + 14 + 10 * f));
    EXPECT_EQ(std::stoi(std::string(row.begin(), row.begin() + 4)), t);
    EXPECT_NEAR(v[3], v[1] + v[4] * (v[2] - v[1]), 2e-4);
    EXPECT_NEAR(data.TrayY[t], data.TrayY[t - 1] + p.Tray[t].EMY * (p.EquilibriumY[t] - data.TrayY[t - 1]), 1e-6);
    EXPECT_NEAR(v[0], data.TrayX[t], 5.01e-5);
  }
}

INSTANTIATE_TEST_SUITE_P(DesignFixtures, TrayProfileOf,
                         ::testing::Values(Fixture{"BubbleCap", BenzeneTolueneBubbleCap},
                                           Fixture{"Sieve", BenzeneTolueneSieve},
                                           Fixture{"DualFlow", BenzeneTolueneDualFlow}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TrayProfile, ARefusedRunLeavesNoProfile) {
  DesignData data = BenzeneTolueneBubbleCap();
  ASSERT_FALSE(ComputeTrayByTray(data).refusal);
  ASSERT_GT(data.TrayProfile.Count, 0);
  SetParameter(data, 19, u"0.3");  // too little reflux to reach the top in 120 trays
  ASSERT_TRUE(ComputeTrayByTray(data).refusal);
  EXPECT_EQ(data.TrayProfile.Count, 0);
}

}  // namespace
}  // namespace rc
