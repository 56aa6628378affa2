#pragma once
// The operating lines of the column and the material balances of its sections, once for
// every calculation and drawing that needs them. Compositions are mole fractions of the
// light component. [-]
#include "calc/tray_model.h"

namespace rc {

// Below the feed the lower operating line through (XW, XW) with the slope L'/V' =
// (q Fbar + R)/(R + 1 + (q - 1) Fbar); above it the upper line through (XP, XP) with the
// slope R/(R + 1).
double OperatingLineBelowFeed(Guard& g, const ColumnParameters& c, double fbar, double x);
double OperatingLineAboveFeed(Guard& g, const ColumnParameters& c, double x);
// The liquid at which the two lines cross on the q-line, x_q = XF + (q - 1)(XP - XF)/(R + q),
// stored as a 32-bit float: exactly XF for a boiling feed. The trays and points whose
// liquid is x_q or less are below the feed.
float FeedLineCrossingX(Guard& g, const ColumnParameters& c);
// The vapour on the operating line at liquid x: the lower line for x <= x_q.
double OperatingLineY(Guard& g, const ColumnParameters& c, double x);

// The liquid on the lower operating line in equilibrium of balance with vapour y: where
// the liquid of the tray above the feed arrives before the feed is taken out of it.
double LiquidOnLowerLine(Guard& g, const ColumnParameters& c, double fbar, double y);
// The liquid of the tray above the feed, from the liquid x reckoned on the lower line and
// the vapour y leaving the feed tray (the feed tray's balance):
// ((q Fbar + R) x + (1 - q) Fbar y - Fbar XF)/R.
double LiquidAboveFeed(Guard& g, const ColumnParameters& c, double fbar, double x, double y);

}  // namespace rc
