// The tray profile of the design fixtures against the tables the program already shows.
#include "report/tray_profile.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/calculations.h"
#include "report/screen_tables.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

class TrayProfileOf : public ::testing::TestWithParam<NamedDesign> {};

TEST_P(TrayProfileOf, RecordedTraysMatchTheTablesAndEveryRowFollowsItsEfficiency) {
  DesignData data = GetParam().make();
  const TrayByTrayRun run = Compute(RunTrayByTray, data);
  ASSERT_FALSE(run.refusal);
  ASSERT_EQ(run.Count(), run.TotalTrays());
  ASSERT_EQ(run.feedTray, data.FeedTray);
  ASSERT_GT(run.feedTray.value_or(0), 1);

  // First, feed and last tray: the same texts the tray tables and the report show.
  const RecordedTrayRows& rec = data.RecordedTrays;
  for (int row = 1; row <= 3; ++row) {
    SCOPED_TRACE(row);
    const int t = rec.TrayNo[row];
    ASSERT_EQ(t, row == 1 ? 1 : row == 2 ? *run.feedTray : run.Count());
    const TrayResult shown = TrayResultAt(rec, row);
    EXPECT_EQ(TrayFirstRow(run.Tray(t).result, u'.'), TrayFirstRow(shown, u'.'));
    EXPECT_EQ(TraySecondRow(run.Tray(t).result, data.TrayX[t], data.TrayY[t], u'.'),
              TraySecondRow(shown, rec.LiquidX[row], rec.VapourY[row], u'.'));
  }

  for (int t = 1; t <= run.Count(); ++t) {
    SCOPED_TRACE(t);
    const std::u16string row = TrayProfileTranscriptRow(run, t, u'.');
    const bool feed = t == run.feedTray;
    ASSERT_EQ(row.size(), 64u + (feed ? 2 : 0));
    EXPECT_EQ(row.substr(64), feed ? u" *" : u"");
    // Read the row back as a teacher's script would: vapour leaving = vapour entering
    // + EMY (y* - vapour entering), to the shown digits.
    double v[6];
    for (int f = 0; f < 6; ++f) v[f] = std::stod(std::string(row.begin() + 4 + 10 * f, row.begin() + 14 + 10 * f));
    EXPECT_EQ(std::stoi(std::string(row.begin(), row.begin() + 4)), t);
    EXPECT_NEAR(v[3], v[1] + v[4] * (v[2] - v[1]), 2e-4);
    const TrayStep& step = run.Tray(t);
    EXPECT_NEAR(data.TrayY[t], data.TrayY[t - 1] + step.result.EMY * (step.yStar - data.TrayY[t - 1]), 1e-6);
    EXPECT_NEAR(v[0], data.TrayX[t], 5.01e-5);
  }
}

INSTANTIATE_TEST_SUITE_P(DesignFixtures, TrayProfileOf,
                         ::testing::ValuesIn(kBenzeneTolueneColumns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TrayProfile, ARefusedRunHasNoTopTray) {
  // Too little reflux.
  DesignData data = WithParameter(BenzeneTolueneBubbleCap(), kParamReflux, u"0.3");
  const TrayByTrayRun run = Compute(RunTrayByTray, data);
  ASSERT_TRUE(run.refusal);
  EXPECT_EQ(run.TotalTrays(), 0);
  EXPECT_EQ(run.Count(), kMaxTrays);  // the trays computed before the limit
}

}  // namespace
}  // namespace rc
