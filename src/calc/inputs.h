#pragma once
// Every input the calculations read, as values: the eight equilibrium points, the whole
// parameter set (16..kLastParameter, the feed's thermal condition q among them) and the
// tray type. A run keeps the inputs it ran on, so whether its results still describe the
// data is one comparison.
#include <array>
#include <cstdint>

#include "model/design_data.h"

namespace rc {

struct CalculationInputs {
  std::array<float, 8> eqX{}, eqY{};  // [-] sorted by increasing X*
  ParameterValues params = FreshParameterValues();  // ParamValue, q included
  std::int32_t trayType = kTrayTypeNotChosen;

  static CalculationInputs Of(const DesignData& data);
  float Param(int n) const { return params[n]; }
  TrayKind Kind() const { return KindOfTrays(trayType, params[kParamAreaRatio]); }
  // The same inputs for the kinetic line and the tray-by-tray calculation: the points, the
  // tray type and every input but the third stage's, which only the column reads (from the
  // data, when it is computed); a change to the third stage leaves the runs standing.
  bool operator==(const CalculationInputs& other) const;
};

// Whether a run made on `ranOn` is still about the data as they are now.
inline bool StillAbout(const CalculationInputs& ranOn, const DesignData& now) {
  return ranOn == CalculationInputs::Of(now);
}

}  // namespace rc
