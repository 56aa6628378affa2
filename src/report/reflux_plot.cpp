#include "model/text.h"
#include "report/reflux_plot.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "report/printed_report_lines.h"
#include "report/reflux_texts.h"

namespace rc {
namespace {

using Outcome = RefluxPoint::Outcome;
using Points = std::vector<std::pair<double, double>>;

constexpr double kPointSize = 80;       // [twips] a completed point
constexpr double kMarkSize = 150;       // [twips] optimum, own R
constexpr double kRefusedSize = 110;    // [twips] a refused point on the axis
constexpr double kLabelGap = 60;        // [twips]
constexpr double kFinestRefluxStep = 1e-4;  // [-] so that tick labels need at most 4 decimals

// Print layout [twips]: as the diagram's page.
constexpr double kPagePlotHeight = 3600;

PlotAxis RefluxAxis(const RefluxSweep& sweep) {
  const double lo = sweep.points.front().reflux, hi = sweep.points.back().reflux;
  // However small R is, the ticks stay a readable 0.0001 apart at the finest.
  const double step = std::max(kFinestRefluxStep, RoundStep(hi - lo, 8));
  return PlotAxis{std::floor(lo / step) * step, std::ceil(hi / step) * step, step,
                  StepDecimals(step), u"R, флегмовое число"};
}

const RefluxPoint& At(const RefluxSweep& sweep, int k) {
  return sweep.points[static_cast<std::size_t>(k)];
}

bool Completed(const RefluxPoint& p) { return p.outcome == Outcome::Completed; }

// The completed points as curves, broken where the calculation refused.
void CompletedCurves(Surface& s, const PlotFrame& f, const RefluxSweep& sweep, bool volume,
                     Colour colour) {
  Points run;
  auto flush = [&] {
    f.Curve(s, run, colour, kPlotCurveWidth);
    run.clear();
  };
  for (const RefluxPoint& p : sweep.points) {
    if (!Completed(p)) {
      flush();
      continue;
    }
    const double y = volume ? p.traysTimesRefluxPlusOne : p.trays;
    run.emplace_back(p.reflux, y);
    f.Mark(s, p.reflux, y, colour, MarkerShape::Circle, kPointSize);
  }
  flush();
}

double TextWidth(const Surface& s, const std::u16string& text) {
  return static_cast<double>(text.size()) * kPlotCharPerLine * s.LineHeight();
}

// Where a text of that width stands: its start or its end at x. The first of the places
// tried whose text stays within [from, to] and clear of every upright line at `lines`,
// else the first.
struct Placed {
  double x;
  TextAnchor anchor;
};
Placed PlaceClear(double width, std::initializer_list<Placed> tries, double from, double to,
                  std::initializer_list<std::optional<double>> lines) {
  for (const Placed& p : tries) {
    const double left = p.anchor == TextAnchor::End ? p.x - width : p.x;
    const double right = left + width;
    bool clear = left >= from && right <= to;
    for (const std::optional<double>& line : lines) {
      if (line && *line > left - kLabelGap / 2 && *line < right + kLabelGap / 2) clear = false;
    }
    if (clear) return p;
  }
  return *tries.begin();
}

// A text beside the upright line at R, `row` lines below the top of the area: to the
// right of the line, or to its left where the right has no room or the other line at
// `other` would cross it; with the lines too close for that, beyond the other line.
void LabelBesideLine(Surface& s, const PlotFrame& f, double r, int row, const std::u16string& text,
                     Colour colour, std::optional<double> other) {
  const double x = f.X(r);
  const double o = other.value_or(x);
  const TwipRect& a = f.Area();
  const double width = TextWidth(s, text);
  const Placed right{x + kLabelGap, TextAnchor::Start}, left{x - kLabelGap, TextAnchor::End};
  const Placed beyondRight{std::max(x, o) + kLabelGap, TextAnchor::Start};
  const Placed beyondLeft{std::min(x, o) - kLabelGap, TextAnchor::End};
  const bool rightFirst = x + kLabelGap + width <= a.right;
  const Placed p =
      rightFirst ? PlaceClear(width, {right, left, beyondRight, beyondLeft}, a.left, a.right, {x, other})
                 : PlaceClear(width, {left, right, beyondLeft, beyondRight}, a.left, a.right, {x, other});
  s.TextAt(p.x, a.top + kLabelGap + row * s.LineHeight(), text, colour, p.anchor);
}

// The refused ratios as marks on the R axis, each run of them labelled with its reason
// just above the axis; neighbouring runs take turns between two heights.
void RefusedMarks(Surface& s, const PlotFrame& f, const RefluxSweep& sweep) {
  const double axisY = f.YAxis().min;
  int run = 0;
  for (int k = 0; k < kRefluxSweepPoints;) {
    const Outcome o = At(sweep, k).outcome;
    if (o == Outcome::Completed) {
      ++k;
      continue;
    }
    int last = k;
    while (last + 1 < kRefluxSweepPoints && At(sweep, last + 1).outcome == o) ++last;
    const bool tooMany = o == Outcome::TooManyTrays;
    const Colour colour = tooMany ? kRefluxTooManyColour : kRefluxRefusedColour;
    for (int j = k; j <= last; ++j) {
      f.Mark(s, At(sweep, j).reflux, axisY, colour,
             tooMany ? MarkerShape::Diamond : MarkerShape::Square, kRefusedSize);
    }
    const double from = f.X(At(sweep, k).reflux), to = f.X(At(sweep, last).reflux);
    const TwipRect& a = f.Area();
    const double middle = (from + to) / 2;
    const TextAnchor anchor = middle < a.left + a.Width() / 8    ? TextAnchor::Start
                              : middle > a.right - a.Width() / 8 ? TextAnchor::End
                                                                 : TextAnchor::Centre;
    const double x = anchor == TextAnchor::Start ? from : anchor == TextAnchor::End ? to : middle;
    const double y = a.bottom - kRefusedSize - (1 + run % 2) * s.LineHeight();
    s.TextAt(x, y, tooMany ? u"> " + DecimalText(kMaxTrays) : u"ОШИБКА", colour, anchor);
    ++run;
    k = last + 1;
  }
}

std::vector<LegendEntry> Legend(const RefluxSweep& sweep) {
  std::vector<LegendEntry> entries{
      {u"N, число реальных тарелок", kRefluxTraysColour, true, false, true},
      {u"N·(R+1)", kRefluxVolumeColour, true, false, true},
  };
  if (sweep.optimum) {
    entries.push_back({u"R опт: наименьшее N·(R+1)", kRefluxOptimumColour, true, true, true,
                       MarkerShape::Diamond});
  }
  entries.push_back({u"ваше R", kRefluxOwnColour, true, true, true, MarkerShape::Square});
  const auto any = [&](Outcome o) {
    return std::any_of(sweep.points.begin(), sweep.points.end(),
                       [o](const RefluxPoint& p) { return p.outcome == o; });
  };
  if (any(Outcome::TooManyTrays)) {
    entries.push_back({u"больше " + DecimalText(kMaxTrays) + u" тарелок", kRefluxTooManyColour, false, false, true,
                       MarkerShape::Diamond});
  }
  if (any(Outcome::Refused)) {
    entries.push_back({u"ошибка в исх. данных", kRefluxRefusedColour, false, false, true,
                       MarkerShape::Square});
  }
  return entries;
}

void DrawPlot(Surface& s, const PlotFrame& f, const RefluxSweep& sweep, bool volume,
              char16_t separator) {
  f.DrawFrame(s, separator, kPlotTextColour);
  const RefluxPoint& own = At(sweep, kOwnRefluxPoint);
  const RefluxPoint* best = sweep.optimum ? &At(sweep, *sweep.optimum) : nullptr;
  f.ClipToArea(s);
  // Dashed upright lines at both ratios.
  if (best) f.Upright(s, best->reflux, kRefluxOptimumColour, 0, true);
  f.Upright(s, own.reflux, kRefluxOwnColour, 0, true);
  CompletedCurves(s, f, sweep, volume, volume ? kRefluxVolumeColour : kRefluxTraysColour);
  const auto valueOf = [volume](const RefluxPoint& p) {
    return volume ? p.traysTimesRefluxPlusOne : static_cast<float>(p.trays);
  };
  if (Completed(own)) {
    f.Mark(s, own.reflux, valueOf(own), kRefluxOwnColour, MarkerShape::Square, kMarkSize);
  }
  if (best) {
    f.Mark(s, best->reflux, valueOf(*best), kRefluxOptimumColour, MarkerShape::Diamond, kMarkSize);
  }
  s.NoClip();
  if (!volume) {
    RefusedMarks(s, f, sweep);
    // Each label on its own row and clear of the other's line.
    const std::optional<double> ownX = f.X(own.reflux);
    const std::optional<double> bestX = best ? std::optional<double>(f.X(best->reflux)) : std::nullopt;
    LabelBesideLine(s, f, own.reflux, 0, u"ваше R", kRefluxOwnColour, bestX);
    if (best) LabelBesideLine(s, f, best->reflux, 1, u"R опт", kRefluxOptimumColour, ownX);
  } else if (best) {
    // "R опт" at the top beside its line, above the minimum, where the curve is low.
    LabelBesideLine(s, f, best->reflux, 0, u"R опт", kRefluxOptimumColour, f.X(own.reflux));
  }
}

double LargestOfCompleted(const RefluxSweep& sweep, bool volume) {
  double largest = 0;
  for (const RefluxPoint& p : sweep.points) {
    if (!Completed(p)) continue;
    largest = std::max<double>(largest, volume ? p.traysTimesRefluxPlusOne : p.trays);
  }
  return largest;
}

}  // namespace

PlotFrame RefluxTraysFrame(const RefluxSweep& sweep, const TwipRect& area) {
  return PlotFrame(area, RefluxAxis(sweep), CountAxis(LargestOfCompleted(sweep, false), u"N"));
}

PlotFrame RefluxVolumeFrame(const RefluxSweep& sweep, const TwipRect& area) {
  return PlotFrame(area, RefluxAxis(sweep), CountAxis(LargestOfCompleted(sweep, true), u"N·(R+1)"));
}

void DrawRefluxStudy(Surface& s, const RefluxSweep& sweep, const PlotPairLayout& layout,
                     char16_t separator) {
  DrawPlot(s, RefluxTraysFrame(sweep, layout.first), sweep, false, separator);
  DrawPlot(s, RefluxVolumeFrame(sweep, layout.second), sweep, true, separator);
  // The legend alone in its rectangle, in the way a plot places its own.
  PlotFrame(layout.legend, PlotAxis{}, PlotAxis{}).DrawLegend(s, Legend(sweep), kPlotTextColour);
  const bool bold = s.FontBold;
  s.FontBold = true;
  s.TextAt(layout.first.left, layout.linesTop, RefluxSummaryLine(sweep, separator),
           kPlotMessageColour);
  s.FontBold = bold;
}

void PrintRefluxStudy(Surface& printer, const std::u16string& studentName,
                      const RefluxSweep& sweep, const std::u16string& dateTime,
                      char16_t separator) {
  PrintPlotPageHeader(printer, studentName, dateTime, kRefluxStudyTitle);

  const double line = printer.LineHeight();
  // Both plots, the line and the legend under them: a header so long that they would pass
  // the page bottom sends them to the top of the next page.
  const double studyHeight =
      2 * (kPlotPageTopGap + kPagePlotHeight + kPlotUnderArea) + 3 * line + 6 * line + 400;
  NewPageUnlessFits(printer, studyHeight);
  printer.CurrentY = DrawPrintedRefluxStudy(printer, sweep, printer.CurrentY, separator);
}

double DrawPrintedRefluxStudy(Surface& printer, const RefluxSweep& sweep, double penTop,
                              char16_t separator) {
  const double line = printer.LineHeight();
  PlotPairLayout layout = PrintedPlotPair(penTop, kPagePlotHeight);
  layout.linesTop = layout.second.bottom + kPlotUnderArea + line;
  // Under the line, at the right: room for six legend lines and the box's margins.
  const double legendTop = layout.linesTop + 2 * line;
  layout.legend = {kPlotPageLeft, legendTop, kPlotPageRight, legendTop + 6 * line + 400};
  DrawRefluxStudy(printer, sweep, layout, separator);
  return layout.legend.bottom;
}

}  // namespace rc
