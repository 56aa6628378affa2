// The y–x diagram's staircase against the operating lines it is stepped between.
#include "report/yx_diagram.h"

#include <gtest/gtest.h>

#include "calc/operating_lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "calc/calculations.h"
#include "calc/minimum_reflux.h"
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

// The pinch is marked where the lines of R_min touch the curve (found by trial in the
// calculation's tests): on a curve that bends towards the diagonal near the top, the
// upper line's tangent point above the feed; on one that starts flat, the lower line's
// below it; not where the q-line meets the curve.
TEST(YXDiagram, MarksThePinchWhereTheLinesOfTheMinimumRefluxTouchTheCurve) {
  const std::array<float, 8> bendsX{0, 0.02f, 0.1f, 0.3f, 0.5f, 0.7f, 0.8f, 1};
  const std::array<float, 8> bendsY{0, 0.17f, 0.44f, 0.575f, 0.655f, 0.755f, 0.82f, 1};
  const std::array<float, 8> flatX{0, 0.1f, 0.2f, 0.35f, 0.5f, 0.65f, 0.8f, 1};
  const std::array<float, 8> flatY{0, 0.11f, 0.25f, 0.5f, 0.7f, 0.82f, 0.9f, 1};
  const struct {
    const char* name;
    const std::array<float, 8>&x, &y;
    float xw, xf, xp, q;
    Pinch governs;
  } cases[] = {
      {"bends, boiling", bendsX, bendsY, 0.01f, 0.1f, 0.85f, 1, Pinch::Upper},
      {"bends, cold", bendsX, bendsY, 0.01f, 0.1f, 0.85f, 1.6f, Pinch::Upper},
      {"flat, half vapour", flatX, flatY, 0.05f, 0.6f, 0.85f, 0.5f, Pinch::Lower},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CalculationInputs in;
    in.eqX = c.x;
    in.eqY = c.y;
    in.params[kParamXW] = c.xw;
    in.params[kParamXF] = c.xf;
    in.params[kParamXP] = c.xp;
    in.params[kParamReflux] = 2;
    in.params[kParamFeedCondition] = c.q;
    const std::optional<MinimumReflux> m = FindMinimumReflux(in);
    ASSERT_TRUE(m.has_value());
    ASSERT_EQ(m->governs, c.governs);
    // Above the q-line's meeting with the curve for the upper line, below it for the lower.
    EXPECT_GT((m->touchX - m->pinchX) * (c.governs == Pinch::Upper ? 1 : -1), 0.05);

    const PlotFrame frame = YXDiagramFrame(TwipRect{1000, 500, 7900, 7400});
    Surface s;
    DrawYXDiagram(s, in, YXDiagramContent{}, frame, 8000, u'.');
    std::vector<TwipPoint> pinches;  // the diamonds in the plot (the legend's are larger)
    for (const DrawOp& op : s.Ops()) {
      if (op.kind == DrawOp::Kind::Marker && op.marker == MarkerShape::Diamond && op.x2 < 100) {
        pinches.push_back({op.x1, op.y1});
      }
    }
    ASSERT_EQ(pinches.size(), 1u);
    EXPECT_NEAR(pinches[0].x, frame.X(m->touchX), 1.0);
    EXPECT_NEAR(pinches[0].y, frame.Y(m->touchY), 1.0);
  }
}

// A fixture at a reflux ratio that needs about `trays` trays (at most 120): between the
// last ratio of the sweep that needs more than 120 and the highest, by halves.
DesignData TraysNear(int trays) {
  DesignData data = BenzeneTolueneBubbleCap();
  const RefluxSweep sweep = SweepRefluxRatio(CalculationInputs::Of(data));
  double lo = 0, hi = sweep.points.back().reflux;
  for (int k = 0; k + 1 < kRefluxSweepPoints; ++k) {
    const RefluxPoint& p = sweep.points[static_cast<std::size_t>(k)];
    const RefluxPoint& q = sweep.points[static_cast<std::size_t>(k + 1)];
    if (p.outcome != RefluxPoint::Outcome::Completed && q.outcome == RefluxPoint::Outcome::Completed) {
      lo = p.reflux;
    }
  }
  for (int i = 0; i < 40; ++i) {
    DesignData trial = data;
    trial.ParamValue[kParamReflux] = static_cast<float>((lo + hi) / 2);
    const TrayByTrayRun run = Compute(RunTrayByTray, trial);
    (run.refusal || run.Count() > trays ? lo : hi) = (lo + hi) / 2;
  }
  data.ParamValue[kParamReflux] = static_cast<float>(hi);
  return data;
}

bool Touch(const TwipRect& a, const TwipRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// Whether a straight line from a to b touches the rectangle: walked in steps of 2 twips.
bool Crosses(const TwipPoint& a, const TwipPoint& b, const TwipRect& r) {
  const int steps = 1 + static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) / 2);
  for (int k = 0; k <= steps; ++k) {
    const double t = static_cast<double>(k) / steps;
    const double x = a.x + (b.x - a.x) * t, y = a.y + (b.y - a.y) * t;
    if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) return true;
  }
  return false;
}

// Every tray number and composition label, on the window's and the printer's line
// heights, from about 10 to 120 trays, with a boiling and a cold feed: inside the area off
// its frame, and touching no other text, no marker, no line or curve (the diagonal
// included) and not the legend's box; XW, XF and XP all labelled, at XW 0.01 and XP 0.99
// too; the first, the last and the feed tray numbered, and where not every tray is, the
// legend says which are.
TEST(YXDiagram, LabelsTouchNothingElseDrawn) {
  std::vector<std::pair<std::string, DesignData>> designs = {
      {"bubble-cap", BenzeneTolueneBubbleCap()}, {"sieve", BenzeneTolueneSieve()},
      {"dual-flow", BenzeneTolueneDualFlow()}};
  for (int n : {30, 70, 120}) designs.emplace_back(std::to_string(n), TraysNear(n));
  // A cold feed, whose feed line leans into the staircase; compositions at the corners.
  for (auto [name, data] : std::vector(designs.begin(), designs.begin() + 2)) {
    data.ParamValue[kParamFeedCondition] = 1.37f;
    designs.emplace_back(name + ", q 1.37", data);
  }
  DesignData corners = BenzeneTolueneSieve();
  corners.ParamValue[kParamXW] = 0.01f;
  corners.ParamValue[kParamXP] = 0.99f;
  designs.emplace_back("XW 0.01, XP 0.99", corners);
  for (auto& [name, data] : designs) {
    const KineticLineRun kinetic = Compute(RunKineticLine, data);
    ASSERT_FALSE(kinetic.refusal) << name;
    const TrayByTrayRun trays = Compute(RunTrayByTray, data);
    ASSERT_FALSE(trays.refusal) << name;
    const int n = trays.Count(), feed = trays.feedTray.value_or(0);
    for (double lineHeight : {195.0, 185.0}) {
      SCOPED_TRACE(testing::Message() << name << ": " << n << " trays, feed " << feed << ", line " << lineHeight);
      const TwipRect area{1000, 500, 7900, 7400};
      Surface s;
      s.SetLineHeight(lineHeight);
      DrawYXDiagram(s, CalculationInputs::Of(data), YXDiagramContent{&kinetic, &trays, {}},
                    YXDiagramFrame(area), 8000, u'.');

      // Everything from the clip to the area on, legend included.
      std::vector<DrawOp> drawn;
      bool inArea = false;
      for (const DrawOp& op : s.Ops()) {
        if (op.kind == DrawOp::Kind::Clip && op.x2 > op.x1) inArea = true;
        if (inArea && op.kind != DrawOp::Kind::Clip) drawn.push_back(op);
      }
      std::vector<int> numbered;
      std::u16string compositions;
      bool subsetSaid = false;
      for (std::size_t i = 0; i < drawn.size(); ++i) {
        const DrawOp& label = drawn[i];
        if (label.text.rfind(u"номера:", 0) == 0) subsetSaid = true;
        const bool number = label.colour == kStaircaseColour || label.colour == kFeedTrayColour;
        const bool composition = label.text == u"XW" || label.text == u"XF" || label.text == u"XP";
        if (label.kind != DrawOp::Kind::Text || !(number || composition)) continue;
        if (number) numbered.push_back(std::stoi(std::string(label.text.begin(), label.text.end())));
        if (composition) compositions += label.text;
        const TwipRect r = LabelRect(s, label);
        SCOPED_TRACE(testing::Message() << "label " << std::string(label.text.begin(), label.text.end()));
        EXPECT_TRUE(r.left > area.left && r.right < area.right && r.top > area.top && r.bottom < area.bottom);
        for (std::size_t j = 0; j < drawn.size(); ++j) {
          const DrawOp& op = drawn[j];
          // The label itself, and the leader line drawn just before it to its point.
          const bool leader = j + 1 == i && op.kind == DrawOp::Kind::Polyline &&
                              op.points.size() == 2 && op.colour == label.colour;
          if (j == i || leader) continue;
          switch (op.kind) {
            case DrawOp::Kind::Text:
              EXPECT_FALSE(Touch(r, LabelRect(s, op))) << "text " << j;
              break;
            case DrawOp::Kind::Marker:
              EXPECT_FALSE(Touch(r, {op.x1 - op.x2 / 2, op.y1 - op.x2 / 2, op.x1 + op.x2 / 2,
                                     op.y1 + op.x2 / 2}))
                  << "marker " << j;
              break;
            case DrawOp::Kind::Polyline:
              for (std::size_t k = 1; k < op.points.size(); ++k) {
                EXPECT_FALSE(Crosses(op.points[k - 1], op.points[k], r)) << "line " << j;
              }
              break;
            case DrawOp::Kind::Box:
              EXPECT_FALSE(Touch(r, {op.x1, op.y1, op.x2, op.y2})) << "box " << j;
              break;
            default:
              break;
          }
        }
      }
      for (int must : {1, n, feed}) {
        if (must > 0) {
          EXPECT_NE(std::find(numbered.begin(), numbered.end(), must), numbered.end()) << must;
        }
      }
      EXPECT_EQ(compositions, u"XWXFXP");
      EXPECT_EQ(subsetSaid, static_cast<int>(numbered.size()) < n);
      EXPECT_GE(numbered.size(), static_cast<std::size_t>(std::min(n, 5))) << numbered.size();
    }
  }
}

}  // namespace
}  // namespace rc
