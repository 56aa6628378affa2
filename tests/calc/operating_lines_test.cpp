// The operating lines and the section balances, checked against the diagram's own
// construction: through (XW, XW) and (XP, XP), meeting on the q-line (on x = XF for a
// boiling feed), the upper line cutting the y axis at XP/(R + 1).
#include "calc/operating_lines.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/design_fixtures.h"
#include "result_checks.h"

namespace rc {
namespace {

ColumnParameters Compositions(double xw, double xf, double xp, double r, double q) {
  ColumnParameters c{};
  c.XW = xw, c.XF = xf, c.XP = xp, c.R = r, c.q = q;
  return c;
}

TEST(OperatingLines, PassThroughTheEndsAndMeetOnTheQLine) {
  const ColumnParameters cases[] = {ColumnParameters::From(BenzeneTolueneSieve()),
                                    Compositions(0.02, 0.35, 0.97, 0.8, 1),
                                    Compositions(0.1, 0.6, 0.9, 7, 1),
                                    Compositions(0.02, 0.35, 0.97, 2.5, 1.37),
                                    Compositions(0.1, 0.6, 0.9, 3, 0.4),
                                    Compositions(0.05, 0.44, 0.95, 2.5, 0)};
  for (const ColumnParameters& c : cases) {
    SCOPED_TRACE(testing::Message() << c.XW << ' ' << c.XF << ' ' << c.XP << " R " << c.R
                                    << " q " << c.q);
    Guard g;
    const double fbar = FeedPerDistillate(g, c);
    const ConstructedLines lines{c.XW, c.XF, c.XP, c.R, c.q};
    EXPECT_NEAR(OperatingLineBelowFeed(g, c, fbar, c.XW), c.XW, 1e-12);
    EXPECT_NEAR(OperatingLineAboveFeed(g, c, c.XP), c.XP, 1e-12);
    EXPECT_NEAR(OperatingLineAboveFeed(g, c, 0), c.XP / (c.R + 1), 1e-12);
    // The lines cross where the q-line q (x - XF) = (q - 1)(y - XF) cuts them.
    const double xq = FeedLineCrossingX(g, c);
    EXPECT_NEAR(xq, lines.CrossingX(), 1e-7);  // stored in 32 bits
    const double yq = OperatingLineAboveFeed(g, c, xq);
    EXPECT_NEAR(OperatingLineBelowFeed(g, c, fbar, xq), yq, 1e-7);
    EXPECT_NEAR(c.q * (xq - c.XF), (c.q - 1) * (yq - c.XF), 1e-7);
    for (const double x : {c.XW, (c.XW + xq) / 2, xq, (xq + c.XP) / 2, c.XP}) {
      SCOPED_TRACE(x);
      const bool below = x <= xq;
      EXPECT_NEAR(OperatingLineY(g, c, x), lines.OfSection(below, x), 1e-9);
      const double y = lines.Lower(x);
      // The lower line read backwards: the liquid in balance with the vapour y.
      EXPECT_NEAR(LiquidOnLowerLine(g, c, fbar, y), x, 1e-12);
      // The feed tray's balance on that liquid and vapour leaves the liquid of the upper
      // line for the same vapour.
      EXPECT_NEAR(lines.Upper(LiquidAboveFeed(g, c, fbar, x, y)), y, 1e-12);
    }
    // Just above the crossing the upper line holds.
    const double above = std::nextafter(xq, 1.0);
    EXPECT_NEAR(OperatingLineY(g, c, above), lines.Upper(above), 1e-12);
    EXPECT_FALSE(g.faulted());
  }
}

}  // namespace
}  // namespace rc
