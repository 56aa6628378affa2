#include <gtest/gtest.h>

#include <vector>

#include "model/text.h"
#include "report/format.h"
#include "report/printed_reports.h"
#include "report/screen_tables.h"
#include "support/design_fixtures.h"
#include "support/recording_toolkit.h"

namespace rc {
namespace {

// A line height with a quarter twip in it, so that the pen-derived rule positions land
// on halves and show how they are rounded.
constexpr double kLine = 180.25;
constexpr int kFrameTexts = 36;
const std::u16string kDate = u" 07 декабря 2026г.        10:15:30";

DesignData KineticData() {
  DesignData data;
  PrepareForEntry(data);
  data.StudentName = u"Петров";
  for (int i = 0; i < 8; ++i) {
    data.EqX[i] = 0.1f * static_cast<float>(i) + 0.01f;
    data.EqY[i] = 0.11f * static_cast<float>(i) + 0.02f;
  }
  KineticPointArrays& k = data.KineticPoints;
  for (int i = 1; i <= 6; ++i) {
    const float f = static_cast<float>(i);
    k.ClearLiquidHeight[i] = 0.05123f * f;
    k.VapourContent[i] = 0.4f + 0.05f * f;
    k.VapourCoef[i] = 0.12345f * f;
    k.LiquidCoef[i] = 0.6789f * f;
    k.OverallCoef[i] = 0.0456f * f;
    k.NOY[i] = 1.25f * f;
    k.EY[i] = 0.5f + 0.01f * f;
    k.EMY[i] = 0.6f + 0.02f * f;
    k.OperatingY[i] = 0.3f + 0.05f * f;
    k.KineticY[i] = 0.35f + 0.05f * f;
  }
  return data;
}

Surface PrintedKinetic(const DesignData& data, char16_t separator = u'.') {
  Surface printer;
  printer.SetLineHeight(kLine);
  PrintKineticReport(printer, data, KineticRunOfRecord(data), kDate, separator);
  return printer;
}

std::vector<DrawOp> OpsOfKind(const Surface& s, bool texts) {
  std::vector<DrawOp> ops;
  for (const DrawOp& op : s.Ops()) {
    if ((op.kind == DrawOp::Kind::Text) == texts) ops.push_back(op);
  }
  return ops;
}

TEST(PrintKineticReport, BeginsWithTheFrameAndItsTitle) {
  const Surface printer = PrintedKinetic(KineticData());
  const std::vector<DrawOp> texts = OpsOfKind(printer, true);
  ASSERT_GT(texts.size(), 2u);
  EXPECT_EQ(texts[0].text.substr(0, 31), std::u16string(25, u' ') + u"Петров");
  EXPECT_EQ(texts[1].text, u"                              РАСЧЕТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ");
  EXPECT_TRUE(texts[1].bold);
}

TEST(PrintKineticReport, TableLinesStandAtTheirPlaces) {
  const DesignData data = KineticData();
  const Surface printer = PrintedKinetic(data);
  const std::vector<DrawOp> all = OpsOfKind(printer, true);
  ASSERT_EQ(all.size(), static_cast<std::size_t>(kFrameTexts + 2 + 6 + 3 + 6 + 1 + 3 + 6));
  const std::vector<DrawOp> texts(all.begin() + kFrameTexts, all.end());

  struct Expected {
    double y;
    std::u16string text;
  };
  std::vector<Expected> expected = {
      {7850, u"   N УРОВЕНЬ СВЕТЛОЙ ПАРОСОДЕРЖАНИЕ КОЭФ-Т МАССООТДАЧИ В КОЭФ-Т МАССООТДАЧИ В"},
      {7850 + kLine, u"       ЖИДКОСТИ, М                   ПАРЕ, КМОЛЬ/С*М^2   ЖИД-ТИ, КМОЛЬ/C*М^2"},
  };
  auto rows = [&](double top, int table) {
    for (int i = 1; i <= 6; ++i) {
      expected.push_back({top + (i - 1) * kLine, u"   " + KineticTableRow(KineticRunOfRecord(data), table, i, u'.')});
    }
  };
  rows(8310.5, 1);
  expected.push_back({9542, u"       КОЭФФИЦИЕНТ   ЧИСЛО ЕДИНИЦ ПЕ-      ЛОКАЛЬНАЯ          ЭФФЕКТИВНОСТЬ"});
  expected.push_back({9542 + kLine, u"   N  МАССОПЕРЕДАЧИ  РЕНОСА В ПАРОВОЙ   ЭФФЕКТИВНОСТЬ ПО       ТАРЕЛКИ ПО"});
  expected.push_back({9542 + 2 * kLine, u"      КМОЛЬ/(С*М^2)    ФАЗЕ, (NOY)         МЭРФРИ, (EY)       МЭРФРИ, (EMY)"});
  rows(10182.75, 2);
  expected.push_back({11414, u"              СОДЕРЖАНИЕ НИЗКОКИПЯЩЕГО КОМПОНЕНТА В МОЛЬНЫХ ДОЛЯХ:"});
  expected.push_back({11694, u"       В ЖИДКОСТИ,    РАВНОВЕСНОЕ  В        В ПАРЕ,         В ПАРЕ НА ВЫХОДЕ"});
  expected.push_back({11694 + kLine, u"   N   ПОКИДАЮЩЕЙ    ПАРЕ С ЖИДКОСТЬЮ     ПОСТУПАЮЩЕМ         С ТАРЕЛКИ НА"});
  expected.push_back({11694 + 2 * kLine, u"         ТАРЕЛКУ     НА ВЫХ.С ТАРЕЛКИ      НА ТАРЕЛКУ      КИНЕТИЧЕСКОЙ ЛИНИИ "});
  rows(12335, 3);

  ASSERT_EQ(texts.size(), expected.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].x1, 1500) << i;
    EXPECT_EQ(texts[i].y1, expected[i].y) << i;
    EXPECT_EQ(texts[i].text, expected[i].text) << i;
    EXPECT_EQ(texts[i].colour, kBlack) << i;
    EXPECT_FALSE(texts[i].bold) << i;
  }
}

TEST(PrintKineticReport, RulesBoxAndColumnLinesAreBlackAndRoundedHalvesToEven) {
  const Surface printer = PrintedKinetic(KineticData());
  // Rules: yA 8260.5 -> 8260, yB 9492, yC 10132.75 -> 10133, yD 11364.25 -> 11364,
  // yE 11644.25 -> 11644, yF 12284.75 -> 12285; the box bottom yG 13466.5 -> 13466.
  using K = DrawOp::Kind;
  struct Expected {
    K kind;
    double x1, y1, x2, y2;
  };
  const Expected expected[] = {
      {K::Line, 1740, 8260, 9200, 8260},   {K::Line, 1740, 9492, 9200, 9492},
      {K::Line, 1740, 10133, 9200, 10133}, {K::Line, 1740, 11364, 9200, 11364},
      {K::Line, 1740, 11644, 9200, 11644}, {K::Line, 1740, 12285, 9200, 12285},
      {K::Box, 1740, 7800, 9200, 13466},
      {K::Line, 1950, 7800, 1950, 11364},  {K::Line, 3500, 7800, 3500, 11364},
      {K::Line, 5000, 7800, 5000, 9492},   {K::Line, 6870, 7800, 6870, 9492},
      {K::Line, 1950, 11644, 1950, 13466}, {K::Line, 3400, 11644, 3400, 13466},
      {K::Line, 5300, 11644, 5300, 13466}, {K::Line, 7000, 11644, 7000, 13466},
      {K::Line, 5300, 9492, 5300, 11364},  {K::Line, 7200, 9492, 7200, 11364},
  };
  const std::vector<DrawOp> lines = OpsOfKind(printer, false);
  ASSERT_EQ(lines.size(), std::size(expected));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Expected& e = expected[i];
    EXPECT_EQ(lines[i].kind, e.kind) << i;
    EXPECT_EQ(lines[i].x1, e.x1) << i;
    EXPECT_EQ(lines[i].y1, e.y1) << i;
    EXPECT_EQ(lines[i].x2, e.x2) << i;
    EXPECT_EQ(lines[i].y2, e.y2) << i;
    EXPECT_EQ(lines[i].colour, kBlack) << i;
  }
}

TEST(PrintKineticReport, TablesMoveBelowAFrameThatReachesTheirHeight) {
  // 42 frame lines of 195 twips end at 8190, below the tables' usual top of 7850.
  Surface printer;
  printer.SetLineHeight(195);
  PrintKineticReport(printer, KineticData(), KineticRunOfRecord(KineticData()), kDate, u'.');
  const std::vector<DrawOp> texts = OpsOfKind(printer, true);
  ASSERT_GT(texts.size(), static_cast<std::size_t>(kFrameTexts));
  EXPECT_EQ(texts[kFrameTexts - 1].y1, 41 * 195);
  EXPECT_EQ(texts[kFrameTexts].y1, 8240);
  const std::vector<DrawOp> lines = OpsOfKind(printer, false);
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[6].kind, DrawOp::Kind::Box);
  EXPECT_EQ(lines[6].y1, 8190);
  for (std::size_t i = 7; i <= 10; ++i) EXPECT_EQ(lines[i].y1, 8190) << i;
}

// The rows as the screen table writes them, built here from the number fields.
std::u16string ExpectedRow(const DesignData& d, int table, int i, char16_t sep) {
  const KineticPointArrays& k = d.KineticPoints;
  std::u16string row = DecimalText(i) + u" ";
  switch (table) {
    case 1:
      return row + FormatFixed(k.ClearLiquidHeight[i], 10, 4, sep) + Spaces(6) +
             FormatFixed(k.VapourContent[i], 10, 3, sep) + Spaces(5) +
             FormatFixed(k.VapourCoef[i], 13, 4, sep) + Spaces(8) +
             FormatFixed(k.LiquidCoef[i], 13, 4, sep);
    case 2:
      return row + FormatFixed(k.OverallCoef[i], 10, 4, sep) + Spaces(6) +
             FormatFixed(k.NOY[i], 11, 3, sep) + Spaces(6) + FormatFixed(k.EY[i], 14, 3, sep) +
             Spaces(7) + FormatFixed(k.EMY[i], 12, 3, sep);
    default:
      return row + FormatFixed(d.EqX[i], 10, 4, sep) + Spaces(6) +
             FormatFixed(d.EqY[i], 11, 4, sep) + Spaces(6) +
             FormatFixed(k.OperatingY[i], 14, 4, sep) + Spaces(7) +
             FormatFixed(k.KineticY[i], 12, 4, sep);
  }
}

// Needs the screen table's row texts; until they are built this test is skipped.
TEST(PrintKineticReport, RowsCarryTheScreenRowsNumbersWithThreeMoreBlanks) {
  const DesignData data = KineticData();
  if (KineticTableRow(KineticRunOfRecord(data), 1, 1, u'.').empty()) {
    GTEST_SKIP() << "the screen table's rows are not built in this tree yet";
  }
  const Surface printer = PrintedKinetic(data, u',');
  const std::vector<DrawOp> all = OpsOfKind(printer, true);
  const std::size_t firstRow[] = {kFrameTexts + 2, kFrameTexts + 11, kFrameTexts + 21};
  for (int table = 1; table <= 3; ++table) {
    for (int i = 1; i <= 6; ++i) {
      const std::size_t at = firstRow[table - 1] + static_cast<std::size_t>(i - 1);
      ASSERT_LT(at, all.size());
      EXPECT_EQ(all[at].text, u"   " + ExpectedRow(data, table, i, u',')) << table << " " << i;
    }
  }
  // One row written out in full.
  EXPECT_EQ(all[kFrameTexts + 2].text,
            u"   1     0,0512           0,450            0,1235               0,6789");
}

}  // namespace
}  // namespace rc
