#pragma once
// The feed's thermal condition q as the checks and the calculations judge it: a boiling
// liquid or not, partly vapour or not, and whether some vapour still rises below the feed.
// The input check, the tray model and the feed condition all ask these.
#include "model/design_data.h"

namespace rc {

// A boiling liquid, q exactly 1: its feed line is vertical, and there is no pinch of its
// own to mark.
constexpr bool IsBoilingFeed(double q) { return q == kBoilingFeed; }

// Part of the feed is vapour, q < 1.
constexpr bool IsPartlyVapourFeed(double q) { return q < kBoilingFeed; }

// A partly vaporised feed brings vapour of its own to the section above it; some vapour
// must still rise below the feed: V' = R + 1 + (q - 1) Fbar > 0 with
// Fbar = (XP - XW)/(XF - XW), here multiplied by XF - XW, which also refuses a feed of the
// bottoms' own composition. A liquid feed is not examined.
constexpr bool VapourRisesBelowFeed(double reflux, double q, double xw, double xf, double xp) {
  return !IsPartlyVapourFeed(q) || (reflux + 1) * (xf - xw) > (1 - q) * (xp - xw);
}

}  // namespace rc
