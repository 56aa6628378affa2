#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "report/screen_tables.h"
#include "report_checks.h"
#include "support/recording_toolkit.h"

namespace rc {
namespace {

using namespace report_test;
using Kind = DrawOp::Kind;

constexpr TrayResult kTray{0.0456f, 0.789f, 0.1234f, 2.5f, 0.0987f, 1.25f, 0.7135f, 0.65f};
constexpr TrayBlock kFirstTray{1, kTray, 0.1f, 0.2f};
constexpr TrayBlock kTray12{12, kTray, 0.55f, 0.975f};

// The rules, frames, panels and column lines of one block, dy twips down.
std::vector<Figure> ExpectedBlock(double dy) {
  const Colour blue = 0xFF0000, pink = 0xFF80FF;
  std::vector<Figure> figures;
  const auto line = [&](double x1, double y1, double x2, double y2) {
    figures.emplace_back(Kind::Line, x1, y1 + dy, x2, y2 + dy, blue);
  };
  // A pink panel framed in blue one twip inside, its rules and its column lines.
  const auto panel = [&](double top, double bottom, std::initializer_list<double> rules,
                         std::initializer_list<double> columns, double columnsTop) {
    figures.emplace_back(Kind::FilledBox, 1500, top + dy, 10500, bottom + dy, pink);
    figures.emplace_back(Kind::Box, 1501, top + 1 + dy, 10499, bottom - 1 + dy, blue);
    for (double y : rules) line(1500, y, 10500, y);
    for (double x : columns) line(x, columnsTop, x, bottom);
  };
  panel(500, 1950, {900, 1650}, {3300, 5100, 6840, 8700}, 900);
  panel(2150, 3200, {2900, 3200}, {3300, 4980, 6900}, 2150);
  line(8700, 2900, 8700, 3200);
  return figures;
}

// The results window counts the blocks in TrayTableRow (see the results window's tests).
TEST(TrayTable, TwoBlocksStackThreeThousandTwipsApart) {
  Surface s;
  DrawTrayTable(s, kFirstTray, 1, 12000, u'.');
  DrawTrayTable(s, kTray12, 2, 12000, u'.');

  std::vector<Figure> expected = ExpectedBlock(0);
  const std::vector<Figure> second = ExpectedBlock(3000);
  expected.insert(expected.end(), second.begin(), second.end());
  EXPECT_EQ(Figures(s.Ops()), expected);
}

TEST(TrayTable, TextsStandAtFixedPlacesWhateverTheLineHeight) {
  Surface s;
  s.SetLineHeight(300);
  DrawTrayTable(s, kFirstTray, 1, 12000, u'.');
  DrawTrayTable(s, kTray12, 2, 12000, u'.');
  std::vector<std::tuple<double, double, std::u16string, bool>> texts;
  for (const DrawOp& op : s.Ops()) {
    if (op.kind == Kind::Text) texts.emplace_back(op.x1, op.y1, op.text, op.bold);
  }
  ASSERT_EQ(texts.size(), 1u + 2 * 9);
  EXPECT_EQ(texts[0], std::make_tuple(3000.0, 100.0, std::u16string(u"ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННЫХ КОЛОНН"), true));
  EXPECT_EQ(texts[1], std::make_tuple(5000.0, 600.0, std::u16string(u"НОМЕР ТАРЕЛКИ - 1"), false));
  // The second block: no title, label for tray 12, everything 3000 lower.
  EXPECT_EQ(texts[10], std::make_tuple(5000.0, 3600.0, std::u16string(u"НОМЕР ТАРЕЛКИ - 12"), false));
  const double ys[] = {600, 1000, 1200, 1400, 1750, 2250, 2450, 2650, 3000};
  for (int block = 0; block < 2; ++block) {
    for (int k = 1; k < 9; ++k) {
      const auto& [x, y, text, bold] = texts[1 + 9 * block + k];
      EXPECT_EQ(x, 1560) << block << "/" << k;
      EXPECT_EQ(y, ys[k] + 3000 * block) << block << "/" << k;
      EXPECT_FALSE(bold);
    }
  }
  EXPECT_EQ(std::get<2>(texts[7]),
            u"РЕНОСА В ПАРЕ,  ФЕКТИВНОСТЬ,   ТАРЕЛКИ, ЕМУ    ЛИНИИ (КОНЦ-ИИ \u201A В ФАЗАХ НА");
}

TEST(TrayTable, RowsHoldTheTraysResultsAndItsCompositions) {
  Surface s;
  DrawTrayTable(s, kTray12, 1, 12000, u'.');
  const auto texts = s.Texts();
  ASSERT_EQ(texts.size(), 9u);  // no title for a tray other than 1
  EXPECT_EQ(texts[4], u"    0.0456" u"     " u"    0.7890" u"     " u"    0.1234" u"      " u"   2.5000"
                      u"     " u"    0.0987");
  EXPECT_EQ(texts[8], u"   1.2500" u"     " u"    0.7135" u"     " u"    0.6500" u"     " u"    0.5500"
                      u"      " u"   0.9750");
  EXPECT_EQ(TraySecondRow(kTray, 0.1f, 0.2f, u','),
            u"   1,2500" u"     " u"    0,7135" u"     " u"    0,6500" u"     " u"    0,1000" u"      "
            u"   0,2000");
}

TEST(TrayTable, AValueTooWideForItsFieldShiftsTheRestOfItsRow) {
  TrayResult tray{0.0456f, 0.789f, 0.1234f, 12345.5f, 0.0987f};
  const std::u16string row = TrayFirstRow(tray, u'.');
  EXPECT_EQ(row, u"    0.0456" u"     " u"    0.7890" u"     " u"    0.1234" u"      " u"12345.5000" u"     "
                 u"    0.0987");
  EXPECT_EQ(row.size(), 71u);
}

TEST(TrayTable, BlockIsCentredWithHalvesRoundedToEven) {
  EXPECT_EQ(CentredLeft(12000, 9000), 1500);
  EXPECT_EQ(CentredLeft(12001, 9000), 1500);  // 1500.5
  EXPECT_EQ(CentredLeft(12003, 9000), 1502);  // 1501.5
  Surface s;
  DrawTrayTable(s, kFirstTray, 1, 12003, u'.');
  EXPECT_EQ(s.Ops().at(1).x1, 1502);  // the first panel
}

TEST(TraySummaryText, NumbersFollowOneBlankOrTheirMinusSign) {
  EXPECT_EQ(TraySummaryText(15, 7),
            u"  ОБЩЕЕ ЧИСЛО ТАРЕЛОК   =  15       НОМЕР ТАРЕЛКИ ПИТАНИЯ =  7");
  EXPECT_EQ(TraySummaryText(1, 200),
            u"  ОБЩЕЕ ЧИСЛО ТАРЕЛОК   =  1       НОМЕР ТАРЕЛКИ ПИТАНИЯ =  200");
  EXPECT_EQ(TraySummaryText(120, -1),
            u"  ОБЩЕЕ ЧИСЛО ТАРЕЛОК   =  120       НОМЕР ТАРЕЛКИ ПИТАНИЯ = -1");
}
}  // namespace
}  // namespace rc
