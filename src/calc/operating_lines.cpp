#include "calc/operating_lines.h"

namespace rc {

double OperatingLineBelowFeed(Guard& g, const ColumnParameters& c, double fbar, double x) {
  return g.Div(LiquidBelowFeed(c, fbar) * (x - c.XW), VapourBelowFeed(c, fbar)) + c.XW;
}

double OperatingLineAboveFeed(Guard& g, const ColumnParameters& c, double x) {
  return c.XP - g.Div((c.XP - x) * c.R, c.R + 1);
}

float FeedLineCrossingX(Guard& g, const ColumnParameters& c) {
  return g.Store(c.XF + (c.q - 1) * g.Div(c.XP - c.XF, c.R + c.q));
}

double OperatingLineY(Guard& g, const ColumnParameters& c, double x) {
  if (x <= FeedLineCrossingX(g, c)) {
    return OperatingLineBelowFeed(g, c, FeedPerDistillate(g, c), x);
  }
  return OperatingLineAboveFeed(g, c, x);
}

double LiquidOnLowerLine(Guard& g, const ColumnParameters& c, double fbar, double y) {
  return c.XW + g.Div((y - c.XW) * VapourBelowFeed(c, fbar), LiquidBelowFeed(c, fbar));
}

double LiquidAboveFeed(Guard& g, const ColumnParameters& c, double fbar, double x, double y) {
  // The (1 - q) term is the feed's vapour: nothing for a boiling feed.
  return g.Div(LiquidBelowFeed(c, fbar) * x + (1 - c.q) * fbar * y - fbar * c.XF, c.R);
}

}  // namespace rc
