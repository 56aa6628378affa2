// The reflux study's plots: every ratio of the sweep where it belongs, the refused ones
// on the axis in the colour of their reason, the optimum and the student's R marked.
#include "report/reflux_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "report/reflux_texts.h"
#include "report_checks.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

using namespace report_test;
using Outcome = RefluxPoint::Outcome;

bool MarkedAt(const Surface& s, double x, double y, Colour colour, MarkerShape shape) {
  return std::any_of(s.Ops().begin(), s.Ops().end(), [&](const DrawOp& op) {
    return op.kind == DrawOp::Kind::Marker && op.colour == colour && op.marker == shape &&
           std::abs(op.x1 - x) < 0.5 && std::abs(op.y1 - y) < 0.5;
  });
}

TEST(RefluxPlot, PutsEveryRatioWhereItsResultSays) {
  // A narrow bubble-cap column: refused at both ends of the range, for both reasons.
  const RefluxSweep sweep = SweepRefluxRatio(
      CalculationInputs::Of(WithParameter(BenzeneTolueneBubbleCap(), kParamDiameter, u"1.0")));
  ASSERT_TRUE(sweep.optimum.has_value());
  const PlotPairLayout layout{{1000, 300, 9000, 3300}, {1000, 4300, 9000, 7300}, {9100, 300, 14000, 7300}, 8000};
  Surface s;
  DrawRefluxStudy(s, sweep, layout, u'.');
  const PlotFrame trays = RefluxTraysFrame(sweep, layout.first);
  const PlotFrame volume = RefluxVolumeFrame(sweep, layout.second);

  int refused[3] = {};
  for (int k = 0; k < kRefluxSweepPoints; ++k) {
    SCOPED_TRACE(k);
    const RefluxPoint& p = sweep.points[static_cast<std::size_t>(k)];
    const double x = trays.X(p.reflux);
    EXPECT_EQ(volume.X(p.reflux), x);
    EXPECT_GE(x, layout.first.left);
    EXPECT_LE(x, layout.first.right);
    ++refused[static_cast<int>(p.outcome)];
    switch (p.outcome) {
      case Outcome::Completed:
        EXPECT_LT(trays.Y(p.trays), layout.first.bottom);
        EXPECT_GT(trays.Y(p.trays), layout.first.top);
        EXPECT_TRUE(MarkedAt(s, x, trays.Y(p.trays), kRefluxTraysColour, MarkerShape::Circle));
        EXPECT_TRUE(MarkedAt(s, x, volume.Y(p.traysTimesRefluxPlusOne), kRefluxVolumeColour,
                             MarkerShape::Circle));
        break;
      case Outcome::TooManyTrays:
        EXPECT_TRUE(
            MarkedAt(s, x, layout.first.bottom, kRefluxTooManyColour, MarkerShape::Diamond));
        break;
      case Outcome::Refused:
        EXPECT_TRUE(MarkedAt(s, x, layout.first.bottom, kRefluxRefusedColour, MarkerShape::Square));
        break;
    }
  }
  EXPECT_GT(refused[static_cast<int>(Outcome::TooManyTrays)], 0);
  EXPECT_GT(refused[static_cast<int>(Outcome::Refused)], 0);

  const RefluxPoint& best = sweep.points[static_cast<std::size_t>(*sweep.optimum)];
  EXPECT_TRUE(MarkedAt(s, volume.X(best.reflux), volume.Y(best.traysTimesRefluxPlusOne),
                       kRefluxOptimumColour, MarkerShape::Diamond));
  const RefluxPoint& own = sweep.points[kOwnRefluxPoint];
  EXPECT_TRUE(MarkedAt(s, trays.X(own.reflux), trays.Y(own.trays), kRefluxOwnColour,
                       MarkerShape::Square));
  const std::vector<std::u16string> texts = s.Texts();
  for (const std::u16string& text : {std::u16string(u"R опт"), std::u16string(u"ваше R"),
                                     std::u16string(u"> 120"), std::u16string(u"ОШИБКА"),
                                     RefluxSummaryLine(sweep)}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text.size();
  }
}

// A sweep of completed points around R whose optimum is at k (N falls, then N*(R+1)
// rises past k).
RefluxSweep MadeSweep(float reflux, int optimum) {
  RefluxSweep sweep;
  for (int k = 0; k < kRefluxSweepPoints; ++k) {
    RefluxPoint& p = sweep.points[static_cast<std::size_t>(k)];
    p.reflux = SweptReflux(reflux, k);
    p.outcome = Outcome::Completed;
    p.trays = 10 + std::abs(k - optimum);
    p.traysTimesRefluxPlusOne = static_cast<float>(p.trays) * (p.reflux + 1);
  }
  sweep.optimum = optimum;
  return sweep;
}

double Luminance(Colour c) {
  const auto channel = [](unsigned v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) +
         0.0722 * channel((c >> 16) & 0xFF);
}

// The labels of the two upright lines (and "R опт" by the minimum) never cross the other line nor each other, every
// text reads on white, and the R axis has at most 4 decimals whatever R is.
TEST(RefluxPlot, LabelsStayClearAndReadable) {
  struct Case {
    float reflux;
    int optimum;
  };
  for (const Case c : {Case{2.0f, 11}, Case{2.0f, 9}, Case{2.0f, 10}, Case{2.0f, 70},
                       Case{2.0f, 0}, Case{1e-30f, 12}, Case{1e-6f, 30}}) {
    SCOPED_TRACE(testing::Message() << c.reflux << " optimum " << c.optimum);
    const RefluxSweep sweep = MadeSweep(c.reflux, c.optimum);
    const PlotPairLayout layout{{1000, 300, 8800, 3900}, {1000, 4800, 8800, 8400}, {1000, 9500, 8800, 11000}, 9000};
    Surface s;
    DrawRefluxStudy(s, sweep, layout, u'.');
    const double line = s.LineHeight();

    std::vector<double> lines;  // the dashed upright lines' x
    std::vector<TwipRect> labels;
    for (const DrawOp& op : s.Ops()) {
      if (op.kind == DrawOp::Kind::Polyline && op.dashed && op.points.size() == 2 &&
          op.points[0].x == op.points[1].x) {
        lines.push_back(op.points[0].x);
      }
      if (op.kind != DrawOp::Kind::Text) continue;
      // Bold text reads at a lower contrast than plain.
      EXPECT_GE((1.05) / (Luminance(op.colour) + 0.05), op.bold ? 3.0 : 4.5) << op.colour;
      const bool label = (op.text == u"ваше R" || op.text == u"R опт") && op.y1 < layout.legend.top;
      if (!label) {
        // A tick label of the R axis: under the trays plot, at most 4 decimals.
        if (op.y1 > layout.first.bottom && op.y1 < layout.first.bottom + line) {
          const std::size_t point = op.text.find(u'.');
          EXPECT_TRUE(point == std::u16string::npos || op.text.size() - point - 1 <= 4) << op.text.size();
        }
        continue;
      }
      labels.push_back(LabelRect(s, op));
    }
    ASSERT_EQ(labels.size(), 3u);  // two beside the lines, "R опт" by the minimum
    for (std::size_t i = 0; i < labels.size(); ++i) {
      const TwipRect& a = labels[i];
      for (double x : lines) EXPECT_FALSE(x > a.left && x < a.right) << i << " at " << x;
      for (std::size_t j = i + 1; j < labels.size(); ++j) {
        EXPECT_FALSE(Overlap(a, labels[j]));
      }
    }
  }
}

}  // namespace
}  // namespace rc
