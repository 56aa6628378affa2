#pragma once
// The study of one input drawn on a Surface (its window and its printed page): the number
// of real trays and the feed tray against the input's value; where the column was
// computed, below it the largest per cent of flooding (with the 80 % design line and the
// 100 % line) or ΣΔP, H or Qr. The ranges where the data are refused are shaded and say
// why; the typed value and the cursor's point are marked; the line under the plots gives
// the cursor's point.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "calc/input_study.h"
#include "report/column_results.h"
#include "report/plot_frame.h"

namespace rc {

inline constexpr char16_t kInputStudyTitle[] = u"ВЛИЯНИЕ ПАРАМЕТРА";

// The column's quantity of the lower plot: a row of the column's results.
using StudyQuantity = const ColumnResult*;
// The quantities the lower plot offers, in the order its button steps through them: φmax,
// ΣΔP, H, Qr.
std::span<const StudyQuantity> StudyQuantities();
// "% захлебывания", "ΣΔP, Па", "H, м", "Qr, кВт".
std::u16string StudyQuantityName(StudyQuantity q);

// The reasons written over the refused ranges.
inline constexpr Colour kStudyRefusedText = kPlotDarkRed;

// What the plots mark besides the points.
struct InputStudyMarks {
  float typedValue = 0;
  std::size_t cursor = 0;  // the point under the cursor
  StudyQuantity quantity = StudyQuantities().front();
};

// The quantity's value at a point, where the column was computed and gave it.
std::optional<double> StudyQuantityAt(const StudyPoint& p, StudyQuantity q);

// The lines of the cursor's point: the input, its value and unit, N and the feed tray
// (or why the point is refused); with the column a second line of ΣΔP, H, φmax and Qr.
std::vector<std::u16string> StudyCursorLines(const InputStudy& study, std::size_t k, char16_t decimalSeparator);

// Where the points stand: the input's axis and the span [twips] of the plots' areas, from
// the top of the upper plot to the bottom of the lower one.
struct InputStudyPlace {
  TwipRect plots;
  PlotAxis x;
  // The point nearest a place on the plots; nothing for a place outside them.
  std::optional<std::size_t> PointAt(const InputStudy& study, double x, double y) const;
};

// The index of the point whose value is nearest `value` (0 for no points).
std::size_t NearestStudyPoint(const InputStudy& study, double value);

// The layout's first area takes N and the feed tray, the second the column's quantity;
// the cursor's lines start at its linesTop.
InputStudyPlace DrawInputStudy(Surface& s, const InputStudy& study, const InputStudyMarks& marks,
                               const PlotPairLayout& layout, char16_t decimalSeparator);

// The study as its page prints it, from top (the pen under the page's title) down: the
// plots, the line and the legend; returns the legend's bottom. The page and the study's
// picture both draw it.
double DrawPrintedInputStudy(Surface& printer, const InputStudy& study, const InputStudyMarks& marks,
                             double top, char16_t decimalSeparator);

// One printed page: the header line, the title with the input's name, the plots, the
// line and the legend.
void PrintInputStudy(Surface& printer, const std::u16string& studentName, const InputStudy& study,
                     const InputStudyMarks& marks, const std::u16string& dateTime,
                     char16_t decimalSeparator);

}  // namespace rc
