#pragma once
// The y–x diagram of the column in mole fractions of the light component: diagonal,
// the equilibrium curve as the tray-by-tray calculation steps against it (eight points,
// six parabolas each over its own segment), the two operating lines with XW, XF, XP
// meeting on the feed line (continued to the curve, the pinch that sets the minimum
// reflux ratio marked and that ratio written under the diagram), and, when the
// calculations have completed on these data, the kinetic line and the staircase of the
// real trays. Drawn on a Surface: the window and the printed page.
#include <string>
#include <vector>

#include "calc/runs.h"
#include "report/plot_frame.h"

namespace rc {

// What of the results belongs in the diagram.
struct YXDiagramContent {
  const KineticLineRun* kineticLine = nullptr;  // a completed run on the present data
  const TrayByTrayRun* trays = nullptr;         // a completed run on the present data
  // The messages of the calculations that refused the present data.
  std::vector<std::u16string> refusals;
};

inline constexpr Colour kDiagonalColour = kPlotGrey;
inline constexpr Colour kEquilibriumColour = kPlotLightGreen;
inline constexpr Colour kOperatingColour = kPlotBlue;
inline constexpr Colour kKineticColour = kPlotRed;
inline constexpr Colour kStaircaseColour = kPlotPurple;
inline constexpr Colour kFeedTrayColour = kPlotDarkOrange;

// The unit square of compositions in the plotting area given.
PlotFrame YXDiagramFrame(const TwipRect& area);

// The diagram with its legend, and under the area (from belowY) the summary line of
// the trays, the minimum reflux ratio's line and the refusal messages, one line each,
// in bold red.
void DrawYXDiagram(Surface& s, const CalculationInputs& data, const YXDiagramContent& content,
                   const PlotFrame& frame, double belowY, char16_t decimalSeparator);

// The line under the diagram with the minimum reflux ratio, whatever the feed:
// "R мин = 1.18 (пинч у питания), R/R мин = 2.97"; empty where there is none.
std::u16string DiagramMinimumRefluxLine(const CalculationInputs& data, char16_t decimalSeparator);

// "ОБЩЕЕ ЧИСЛО ТАРЕЛОК = N, ТАРЕЛКА ПИТАНИЯ = M", or "... ТАРЕЛКА ПИТАНИЯ НЕ НАЙДЕНА".
std::u16string DiagramSummaryText(const TrayByTrayRun& run);

}  // namespace rc
