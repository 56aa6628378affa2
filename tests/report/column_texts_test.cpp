#include "report/column_texts.h"

#include <gtest/gtest.h>

#include <limits>

namespace rc {
namespace {

// Two trays, the second the feed tray; the first tray's dry drop refused, and with it
// its tray drop and the column's; the reboiler's duty not positive.
ColumnDesignResult PartlyRefused() {
  ColumnDesignResult r;
  r.feedTray = 2;
  r.trays = {{std::nullopt, 16.8, 220.04, std::nullopt, 81.75},
             {201.45, 16.8, 223.5, 441.75, 77.8}};
  r.height = 10.65;
  r.floodingMax = 81.75;
  r.floodingMaxTray = 1;
  r.diameterFor80 = 1.2131;
  r.distillate = 0.79448;
  r.bottoms = std::numeric_limits<double>::max();  // beyond a 32-bit float: refused too
  r.condenserDuty = 1090.615;
  r.coolingWater = 17.35266;
  r.reboilerRefusal = ReboilerRefusal::DutyNotPositive;
  return r;
}

TEST(ColumnTexts, RefusedValuesAreWrittenAsRefusalsInTheirFields) {
  const std::vector<std::u16string> lines = ColumnTranscriptLines(PartlyRefused(), u'.');
  const std::vector<std::u16string> expected = {
      u"   1     ERROR      16.8     220.0     ERROR    81.8",
      u"   2     201.5      16.8     223.5     441.8    77.8 *",
      u"dP total, Pa         ERROR",
      u"height, m           10.650",
      u"flood max, %          81.8 tray 1",
      u"D at 80%, m          1.213",
      u"P, kg/s             0.7945",
      u"W, kg/s              ERROR",
      u"Qcond, kW          1090.62",
      u"Qreb, kW             ERROR",
      u"steam, kg/s          ERROR",
      u"water, kg/s        17.3527"};
  EXPECT_EQ(lines, expected);

  // On the screen the reboiler's two lines say why, in red.
  int warnings = 0;
  for (const ColumnLine& line : ColumnScreenLines(PartlyRefused(), u',')) {
    EXPECT_EQ(line.text.find(u"nan"), std::u16string::npos);
    if (line.text.find(u"проверьте температуры") != std::u16string::npos) {
      EXPECT_TRUE(line.warning);
      ++warnings;
    }
  }
  EXPECT_EQ(warnings, 2);
}

TEST(ColumnTexts, DualFlowTraysLeaveFloodingBlankAndFloodingAbove85IsWarned) {
  ColumnDesignResult dual = PartlyRefused();
  dual.floodingApplies = false;
  EXPECT_EQ(ColumnTrayRow(dual, 2, u'.', u"ERROR"), u"   2     201.5      16.8     223.5     441.8         *");
  const auto lines = ColumnTranscriptLines(dual, u'.');
  EXPECT_EQ(lines[4], u"flood max, %          none");
  EXPECT_EQ(lines[5], u"D at 80%, m           none");

  ColumnDesignResult flooded = PartlyRefused();
  auto warned = [](const ColumnDesignResult& r) {
    for (const ColumnLine& line : ColumnScreenLines(r, u'.')) {
      if (line.text.rfind(u"ВНИМАНИЕ !", 0) == 0) return true;
    }
    return false;
  };
  flooded.floodingMax = 85.0;
  EXPECT_FALSE(warned(flooded));
  flooded.floodingMax = 85.01;
  EXPECT_TRUE(warned(flooded));
}

}  // namespace
}  // namespace rc
