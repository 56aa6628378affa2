// The y–x diagram's staircase against the operating lines it is stepped between.
#include "report/yx_diagram.h"

#include <gtest/gtest.h>

#include "calc/operating_lines.h"

#include <algorithm>
#include <vector>

#include "calc/calculations.h"
#include "calc/reflux_sweep.h"
#include "model/text.h"
#include "report_checks.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

using namespace report_test;

class StaircaseOf : public ::testing::TestWithParam<NamedDesign> {};

TEST_P(StaircaseOf, HorizontalStepsEndOnTheOperatingLinesAndVerticalOnesAtTheTrayLiquids) {
  DesignData data = GetParam().make();
  const TrayByTrayRun run = Compute(RunTrayByTray, data);
  ASSERT_FALSE(run.refusal);
  const PlotFrame frame = YXDiagramFrame(TwipRect{1000, 500, 7900, 7400});
  Surface s;
  DrawYXDiagram(s, CalculationInputs::Of(data), YXDiagramContent{nullptr, &run, {}}, frame, 8000, u'.');

  const DrawOp* staircase = nullptr;  // the first of its colour; the legend's comes later
  for (const DrawOp& op : s.Ops()) {
    if (!staircase && op.kind == DrawOp::Kind::Polyline && op.colour == kStaircaseColour) staircase = &op;
  }
  ASSERT_NE(staircase, nullptr);
  const int n = run.Count();
  const std::vector<TwipPoint>& p = staircase->points;
  // Up tray 1 from the bottoms, then across and up again for every further tray.
  ASSERT_EQ(p.size(), static_cast<std::size_t>(2 * n));
  for (int i = 1; i <= n; ++i) {
    SCOPED_TRACE(i);
    const TwipPoint bottom = p[2 * i - 2], top = p[2 * i - 1];
    EXPECT_DOUBLE_EQ(bottom.x, top.x);
    EXPECT_NEAR(frame.ValueOfX(top.x), data.TrayX[i], 1e-6);
    EXPECT_NEAR(frame.ValueOfY(bottom.y), data.TrayY[i - 1], 1e-6);
    EXPECT_NEAR(frame.ValueOfY(top.y), data.TrayY[i], 1e-6);
    // The vapour entering tray i and the liquid of tray i lie on the operating line of
    // the tray's section, to well within a pixel (15 twips).
    Guard g;
    EXPECT_NEAR(frame.Y(OperatingLineY(g, ColumnParameters::From(data), frame.ValueOfX(bottom.x))),
                bottom.y, 1.0);
  }
  const std::vector<std::u16string> texts = s.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), DiagramSummaryText(run)), texts.end());
}

INSTANTIATE_TEST_SUITE_P(DesignFixtures, StaircaseOf,
                         ::testing::ValuesIn(kBenzeneTolueneColumns),
                         [](const auto& info) { return std::string(info.param.name); });

// A fixture at a reflux ratio so close to its least that the column needs about 70 trays:
// between the last ratio of the sweep that needs more than 120 and the next, by halves.
DesignData SeventyTrays() {
  DesignData data = BenzeneTolueneBubbleCap();
  const RefluxSweep sweep = SweepRefluxRatio(CalculationInputs::Of(data));
  double lo = 0, hi = 0;
  for (int k = 0; k + 1 < kRefluxSweepPoints; ++k) {
    const RefluxPoint& p = sweep.points[static_cast<std::size_t>(k)];
    const RefluxPoint& q = sweep.points[static_cast<std::size_t>(k + 1)];
    if (p.outcome != RefluxPoint::Outcome::Completed && q.outcome == RefluxPoint::Outcome::Completed) {
      lo = p.reflux;
      hi = q.reflux;
    }
  }
  for (int i = 0; i < 40; ++i) {
    DesignData trial = data;
    trial.ParamValue[kParamReflux] = static_cast<float>((lo + hi) / 2);
    const TrayByTrayRun run = Compute(RunTrayByTray, trial);
    (run.refusal || run.Count() > 70 ? lo : hi) = (lo + hi) / 2;
  }
  data.ParamValue[kParamReflux] = static_cast<float>(hi);
  return data;
}

// Every tray number and every composition label stands clear of the others and of the
// markers, inside the area; the feed tray always has its number.
TEST(YXDiagram, LabelsCoverNoOtherLabelAndNoMarker) {
  for (auto make : {BenzeneTolueneBubbleCap, BenzeneTolueneSieve, BenzeneTolueneDualFlow, SeventyTrays}) {
    DesignData data = make();
    const KineticLineRun kinetic = Compute(RunKineticLine, data);
    ASSERT_FALSE(kinetic.refusal);
    const TrayByTrayRun trays = Compute(RunTrayByTray, data);
    ASSERT_FALSE(trays.refusal);
    const int n = trays.Count(), feed = trays.feedTray.value_or(0);
    SCOPED_TRACE(testing::Message() << n << " trays, feed " << feed);
    const TwipRect area{1000, 500, 7900, 7400};
    Surface s;
    DrawYXDiagram(s, CalculationInputs::Of(data), YXDiagramContent{&kinetic, &trays, {}},
                  YXDiagramFrame(area), 8000, u'.');

    std::vector<TwipRect> labels, markers;
    bool feedNumbered = false;
    for (const DrawOp& op : s.Ops()) {
      if (op.kind == DrawOp::Kind::Clip && op.x2 <= op.x1) break;  // the legend follows
      if (op.kind == DrawOp::Kind::Marker) {
        markers.push_back({op.x1 - op.x2 / 2, op.y1 - op.x2 / 2, op.x1 + op.x2 / 2, op.y1 + op.x2 / 2});
      }
      const bool number = op.colour == kStaircaseColour || op.colour == kFeedTrayColour;
      const bool composition = op.text == u"XW" || op.text == u"XF" || op.text == u"XP";
      if (op.kind != DrawOp::Kind::Text || !(number || composition)) continue;
      labels.push_back(LabelRect(s, op));
      const TwipRect& r = labels.back();
      EXPECT_TRUE(r.left >= area.left && r.right <= area.right && r.top >= area.top &&
                  r.bottom <= area.bottom);
      if (op.colour == kFeedTrayColour && op.text == DecimalText(feed)) feedNumbered = true;
    }
    EXPECT_EQ(feedNumbered, feed > 0);
    EXPECT_GE(labels.size(), static_cast<std::size_t>(std::min(n, 10) + 3));
    for (std::size_t i = 0; i < labels.size(); ++i) {
      for (std::size_t j = i + 1; j < labels.size(); ++j) EXPECT_FALSE(Overlap(labels[i], labels[j])) << i << " " << j;
      for (const TwipRect& m : markers) EXPECT_FALSE(Overlap(labels[i], m)) << i;
    }
  }
}

}  // namespace
}  // namespace rc
