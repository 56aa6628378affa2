#include "model/design_data.h"

#include <gtest/gtest.h>

#include "model/number_text.h"
#include "support/recording_toolkit.h"

namespace rc {
namespace {

TEST(DesignData, AFreshRunHoldsZerosAndEmptyTexts) {
  EXPECT_EQ(kTrue, -1);
  DesignData d{};
  EXPECT_TRUE(d.StudentName.empty());
  EXPECT_EQ(d.ShownResult, 0);
  EXPECT_EQ(d.TrayType, 0);
  for (int n = kParamXW; n <= kParamBypass; ++n) {
    EXPECT_TRUE(d.ParamCaption[n].empty());
    EXPECT_EQ(d.ParamValue[n], 0.0f);
  }
}

TEST(DesignData, CaptionsArePaddedTo64ExceptTheTrayTypeSlot) {
  for (int n = kParamXW; n <= kParamBypass; ++n) {
    const std::u16string c = ParameterCaption(n);
    if (n == kParamTrayTypeSlot) {
      EXPECT_EQ(c, u"Тип тарелки, безразмерн.");
      EXPECT_EQ(c.size(), 24u);
    } else {
      EXPECT_EQ(c.size(), 64u) << n;
    }
  }
  EXPECT_EQ(ParameterCaption(kParamReflux).substr(0, 25), u"Флегмовое число, безразм.");
  EXPECT_EQ(ParameterCaption(kParamWeirHeight),
            u"Высота перелива (для провальн. тарелок-эквивал.диам.прорезей),м ");
  // Parameter 27 ends in a Latin c, parameter 30 in a Cyrillic с.
  EXPECT_NE(ParameterCaption(kParamVapourDiffusivity).find(u"см^2/c"), std::u16string::npos);
  EXPECT_NE(ParameterCaption(kParamLiquidDiffusivity).find(u"см^2/с"), std::u16string::npos);
  EXPECT_EQ(ParameterCaption(kParamVapourDiffusivity).find(u"см^2/с"), std::u16string::npos);
}

TEST(DesignData, PrepareForEntryResetsTheRunState) {
  DesignData d{};
  d.TrayType = 1;
  d.ShownResult = 0;
  d.FeedTray = 7;
  PrepareForEntry(d);
  EXPECT_EQ(d.TrayType, kTrayTypeNotChosen);
  EXPECT_EQ(d.ShownResult, kShownNothing);
  EXPECT_EQ(d.FeedTray, 200);
  EXPECT_EQ(d.ParamMin[kParamFeedRate], 0.01f);
  EXPECT_EQ(d.ParamMax[kParamVapourViscosityLight], 0.1f);
  EXPECT_EQ(d.ParamMin[kParamLiquidDiffusivity], 0.000001f);
  EXPECT_EQ(d.ParamMin[kParamTrayTypeSlot], 0.0f);
  EXPECT_EQ(d.ParamMax[kParamTrayTypeSlot], 1.0f);
  // A value typed as the limit reads to the same float.
  EXPECT_EQ(ReadNumber(u"0.01"), d.ParamMin[kParamFeedRate]);
  EXPECT_EQ(ReadNumber(u"0.0001"), d.ParamMax[kParamLiquidDiffusivity]);
}

TEST(DesignData, TrayKindTestsParameter34Exactly) {
  struct Case {
    std::int32_t trayType;
    std::u16string p34;
    TrayKind kind;
  };
  const Case cases[] = {
      {0, u"1", TrayKind::BubbleCap},      {0, u"0.5", TrayKind::BubbleCap},
      {1, u"1", TrayKind::DualFlow},       {1, u"1.0", TrayKind::DualFlow},
      {1, u"0.9999", TrayKind::SieveOrValve}, {1, u"0.83", TrayKind::SieveOrValve},
      {2, u"1", TrayKind::DualFlow},
  };
  for (const auto& c : cases) {
    DesignData d{};
    d.TrayType = c.trayType;
    d.ParamValue[kParamAreaRatio] = ReadNumber(c.p34);
    EXPECT_EQ(KindOfTrays(d), c.kind);
  }
  EXPECT_EQ(TrayKindText(TrayKind::SieveOrValve), u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ");
}

}  // namespace
}  // namespace rc
