#pragma once
// Every input the calculations read, as values: the eight equilibrium points, the
// parameters 16..40, the feed's thermal condition q and the tray type (the column's
// sizing, 41..56, is the column calculation's alone). A run keeps the inputs it ran on,
// so whether its results still describe the data is one comparison.
#include <array>
#include <cstdint>

#include "model/design_data.h"

namespace rc {

struct CalculationInputs {
  std::array<float, 8> eqX{}, eqY{};  // [-] sorted by increasing X*
  Numbered<float, 16, 40> params{};   // ParamValue 16..40
  float feedCondition = kBoilingFeed;  // [-] q, ParamValue 57
  std::int32_t trayType = kTrayTypeNotChosen;

  static CalculationInputs Of(const DesignData& data);
  float Param(int n) const { return params[n]; }
  TrayKind Kind() const { return KindOfTrays(trayType, params[kParamAreaRatio]); }
  bool operator==(const CalculationInputs&) const = default;
};

// Whether a run made on `ranOn` is still about the data as they are now.
inline bool StillAbout(const CalculationInputs& ranOn, const DesignData& now) {
  return ranOn == CalculationInputs::Of(now);
}

}  // namespace rc
