#pragma once
// The list-row texts of the entry and correction windows: the input data lines (shared
// with the printed report frame) and the rows of the first-stage lists.
#include <string>

#include "model/design_data.h"
#include "report/input_rows.h"

namespace rc {

// Row 0..10 of the first-stage data as every correction list shows them: the eight
// equilibrium points, then XW, XF, XP.
std::u16string FirstStageRowText(const DesignData& data, int row);

}  // namespace rc
