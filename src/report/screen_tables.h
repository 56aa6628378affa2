#pragma once
// The result tables drawn in the results window.
#include <string>

#include "model/design_data.h"
#include "report/surface.h"

namespace rc {

// Rules, frames and column lines of both tables.
inline constexpr Colour kTableRuleColour = kBlue;             // 0xFF0000
inline constexpr Colour kKineticPanelColour = Rgb(192, 192, 255);  // 0xFFC0C0, light blue
inline constexpr Colour kTrayPanelColour = Rgb(255, 128, 255);     // 0xFF80FF, pink

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

// The two data rows of a tray block, shared by the screen and the printed report:
// hcl, vapour content, the three coefficients; then NOY, EY, EMY, liquid x, vapour y.
std::u16string TrayFirstRow(const TrayResult& tray, char16_t decimalSeparator);
std::u16string TraySecondRow(const TrayResult& tray, float liquidX, float vapourY,
                             char16_t decimalSeparator);

// The eight characteristics stored in row 1..3 of RecordedTrays.
TrayResult RecordedTrayResult(const RecordedTrayRows& rows, int row);

// Left edge of a centred block of blockWidth twips in a window windowWidth wide,
// rounded halves to even as a 16-bit integer.
std::int16_t CentredLeft(int windowWidth, int blockWidth);

}  // namespace rc
