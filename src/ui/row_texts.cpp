#include "ui/row_texts.h"

namespace rc {

std::u16string FirstStageRowText(const DesignData& data, int row) {
  return row < 8 ? EquilibriumRowText(data, row) : ParameterRowText(data, row + 8);
}

}  // namespace rc
