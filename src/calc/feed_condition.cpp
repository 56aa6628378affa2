#include "calc/feed_condition.h"

#include "calc/operating_lines.h"
#include "calc/tray_model.h"
#include "model/feed_rule.h"

namespace rc {

std::optional<FeedCondition> FeedConditionOf(const CalculationInputs& in) {
  Guard g;
  const ColumnParameters c = ColumnParameters::From(in);
  FeedCondition f;
  f.q = c.q;
  // + 0.0: a saturated vapour's horizontal line has the slope 0, not -0.
  if (!IsBoilingFeed(c.q)) f.qLineSlope = g.Div(c.q, c.q - 1) + 0.0;
  f.crossX = FeedLineCrossingX(g, c);
  f.crossY = OperatingLineAboveFeed(g, c, f.crossX);

  if (!VapourRisesBelowFeed(c)) return std::nullopt;
  const double fbar = FeedPerDistillate(g, c);
  const double vapourBelow = VapourBelowFeed(c, fbar);
  f.liquidToVapourAbove = g.Div(c.R, c.R + 1);
  f.liquidToVapourBelow = g.Div(LiquidBelowFeed(c, fbar), vapourBelow);

  const float mf = g.Store(FeedMolarMass(c));  // [kg/kmol]
  f.velocityAbove = g.Store(VapourVelocity(g, c, mf, Section::AboveFeed));
  f.velocityBelow = g.Store(VapourVelocity(g, c, mf, Section::BelowFeed));
  if (g.faulted()) return std::nullopt;

  f.minimum = FindMinimumReflux(in);
  if (f.minimum) f.refluxOverMinimum = c.R / f.minimum->reflux;
  return f;
}

}  // namespace rc
