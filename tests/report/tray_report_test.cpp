#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "report/printed_reports.h"
#include "support/design_fixtures.h"
#include "support/recording_toolkit.h"

namespace rc {
namespace {

constexpr double kLine = 180;
constexpr int kFrameTexts = 36;
constexpr int kTextsPerBlock = 9;
const std::u16string kDate = u" 07 декабря 2026г.        10:15:30";

DesignData TrayData() {
  DesignData data;
  PrepareForEntry(data);
  data.StudentName = u"Сидорова";
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

Surface PrintedTrays(DesignData& data, double pageHeight = 0, double line = kLine) {
  Surface printer;
  printer.SetLineHeight(line);
  printer.SetPageHeight(pageHeight);
  PrintTrayReport(printer, data, TrayRunOfRecord(data), kDate, u',');
  return printer;
}

std::vector<DrawOp> Texts(const std::vector<DrawOp>& ops) {
  std::vector<DrawOp> texts;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Text) texts.push_back(op);
  }
  return texts;
}

std::vector<DrawOp> Drawn(const std::vector<DrawOp>& ops) {
  std::vector<DrawOp> lines;
  for (const DrawOp& op : ops) {
    if (op.kind != DrawOp::Kind::Text) lines.push_back(op);
  }
  return lines;
}

TEST(PrintTrayReport, PrintsThreeBlocksFirstFeedLast) {
  DesignData data = TrayData();
  const Surface printer = PrintedTrays(data);

  const std::vector<DrawOp> texts = Texts(printer.Ops());
  ASSERT_EQ(texts.size(), static_cast<std::size_t>(kFrameTexts + 3 * kTextsPerBlock));
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
  DesignData data = TrayData();
  const Surface printer = PrintedTrays(data);
  const std::vector<DrawOp> texts = Texts(printer.Ops());
  ASSERT_EQ(texts.size(), static_cast<std::size_t>(kFrameTexts + 3 * kTextsPerBlock));

  // Frame 42 lines and 2 empty ones; each block takes 13 lines. Within a block: the
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
    const double top = (44 + 13 * k) * kLine;
    for (int j = 0; j < kTextsPerBlock; ++j) {
      const DrawOp& op = texts[static_cast<std::size_t>(kFrameTexts + k * kTextsPerBlock + j)];
      EXPECT_EQ(op.y1, top + lineInBlock[j] * kLine) << k << " " << j;
      if (j > 0) {
        EXPECT_EQ(op.x1, 1500) << k << " " << j;
      }
    }
    const std::size_t b = static_cast<std::size_t>(kFrameTexts + k * kTextsPerBlock);
    EXPECT_EQ(texts[b + 1].text, headings[0]);
    EXPECT_EQ(texts[b + 2].text, headings[1]);
    EXPECT_EQ(texts[b + 3].text, headings[2]);
    EXPECT_EQ(texts[b + 5].text, headings[3]);
    EXPECT_EQ(texts[b + 6].text, headings[4]);
    EXPECT_EQ(texts[b + 7].text, headings[5]);
  }
  EXPECT_EQ(printer.CurrentY, (44 + 39) * kLine);
}

TEST(PrintTrayReport, RowsHaveTheirFieldsAndLeadingBlanks) {
  DesignData data = TrayData();
  const Surface printer = PrintedTrays(data);
  const std::vector<DrawOp> texts = Texts(printer.Ops());
  ASSERT_EQ(texts.size(), static_cast<std::size_t>(kFrameTexts + 3 * kTextsPerBlock));
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
  DesignData data = TrayData();
  const Surface printer = PrintedTrays(data);
  const std::vector<DrawOp> lines = Drawn(printer.Ops());
  ASSERT_EQ(lines.size(), 3u * 13u);

  using K = DrawOp::Kind;
  struct Expected {
    K kind;
    double x1, y1, x2, y2;
  };
  for (int k = 0; k < 3; ++k) {
    const double s = (44 + 13 * k) * kLine;  // the tray line's y
    // Worked out by hand from the pen after each line: yT = s - 20, yU = s + 185,
    // yH = s + 735, yR = s + 930, yT2 = s + 1060, yH2 = s + 1635, yR2 = s + 1830.
    const Expected expected[] = {
        {K::Line, 1740, s + 185, 9200, s + 185},  {K::Line, 1740, s + 735, 9200, s + 735},
        {K::Box, 1740, s - 20, 9200, s + 930},    {K::Line, 3220, s + 185, 3220, s + 930},
        {K::Line, 4600, s + 185, 4600, s + 930},  {K::Line, 6100, s + 185, 6100, s + 930},
        {K::Line, 7620, s + 185, 7620, s + 930},  {K::Box, 1740, s + 1060, 9200, s + 1830},
        {K::Line, 1740, s + 1635, 9200, s + 1635}, {K::Line, 3220, s + 1060, 3220, s + 1830},
        {K::Line, 4600, s + 1060, 4600, s + 1830}, {K::Line, 6100, s + 1060, 6100, s + 1830},
        {K::Line, 7620, s + 1635, 7620, s + 1830},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
      const DrawOp& op = lines[static_cast<std::size_t>(k) * 13 + i];
      const Expected& e = expected[i];
      EXPECT_EQ(op.kind, e.kind) << k << " " << i;
      EXPECT_EQ(op.x1, e.x1) << k << " " << i;
      EXPECT_EQ(op.y1, e.y1) << k << " " << i;
      EXPECT_EQ(op.x2, e.x2) << k << " " << i;
      EXPECT_EQ(op.y2, e.y2) << k << " " << i;
      EXPECT_EQ(op.colour, kBlack) << k << " " << i;
    }
  }
}

TEST(PrintTrayReport, PenDerivedPositionsAreWholeTwips) {
  DesignData data = TrayData();
  const Surface printer = PrintedTrays(data, 0, 187.3);
  for (const DrawOp& op : Drawn(printer.Ops())) {
    EXPECT_EQ(op.y1, std::nearbyint(op.y1));
    EXPECT_EQ(op.y2, std::nearbyint(op.y2));
  }
}

}  // namespace
}  // namespace rc
