#pragma once
// What the column calculation is given from the program's data: the column's
// parameters, the third stage's values and every computed tray of the last completed
// tray-by-tray calculation.
#include "calc/column_design.h"
#include "model/design_data.h"

namespace rc {

// Tray i = 1..TrayProfile.Count: liquid TrayX[i], vapour entering TrayY[i - 1], its
// clear-liquid height; trays 1..FeedTray below the feed (the stripping section, as the
// calculation evaluated them), those above the feed tray above it; with no feed tray
// found, every tray below the feed.
ColumnDesignInput ColumnDesignInputOf(const DesignData& data);

}  // namespace rc
