// The operating lines and the section balances, checked against the diagram's own
// construction: through (XW, XW) and (XP, XP), meeting on x = XF, the upper line cutting
// the y axis at XP/(R + 1).
#include "calc/operating_lines.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/design_fixtures.h"
#include "result_checks.h"

namespace rc {
namespace {

ColumnParameters Compositions(double xw, double xf, double xp, double r) {
  ColumnParameters c{};
  c.XW = xw, c.XF = xf, c.XP = xp, c.R = r;
  return c;
}

TEST(OperatingLines, PassThroughTheEndsAndMeetOnTheFeedComposition) {
  const ColumnParameters cases[] = {ColumnParameters::From(BenzeneTolueneSieve()),
                                    Compositions(0.02, 0.35, 0.97, 0.8),
                                    Compositions(0.1, 0.6, 0.9, 7)};
  for (const ColumnParameters& c : cases) {
    SCOPED_TRACE(testing::Message() << c.XW << ' ' << c.XF << ' ' << c.XP << " R " << c.R);
    Guard g;
    const double fbar = FeedPerDistillate(g, c);
    const ConstructedLines lines{c.XW, c.XF, c.XP, c.R};
    EXPECT_NEAR(OperatingLineBelowFeed(g, c, fbar, c.XW), c.XW, 1e-12);
    EXPECT_NEAR(OperatingLineAboveFeed(g, c, c.XP), c.XP, 1e-12);
    EXPECT_NEAR(OperatingLineAboveFeed(g, c, 0), c.XP / (c.R + 1), 1e-12);
    EXPECT_NEAR(OperatingLineBelowFeed(g, c, fbar, c.XF), OperatingLineAboveFeed(g, c, c.XF),
                1e-12);
    for (const double x : {c.XW, (c.XW + c.XF) / 2, c.XF, (c.XF + c.XP) / 2, c.XP}) {
      SCOPED_TRACE(x);
      const bool below = x <= c.XF;
      EXPECT_NEAR(OperatingLineY(g, c, x), lines.OfSection(below, x), 1e-12);
      const double y = lines.Lower(x);
      // The lower line read backwards: the liquid in balance with the vapour y.
      EXPECT_NEAR(LiquidOnLowerLine(g, c, fbar, y), x, 1e-12);
      // The feed taken out of that liquid leaves the liquid of the upper line for the
      // same vapour.
      EXPECT_NEAR(lines.Upper(LiquidAboveFeed(g, c, fbar, x)), y, 1e-12);
    }
    // Just above the feed composition the upper line holds.
    const double above = std::nextafter(c.XF, 1.0);
    EXPECT_NEAR(OperatingLineY(g, c, above), lines.Upper(above), 1e-12);
    EXPECT_FALSE(g.faulted());
  }
}

}  // namespace
}  // namespace rc
