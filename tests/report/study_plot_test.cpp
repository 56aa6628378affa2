// The study's plots: the reasons of refused ranges are read whole, nothing is drawn from
// a value that is not a number, and the lower plot's title stays on the window.
#include "report/column_results.h"
#include "report/study_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "report_checks.h"
#include "support/design_fixtures.h"

namespace rc::report_test {
namespace {

constexpr double kLine = 225;  // [twips] the window font's line

// The window's places of the plots.
PlotPairLayout WindowLayout() {
  PlotPairLayout l;
  l.first = {1100, 350, 9500, 3650};
  l.second = {1100, 4650, 9500, 7700};
  l.legend = {9850, 7050, 15000, 8350};
  l.linesTop = 8400;
  return l;
}

std::vector<DrawOp> Drawn(const InputStudy& study, StudyQuantity quantity = FindColumnResult("flood_max")) {
  Surface s;
  s.SetLineHeight(kLine);
  InputStudyMarks marks;
  marks.quantity = quantity;
  DrawInputStudy(s, study, marks, WindowLayout(), u'.');
  return s.Ops();
}

DesignData WithColumn() {
  DesignData d = BenzeneTolueneBubbleCap();
  SetBenzeneTolueneColumnStage(d);
  d.ColumnDataAccepted = kTrue;
  return d;
}

TEST(StudyPlot, TheReasonsOfRefusedRangesStandWholeApartAndOverTheCurves) {
  // XF from -0.5 to 1.5: out of its limits at both ends, refused by the checks next to
  // XW and XP, narrow runs side by side.
  Surface s;
  s.SetLineHeight(kLine);
  const InputStudy study = StudyInput(WithColumn(), *FindInput(kParamXF), -0.5, 1.5, 41);
  const std::vector<DrawOp> ops = Drawn(study);
  std::vector<TwipRect> labels;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    if (op.kind != DrawOp::Kind::Text || op.colour != kStudyRefusedText) continue;
    const TwipRect r = LabelRect(s, op);
    const bool upper = r.top < 4000;
    const TwipRect area = upper ? WindowLayout().first : WindowLayout().second;
    EXPECT_GE(r.left, area.left) << i;
    EXPECT_LE(r.right, area.right) << i;
    EXPECT_LE(r.bottom, area.bottom) << i;
    // On its own white ground, drawn just before it: no curve crosses it.
    ASSERT_GT(i, 0u);
    const DrawOp& ground = ops[i - 1];
    EXPECT_EQ(ground.kind, DrawOp::Kind::FilledBox) << i;
    EXPECT_EQ(ground.colour, kPlotBackColour) << i;
    EXPECT_TRUE(ground.x1 <= r.left && ground.x2 >= r.right && ground.y1 <= r.top && ground.y2 >= r.bottom) << i;
    for (const TwipRect& other : labels) EXPECT_FALSE(Overlap(r, other)) << i;
    labels.push_back(r);
  }
  // Both plots name at least the two ends out of limits and one refusal of the checks.
  EXPECT_GE(labels.size(), 6u);
}

bool Finite(const DrawOp& op) {
  bool finite = std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) && std::isfinite(op.y2);
  for (const TwipPoint& p : op.points) finite = finite && std::isfinite(p.x) && std::isfinite(p.y);
  return finite && op.text.find(u"nan") == std::u16string::npos && op.text.find(u"inf") == std::u16string::npos;
}

TEST(StudyPlot, NothingIsDrawnFromAValueThatIsNoNumber) {
  // A range of one whole value, and of one value 0: no span to divide by.
  const DesignData d = WithColumn();
  for (const auto& [input, value] : {std::pair{kParamReflux, 3.0}, std::pair{40, 0.0}}) {
    const InputStudy study = StudyInput(d, *FindInput(input), value, value, 41);
    for (const DrawOp& op : Drawn(study)) EXPECT_TRUE(Finite(op)) << input << " " << static_cast<int>(op.kind);
  }
}

TEST(StudyPlot, TheLowerPlotsTitleStaysOnTheWindowBesideLabelsOfNineDigits) {
  // Two points whose ΣΔP runs to 1.5e9 Pa: tick labels of ten digits.
  InputStudy study;
  study.input = FindInput(kParamWeirHeight);
  study.from = 0.02;
  study.to = 0.08;
  study.withColumn = true;
  for (double drop : {1.2e9, 1.5e9}) {
    StudyPoint p;
    p.value = static_cast<float>(drop / 2e10);
    p.outcome = StudyPoint::Outcome::Completed;
    p.column = ColumnDesignResult{};
    p.column->totalDrop = drop;
    study.points.push_back(p);
  }
  Surface s;
  s.SetLineHeight(kLine);
  bool titled = false;
  for (const DrawOp& op : Drawn(study, FindColumnResult("dp_total"))) {
    if (op.kind != DrawOp::Kind::Text) continue;
    if (op.upright) {
      titled = titled || op.text == StudyQuantityName(FindColumnResult("dp_total"));
      EXPECT_GE(op.x1, 0);
    } else {
      EXPECT_GE(LabelRect(s, op).left, 0);
    }
  }
  EXPECT_TRUE(titled);
}

}  // namespace
}  // namespace rc::report_test

namespace rc::report_test {
namespace {

// The operating window's worst values are offered as the lower plot's quantity and read
// from each point's own window: a narrower apron clearance backs the downcomer up higher
// and leaves the entrainment alone.
TEST(StudyPlot, TheOperatingWindowsWorstValuesAreReadFromEachPointsWindow) {
  DesignData d = BenzeneTolueneSieve();
  SetBenzeneTolueneColumnStage(d);
  d.ColumnDataAccepted = kTrue;
  const InputStudy study = StudyInput(d, *FindInput(kParamApronClearance), 0.01, 0.04, 4);
  const std::span<const StudyQuantity> offered = StudyQuantities();
  for (const char* key : {"psi_max", "weep_min", "hb_max"}) {
    const StudyQuantity q = FindColumnResult(key);
    ASSERT_NE(q, nullptr) << key;
    EXPECT_NE(std::find(offered.begin(), offered.end(), q), offered.end()) << key;
  }
  const StudyQuantity psi = FindColumnResult("psi_max"), hb = FindColumnResult("hb_max");
  double previous = 1e9;
  for (const StudyPoint& p : study.points) {
    ASSERT_TRUE(p.window && p.window->computed) << p.value;
    const std::optional<double> backup = StudyQuantityAt(p, hb);
    ASSERT_TRUE(backup) << p.value;
    EXPECT_EQ(*backup, *p.window->backupMax.value);
    EXPECT_LT(*backup, previous) << p.value;
    previous = *backup;
    EXPECT_EQ(StudyQuantityAt(p, psi), StudyQuantityAt(study.points.front(), psi));
    EXPECT_EQ(StudyQuantityAt(p, FindColumnResult("weep_min")), p.window->weepMarginMin.value);
  }
  bool titled = false;
  for (const DrawOp& op : Drawn(study, hb)) titled = titled || op.text == u"hb, мм";
  EXPECT_TRUE(titled);
}

}  // namespace
}  // namespace rc::report_test
