#pragma once
// Checks shared by the calculation tests: every stored result is a finite number; the
// operating lines drawn as on the y-x diagram.
#include <cmath>
#include <string>

#include "model/design_data.h"

namespace rc {

inline bool AllFinite(const TrayResult& r) {
  for (float v : {r.ClearLiquidHeight, r.VapourContent, r.VapourCoef, r.LiquidCoef,
                  r.OverallCoef, r.NOY, r.EY, r.EMY}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

template <class Array>
bool AllFinite(const Array& values) {
  for (float v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

inline bool AllResultsFinite(const DesignData& d) {
  const KineticPointArrays& k = d.KineticPoints;
  const RecordedTrayRows& t = d.RecordedTrays;
  for (const auto* column : {&k.Slope, &k.OperatingY, &k.ClearLiquidHeight, &k.VapourContent,
                             &k.VapourCoef, &k.LiquidCoef, &k.OverallCoef, &k.NOY, &k.EY,
                             &k.EMY, &k.KineticY}) {
    if (!AllFinite(*column)) return false;
  }
  for (const auto* column : {&t.ClearLiquidHeight, &t.VapourContent, &t.VapourCoef,
                             &t.LiquidCoef, &t.OverallCoef, &t.NOY, &t.EY, &t.EMY, &t.LiquidX,
                             &t.VapourY}) {
    if (!AllFinite(*column)) return false;
  }
  return AllFinite(d.TrayX) && AllFinite(d.TrayY) && AllFinite(d.CurrentTray);
}

// The operating lines as the McCabe-Thiele diagram constructs them from the compositions,
// the reflux ratio and q alone: the upper line from (XP, XP) to its intercept XP/(R + 1)
// on the y axis; the q-line from (XF, XF) with the slope q/(q - 1), vertical at q = 1;
// the lower line from (XW, XW) to where the q-line crosses the upper one. [-]
struct ConstructedLines {
  double xw, xf, xp, r, q;

  static ConstructedLines Of(const DesignData& d) {
    return {d.ParamValue[kParamXW], d.ParamValue[kParamXF], d.ParamValue[kParamXP],
            d.ParamValue[kParamReflux], d.ParamValue[kParamFeedCondition]};
  }
  // y at x on the straight line through (x1, y1) and (x2, y2).
  static double Through(double x1, double y1, double x2, double y2, double x) {
    return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
  }
  double Upper(double x) const { return Through(0, xp / (r + 1), xp, xp, x); }
  // The q-line q (x - XF) = (q - 1)(y - XF) meets y = (R x + XP)/(R + 1) where
  // (R + q)(x - XF) = (q - 1)(XP - XF).
  double CrossingX() const { return xf + (q - 1) * (xp - xf) / (r + q); }
  double Lower(double x) const { return Through(xw, xw, CrossingX(), Upper(CrossingX()), x); }
  double OfSection(bool belowFeed, double x) const { return belowFeed ? Lower(x) : Upper(x); }
};

}  // namespace rc
