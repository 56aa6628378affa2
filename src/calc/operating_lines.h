#pragma once
// The operating lines of the column and the material balances of its sections, once for
// every calculation and drawing that needs them. Compositions are mole fractions of the
// light component. [-]
#include "calc/tray_model.h"

namespace rc {

// Below the feed the lower operating line through (XW, XW) with the slope
// (Fbar + R)/(R + 1); above it the upper line through (XP, XP) with the slope R/(R + 1).
double OperatingLineBelowFeed(Guard& g, const ColumnParameters& c, double fbar, double x);
double OperatingLineAboveFeed(Guard& g, const ColumnParameters& c, double x);
// The vapour on the operating line at liquid x: the lower line for x <= XF.
double OperatingLineY(Guard& g, const ColumnParameters& c, double x);

// The liquid on the lower operating line in equilibrium of balance with vapour y: where
// the liquid of the tray above the feed arrives before the feed is taken out of it.
double LiquidOnLowerLine(Guard& g, const ColumnParameters& c, double fbar, double y);
// The liquid of the tray above the feed without the feed: ((Fbar + R) x - Fbar XF)/R.
double LiquidAboveFeed(Guard& g, const ColumnParameters& c, double fbar, double x);

}  // namespace rc
