#pragma once
// Drawing helpers shared by the two printed reports: everything on paper is black, and
// a rule spans the width of the tables' box.
#include "report/surface.h"
#include "report/table_texts.h"

namespace rc {

inline constexpr double kReportBoxLeft = 1740;   // [twips]
inline constexpr double kReportBoxRight = 9200;  // [twips]
inline constexpr double kReportTextLeft = 1500;  // [twips] pen x of every table line
// Where the pen stands on a page a ruled block was moved to: room above the block's box.
inline constexpr double kContinuedPageTop = 200;  // [twips]

inline void ReportRule(Surface& printer, double y) {
  printer.Line(kReportBoxLeft, y, kReportBoxRight, y, kBlack);
}

inline void ReportColumnLine(Surface& printer, double x, double yFrom, double yTo) {
  printer.Line(x, yFrom, x, yTo, kBlack);
}

// Whether the ruled block that print draws (a callable taking the printer and returning
// the lowest y it draws at) would stay on the present page: none of its lines would go
// to a new page and its rules would end above the page bottom. It is tried on a copy,
// so the printer is left as it was.
template <class PrintBlock>
bool BlockFitsOnPage(const Surface& printer, PrintBlock&& print) {
  if (printer.PageHeight() <= 0) return true;  // a window, never paged
  Surface trial = printer;
  const std::size_t pages = trial.Pages().size();
  const double bottom = print(trial);
  return trial.Pages().size() == pages && bottom <= printer.PageHeight();
}

// A new page with the pen at kContinuedPageTop, for a block moved there whole.
inline void ContinueOnNewPage(Surface& printer) {
  printer.NewPage();
  printer.CurrentY = kContinuedPageTop;
}

// Starts a new page for a block that does not fit on what is left of this one, unless
// the pen is already at the top of a page (the block would not fit on any page then).
// Returns whether a new page was started; the pen is then at kContinuedPageTop.
template <class PrintBlock>
bool KeepBlockOnOnePage(Surface& printer, PrintBlock&& print) {
  if (printer.CurrentY <= kContinuedPageTop || BlockFitsOnPage(printer, print)) return false;
  ContinueOnNewPage(printer);
  return true;
}

// The same for a block whose height [twips] is known beforehand: a new page when it would
// pass the page's bottom under the pen, unless the pen is already at the top of a page.
inline void NewPageUnlessFits(Surface& printer, double height) {
  if (printer.CurrentY > kContinuedPageTop && !printer.FitsOnPage(height)) ContinueOnNewPage(printer);
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
