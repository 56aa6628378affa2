#pragma once
// Checks shared by the calculation tests: every stored result is a finite number.
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

}  // namespace rc
