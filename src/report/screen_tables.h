#pragma once
// The result tables drawn in the results window.
#include <string>
#include <vector>

#include "model/design_data.h"
#include "report/surface.h"
#include "report/table_cells.h"
#include "report/table_texts.h"

namespace rc {

// Rules, frames and column lines of both tables.
inline constexpr Colour kTableRuleColour = kBlue;
inline constexpr Colour kKineticPanelColour = Rgb(192, 192, 255);  // light blue
inline constexpr Colour kTrayPanelColour = Rgb(255, 128, 255);     // pink

// The kinetic line title, panel, tray-kind line and three ruled tables, drawn over
// whatever the surface holds. windowWidth is the results window's Width [twips].
void DrawKineticTable(Surface& surface, const KineticLineRun& run, int windowWidth,
                      char16_t decimalSeparator);

// What one block of the tray-by-tray table shows: the tray's number, its results and
// the compositions of the liquid and the vapour leaving it.
struct TrayBlock {
  int trayNo;
  TrayResult result;
  float liquidX;  // [-]
  float vapourY;  // [-]
};

// One tray block (two panels) of the tray-by-tray table, blockRow - 1 blocks of 3000
// twips below the first (the caller counts the blocks); for tray 1 the title too.
void DrawTrayTable(Surface& surface, const TrayBlock& tray, int blockRow, int windowWidth,
                   char16_t decimalSeparator);

// The results line under the tray-by-tray table, bold red, 100 twips below the pen and
// centred over 9000 twips; the pen is left blue and regular.
void DrawTraySummary(Surface& surface, int totalTrays, int feedTray, int windowWidth);

// Tray trayNo of a run as its block shows it; a zero block for a tray the run has not.
inline TrayBlock TrayBlockOf(const TrayByTrayRun& run, int trayNo) {
  if (trayNo < 1 || trayNo > run.Count()) return TrayBlock{0, TrayResult{}, 0, 0};
  const TrayStep& tray = run.Tray(trayNo);
  return TrayBlock{trayNo, tray.result, tray.x, tray.yOut};
}

// The tables as rows of cells for the copy button, with the numbers of the rows above:
// the kinetic line's six points with the twelve values of its three tables; the trays'
// blocks with the ten values of their two tables.
CellTable KineticTableCells(const KineticLineRun& run, char16_t decimalSeparator);
CellTable TrayTableCells(const std::vector<TrayBlock>& trays, char16_t decimalSeparator);

// A bold line with the pen at x, y, such as a table's title.
inline void PrintBoldAt(Surface& s, double x, double y, const std::u16string& text) {
  s.CurrentX = x;
  s.CurrentY = y;
  s.FontBold = true;
  s.Print(text);
  s.FontBold = false;
}

// Left edge of a centred block of blockWidth twips in a window windowWidth wide,
// rounded halves to even as a 16-bit integer.
inline std::int16_t CentredLeft(int windowWidth, int blockWidth) {
  return RoundTwips(windowWidth / 2.0 - blockWidth / 2.0);
}

}  // namespace rc
