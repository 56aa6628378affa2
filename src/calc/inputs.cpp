#include "calc/inputs.h"

#include "model/input_catalogue.h"

namespace rc {

CalculationInputs CalculationInputs::Of(const DesignData& data) {
  CalculationInputs in;
  in.eqX = data.EqX;
  in.eqY = data.EqY;
  in.params = data.ParamValue;
  in.trayType = data.TrayType;
  return in;
}

bool CalculationInputs::operator==(const CalculationInputs& other) const {
  if (eqX != other.eqX || eqY != other.eqY || trayType != other.trayType) return false;
  for (const InputRow& in : InputCatalogue()) {
    if (in.stage != InputStage::Column && params[in.number] != other.params[in.number]) return false;
  }
  return true;
}

}  // namespace rc
