#include "report/yx_diagram.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calc/equilibrium_fit.h"
#include "calc/feed_condition.h"
#include "calc/kinetic_curve.h"
#include "calc/operating_lines.h"
#include "model/text.h"
#include "report/feed_condition_texts.h"

namespace rc {
namespace {

constexpr double kCurveWidth = 30;      // [twips] equilibrium and operating lines
constexpr double kStepWidth = 22;       // [twips] the staircase
constexpr double kPointSize = 90;       // [twips] markers
constexpr double kKineticPointSize = 120;
constexpr double kLabelGap = 50;        // [twips] between a point and its label
constexpr int kSamplesPerParabola = 40;
constexpr int kEveryTrayUpTo = 30;      // more trays than that: every fifth first
constexpr double kCharWidthPerLine = 0.62;  // a character's width, as the legend takes it
constexpr double kMarkerClearance = 15;     // [twips] between a marker and a label
constexpr double kLabelClearance = 45;      // [twips] on either side of a label
constexpr Colour kMarkColour = Rgb(0, 0, 0);

using Points = std::vector<std::pair<double, double>>;

// What a label must not cover: the markers and the labels placed so far [twips].
class Occupied {
 public:
  void Take(const TwipRect& r) { taken_.push_back(r); }
  // A label keeps a little room on either side, so that two numbers never read as one.
  void TakeLabel(const TwipRect& r) {
    Take({r.left - kLabelClearance, r.top, r.right + kLabelClearance, r.bottom});
  }
  void TakeMarker(const PlotFrame& f, double x, double y, double size) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    const double half = size / 2 + kMarkerClearance;
    Take({f.X(x) - half, f.Y(y) - half, f.X(x) + half, f.Y(y) + half});
  }
  bool Free(const TwipRect& r) const {
    return std::none_of(taken_.begin(), taken_.end(), [&](const TwipRect& t) {
      return r.left < t.right && t.left < r.right && r.top < t.bottom && t.top < r.bottom;
    });
  }

 private:
  std::vector<TwipRect> taken_;
};

// The rectangle of a one-line text with its top at y and its start or end at x.
TwipRect TextRect(const Surface& s, double x, double y, const std::u16string& text, TextAnchor anchor) {
  const double width = static_cast<double>(text.size()) * kCharWidthPerLine * s.LineHeight();
  const double left = anchor == TextAnchor::End ? x - width : x;
  return {left, y, left + width, y + s.LineHeight()};
}

bool Inside(const TwipRect& area, const TwipRect& r) {
  return r.left >= area.left && r.right <= area.right && r.top >= area.top && r.bottom <= area.bottom;
}

void DrawEquilibrium(Surface& s, const CalculationInputs& in, const PlotFrame& f, Occupied& taken) {
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
  for (int i = 0; i < 8; ++i) {
    f.Mark(s, in.eqX[i], in.eqY[i], kEquilibriumColour, MarkerShape::Square, kPointSize);
    taken.TakeMarker(f, in.eqX[i], in.eqY[i], kPointSize);
  }
}

// The vapour on the operating lines at liquid x, drawn whatever the data: a fault of the
// arithmetic shows as a point that is not drawn.
double OperatingY(const ColumnParameters& c, double x) {
  Guard g;
  const double y = OperatingLineY(g, c, x);
  return g.faulted() ? std::nan("") : y;
}

// A feed that is not a boiling liquid: the feed line continued to the equilibrium curve,
// where it meets it at the feed pinch, which is marked.
void DrawPinch(Surface& s, const CalculationInputs& in, std::pair<double, double> crossing,
               const PlotFrame& f, Occupied& taken) {
  const std::optional<FeedCondition> feed = FeedConditionOf(in);
  if (!feed || !feed->minimum) return;
  const MinimumReflux& m = *feed->minimum;
  f.Curve(s, {crossing, {m.pinchX, m.pinchY}}, kMarkColour, 0, true);
  f.Mark(s, m.pinchX, m.pinchY, kMarkColour, MarkerShape::Diamond, kPointSize);
  taken.TakeMarker(f, m.pinchX, m.pinchY, kPointSize);
}

// The operating lines meet on the feed line (the q-line) at (x_q, y_q); for a boiling
// feed x_q is XF and the feed line is vertical.
void DrawOperatingLines(Surface& s, const CalculationInputs& in, const PlotFrame& f, Occupied& taken) {
  const ColumnParameters c = ColumnParameters::From(in);
  Guard g;
  const float crossing = FeedLineCrossingX(g, c);
  const double crossX = g.faulted() ? std::nan("") : crossing;
  const double crossY = OperatingY(c, crossX);
  f.Curve(s, {{c.XW, c.XW}, {crossX, crossY}}, kOperatingColour, kCurveWidth);
  f.Curve(s, {{crossX, crossY}, {c.XP, c.XP}}, kOperatingColour, kCurveWidth);
  f.Curve(s, {{c.XF, c.XF}, {crossX, crossY}}, kMarkColour, 0, true);  // the feed line
  if (in.feedCondition != kBoilingFeed) DrawPinch(s, in, {crossX, crossY}, f, taken);
  const std::pair<double, const char16_t*> marks[] = {{c.XW, u"XW"}, {c.XF, u"XF"}, {c.XP, u"XP"}};
  const TwipRect& area = f.Area();
  for (const auto& [x, name] : marks) {
    f.Mark(s, x, x, kMarkColour, MarkerShape::Circle, kPointSize);
    taken.TakeMarker(f, x, x, kPointSize);
    if (!std::isfinite(x)) continue;
    // Under the diagonal, where no line of the diagram runs, and inside the area: near
    // the bottom the label rises above the x axis and moves right, as far as keeps it
    // under the diagonal; XP keeps inside the area on the left of its point.
    const bool left = x > 0.8;
    double top = f.Y(x) + (left ? 3 : 1) * kLabelGap;
    double textX = f.X(x) + (left ? -kLabelGap : kLabelGap);
    const double lowest = area.bottom - s.LineHeight() - kLabelGap / 2;
    if (!left && top > lowest) {
      textX += top - lowest;
      top = lowest;
    }
    const TextAnchor anchor = left ? TextAnchor::End : TextAnchor::Start;
    s.TextAt(textX, top, name, kMarkColour, anchor);
    taken.TakeLabel(TextRect(s, textX, top, name, anchor));
  }
}

void DrawKineticLine(Surface& s, const KineticLineRun& run, const PlotFrame& f, Occupied& taken) {
  for (int i = 1; i <= 6; ++i) {
    const double x = run.inputs.eqX[static_cast<std::size_t>(i)], y = run.Point(i).operatingY;
    f.Mark(s, x, y, kOperatingColour, MarkerShape::Circle, kPointSize);
    taken.TakeMarker(f, x, y, kPointSize);
  }
  const Points kinetic = KineticLinePoints(run);
  f.Curve(s, SmoothCurve(kinetic), kKineticColour, kCurveWidth);
  for (const auto& [x, y] : kinetic) {
    f.Mark(s, x, y, kKineticColour, MarkerShape::Diamond, kKineticPointSize);
    taken.TakeMarker(f, x, y, kKineticPointSize);
  }
}

// The tray numbers at the top corners of their steps, each where it covers no marker
// and no label placed before it: up and to the left of the corner, else up-right or
// down-left; a number with no free place is left out. The feed tray's number is placed
// first and never left out: with no free place beside its corner it stands off, joined
// to the corner by a leader line.
void NumberTrays(Surface& s, const TrayByTrayRun& run, const PlotFrame& f, Occupied& taken) {
  const int n = run.Count();
  const int feed = run.feedTray.value_or(0);
  const double line = s.LineHeight();
  const TwipRect& area = f.Area();
  std::vector<int> order;
  if (feed >= 1 && feed <= n) order.push_back(feed);
  // Beyond 30 trays the first, the last and every fifth come before the others.
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 1; i <= n; ++i) {
      const bool first = n <= kEveryTrayUpTo || i == 1 || i == n || i % 5 == 0;
      if (i != feed && first == (pass == 0)) order.push_back(i);
    }
  }
  for (int i : order) {
    const double cx = f.X(run.Tray(i).x), cy = f.Y(run.Tray(i).yOut);
    if (!std::isfinite(cx) || !std::isfinite(cy)) continue;
    const std::u16string text = DecimalText(i);
    const Colour colour = i == feed ? kFeedTrayColour : kStaircaseColour;
    struct Place {
      double x, y;
      TextAnchor anchor;
    };
    const double gap = kLabelGap / 2;
    const Place beside[] = {{cx - gap, cy - line, TextAnchor::End},
                            {cx + gap, cy - line, TextAnchor::Start},
                            {cx - gap, cy + gap, TextAnchor::End}};
    bool placed = false;
    for (const Place& p : beside) {
      const TwipRect r = TextRect(s, p.x, p.y, text, p.anchor);
      if (Inside(area, r) && taken.Free(r)) {
        s.TextAt(p.x, p.y, text, colour, p.anchor);
        taken.TakeLabel(r);
        placed = true;
        break;
      }
    }
    if (placed || i != feed) continue;
    // Up and to the left, a line further at each try, then as far as the last try.
    Place off{cx - gap, cy - line, TextAnchor::End};
    for (int k = 2; k <= 8; ++k) {
      off = {cx - k * line, cy - (k + 1) * line, TextAnchor::End};
      const TwipRect r = TextRect(s, off.x, off.y, text, off.anchor);
      if (Inside(area, r) && taken.Free(r)) break;
    }
    s.Polyline({{off.x, off.y + line}, {cx, cy}}, colour);
    s.TextAt(off.x, off.y, text, colour, off.anchor);
    taken.TakeLabel(TextRect(s, off.x, off.y, text, off.anchor));
  }
}

void DrawStaircase(Surface& s, const TrayByTrayRun& run, const PlotFrame& f, Occupied& taken) {
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

  NumberTrays(s, run, f, taken);
}

std::vector<LegendEntry> Legend(const CalculationInputs& in, const YXDiagramContent& content,
                                char16_t decimalSeparator) {
  std::vector<LegendEntry> entries{
      {u"диагональ y = x", kDiagonalColour},
      {u"равновесие: точки X*, Y*", kEquilibriumColour, false, false, true, MarkerShape::Square},
      {u"равновесие: 6 парабол", kEquilibriumColour},
      {u"рабочие линии", kOperatingColour},
  };
  if (in.feedCondition != kBoilingFeed) {
    entries.push_back({FeedLineLegend(in.feedCondition, decimalSeparator), kMarkColour, true, true});
    entries.push_back({u"пинч", kMarkColour, false, false, true, MarkerShape::Diamond});
  }
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

std::u16string DiagramMinimumRefluxLine(const CalculationInputs& data, char16_t decimalSeparator) {
  if (data.feedCondition == kBoilingFeed) return {};
  const std::optional<FeedCondition> feed = FeedConditionOf(data);
  return feed ? MinimumRefluxLine(*feed, decimalSeparator) : std::u16string{};
}

void DrawYXDiagram(Surface& s, const CalculationInputs& data, const YXDiagramContent& content,
                   const PlotFrame& frame, double belowY, char16_t decimalSeparator) {
  const bool trays = content.trays && content.trays->Count() > 0;
  frame.DrawFrame(s, decimalSeparator, kPlotTextColour);
  frame.ClipToArea(s);
  frame.Curve(s, {{0, 0}, {1, 1}}, kDiagonalColour);
  Occupied taken;
  DrawEquilibrium(s, data, frame, taken);
  DrawOperatingLines(s, data, frame, taken);
  if (content.kineticLine) DrawKineticLine(s, *content.kineticLine, frame, taken);
  if (trays) DrawStaircase(s, *content.trays, frame, taken);
  s.NoClip();
  frame.DrawLegend(s, Legend(data, content, decimalSeparator), kPlotTextColour);

  const bool bold = s.FontBold;
  s.FontBold = true;
  double y = belowY;
  const double left = frame.Area().left;
  if (trays) {
    s.TextAt(left, y, DiagramSummaryText(*content.trays), kPlotMessageColour);
    y += s.LineHeight();
  }
  if (const std::u16string line = DiagramMinimumRefluxLine(data, decimalSeparator); !line.empty()) {
    s.TextAt(left, y, line, kPlotMessageColour);
    y += s.LineHeight();
  }
  for (const std::u16string& message : content.refusals) {
    s.TextAt(left, y, message, kPlotMessageColour);
    y += s.LineHeight();
  }
  s.FontBold = bold;
}

}  // namespace rc
