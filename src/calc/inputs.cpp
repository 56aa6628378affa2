#include "calc/inputs.h"

namespace rc {

CalculationInputs CalculationInputs::Of(const DesignData& data) {
  CalculationInputs in;
  in.eqX = data.EqX;
  in.eqY = data.EqY;
  for (int n = in.params.first(); n <= in.params.last(); ++n) in.params[n] = data.ParamValue[n];
  in.feedCondition = data.ParamValue[kParamFeedCondition];
  in.trayType = data.TrayType;
  return in;
}

}  // namespace rc
