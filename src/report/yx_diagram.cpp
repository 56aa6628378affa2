#include "report/yx_diagram.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calc/equilibrium_fit.h"
#include "calc/kinetic_curve.h"
#include "calc/operating_lines.h"
#include "model/text.h"

namespace rc {
namespace {

constexpr double kCurveWidth = 30;      // [twips] equilibrium and operating lines
constexpr double kStepWidth = 22;       // [twips] the staircase
constexpr double kPointSize = 90;       // [twips] markers
constexpr double kKineticPointSize = 120;
constexpr double kLabelGap = 50;        // [twips] between a point and its label
constexpr int kSamplesPerParabola = 40;
constexpr int kEveryTrayUpTo = 30;      // more trays than that: every fifth is numbered
constexpr Colour kMarkColour = Rgb(0, 0, 0);

using Points = std::vector<std::pair<double, double>>;

void DrawEquilibrium(Surface& s, const CalculationInputs& in, const PlotFrame& f) {
  Guard g;
  const EquilibriumParabolas eq = FitEquilibriumParabolas(g, {in.eqX, in.eqY});
  if (!g.faulted()) {
    const auto& x = in.eqX;
    const double xw = in.Param(kParamXW);
    for (int k = 1; k <= 6; ++k) {
      // Each parabola over the liquids the calculation takes it for.
      const double from = k == 1 ? std::min<double>(x[0], xw) : x[k - 1];
      const double to = k == 6 ? x[7] : x[k];
      Points points;
      for (int j = 0; j <= kSamplesPerParabola; ++j) {
        const double xi = from + (to - from) * j / kSamplesPerParabola;
        points.emplace_back(xi, eq.Value(k, xi));
      }
      f.Curve(s, points, kEquilibriumColour, kCurveWidth);
    }
  }
  for (int i = 0; i < 8; ++i) f.Mark(s, in.eqX[i], in.eqY[i], kEquilibriumColour, MarkerShape::Square, kPointSize);
}

// The vapour on the operating lines at liquid x, drawn whatever the data: a fault of the
// arithmetic shows as a point that is not drawn.
double OperatingY(const ColumnParameters& c, double x) {
  Guard g;
  const double y = OperatingLineY(g, c, x);
  return g.faulted() ? std::nan("") : y;
}

void DrawOperatingLines(Surface& s, const CalculationInputs& in, const PlotFrame& f) {
  const ColumnParameters c = ColumnParameters::From(in);
  const double feedY = OperatingY(c, c.XF);
  f.Curve(s, {{c.XW, c.XW}, {c.XF, feedY}}, kOperatingColour, kCurveWidth);
  f.Curve(s, {{c.XF, feedY}, {c.XP, c.XP}}, kOperatingColour, kCurveWidth);
  f.Curve(s, {{c.XF, c.XF}, {c.XF, feedY}}, kMarkColour, 0, true);  // the feed line
  const std::pair<double, const char16_t*> marks[] = {{c.XW, u"XW"}, {c.XF, u"XF"}, {c.XP, u"XP"}};
  for (const auto& [x, name] : marks) {
    f.Mark(s, x, x, kMarkColour, MarkerShape::Circle, kPointSize);
    if (!std::isfinite(x)) continue;
    // Under the diagonal, where no line of the diagram runs; XP keeps inside the area.
    const bool left = x > 0.8;
    s.TextAt(f.X(x) + (left ? -kLabelGap : kLabelGap), f.Y(x) + (left ? 3 : 1) * kLabelGap, name,
             kMarkColour, left ? TextAnchor::End : TextAnchor::Start);
  }
}

void DrawKineticLine(Surface& s, const KineticLineRun& run, const PlotFrame& f) {
  Points kinetic;
  for (int i = 1; i <= 6; ++i) {
    const KineticPoint& k = run.Point(i);
    f.Mark(s, run.inputs.eqX[i], k.operatingY, kOperatingColour, MarkerShape::Circle, kPointSize);
    kinetic.emplace_back(run.inputs.eqX[i], k.kineticY);
  }
  f.Curve(s, SmoothCurve(kinetic), kKineticColour, kCurveWidth);
  for (const auto& [x, y] : kinetic) f.Mark(s, x, y, kKineticColour, MarkerShape::Diamond, kKineticPointSize);
}

void DrawStaircase(Surface& s, const TrayByTrayRun& run, const PlotFrame& f) {
  const int n = run.Count();
  // From the bottom: up tray i at its liquid, across at its vapour to the next liquid.
  std::vector<TwipPoint> steps;
  steps.push_back(f.At(run.Tray(1).x, run.Tray(1).yIn));
  for (int i = 1; i <= n; ++i) {
    steps.push_back(f.At(run.Tray(i).x, run.Tray(i).yOut));
    if (i < n) steps.push_back(f.At(run.Tray(i + 1).x, run.Tray(i).yOut));
  }
  s.Polyline(std::move(steps), kStaircaseColour, kStepWidth);

  const int feed = run.feedTray.value_or(0);
  if (feed >= 1 && feed < n) {
    // The feed tray's step, and the step across from the lower operating line, on
    // which the liquid arrives with the feed, to the upper one.
    const ColumnParameters c = ColumnParameters::From(run.inputs);
    const TrayStep& t = run.Tray(feed);
    Guard g;
    const double onLower = LiquidOnLowerLine(g, c, FeedPerDistillate(g, c), t.yOut);
    s.Polyline({f.At(t.x, t.yIn), f.At(t.x, t.yOut)}, kFeedTrayColour, kCurveWidth);
    f.Curve(s, {{g.faulted() ? std::nan("") : onLower, t.yOut}, {run.Tray(feed + 1).x, t.yOut}},
            kFeedTrayColour, kCurveWidth);
  }

  const double line = s.LineHeight();
  for (int i = 1; i <= n; ++i) {
    // Beyond 30 trays every fifth, and the feed tray, which the neighbouring fifths give room.
    if (n > kEveryTrayUpTo && i != feed && (i % 5 != 0 || (feed > 0 && std::abs(i - feed) < 3))) continue;
    s.TextAt(f.X(run.Tray(i).x) - kLabelGap / 2, f.Y(run.Tray(i).yOut) - line, DecimalText(i),
             i == feed ? kFeedTrayColour : kStaircaseColour, TextAnchor::End);
  }
}

std::vector<LegendEntry> Legend(const YXDiagramContent& content) {
  std::vector<LegendEntry> entries{
      {u"диагональ y = x", kDiagonalColour},
      {u"равновесие: точки X*, Y*", kEquilibriumColour, false, false, true, MarkerShape::Square},
      {u"равновесие: 6 парабол", kEquilibriumColour},
      {u"рабочие линии", kOperatingColour},
  };
  if (content.kineticLine) {
    entries.push_back({u"рабочая линия в точках X*", kOperatingColour, false, false, true});
    entries.push_back({u"кинетическая линия", kKineticColour, true, false, true, MarkerShape::Diamond});
  }
  if (content.trays && content.trays->Count() > 0) {
    entries.push_back({u"ступени реальных тарелок", kStaircaseColour});
    if (content.trays->feedTray.value_or(0) > 0) entries.push_back({u"тарелка питания", kFeedTrayColour});
  }
  return entries;
}

}  // namespace

PlotFrame YXDiagramFrame(const TwipRect& area) {
  return PlotFrame(area, PlotAxis{0, 1, 0.1, 1, u"x, мольн. доли НК в жидкости"},
                   PlotAxis{0, 1, 0.1, 1, u"y, мольн. доли НК в паре"});
}

std::u16string DiagramSummaryText(const TrayByTrayRun& run) {
  std::u16string text = u"ОБЩЕЕ ЧИСЛО ТАРЕЛОК = " + DecimalText(run.Count());
  if (run.feedTray.value_or(0) > 0) return text + u", ТАРЕЛКА ПИТАНИЯ = " + DecimalText(*run.feedTray);
  return text + u", ТАРЕЛКА ПИТАНИЯ НЕ НАЙДЕНА";
}

void DrawYXDiagram(Surface& s, const CalculationInputs& data, const YXDiagramContent& content,
                   const PlotFrame& frame, double belowY, char16_t decimalSeparator) {
  const bool trays = content.trays && content.trays->Count() > 0;
  frame.DrawFrame(s, decimalSeparator, kDiagramTextColour);
  frame.ClipToArea(s);
  frame.Curve(s, {{0, 0}, {1, 1}}, kDiagonalColour);
  DrawEquilibrium(s, data, frame);
  DrawOperatingLines(s, data, frame);
  if (content.kineticLine) DrawKineticLine(s, *content.kineticLine, frame);
  if (trays) DrawStaircase(s, *content.trays, frame);
  s.NoClip();
  frame.DrawLegend(s, Legend(content), kDiagramTextColour);

  const bool bold = s.FontBold;
  s.FontBold = true;
  double y = belowY;
  const double left = frame.Area().left;
  if (trays) {
    s.TextAt(left, y, DiagramSummaryText(*content.trays), kDiagramMessageColour);
    y += s.LineHeight();
  }
  for (const std::u16string& message : content.refusals) {
    s.TextAt(left, y, message, kDiagramMessageColour);
    y += s.LineHeight();
  }
  s.FontBold = bold;
}

}  // namespace rc
