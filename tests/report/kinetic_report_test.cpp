#include <gtest/gtest.h>

#include <vector>

#include "model/text.h"
#include "report/format.h"
#include "report/printed_reports.h"
#include "report/screen_tables.h"
#include "support/design_fixtures.h"
#include "report_checks.h"
#include "support/recording_toolkit.h"

namespace rc {
namespace {

using namespace report_test;

// A line height with a quarter twip in it, so that the pen-derived rule positions land
// on halves and show how they are rounded.
constexpr double kLine = 180.25;
constexpr int kFrameTexts = 37;

DesignData KineticData() {
  DesignData data = EntryData(u"Петров");
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

Surface PrintedKinetic(const DesignData& data, char16_t separator = u'.', double line = kLine) {
  Surface printer = Printer(line);
  PrintKineticReport(printer, data, KineticRunOfRecord(data), kDate, separator);
  return printer;
}

TEST(PrintKineticReport, BeginsWithTheFrameAndItsTitle) {
  const Surface printer = PrintedKinetic(KineticData());
  const std::vector<DrawOp> texts = TextOps(printer.Ops());
  ASSERT_GT(texts.size(), 2u);
  EXPECT_EQ(texts[0].text.substr(0, 31), std::u16string(25, u' ') + u"Петров");
  EXPECT_EQ(texts[1].text, u"                              РАСЧЕТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ");
  EXPECT_TRUE(texts[1].bold);
}

// The rows are the screen table's rows with three more blanks, in the separator asked for.
TEST(PrintKineticReport, TableLinesStandAtTheirPlaces) {
  const DesignData data = KineticData();
  for (const char16_t sep : {u'.', u','}) {
    const Surface printer = PrintedKinetic(data, sep);
    const std::vector<DrawOp> all = TextOps(printer.Ops());
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
        expected.push_back({top + (i - 1) * kLine, u"   " + KineticTableRow(KineticRunOfRecord(data), table, i, sep)});
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
  // One row written out in full.
  EXPECT_EQ(TextOps(PrintedKinetic(data, u',').Ops()).at(kFrameTexts + 2).text,
            u"   1     0,0512           0,450            0,1235               0,6789");
}

TEST(PrintKineticReport, RulesBoxAndColumnLinesAreBlackAndRoundedHalvesToEven) {
  const Surface printer = PrintedKinetic(KineticData());
  // Rules: yA 8260.5 -> 8260, yB 9492, yC 10132.75 -> 10133, yD 11364.25 -> 11364,
  // yE 11644.25 -> 11644, yF 12284.75 -> 12285; the box bottom yG 13466.5 -> 13466.
  using K = DrawOp::Kind;
  const auto line = [](double x1, double y1, double x2, double y2) {
    return Figure{K::Line, x1, y1, x2, y2, kBlack};
  };
  const std::vector<Figure> expected = {
      line(1740, 8260, 9200, 8260),   line(1740, 9492, 9200, 9492),
      line(1740, 10133, 9200, 10133), line(1740, 11364, 9200, 11364),
      line(1740, 11644, 9200, 11644), line(1740, 12285, 9200, 12285),
      {K::Box, 1740, 7800, 9200, 13466, kBlack},
      line(1950, 7800, 1950, 11364),  line(3500, 7800, 3500, 11364),
      line(5000, 7800, 5000, 9492),   line(7030, 7800, 7030, 9492),
      line(1950, 11644, 1950, 13466), line(3400, 11644, 3400, 13466),
      line(5300, 11644, 5300, 13466), line(7000, 11644, 7000, 13466),
      line(5300, 9492, 5300, 11364),  line(7200, 9492, 7200, 11364),
  };
  EXPECT_EQ(Figures(printer.Ops()), expected);
}

TEST(PrintKineticReport, TablesMoveBelowAFrameThatReachesTheirHeight) {
  // 43 frame lines of 195 twips end at 8385, below the tables' usual top of 7850.
  const Surface printer = PrintedKinetic(KineticData(), u'.', 195);
  const std::vector<DrawOp> texts = TextOps(printer.Ops());
  ASSERT_GT(texts.size(), static_cast<std::size_t>(kFrameTexts));
  EXPECT_EQ(texts[kFrameTexts - 1].y1, 42 * 195);
  EXPECT_EQ(texts[kFrameTexts].y1, 8435);
  const std::vector<DrawOp> lines = TextOps(printer.Ops(), false);
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[6].kind, DrawOp::Kind::Box);
  EXPECT_EQ(lines[6].y1, 8385);
  for (std::size_t i = 7; i <= 10; ++i) EXPECT_EQ(lines[i].y1, 8385) << i;
}

}  // namespace
}  // namespace rc
