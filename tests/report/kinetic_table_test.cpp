#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "report/screen_tables.h"
#include "support/design_fixtures.h"
#include "report_checks.h"
#include "support/recording_toolkit.h"

namespace rc {
namespace {

using namespace report_test;
using Kind = DrawOp::Kind;

std::vector<DrawOp> OfKind(const Surface& s, Kind kind) {
  std::vector<DrawOp> ops;
  for (const DrawOp& op : s.Ops()) {
    if (op.kind == kind) ops.push_back(op);
  }
  return ops;
}

DesignData SampleResults() {
  DesignData data;
  data.TrayType = kBubbleCapTrays;
  for (int i = 1; i <= 6; ++i) {
    auto& k = data.KineticPoints;
    k.ClearLiquidHeight[i] = 0.05123f;
    k.VapourContent[i] = 0.6f;
    k.VapourCoef[i] = 0.012345f;
    k.LiquidCoef[i] = 1.5f;
    k.OverallCoef[i] = 0.0098f;
    k.NOY[i] = 2.5f;
    k.EY[i] = 0.9f;
    k.EMY[i] = 0.75f;
    k.OperatingY[i] = 0.3125f;
    k.KineticY[i] = 0.38f;
    data.EqX[i] = 0.125f * i;
    data.EqY[i] = 0.2f * i;
  }
  return data;
}

// The kinetic table of data drawn on a fresh surface (lines of 195 twips).
Surface Drawn(const DesignData& data, double width = 12000) {
  Surface s;
  DrawKineticTable(s, KineticRunOfRecord(data), width, u'.');
  return s;
}

std::u16string Row(const DesignData& data, int table, int i, char16_t sep = u'.') {
  return KineticTableRow(KineticRunOfRecord(data), table, i, sep);
}

TEST(KineticTable, PanelTitleAndHeadingSitWhereTheTwelveThousandTwipWindowPutsThem) {
  const Surface s = Drawn(SampleResults());
  const DrawOp& title = s.Ops().at(0);
  EXPECT_EQ(title.text, u"РАСЧЕТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ");
  EXPECT_EQ(title.x1, 3375);
  EXPECT_EQ(title.y1, 200);
  EXPECT_TRUE(title.bold);


  const DrawOp& heading = s.Ops().at(3);
  EXPECT_EQ(heading.text, u"                            ТАРЕЛКИ КОЛПАЧКОВЫЕ");
  EXPECT_EQ(std::make_pair(heading.x1, heading.y1), std::make_pair(1475.0, 600.0));
  EXPECT_FALSE(heading.bold);
  // Everything after the title is in regular weight, and the pen ends below table 3.
  EXPECT_FALSE(s.FontBold);
  EXPECT_EQ(s.CurrentY, 6860);
}

// The pink panel in its red frame, then the red rules and column lines.
TEST(KineticTable, PanelRulesAndColumnLinesFollowThePenWithA195TwipLine) {
  const Surface s = Drawn(SampleResults());  // line height 195
  const Colour red = 0xFF0000;
  std::vector<Figure> expected = {{Kind::FilledBox, 1475, 545, 10525, 7025, 0xFFC0C0},
                                  {Kind::Box, 1476, 546, 10524, 7024, red}};
  auto rule = [&](double y) { expected.emplace_back(Kind::Line, 1475, y, 10525, y, red); };
  auto columns = [&](std::initializer_list<double> xs, double from, double to) {
    for (double x : xs) expected.emplace_back(Kind::Line, x, from, x, to, red);
  };
  rule(845);
  rule(1335);
  rule(2655);
  columns({1725, 3625, 5425, 7945}, 845, 2655);
  rule(3340);
  rule(4660);
  columns({1725, 3575, 5705, 8175}, 2655, 4660);
  rule(4955);
  rule(5640);
  columns({1725, 3575, 5705, 8175}, 6910, 4955);  // drawn from below table 3 up to its top
  EXPECT_EQ(Figures(s.Ops()), expected);
}

TEST(KineticTable, HeaderAndRowLinesStartAtTheirOwnMargins) {
  const DesignData data = SampleResults();
  const Surface s = Drawn(data);
  std::vector<std::tuple<double, double>> places;
  for (const DrawOp& op : OfKind(s, Kind::Text)) places.emplace_back(op.x1, op.y1);
  std::vector<std::tuple<double, double>> expected{{3375, 200}, {1475, 600}, {1525, 895}, {1525, 1090}};
  for (int i = 0; i < 6; ++i) expected.emplace_back(1525, 1385 + 195 * i);
  expected.insert(expected.end(), {{1475, 2705}, {1525, 2900}, {1475, 3095}});
  for (int i = 0; i < 6; ++i) expected.emplace_back(1525, 3390 + 195 * i);
  expected.insert(expected.end(), {{1525, 4710}, {1525, 5005}, {1525, 5200}, {1525, 5395}});
  for (int i = 0; i < 6; ++i) expected.emplace_back(1525, 5690 + 195 * i);
  EXPECT_EQ(places, expected);

  const auto texts = s.Texts();
  ASSERT_EQ(texts.size(), 29u);
  EXPECT_EQ(texts[5], Row(data, 1, 2));
  EXPECT_EQ(texts[15], Row(data, 2, 3));
  EXPECT_EQ(texts[28], Row(data, 3, 6));
  EXPECT_EQ(texts[22], u"      ТАРЕЛКУ     НА ВЫХ.С ТАРЕЛКИ      НА ТАРЕЛКУ      КИНЕТИЧЕСКОЙ ЛИНИИ ");
}

TEST(KineticTable, RowsPutEachNumberInItsFieldBetweenFixedRunsOfBlanks) {
  DesignData data = SampleResults();
  EXPECT_EQ(Row(data, 1, 1),
            u"1 "
            u"    0.0512" u"      " u"     0.600" u"     " u"       0.0123" u"        " u"       1.5000");
  EXPECT_EQ(Row(data, 2, 4),
            u"4 "
            u"    0.0098" u"      " u"      2.500" u"      " u"         0.900" u"       " u"       0.750");
  data.EqX[2] = 0.25f;
  data.EqY[2] = 0.4f;
  EXPECT_EQ(Row(data, 3, 2, u','),
            u"2 "
            u"    0,2500" u"      " u"     0,4000" u"      " u"        0,3125" u"       " u"      0,3800");
  EXPECT_EQ(Row(data, 1, 1).size(), 67u);
  EXPECT_EQ(Row(data, 2, 1).size(), 68u);
  EXPECT_EQ(Row(data, 3, 1).size(), 68u);
}

TEST(KineticTable, ANumberTooWideForItsFieldIsPrintedWholeAndShiftsTheRestOfItsRow) {
  DesignData data = SampleResults();
  data.KineticPoints.OverallCoef[1] = 100000.0f;
  const std::u16string row = Row(data, 2, 1);
  EXPECT_EQ(row, u"1 100000.0000      " u"      2.500" u"      " u"         0.900" u"       " u"       0.750");
  EXPECT_EQ(row.size(), 69u);
}

struct HeadingCase {
  std::int32_t trayType;
  float areaRatio;
  const char16_t* heading;
};

TEST(KineticTable, TrayKindLineTestsTrayTypeBeforeTheAreaRatio) {
  const HeadingCase cases[] = {
      {kBubbleCapTrays, 1.0f, u"                            ТАРЕЛКИ КОЛПАЧКОВЫЕ"},
      {kBubbleCapTrays, 0.5f, u"                            ТАРЕЛКИ КОЛПАЧКОВЫЕ"},
      {kTraysWithoutCaps, 1.0f, u"                            ТАРЕЛКИ ПРОВАЛЬНЫЕ"},
      {kTraysWithoutCaps, 0.9999f, u"                      ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ"},
      {kTrayTypeNotChosen, 1.0f, u"                            ТАРЕЛКИ ПРОВАЛЬНЫЕ"},
  };
  for (const HeadingCase& c : cases) {
    DesignData data = SampleResults();
    data.TrayType = c.trayType;
    data.ParamValue[kParamAreaRatio] = c.areaRatio;
    EXPECT_EQ(Drawn(data).Texts().at(1), c.heading) << "TrayType " << c.trayType << ", ratio " << c.areaRatio;
  }
}

TEST(KineticTable, PositionsTakenFromThePenAndTheWidthRoundHalvesToEven) {
  Surface s;
  // Header lines end at 894 + 2 * 194.25 = 1282.5, so the second rule falls on 1332.5.
  s.SetLineHeight(194.25);
  DrawKineticTable(s, KineticRunOfRecord(SampleResults()), 12003, u'.');  // 6001.5 - 4525 = 1476.5
  const auto lines = OfKind(s, Kind::Line);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0].y1, 844);
  EXPECT_EQ(lines[1].y1, 1332);
  EXPECT_EQ(lines[0].x1, 1476);
  EXPECT_EQ(lines[0].x2, 1476 + 9050);
  EXPECT_EQ(s.Ops().at(0).x1, 1476 + 1900);
  // The step of 100 below the rule is added to the pen unrounded.
  EXPECT_EQ(OfKind(s, Kind::Text).at(4).y1, 1382.5);
}

TEST(KineticTable, DrawingTwiceWithoutClearingRepeatsTheSamePicture) {
  Surface s = Drawn(SampleResults());
  const std::vector<DrawOp> first = s.Ops();
  DrawKineticTable(s, KineticRunOfRecord(SampleResults()), 12000, u'.');
  ASSERT_EQ(s.Ops().size(), 2 * first.size());
  for (std::size_t k = 0; k < first.size(); ++k) {
    const DrawOp& a = first[k];
    const DrawOp& b = s.Ops()[first.size() + k];
    EXPECT_EQ(std::tie(a.kind, a.x1, a.y1, a.x2, a.y2, a.colour, a.bold, a.text),
              std::tie(b.kind, b.x1, b.y1, b.x2, b.y2, b.colour, b.bold, b.text))
        << "operation " << k;
  }
}

}  // namespace
}  // namespace rc
