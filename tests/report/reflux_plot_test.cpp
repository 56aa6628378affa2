// The reflux study's plots: every ratio of the sweep where it belongs, the refused ones
// on the axis in the colour of their reason, the optimum and the student's R marked.
#include "report/reflux_plot.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "report/reflux_texts.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

using Outcome = RefluxPoint::Outcome;

bool MarkedAt(const Surface& s, double x, double y, Colour colour, MarkerShape shape) {
  return std::any_of(s.Ops().begin(), s.Ops().end(), [&](const DrawOp& op) {
    return op.kind == DrawOp::Kind::Marker && op.colour == colour && op.marker == shape &&
           std::abs(op.x1 - x) < 0.5 && std::abs(op.y1 - y) < 0.5;
  });
}

TEST(RefluxPlot, PutsEveryRatioWhereItsResultSays) {
  // A narrow bubble-cap column: refused at both ends of the range, for both reasons.
  const RefluxSweep sweep = SweepRefluxRatio(CalculationInputs::Of(WithParameter(BenzeneTolueneBubbleCap(), 33, u"1.0")));
  ASSERT_TRUE(sweep.optimum.has_value());
  RefluxStudyLayout layout;
  layout.trays = {1000, 300, 9000, 3300};
  layout.volume = {1000, 4300, 9000, 7300};
  layout.legend = {9100, 300, 14000, 7300};
  layout.lineTop = 8000;
  Surface s;
  DrawRefluxStudy(s, sweep, layout, u'.');
  const PlotFrame trays = RefluxTraysFrame(sweep, layout.trays);
  const PlotFrame volume = RefluxVolumeFrame(sweep, layout.volume);

  int refused[3] = {};
  for (int k = 0; k < kRefluxSweepPoints; ++k) {
    SCOPED_TRACE(k);
    const RefluxPoint& p = sweep.points[static_cast<std::size_t>(k)];
    const double x = trays.X(p.reflux);
    EXPECT_EQ(volume.X(p.reflux), x);
    EXPECT_GE(x, layout.trays.left);
    EXPECT_LE(x, layout.trays.right);
    ++refused[static_cast<int>(p.outcome)];
    switch (p.outcome) {
      case Outcome::Completed:
        EXPECT_LT(trays.Y(p.trays), layout.trays.bottom);
        EXPECT_GT(trays.Y(p.trays), layout.trays.top);
        EXPECT_TRUE(MarkedAt(s, x, trays.Y(p.trays), kRefluxTraysColour, MarkerShape::Circle));
        EXPECT_TRUE(MarkedAt(s, x, volume.Y(p.traysTimesRefluxPlusOne), kRefluxVolumeColour,
                             MarkerShape::Circle));
        break;
      case Outcome::TooManyTrays:
        EXPECT_TRUE(
            MarkedAt(s, x, layout.trays.bottom, kRefluxTooManyColour, MarkerShape::Diamond));
        break;
      case Outcome::Refused:
        EXPECT_TRUE(MarkedAt(s, x, layout.trays.bottom, kRefluxRefusedColour, MarkerShape::Square));
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

}  // namespace
}  // namespace rc
