#pragma once
// The reflux study drawn on a Surface (the diagram window's second view and its printed
// page): the number of real trays N against the reflux ratio R, with the refused ratios
// marked on the axis with their reason, and N*(R + 1) below it with its minimum marked
// "R опт"; the student's own R marked in both; the line naming both under the plots.
#include <string>

#include "calc/reflux_sweep.h"
#include "report/plot_frame.h"

namespace rc {

inline constexpr char16_t kRefluxStudyTitle[] = u"ЧИСЛО ТАРЕЛОК И ФЛЕГМОВОЕ ЧИСЛО";

inline constexpr Colour kRefluxTraysColour = kPlotBlue;
inline constexpr Colour kRefluxVolumeColour = kPlotPurple;
// Every colour that labels a line or a mark reads on white paper (contrast 4.5 or more).
inline constexpr Colour kRefluxOptimumColour = kPlotGreen;
inline constexpr Colour kRefluxOwnColour = kPlotDarkOrange;
inline constexpr Colour kRefluxTooManyColour = kPlotDarkRed;
inline constexpr Colour kRefluxRefusedColour = kPlotBlack;

// The frames of the two plots: R over the swept range on both; N from 0, N*(R + 1)
// from 0, each up to a round value above its largest completed point.
PlotFrame RefluxTraysFrame(const RefluxSweep& sweep, const TwipRect& area);
PlotFrame RefluxVolumeFrame(const RefluxSweep& sweep, const TwipRect& area);

// The layout's first area takes N, the second N*(R + 1); the line stands at its linesTop.
void DrawRefluxStudy(Surface& s, const RefluxSweep& sweep, const PlotPairLayout& layout,
                     char16_t decimalSeparator);

// The study as its page prints it, from top (the pen under the page's title) down: both
// plots, the line and the legend; returns the legend's bottom. The page and the study's
// picture both draw it.
double DrawPrintedRefluxStudy(Surface& printer, const RefluxSweep& sweep, double top,
                              char16_t decimalSeparator);

// The printed page: the header line with the student's name and the date text
// (dateTime, from DateTimeText), the bold title, the plots and the line; the plots go to
// the top of a second page when a long header leaves no room for them under it.
void PrintRefluxStudy(Surface& printer, const std::u16string& studentName,
                      const RefluxSweep& sweep, const std::u16string& dateTime,
                      char16_t decimalSeparator);

}  // namespace rc
