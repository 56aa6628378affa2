#include "report/yx_diagram.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "calc/equilibrium_fit.h"
#include "calc/feed_condition.h"
#include "calc/kinetic_curve.h"
#include "calc/operating_lines.h"
#include "model/text.h"
#include "report/label_placement.h"
#include "report/feed_condition_texts.h"

namespace rc {
namespace {

constexpr double kStepWidth = 22;       // [twips] the staircase
constexpr double kPointSize = 90;       // [twips] markers
constexpr double kKineticPointSize = 120;
constexpr double kLabelGap = 25;        // [twips] between a point and its label
constexpr double kLabelClearance = 20;  // [twips] between a label and anything else
constexpr int kSamplesPerParabola = 40;
constexpr Colour kMarkColour = kPlotBlack;
// The steps of the regular subset of numbered trays, when not every tray can be numbered.
constexpr int kNumberSteps[] = {1, 2, 5, 10, 20, 50};

using Points = std::vector<std::pair<double, double>>;

// A label's text where it stands.
struct Label {
  double x = 0, y = 0;
  TextAnchor anchor = TextAnchor::Start;
  bool leader = false;  // joined to its point by a thin line
};

// The places around a point, nearest first and in the order of the directions given
// (dx, dy: -1 left or up, 1 right or down, 0 centred on the point), out to the distance.
std::vector<Label> PlacesAround(double px, double py, double line,
                                const std::vector<std::pair<int, int>>& directions,
                                double farthest) {
  std::vector<Label> places;
  // Fine steps up to two lines off, where a number finds the narrow room inside a step.
  for (double d = kLabelGap; d <= farthest; d += d < 2 * line ? kLabelGap : line / 2) {
    for (const auto& [dx, dy] : directions) {
      const double x = px + dx * d;
      const TextAnchor anchor = dx > 0 ? TextAnchor::Start : dx < 0 ? TextAnchor::End : TextAnchor::Centre;
      const double top = dy > 0 ? py + d : dy < 0 ? py - d - line : py - line / 2;
      places.push_back({x, top, anchor, d > 4 * kLabelGap});
    }
  }
  return places;
}

// A leader line from the label's box to its point, stopping short of the point's marker.
std::pair<TwipPoint, TwipPoint> Leader(const TwipRect& r, TwipPoint point) {
  const TwipPoint from{std::clamp(point.x, r.left, r.right), std::clamp(point.y, r.top, r.bottom)};
  const double dx = from.x - point.x, dy = from.y - point.y;
  const double length = std::hypot(dx, dy);
  const double shy = kKineticPointSize / 2 + kLabelClearance;
  if (!(length > shy)) return {from, from};
  return {from, {point.x + dx * shy / length, point.y + dy * shy / length}};
}

// The place moved just inside the area (its clearance kept) where it stands out of it,
// joined to its point by a leader line then; unmoved when it is inside.
Label MovedInside(const Label& p, const TwipRect& r, const TwipRect& area) {
  const TwipRect inner{area.left + kLabelClearance, area.top + kLabelClearance,
                       area.right - kLabelClearance, area.bottom - kLabelClearance};
  const auto into = [](double low, double high, double innerLow, double innerHigh) {
    return low < innerLow ? innerLow - low : high > innerHigh ? innerHigh - high : 0.0;
  };
  const double dx = into(r.left, r.right, inner.left, inner.right);
  const double dy = into(r.top, r.bottom, inner.top, inner.bottom);
  if (dx == 0 && dy == 0) return p;
  return {p.x + dx, p.y + dy, p.anchor, true};
}

// The first free place for the text; a leader line from a place farther off must not
// cross a marker or a label either. Near the frame, where every place stands out of the
// area, the places moved just inside it are tried next. The place found is taken.
std::optional<Label> Place(LabelSpace& space, const std::vector<Label>& places,
                           const std::u16string& text, double line, TwipPoint point,
                           const TwipRect& area) {
  for (const bool moved : {false, true}) {
    for (Label p : places) {
      if (moved) p = MovedInside(p, TextBox(line, p.x, p.y, text, p.anchor), area);
      const TwipRect r = TextBox(line, p.x, p.y, text, p.anchor);
      if (!space.Free(r)) continue;
      const auto [from, to] = Leader(r, point);
      if (p.leader && !space.LeaderFree(from, to)) continue;
      space.TakeRect(r);
      if (p.leader) space.TakeSegment(from, to);
      return p;
    }
  }
  return std::nullopt;
}

void DrawLabel(Surface& s, const Label& p, const std::u16string& text, Colour colour, TwipPoint point) {
  if (p.leader) {
    const auto [from, to] = Leader(TextBox(s.LineHeight(), p.x, p.y, text, p.anchor), point);
    s.Polyline({from, to}, colour);
  }
  s.TextAt(p.x, p.y, text, colour, p.anchor);
}

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
      f.Curve(s, points, kEquilibriumColour, kPlotCurveWidth);
    }
  }
  for (int i = 0; i < 8; ++i) {
    f.Mark(s, in.eqX[i], in.eqY[i], kEquilibriumColour, MarkerShape::Square, kPointSize);
  }
}

// The vapour on the operating lines at liquid x, drawn whatever the data: a fault of the
// arithmetic shows as a point that is not drawn.
double OperatingY(const ColumnParameters& c, double x) {
  Guard g;
  const double y = OperatingLineY(g, c, x);
  return g.faulted() ? std::nan("") : y;
}

// What the feed makes of one drawing, worked out once: where the operating lines cross
// on the feed line (the q-line), and the feed's condition with its pinch and the minimum
// reflux ratio, where they can be computed.
struct DiagramFeed {
  double crossX = 0, crossY = 0;            // [-] x_q, y_q: NaN where the arithmetic fails
  std::optional<FeedCondition> condition;  // with R_min where the column's flows compute
  std::optional<MinimumReflux> minimum;    // the pinch, from the curve and the lines alone
};

DiagramFeed DiagramFeedOf(const CalculationInputs& in) {
  const ColumnParameters c = ColumnParameters::From(in);
  DiagramFeed feed;
  Guard g;
  const float crossing = FeedLineCrossingX(g, c);
  feed.crossX = g.faulted() ? std::nan("") : crossing;
  feed.crossY = OperatingY(c, feed.crossX);
  feed.condition = FeedConditionOf(in);
  feed.minimum = feed.condition ? feed.condition->minimum : FindMinimumReflux(in);
  return feed;
}

// The feed line continued (dashed) to the equilibrium curve, where it meets it, and the
// pinch that sets the minimum reflux ratio marked: that meeting point, or where an
// operating line of R_min touches the curve above or below the feed.
void DrawPinch(Surface& s, const DiagramFeed& feed, const PlotFrame& f) {
  if (!feed.minimum) return;
  const MinimumReflux& m = *feed.minimum;
  f.Curve(s, {{feed.crossX, feed.crossY}, {m.pinchX, m.pinchY}}, kMarkColour, 0, true);
  f.Mark(s, m.touchX, m.touchY, kMarkColour, MarkerShape::Diamond, kPointSize);
}

// The operating lines meet on the feed line (the q-line) at (x_q, y_q); for a boiling
// feed x_q is XF and the feed line is vertical. The feed line is drawn solid, its
// continuation to the curve dashed.
void DrawOperatingLines(Surface& s, const CalculationInputs& in, const DiagramFeed& feed,
                        const PlotFrame& f) {
  const ColumnParameters c = ColumnParameters::From(in);
  const double crossX = feed.crossX, crossY = feed.crossY;
  f.Curve(s, {{c.XW, c.XW}, {crossX, crossY}}, kOperatingColour, kPlotCurveWidth);
  f.Curve(s, {{crossX, crossY}, {c.XP, c.XP}}, kOperatingColour, kPlotCurveWidth);
  f.Curve(s, {{c.XF, c.XF}, {crossX, crossY}}, kMarkColour);  // the feed line
  DrawPinch(s, feed, f);
  for (double x : {c.XW, c.XF, c.XP}) f.Mark(s, x, x, kMarkColour, MarkerShape::Circle, kPointSize);
}

// The line of the minimum reflux ratio under the diagram; empty where it cannot be computed.
std::u16string MinimumRefluxLineOf(const DiagramFeed& feed, char16_t decimalSeparator) {
  return feed.condition ? MinimumRefluxLine(*feed.condition, decimalSeparator) : std::u16string{};
}

// XW, XF and XP beside their points on the diagonal: under it, where no line of the
// diagram runs, when there is room, else the nearest free place.
void LabelCompositions(Surface& s, const CalculationInputs& in, const PlotFrame& f, LabelSpace& space) {
  const ColumnParameters c = ColumnParameters::From(in);
  const std::pair<double, const char16_t*> marks[] = {{c.XW, u"XW"}, {c.XF, u"XF"}, {c.XP, u"XP"}};
  const double line = s.LineHeight();
  for (const auto& [x, name] : marks) {
    const TwipPoint point = f.At(x, x);
    if (!std::isfinite(point.x) || !std::isfinite(point.y)) continue;
    const std::vector<Label> places = PlacesAround(
        point.x, point.y, line, {{1, 1}, {1, 0}, {0, 1}, {-1, -1}, {-1, 0}, {0, -1}, {1, -1}, {-1, 1}},
        8 * line);
    if (const std::optional<Label> p = Place(space, places, name, line, point, f.Area())) {
      DrawLabel(s, *p, name, kMarkColour, point);
    }
  }
}

void DrawKineticLine(Surface& s, const KineticLineRun& run, const PlotFrame& f) {
  for (int i = 1; i <= 6; ++i) {
    const double x = run.inputs.eqX[static_cast<std::size_t>(i)], y = run.Point(i).operatingY;
    f.Mark(s, x, y, kOperatingColour, MarkerShape::Circle, kPointSize);
  }
  const Points kinetic = KineticLinePoints(run);
  f.Curve(s, SmoothCurve(kinetic), kKineticColour, kPlotCurveWidth);
  for (const auto& [x, y] : kinetic) {
    f.Mark(s, x, y, kKineticColour, MarkerShape::Diamond, kKineticPointSize);
  }
}

// The tray numbers at the top corners of their steps, each in the nearest free place:
// every tray where all fit, else the first, the last, the feed tray and every k-th for
// the least k of kNumberSteps that fits. A number may stand off, joined to its corner by
// a leader line: up to four lines away, the first, the last and the feed tray's up to
// eight. Returns k (above the count: only those three), 0 with no trays.
int NumberTrays(Surface& s, const TrayByTrayRun& run, const PlotFrame& f, const LabelSpace& space) {
  const int n = run.Count();
  const int feed = run.feedTray.value_or(0);
  const double line = s.LineHeight();
  auto corner = [&](int i) { return f.At(run.Tray(i).x, run.Tray(i).yOut); };
  const std::vector<std::pair<int, int>> around = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1},
                                                   {-1, 0},  {1, 0},  {0, -1}, {0, 1}};
  std::vector<int> steps;
  for (int k : kNumberSteps) {
    if (k <= n) steps.push_back(k);
  }
  steps.push_back(n + 1);
  for (int k : steps) {
    std::vector<int> order;
    for (int i : {feed, 1, n}) {
      if (i >= 1 && i <= n && std::find(order.begin(), order.end(), i) == order.end()) order.push_back(i);
    }
    for (int i = k; i < n; i += k) {
      if (std::find(order.begin(), order.end(), i) == order.end()) order.push_back(i);
    }
    LabelSpace trial = space;
    std::vector<std::pair<int, Label>> placed;
    bool all = true;
    for (int i : order) {
      const TwipPoint point = corner(i);
      if (!std::isfinite(point.x) || !std::isfinite(point.y)) continue;
      const bool always = i == feed || i == 1 || i == n;
      const std::vector<Label> places =
          PlacesAround(point.x, point.y, line, around, always ? 8 * line : 4 * line);
      const std::optional<Label> p = Place(trial, places, DecimalText(i), line, point, f.Area());
      if (p) {
        placed.emplace_back(i, *p);
      } else if (!always || k <= n) {
        all = false;
        break;
      }
    }
    if (!all) continue;
    for (const auto& [i, p] : placed) {
      DrawLabel(s, p, DecimalText(i), i == feed ? kFeedTrayColour : kStaircaseColour, corner(i));
    }
    return k;
  }
  return 0;
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
    s.Polyline({f.At(t.x, t.yIn), f.At(t.x, t.yOut)}, kFeedTrayColour, kPlotCurveWidth);
    f.Curve(s, {{g.faulted() ? std::nan("") : onLower, t.yOut}, {run.Tray(feed + 1).x, t.yOut}},
            kFeedTrayColour, kPlotCurveWidth);
  }
}

// numbered: the step of the numbered trays (1 every tray, above the count only the first,
// the last and the feed tray).
std::vector<LegendEntry> Legend(const CalculationInputs& in, const DiagramFeed& feed,
                                const YXDiagramContent& content, char16_t decimalSeparator, int numbered) {
  std::vector<LegendEntry> entries{
      {u"диагональ y = x", kDiagonalColour},
      {u"равновесие: точки X*, Y*", kEquilibriumColour, false, false, true, MarkerShape::Square},
      {u"равновесие: 6 парабол", kEquilibriumColour},
      {u"рабочие линии", kOperatingColour},
  };
  entries.push_back({FeedLineLegend(in.Param(kParamFeedCondition), decimalSeparator), kMarkColour});
  if (feed.minimum) {
    entries.push_back({u"ее продолжение до кривой", kMarkColour, true, true});
    entries.push_back({u"пинч (R мин)", kMarkColour, false, false, true, MarkerShape::Diamond});
  }
  if (content.kineticLine) {
    entries.push_back({u"рабочая линия в точках X*", kOperatingColour, false, false, true});
    entries.push_back({u"кинетическая линия", kKineticColour, true, false, true, MarkerShape::Diamond});
  }
  if (content.trays && content.trays->Count() > 0) {
    entries.push_back({u"ступени реальных тарелок", kStaircaseColour});
    if (content.trays->feedTray.value_or(0) > 0) entries.push_back({u"тарелка питания", kFeedTrayColour});
    const int n = content.trays->Count();
    if (numbered > n) {
      entries.push_back({u"номера: крайние тарелки и питания", kStaircaseColour, false});
    } else if (numbered > 1) {
      entries.push_back({u"номера: крайние, питания, каждая " + DecimalText(numbered) + u"-я",
                         kStaircaseColour, false});
    }
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
  const std::optional<FeedCondition> feed = FeedConditionOf(data);
  return feed ? MinimumRefluxLine(*feed, decimalSeparator) : std::u16string{};
}

void DrawYXDiagram(Surface& s, const CalculationInputs& data, const YXDiagramContent& content,
                   const PlotFrame& frame, double belowY, char16_t decimalSeparator) {
  const bool trays = content.trays && content.trays->Count() > 0;
  frame.DrawFrame(s, decimalSeparator, kPlotTextColour);
  frame.ClipToArea(s);
  const std::size_t drawn = s.Ops().size();  // the diagonal on is kept clear of labels
  frame.Curve(s, {{0, 0}, {1, 1}}, kDiagonalColour);
  DrawEquilibrium(s, data, frame);
  const DiagramFeed feed = DiagramFeedOf(data);
  DrawOperatingLines(s, data, feed, frame);
  if (content.kineticLine) DrawKineticLine(s, *content.kineticLine, frame);
  if (trays) DrawStaircase(s, *content.trays, frame);

  // The labels go where nothing drawn so far, nor the legend, nor another label stands.
  LabelSpace space(frame.Area(), s.LineHeight(), kLabelClearance);
  space.TakeDrawing(s.Ops(), drawn);
  space.TakeRect(frame.LegendRect(s, Legend(data, feed, content, decimalSeparator, 50)));  // its largest form
  LabelCompositions(s, data, frame, space);
  const int numbered = trays ? NumberTrays(s, *content.trays, frame, space) : 1;
  s.NoClip();
  frame.DrawLegend(s, Legend(data, feed, content, decimalSeparator, numbered), kPlotTextColour);

  const bool bold = s.FontBold;
  s.FontBold = true;
  double y = belowY;
  const double left = frame.Area().left;
  if (trays) {
    s.TextAt(left, y, DiagramSummaryText(*content.trays), kPlotMessageColour);
    y += s.LineHeight();
  }
  if (const std::u16string line = MinimumRefluxLineOf(feed, decimalSeparator); !line.empty()) {
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
