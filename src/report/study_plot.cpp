#include "report/study_plot.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <string_view>

#include "model/text.h"
#include "report/format.h"
#include "report/study_texts.h"

namespace rc {
namespace {

using Points = std::vector<std::pair<double, double>>;

// The curves, the typed value's and the cursor's lines, and the refused ranges' shades.
constexpr Colour kStudyTraysColour = kPlotBlue;
constexpr Colour kStudyFeedColour = kPlotPurple;
constexpr Colour kStudyColumnColour = kPlotTeal;
constexpr Colour kStudyTypedColour = kPlotDarkOrange;
constexpr Colour kStudyCursorColour = kPlotGreen;
constexpr Colour kStudyRefusedShade = kPlotPink;
constexpr Colour kStudyTooManyShade = kPlotPeach;

constexpr double kPointSize = 70;     // [twips]
constexpr double kMarkSize = 150;     // [twips]
constexpr double kLabelGap = 60;      // [twips]
constexpr double kPagePlotHeight = 3600;
// [twips] left of a plot: the tick labels' gap, the title's gap and its margin.
constexpr double kTickGap = 60, kTitleGap = 60, kTitleMargin = 100;

// The quantities the lower plot offers, by their keys in the column's results.
constexpr const char* kStudiedResults[] = {"flood_max", "dp_total", "height",  "q_reb",
                                           "psi_max",   "weep_min", "hb_max"};

bool Is(StudyQuantity q, std::string_view key) { return q->key == key; }

bool DualFlow(const InputStudy& study) {
  return std::any_of(study.points.begin(), study.points.end(), [](const StudyPoint& p) {
    return p.column && !p.column->floodingApplies;
  });
}

PlotAxis ValueAxis(const InputStudy& study) {
  double lo = std::min(study.from, study.to), hi = std::max(study.from, study.to);
  if (!(hi > lo) || !std::isfinite(hi - lo)) {
    // A range of one value (the window refuses it; a caller may not): a span around it,
    // so that no position is worked out by dividing by zero.
    const double pad = std::isfinite(lo) && lo != 0 ? std::fabs(lo) / 10 : 1;
    lo = std::isfinite(lo) ? lo - pad : -1;
    hi = lo + 2 * pad;
  }
  const double step = RoundStep(hi - lo, 8);
  const std::u16string unit = study.input->Unit();
  return PlotAxis{std::floor(lo / step) * step, std::ceil(hi / step) * step, step,
                  std::min<std::uint8_t>(StepDecimals(step), 6),
                  study.input->Name() + (unit.empty() ? u"" : u", " + unit)};
}

// Half the distance to the neighbouring points: the strip a point stands for.
double HalfSpacing(const InputStudy& study) {
  const auto n = study.points.size();
  return n > 1 ? std::fabs(study.to - study.from) / static_cast<double>(n - 1) / 2 : 0;
}

// Why the point is refused, or nothing when it completed (with the column, when asked).
std::optional<std::u16string> Refused(const InputStudy& study, const StudyPoint& p, bool column) {
  if (p.outcome == StudyPoint::Outcome::TooManyTrays) return u">" + DecimalText(kMaxTrays);
  if (!p.Completed() || (column && p.columnRefused)) {
    return study.input->Admits(p.value) ? u"ОШИБКА В ИСХ. ДАННЫХ" : u"ВНЕ ПРЕДЕЛОВ";
  }
  return std::nullopt;
}

// A refused run's reason, at the middle of its strip.
struct RefusedLabel {
  double centre;
  std::u16string text;
};

// Runs of refused points shaded over the whole height; returns each run's reason.
std::vector<RefusedLabel> ShadeRefused(Surface& s, const PlotFrame& f, const InputStudy& study,
                                       bool column) {
  const double half = HalfSpacing(study) * (study.to >= study.from ? 1 : -1);
  const TwipRect& a = f.Area();
  std::vector<RefusedLabel> labels;
  for (std::size_t k = 0; k < study.points.size();) {
    const auto why = Refused(study, study.points[k], column);
    if (!why) {
      ++k;
      continue;
    }
    std::size_t last = k;
    while (last + 1 < study.points.size() && Refused(study, study.points[last + 1], column) == why) {
      ++last;
    }
    const double x1 = std::clamp(f.X(study.points[k].value - half), a.left, a.right);
    const double x2 = std::clamp(f.X(study.points[last].value + half), a.left, a.right);
    const bool tooMany = study.points[k].outcome == StudyPoint::Outcome::TooManyTrays;
    s.FilledBox(std::min(x1, x2), a.top, std::max(x1, x2), a.bottom,
                tooMany ? kStudyTooManyShade : kStudyRefusedShade);
    labels.push_back({(x1 + x2) / 2, *why});
    k = last + 1;
  }
  return labels;
}

// The reasons over the curves, each on a white ground: moved sideways to lie wholly in the
// area, and a row lower where it would touch one to its left.
void LabelRefused(Surface& s, const PlotFrame& f, const std::vector<RefusedLabel>& labels) {
  const TwipRect& a = f.Area();
  const double line = s.LineHeight(), charWidth = kPlotCharPerLine * line;
  std::vector<double> rowEnds;  // the right end of the last label of each row
  for (const RefusedLabel& l : labels) {
    const double width = static_cast<double>(l.text.size()) * charWidth;
    const double left = std::clamp(l.centre - width / 2, a.left + kLabelGap,
                                   std::max(a.left + kLabelGap, a.right - kLabelGap - width));
    std::size_t row = 0;
    while (row < rowEnds.size() && rowEnds[row] + 2 * kLabelGap > left) ++row;
    const double top = a.top + kLabelGap + static_cast<double>(row) * (line + kLabelGap / 2);
    if (top + line > a.bottom) continue;  // no room left in the area's height
    if (row == rowEnds.size()) rowEnds.push_back(0);
    rowEnds[row] = left + width;
    s.FilledBox(left - kLabelGap / 2, top, left + width + kLabelGap / 2, top + line, kPlotBackColour);
    s.TextAt(left, top, l.text, kStudyRefusedText);
  }
}

// The completed points of one quantity as curves, broken where a point has no value.
void Curves(Surface& s, const PlotFrame& f, const InputStudy& study, Colour colour,
            const std::function<std::optional<double>(const StudyPoint&)>& valueOf) {
  Points run;
  for (const StudyPoint& p : study.points) {
    const auto y = valueOf(p);
    if (!y) {
      f.Curve(s, run, colour, kPlotCurveWidth);
      run.clear();
      continue;
    }
    run.emplace_back(p.value, *y);
    f.Mark(s, p.value, *y, colour, MarkerShape::Circle, kPointSize);
  }
  f.Curve(s, run, colour, kPlotCurveWidth);
}

std::optional<double> Trays(const StudyPoint& p) {
  return p.Completed() ? std::optional<double>(p.run.TotalTrays()) : std::nullopt;
}
std::optional<double> Feed(const StudyPoint& p) {
  return p.Completed() && p.run.feedTray ? std::optional<double>(*p.run.feedTray) : std::nullopt;
}

// The frame, and within the area the refused runs shaded (with the column, when asked) and
// the typed value's and the cursor's lines; returns the runs' reasons, to label last.
std::vector<RefusedLabel> BeginPlot(Surface& s, const PlotFrame& f, const InputStudy& study,
                                    const InputStudyMarks& m, bool column, char16_t separator) {
  f.DrawFrame(s, separator, kPlotTextColour);
  f.ClipToArea(s);
  std::vector<RefusedLabel> labels = ShadeRefused(s, f, study, column);
  f.Upright(s, m.typedValue, kStudyTypedColour, 0, true);
  if (m.cursor < study.points.size()) f.Upright(s, study.points[m.cursor].value, kStudyCursorColour);
  return labels;
}

// The refused runs' reasons over everything drawn, and the clip lifted.
void EndPlot(Surface& s, const PlotFrame& f, const std::vector<RefusedLabel>& labels) {
  LabelRefused(s, f, labels);
  s.NoClip();
}

void DrawTrays(Surface& s, const PlotFrame& f, const InputStudy& study, const InputStudyMarks& m,
               char16_t separator) {
  const auto labels = BeginPlot(s, f, study, m, false, separator);
  Curves(s, f, study, kStudyFeedColour, Feed);
  Curves(s, f, study, kStudyTraysColour, Trays);
  EndPlot(s, f, labels);
}

// The limit of an operating window's quantity that its plot marks (dashed): ψ at most 0.1,
// the weep margin at least 1; the backup's limit moves with the tray spacing.
std::optional<double> PlottedLimit(StudyQuantity q) {
  if (Is(q, "psi_max")) return kEntrainmentLimit;
  if (Is(q, "weep_min")) return kWeepMarginMinimum;
  return std::nullopt;
}

void DrawColumn(Surface& s, const PlotFrame& f, const InputStudy& study, const InputStudyMarks& m,
                char16_t separator) {
  const auto labels = BeginPlot(s, f, study, m, true, separator);
  if (Is(m.quantity, "flood_max")) {
    if (DualFlow(study)) {
      EndPlot(s, f, labels);
      const TwipRect& a = f.Area();
      s.TextAt((a.left + a.right) / 2, (a.top + a.bottom) / 2,
               u"для провальных тарелок не рассчитывается", kPlotMessageColour, TextAnchor::Centre);
      return;
    }
    f.Level(s, kFloodingDesign, kPlotMessageColour, 0, true);
    f.Level(s, 100.0, kPlotMessageColour, kPlotCurveWidth);
  }
  if (const std::optional<double> limit = PlottedLimit(m.quantity)) {
    f.Level(s, *limit, kPlotMessageColour, 0, true);
  }
  Curves(s, f, study, kStudyColumnColour, [&](const StudyPoint& p) { return StudyQuantityAt(p, m.quantity); });
  EndPlot(s, f, labels);
}

double Largest(const InputStudy& study, const std::function<std::optional<double>(const StudyPoint&)>& valueOf) {
  double largest = 0;
  for (const StudyPoint& p : study.points) {
    if (const auto v = valueOf(p); v && std::isfinite(*v)) largest = std::max(largest, *v);
  }
  return largest;
}

std::vector<LegendEntry> Legend(const InputStudy& study, const InputStudyMarks& m) {
  std::vector<LegendEntry> entries{
      {u"N, число реальных тарелок", kStudyTraysColour, true, false, true},
      {u"тарелка питания", kStudyFeedColour, true, false, true},
  };
  if (study.withColumn) entries.push_back({StudyQuantityName(m.quantity), kStudyColumnColour, true, false, true});
  entries.push_back({u"ваше значение", kStudyTypedColour, true, true, false});
  entries.push_back({u"курсор", kStudyCursorColour, true, false, false});
  return entries;
}

}  // namespace

std::span<const StudyQuantity> StudyQuantities() {
  static const std::vector<StudyQuantity> quantities = [] {
    std::vector<StudyQuantity> rows;
    for (const char* key : kStudiedResults) rows.push_back(FindColumnResult(key));
    return rows;
  }();
  return quantities;
}

std::u16string StudyQuantityName(StudyQuantity q) { return q->plotCaption; }

std::optional<double> StudyQuantityAt(const StudyPoint& p, StudyQuantity q) {
  if (!p.column) return std::nullopt;
  // The operating window's worst values read from the window computed with the column.
  const ColumnValue v = q->scope == ResultScope::Window
                            ? (p.window ? ResultValue(*q, *p.window) : std::nullopt)
                            : ResultValue(*q, *p.column);
  return v && std::isfinite(*v) ? v : std::nullopt;
}

std::vector<std::u16string> StudyCursorLines(const InputStudy& study, std::size_t k,
                                             char16_t separator) {
  if (k >= study.points.size()) return {};
  const StudyPoint& p = study.points[k];
  std::u16string value = StudyValueText(p.value);
  std::replace(value.begin(), value.end(), u'.', separator);
  std::u16string line;
  for (const char* c = study.input->key; *c; ++c) line += static_cast<char16_t>(std::toupper(*c));
  line += u" = " + value + u" " + study.input->Unit() + u": ";
  if (const auto why = Refused(study, p, false)) return {line + *why};
  line += u"N = " + DecimalText(p.run.TotalTrays());
  if (p.run.feedTray) line += u", тарелка питания " + DecimalText(*p.run.feedTray);
  if (!study.withColumn) return {line};
  if (!p.column) {
    return {line, study.input->Admits(p.value) ? u"колонна: ОШИБКА В ИСХ. ДАННЫХ" : u"колонна: ВНЕ ПРЕДЕЛОВ"};
  }
  const auto number = [&](const ColumnValue& v, std::uint8_t decimals) {
    return v && std::isfinite(*v) ? FormatFixed(static_cast<float>(*v), 1, decimals, separator)
                                  : std::u16string(u"ОШИБКА");
  };
  std::u16string column = u"ΣΔP = " + number(p.column->totalDrop, 1) + u" Па, H = " +
                          number(p.column->height, 3) + u" м";
  if (p.column->floodingApplies) column += u", φmax = " + number(p.column->floodingMax, 1) + u" %";
  return {line, column + u", Qr = " + number(p.column->reboilerDuty, 2) + u" кВт"};
}

std::size_t NearestStudyPoint(const InputStudy& study, double value) {
  std::size_t nearest = 0;
  for (std::size_t k = 0; k < study.points.size(); ++k) {
    if (std::fabs(study.points[k].value - value) < std::fabs(study.points[nearest].value - value)) {
      nearest = k;
    }
  }
  return nearest;
}

std::optional<std::size_t> InputStudyPlace::PointAt(const InputStudy& study, double x, double y) const {
  if (study.points.empty() || x < plots.left || x > plots.right || y < plots.top || y > plots.bottom) {
    return std::nullopt;
  }
  return NearestStudyPoint(study, this->x.min + (x - plots.left) / plots.Width() * (this->x.max - this->x.min));
}

InputStudyPlace DrawInputStudy(Surface& s, const InputStudy& study, const InputStudyMarks& m,
                               const PlotPairLayout& layout, char16_t separator) {
  const PlotAxis x = ValueAxis(study);
  PlotAxis column;
  if (study.withColumn) {
    double largest = Largest(study, [&](const StudyPoint& p) { return StudyQuantityAt(p, m.quantity); });
    if (Is(m.quantity, "flood_max")) largest = std::max(largest, 100.0);
    if (const std::optional<double> limit = PlottedLimit(m.quantity)) largest = std::max(largest, *limit);
    column = CountAxis(largest, StudyQuantityName(m.quantity));
    if (Is(m.quantity, "height")) {
      column.step = RoundStep(column.max, 5);
      column.decimals = StepDecimals(column.step);
    } else if (m.quantity->decimals >= 2 && m.quantity->scope == ResultScope::Window) {
      // Fractions (ψ, the weep margin): steps below 1.
      column.step = RoundStep(largest, 5);
      column.max = (std::floor(largest / column.step) + 1) * column.step;
      column.decimals = StepDecimals(column.step);
    }
  }
  // Both plots start where the lower one's widest tick label leaves its upright title
  // room on the window or page: the values of one point stay one above the other.
  const std::size_t widest =
      study.withColumn ? FormatFixed(static_cast<float>(column.max), 1, column.decimals, separator).size() : 0;
  const double lineHeight = s.LineHeight();
  const double left =
      std::max(layout.first.left, kTickGap + static_cast<double>(widest) * kPlotCharPerLine * lineHeight +
                                      kTitleGap + 1.5 * lineHeight + kTitleMargin);
  TwipRect traysArea = layout.first, columnArea = layout.second;
  traysArea.left = columnArea.left = left;
  const PlotFrame trays(traysArea, x, CountAxis(Largest(study, Trays), u"N"));
  DrawTrays(s, trays, study, m, separator);
  if (study.withColumn) DrawColumn(s, PlotFrame(columnArea, x, column), study, m, separator);
  const InputStudyPlace place{
      {left, traysArea.top, traysArea.right, study.withColumn ? columnArea.bottom : traysArea.bottom}, x};
  PlotFrame(layout.legend, PlotAxis{}, PlotAxis{}).DrawLegend(s, Legend(study, m), kPlotTextColour);
  const bool bold = s.FontBold;
  s.FontBold = true;
  double y = layout.linesTop;
  for (const std::u16string& line : StudyCursorLines(study, m.cursor, separator)) {
    s.TextAt(layout.first.left, y, line, kPlotMessageColour);
    y += s.LineHeight();
  }
  s.FontBold = bold;
  return place;
}

void PrintInputStudy(Surface& printer, const std::u16string& studentName, const InputStudy& study,
                     const InputStudyMarks& marks, const std::u16string& dateTime, char16_t separator) {
  PrintPlotPageHeader(printer, studentName, dateTime,
                      std::u16string(kInputStudyTitle) + u": " + study.input->Name());
  printer.CurrentY = DrawPrintedInputStudy(printer, study, marks, printer.CurrentY, separator);
}

double DrawPrintedInputStudy(Surface& printer, const InputStudy& study, const InputStudyMarks& marks,
                             double penTop, char16_t separator) {
  const double line = printer.LineHeight();
  PlotPairLayout layout = PrintedPlotPair(penTop, kPagePlotHeight);
  layout.linesTop = (study.withColumn ? layout.second.bottom : layout.first.bottom) + kPlotUnderArea + line;
  const double legendTop = layout.linesTop + 3 * line;
  layout.legend = {kPlotPageLeft, legendTop, kPlotPageRight, legendTop + 5 * line + 400};
  DrawInputStudy(printer, study, marks, layout, separator);
  return layout.legend.bottom;
}

}  // namespace rc
