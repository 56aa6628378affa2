#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "report/printed_reports.h"
#include "support/design_fixtures.h"
#include "report_checks.h"
#include "support/recording_toolkit.h"

namespace rc {
namespace {

using namespace report_test;

constexpr double kLine = 180;
constexpr int kFrameTexts = 37;
constexpr int kTextsPerBlock = 9;

DesignData TrayData() {
  DesignData data = EntryData(u"Сидорова");
  RecordedTrayRows& t = data.RecordedTrays;
  t.TrayNo = {0, 1, 7, 23};
  for (int k = 1; k <= 3; ++k) {
    const float f = static_cast<float>(k);
    t.ClearLiquidHeight[k] = 0.05123f * f;
    t.VapourContent[k] = 0.5f;
    t.VapourCoef[k] = 1.23456f * f;
    t.LiquidCoef[k] = 12.5f * f;
    t.OverallCoef[k] = 0.0456f * f;
    t.NOY[k] = 2.5f * f;
    t.EY[k] = 0.61f;
    t.EMY[k] = 0.72f;
    t.LiquidX[k] = 0.1f * f;
    t.VapourY[k] = 0.15f * f;
  }
  t.OverallCoef[3] = 100000.0f;  // too wide for its field: printed whole
  return data;
}

Surface PrintedTrays(const DesignData& data, double line = kLine) {
  Surface printer = Printer(line);
  PrintTrayReport(printer, data, TrayRunOfRecord(data), kDate, u',');
  return printer;
}

// The texts of a report of three blocks: the frame's and the blocks'. Fewer or more are
// a failure; the list is then cut or filled to that count, to be read on safely.
std::vector<DrawOp> ReportTexts(const Surface& printer) {
  std::vector<DrawOp> texts = TextOps(printer.Ops());
  EXPECT_EQ(texts.size(), static_cast<std::size_t>(kFrameTexts + 3 * kTextsPerBlock));
  texts.resize(kFrameTexts + 3 * kTextsPerBlock);
  return texts;
}

TEST(PrintTrayReport, PrintsThreeBlocksFirstFeedLast) {
  const Surface printer = PrintedTrays(TrayData());
  const std::vector<DrawOp> texts = ReportTexts(printer);
  EXPECT_EQ(texts[1].text,
            u"                           ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННЫХ КОЛОНН ");
  EXPECT_TRUE(texts[1].bold);

  struct TrayLine {
    double x;
    std::u16string text;
  };
  const TrayLine trayLines[] = {
      {4500, u"НОМЕР ТАРЕЛКИ - 1"},
      {3700, u"НОМЕР ТАРЕЛКИ - 7 (ТАРЕЛКА ПИТАНИЯ)"},
      {3700, u"НОМЕР ТАРЕЛКИ - 23 (ПОСЛЕДНЯЯ ТАРЕЛКА)"},
  };
  for (int k = 0; k < 3; ++k) {
    const DrawOp& line = texts[kFrameTexts + k * kTextsPerBlock];
    EXPECT_EQ(line.text, trayLines[k].text) << k;
    EXPECT_EQ(line.x1, trayLines[k].x) << k;
  }
}

TEST(PrintTrayReport, BlockTextsFollowTheFrameLineByLine) {
  const Surface printer = PrintedTrays(TrayData());
  const std::vector<DrawOp> texts = ReportTexts(printer);

  // Frame 43 lines and 2 empty ones; each block takes 13 lines. Within a block: the
  // tray line, three headings, the first row, an empty line, three headings, the row.
  const int lineInBlock[] = {0, 1, 2, 3, 4, 6, 7, 8, 9};
  const std::u16string headings[] = {
      u"   УРОВЕНЬ СВЕТ-    ПАРОСОДЕР-   КОЭФ.МАССООТ-  КОЭФ. МАССООТ- КОЭФ. МАССОПЕ-",
      u"    ЛОЙ ЖИД-СТИ       ЖАНИЕ       ДАЧИ В ПАРЕ,   ДАЧИ В Ж-ТИ,    РЕДАЧИ, КУ",
      u"          М                       КМОЛЬ/С*М^2    КМОЛЬ/С*М^2    КМОЛЬ/С*М^2",
      u"   ЧИСЛО ЕД-Ц ПЕ- ЛОКАЛЬНАЯ ЭФ-  ЭФФЕКТИВНОСТЬ    КООРДИНАТЫ ТОЧЕК КИНЕТИЧ.",
      u"   РЕНОСА В ПАРЕ,  ФЕКТИВНОСТЬ,   ТАРЕЛКИ, ЕМУ    ЛИНИИ (КОНЦ-ИИ ‚ В ФАЗАХ НА",
      u"         NOY             EY       (КАЖУЩАЯСЯ)   ВЫХОДЕ С ТАРЕЛКИ), МОЛЬН.ДОЛИ",
  };
  for (int k = 0; k < 3; ++k) {
    const double top = (45 + 13 * k) * kLine;
    for (int j = 0; j < kTextsPerBlock; ++j) {
      const DrawOp& op = texts[static_cast<std::size_t>(kFrameTexts + k * kTextsPerBlock + j)];
      EXPECT_EQ(op.y1, top + lineInBlock[j] * kLine) << k << " " << j;
      if (j > 0) {
        EXPECT_EQ(op.x1, 1500) << k << " " << j;
      }
    }
    const std::size_t b = static_cast<std::size_t>(kFrameTexts + k * kTextsPerBlock);
    const std::size_t headingAt[] = {1, 2, 3, 5, 6, 7};
    for (int h = 0; h < 6; ++h) EXPECT_EQ(texts[b + headingAt[h]].text, headings[h]) << k << " " << h;
  }
  EXPECT_EQ(printer.CurrentY, (45 + 39) * kLine);
}

TEST(PrintTrayReport, RowsHaveTheirFieldsAndLeadingBlanks) {
  const Surface printer = PrintedTrays(TrayData());
  const std::vector<DrawOp> texts = ReportTexts(printer);
  const std::size_t first = kFrameTexts;
  const std::size_t last = kFrameTexts + 2 * kTextsPerBlock;
  EXPECT_EQ(texts[first + 4].text,
            u"       0,0512         0,5000         1,2346        12,5000         0,0456");
  EXPECT_EQ(texts[first + 8].text,
            u"       2,5000         0,6100         0,7200         0,1000         0,1500");
  EXPECT_EQ(texts[last + 4].text,
            u"       0,1537         0,5000         3,7037        37,5000     100000,0000");
}

TEST(PrintTrayReport, BoxesRulesAndColumnLinesOfEachBlock) {
  const Surface printer = PrintedTrays(TrayData());
  using K = DrawOp::Kind;
  std::vector<Figure> expected;
  for (int k = 0; k < 3; ++k) {
    const double s = (45 + 13 * k) * kLine;  // the tray line's y
    const auto figure = [&](K kind, double x1, double y1, double x2, double y2) {
      expected.emplace_back(kind, x1, s + y1, x2, s + y2, kBlack);
    };
    // Worked out by hand from the pen after each line: yT = s - 20, yU = s + 185,
    // yH = s + 735, yR = s + 930, yT2 = s + 1060, yH2 = s + 1635, yR2 = s + 1830.
    figure(K::Line, 1740, 185, 9200, 185);
    figure(K::Line, 1740, 735, 9200, 735);
    figure(K::Box, 1740, -20, 9200, 930);
    for (double x : {3220, 4600, 6100, 7620}) figure(K::Line, x, 185, x, 930);
    figure(K::Box, 1740, 1060, 9200, 1830);
    figure(K::Line, 1740, 1635, 9200, 1635);
    for (double x : {3220, 4600, 6100}) figure(K::Line, x, 1060, x, 1830);
    figure(K::Line, 7620, 1635, 7620, 1830);
  }
  EXPECT_EQ(Figures(printer.Ops()), expected);
}

TEST(PrintTrayReport, PenDerivedPositionsAreWholeTwips) {
  for (const DrawOp& op : TextOps(PrintedTrays(TrayData(), 187.3).Ops(), false)) {
    EXPECT_EQ(op.y1, std::nearbyint(op.y1));
    EXPECT_EQ(op.y2, std::nearbyint(op.y2));
  }
}

}  // namespace
}  // namespace rc
