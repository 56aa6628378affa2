#pragma once
// The result tables drawn in the results window.
#include <string>

#include "model/design_data.h"
#include "report/surface.h"

namespace rc {

// The kinetic line title, panel, tray-kind line and three ruled tables, drawn over
// whatever the surface holds. windowWidth is the results window's Width [twips].
void DrawKineticTable(Surface& surface, const DesignData& data, int windowWidth,
                      char16_t decimalSeparator);

// One tray block (two panels) of the tray-by-tray table for tray t, from CurrentTray,
// TrayX[t], TrayY[t], placed by TrayTableRow, which it advances; for t = 1 the title too.
void DrawTrayTable(Surface& surface, DesignData& data, int t, int windowWidth,
                   char16_t decimalSeparator);

// The rows of the kinetic line tables (table 1..3, point i = 1..6), shared by the
// screen and the printed report.
std::u16string KineticTableRow(const DesignData& data, int table, int i, char16_t decimalSeparator);

}  // namespace rc
