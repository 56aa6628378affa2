#include "report/column_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <utility>

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
  // A cold liquid feed, q = 1.37: bubble-cap.txt's tb 95 °C less 0.37·rF/cF.
  r.feedTemperature = 19.5149;
  r.feedVapourShare = 0.0;
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
      u"water, kg/s        17.3527",
      u"feed t, C            19.51",
      u"feed vapour, %         0.0"};
  EXPECT_EQ(lines, expected);

  // A feed 60 % vapour, q = 0.4, has no temperature of its own: none, on screen "нет".
  ColumnDesignResult vapour = PartlyRefused();
  vapour.feedTemperature.reset();
  vapour.feedVapourShare = 100 * (1 - 0.4);
  const std::vector<std::u16string> vapourLines = ColumnTranscriptLines(vapour, u'.');
  EXPECT_EQ(std::vector<std::u16string>(vapourLines.end() - 2, vapourLines.end()),
            (std::vector<std::u16string>{u"feed t, C             none",
                                         u"feed vapour, %        60.0"}));
  const std::vector<ColumnLine> screen = ColumnScreenLines(vapour, u',');
  ASSERT_GE(screen.size(), 2u);
  EXPECT_EQ(screen[screen.size() - 2].text,
            u"Температура питания, град.С         нет: питание частично испарено");
  EXPECT_FALSE(screen[screen.size() - 2].warning);
  EXPECT_EQ(screen.back().text, u"Доля пара в питании, %              60,0");

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

// The runner's "== column" is the table of the column's results, row for row: after the
// tray rows each line is a column result's transcript label and its value written with
// the row's decimals, in the table's order.
TEST(ColumnResults, TranscriptLinesFollowTheTableRowForRow) {
  ColumnDesignResult r = PartlyRefused();
  r.trays[0] = r.trays[1];
  r.totalDrop = 663.58;
  r.bottoms = 0.70552;
  r.reboilerRefusal = ReboilerRefusal::None;
  r.reboilerDuty = 1234.567;
  r.steam = 0.56789;
  const std::vector<std::u16string> lines = ColumnTranscriptLines(r, u'.');
  const std::vector<std::u16string> expected = {
      u"dP total, Pa         663.6",
      u"height, m           10.650",
      u"flood max, %          81.8 tray 1",
      u"D at 80%, m          1.213",
      u"P, kg/s             0.7945",
      u"W, kg/s             0.7055",
      u"Qcond, kW          1090.62",
      u"Qreb, kW           1234.57",
      u"steam, kg/s         0.5679",
      u"water, kg/s        17.3527",
      u"feed t, C            19.51",
      u"feed vapour, %         0.0"};
  ASSERT_EQ(std::vector<std::u16string>(lines.begin() + 2, lines.end()), expected);

  std::size_t k = 0;
  for (const ColumnResult& row : ColumnResults()) {
    if (row.scope != ResultScope::Column) continue;
    ASSERT_LT(k, expected.size());
    const std::u16string& line = expected[k++];
    SCOPED_TRACE(row.key);
    EXPECT_EQ(line.substr(0, 14), row.label);
    const std::u16string value = line.substr(14, 12);
    EXPECT_EQ(value.size() - value.find(u'.') - 1, row.decimals);
  }
  EXPECT_EQ(k, expected.size());
}

TEST(ColumnTexts, DualFlowTraysLeaveFloodingBlankAndFloodingAbove85IsWarned) {
  ColumnDesignResult dual = PartlyRefused();
  dual.floodingApplies = false;
  // No empty flooding column: the feed tray's mark follows its drop.
  EXPECT_EQ(ColumnTrayRow(dual, 2, u'.', u"ERROR"), u"   2     201.5      16.8     223.5     441.8 *");
  EXPECT_EQ(ColumnTrayHeadings(dual)[1], u"Тар.   Pсух,Па   Pпов,Па   Pжид,Па  Pобщ, Па");
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

// A value that fills its field is set off by one blank, the fields after it moving right;
// written from at most 7 significant digits (12345678.9 as a float is 12345679, seven
// digits 12345680). A drop above 10000 Pa on any tray is warned, naming the worst tray.
TEST(ColumnTexts, FullFieldsAreSetOffAndTrayDropsAbove01BarAreWarned) {
  ColumnDesignResult r = PartlyRefused();
  r.trays[0] = {12345678.9, 16.8, 220.04, 12345915.7, 100.05};
  EXPECT_EQ(ColumnTrayRow(r, 1, u',', u"ERROR"),
            u"   1 12345680,0      16,8     220,0 12345920,0   100,1");
  r.totalDrop = 1234567890.0;  // a float 1234567936: seven digits fill all 12 characters
  EXPECT_EQ(ColumnTranscriptLines(r, u'.')[2], u"dP total, Pa   1234568000.0");

  auto dropWarnings = [](const ColumnDesignResult& c) {
    std::vector<std::u16string> found;
    for (const ColumnLine& line : ColumnScreenLines(c, u',')) {
      if (line.text.find(u"бар") != std::u16string::npos && line.warning) found.push_back(line.text);
    }
    return found;
  };
  ColumnDesignResult dual = PartlyRefused();
  dual.floodingApplies = false;
  dual.trays[0].totalDrop = 10000.0;
  dual.trays[1].totalDrop = 9999.0;
  EXPECT_TRUE(dropWarnings(dual).empty());
  dual.trays[1].totalDrop = 10000.5;
  const std::vector<std::u16string> expected = {
      u"ВНИМАНИЕ ! Сопротивление тарелки 2 больше 0,1 бар: тарелка не удержит жидкость"};
  EXPECT_EQ(dropWarnings(dual), expected);
}

// tP must lie below tW and tF within [tP, tW]; the edges themselves are not warned.
TEST(ColumnTexts, ContradictoryTemperaturesAreWarned) {
  struct Case {
    float tF, tP, tW;
    std::size_t warnings;
  };
  for (const Case& c : {Case{95, 81, 109, 0}, Case{81, 81, 109, 0}, Case{109, 81, 109, 0},
                        Case{300, 81, 109, 1}, Case{80.9f, 81, 109, 1}, Case{100, 109, 109, 2},
                        Case{100, 200, 10, 2}, Case{5, 200, 10, 2}}) {
    DesignData data;
    data.ParamValue[51] = c.tF;
    data.ParamValue[52] = c.tP;
    data.ParamValue[53] = c.tW;
    const std::vector<ColumnLine> lines = TemperatureWarnings(data);
    EXPECT_EQ(lines.size(), c.warnings) << c.tF << " " << c.tP << " " << c.tW;
    for (const ColumnLine& line : lines) EXPECT_TRUE(line.warning);
  }
}

// A feed that q makes more than 100 K colder than the distillate is warned (q = 2 makes
// benzene-toluene -109 C); a feed partly vapour has no temperature to warn of.
TEST(ColumnTexts, AFeedFarColderThanTheDistillateIsWarned) {
  const std::u16string warning =
      u"ВНИМАНИЕ ! Питание холоднее дистиллата более чем на 100 град.: проверьте q";
  DesignData data;
  data.ParamValue[51] = 95;
  data.ParamValue[52] = 81;
  data.ParamValue[53] = 109;
  for (const auto& [feed, warned] : {std::pair<ColumnValue, bool>{-109.0, true}, {-19.1, true},
                                     {-18.9, false}, {20.0, false}, {std::nullopt, false}}) {
    ColumnDesignResult r;
    r.feedTemperature = feed;
    const std::vector<ColumnLine> lines = ColumnResultLines(data, r, u'.');
    const auto found = std::find_if(lines.begin(), lines.end(),
                                    [&](const ColumnLine& l) { return l.text == warning; });
    EXPECT_EQ(found != lines.end(), warned) << feed.value_or(0);
    if (found != lines.end()) {
      EXPECT_TRUE(found->warning);
    }
  }
}

}  // namespace
}  // namespace rc

namespace rc {
namespace {

// The block of the operating window where the chart runs out and arithmetic fails: ψ = 1
// is the tray carrying its liquid up (no e), a refused backup is a refusal in red with no
// verdict, and the minimum load names its per cent in the captions.
TEST(ColumnTexts, TheOperatingWindowsBlockWordsFloodedAndRefusedValues) {
  OperatingWindowResult w;
  w.computed = true;
  w.weepApplies = true;
  w.values.minimumLoad = 0.55;
  w.entrainmentTyped = 0.035;
  w.trays.resize(3);
  w.entrainmentMax = {1.0, 2};
  w.weepMarginMin = {1.204, 3};
  w.crestMin = {9.94, 1};
  w.backupMax = {std::nullopt, 0};
  w.backupLimit = 245;
  w.residenceMin = {3.5, 1};
  const std::vector<ColumnLine> lines = OperatingWindowLines(w, u',');
  std::vector<std::u16string> texts;
  for (const ColumnLine& l : lines) texts.push_back((l.warning ? u"! " : u"") + l.text);
  EXPECT_EQ(texts,
            (std::vector<std::u16string>{
                u"Унос (по Фэйру) ψ, наибольший       1 (тарелка захлебывается) на тарелке 2   (допустимо 0,1)",
                u"! ВНИМАНИЕ ! Унос больше 0,1: увеличьте диаметр или расстояние между тарелками",
                u"Унос по Фэйру e, кмоль/кмоль пара   —   (введено 0,035)",
                u"Запас до провала при 55 % нагрузки  1,20 на тарелке 3      (должно быть не меньше 1)",
                u"Подпор над сливом при 55 %, мм      9,9 на тарелке 1       (не меньше 10)",
                u"! ВНИМАНИЕ ! Подпор над сливом меньше 10 мм: неравномерный слив",
                u"! Уровень в сливном устройстве, мм    ОШИБКА: не может быть вычислено при этих данных",
                u"Время пребывания в сливе, с         3,50 на тарелке 1      (не меньше 3)"}));
  w.weepApplies = false;
  EXPECT_EQ(OperatingWindowLines(w, u'.')[3].text,
            u"Запас до провала при 55 % нагрузки  не рассчитывается для колпачковых тарелок");
}

}  // namespace
}  // namespace rc
