#include "support/design_fixtures.h"

#include <gtest/gtest.h>

#include "model/checks.h"
#include "model/number_text.h"

namespace rc {
namespace {

TEST(DesignFixtures, AreCompleteAndPassBothInputChecks) {
  const std::pair<DesignData, TrayKind> fixtures[] = {
      {BenzeneTolueneBubbleCap(), TrayKind::BubbleCap},
      {BenzeneTolueneSieve(), TrayKind::SieveOrValve},
      {BenzeneTolueneDualFlow(), TrayKind::DualFlow},
  };
  for (const auto& [fixture, kind] : fixtures) {
    DesignData d = fixture;
    EXPECT_EQ(KindOfTrays(d), kind);
    EXPECT_FALSE(d.StudentName.empty());
    EXPECT_EQ(d.ShownResult, kShownNothing);
    EXPECT_EQ(d.FeedTray, kFeedTrayNotFound);
    for (int n = kParamXW; n <= kParamBypass; ++n) {
      EXPECT_EQ(d.ParamCaption[n], ParameterCaption(n)) << n;
      if (n == kParamTrayTypeSlot) continue;
      EXPECT_FALSE(d.ParamText[n].empty()) << n;
      EXPECT_EQ(d.ParamValue[n], ReadNumber(d.ParamText[n])) << n;
    }
    for (int i = 0; i < 8; ++i) {
      EXPECT_EQ(d.EqX[i], ReadNumber(d.EqXText[i])) << i;
      EXPECT_EQ(d.EqY[i], ReadNumber(d.EqYText[i])) << i;
    }
    CheckEquilibriumData(d);
    EXPECT_EQ(d.ErrorRow, kNoErrorRow);
    CheckParameterLimits(d);
    EXPECT_EQ(d.ErrorRow, kNoErrorRow);
    EXPECT_EQ(d.InputError, kFalse);
  }
}

}  // namespace
}  // namespace rc
