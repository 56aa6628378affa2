#include "calc/operating_lines.h"

namespace rc {

double OperatingLineBelowFeed(Guard& g, const ColumnParameters& c, double fbar, double x) {
  return g.Div((fbar + c.R) * (x - c.XW), c.R + 1) + c.XW;
}

double OperatingLineAboveFeed(Guard& g, const ColumnParameters& c, double x) {
  return c.XP - g.Div((c.XP - x) * c.R, c.R + 1);
}

double OperatingLineY(Guard& g, const ColumnParameters& c, double x) {
  if (x <= c.XF) return OperatingLineBelowFeed(g, c, FeedPerDistillate(g, c), x);
  return OperatingLineAboveFeed(g, c, x);
}

double LiquidOnLowerLine(Guard& g, const ColumnParameters& c, double fbar, double y) {
  return c.XW + g.Div((y - c.XW) * (c.R + 1), fbar + c.R);
}

double LiquidAboveFeed(Guard& g, const ColumnParameters& c, double fbar, double x) {
  return g.Div((fbar + c.R) * x - fbar * c.XF, c.R);
}

}  // namespace rc
