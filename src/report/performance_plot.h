#pragma once
// The tray's performance diagram drawn on a Surface (its window and its printed page): two
// panels, "ОТГОННАЯ ЧАСТЬ" and "УКРЕПЛЯЮЩАЯ ЧАСТЬ", each for its section's critical tray
// with the section's own vapour velocity on its axis and one scale for both; the limit
// lines, the design point, the minimum-load point and the operating ray through them;
// the legend and the help lines under them.
#include <string>
#include <vector>

#include "calc/performance_diagram.h"
#include "report/plot_frame.h"

namespace rc {

inline constexpr char16_t kOperatingWindowTitle[] = u"РАБОЧАЯ ОБЛАСТЬ ТАРЕЛКИ";

// "ОТГОННАЯ ЧАСТЬ: тарелка 1, w′ = 1,17 м/с", or the section's name alone without trays.
std::u16string PanelTitle(const DiagramPanel& panel, char16_t decimalSeparator);
// The short help under the diagram.
std::vector<std::u16string> PerformanceHelpLines();

// The layout's first area takes the stripping section's panel, the second the
// rectifying section's; the help lines start at its linesTop.
void DrawPerformanceDiagram(Surface& s, const PerformanceDiagram& diagram,
                            const PlotPairLayout& layout, char16_t decimalSeparator);

// One printed page: the header line, the title, the panels one above the other, the
// legend and the help.
void PrintPerformanceDiagram(Surface& printer, const std::u16string& studentName,
                             const PerformanceDiagram& diagram, const std::u16string& dateTime,
                             char16_t decimalSeparator);

}  // namespace rc
