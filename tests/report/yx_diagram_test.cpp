// The y–x diagram's staircase against the operating lines it is stepped between.
#include "report/yx_diagram.h"

#include <gtest/gtest.h>

#include "calc/operating_lines.h"

#include <algorithm>

#include "calc/calculations.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

struct Fixture {
  const char* name;
  DesignData (*make)();
};

class StaircaseOf : public ::testing::TestWithParam<Fixture> {};

TEST_P(StaircaseOf, HorizontalStepsEndOnTheOperatingLinesAndVerticalOnesAtTheTrayLiquids) {
  DesignData data = GetParam().make();
  const TrayByTrayRun run = ComputeTrayByTray(data);
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
                         ::testing::Values(Fixture{"BubbleCap", BenzeneTolueneBubbleCap},
                                           Fixture{"Sieve", BenzeneTolueneSieve},
                                           Fixture{"DualFlow", BenzeneTolueneDualFlow}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rc
