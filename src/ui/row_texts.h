#pragma once
// The list-row texts of the entry and correction windows.
#include <string>

#include "model/design_data.h"

namespace rc {

// "   X[i] /мольн.д/ =" + X text padded to 30 + "Y[i] /мольн.д/ =" + Y text.
std::u16string EquilibriumRowText(const DesignData& data, int i);
// The X half alone, listed while Y is being asked.
std::u16string EquilibriumRowXHalf(const DesignData& data, int i);
// "   " + caption (64 characters) + "    " + text.
std::u16string ParameterRowText(const DesignData& data, int n);

}  // namespace rc
