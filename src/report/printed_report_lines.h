#pragma once
// Drawing helpers shared by the two printed reports: everything on paper is black, and
// a rule spans the width of the tables' box.
#include "report/surface.h"
#include "report/table_texts.h"

namespace rc {

inline constexpr double kReportBoxLeft = 1740;   // [twips]
inline constexpr double kReportBoxRight = 9200;  // [twips]
inline constexpr double kReportTextLeft = 1500;  // [twips] pen x of every table line

inline void ReportRule(Surface& printer, double y) {
  printer.Line(kReportBoxLeft, y, kReportBoxRight, y, kBlack);
}

inline void ReportColumnLine(Surface& printer, double x, double yFrom, double yTo) {
  printer.Line(x, yFrom, x, yTo, kBlack);
}

// Prints one line starting at the tables' left edge.
inline void PrintTableLine(Surface& printer, const std::u16string& text) {
  printer.CurrentX = kReportTextLeft;
  printer.Print(text);
}

// Prints a line of the screen tables as the reports show it: three blanks further right.
inline void PrintShifted(Surface& printer, const std::u16string& screenLine) {
  PrintTableLine(printer, kPrintedShift + screenLine);
}

}  // namespace rc
