#pragma once
// What the column calculation is given from the program's data: the column's
// parameters, the third stage's values and every computed tray of the last completed
// tray-by-tray calculation.
#include "calc/column_design.h"
#include "calc/runs.h"
#include "model/design_data.h"

namespace rc {

// Every tray of the run: its liquid, the vapour entering it, its clear-liquid height and
// the section the tray-by-tray calculation evaluated it in.
ColumnDesignInput ColumnDesignInputOf(const DesignData& data, const TrayByTrayRun& run);

}  // namespace rc
