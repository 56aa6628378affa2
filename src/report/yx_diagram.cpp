#include "report/yx_diagram.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calc/equilibrium_fit.h"
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

struct Compositions {
  double xw, xf, xp, r, fbar;  // [-]
};

Compositions CompositionsOf(const DesignData& data) {
  const double xw = data.ParamValue[kParamXW], xf = data.ParamValue[kParamXF];
  const double xp = data.ParamValue[kParamXP], r = data.ParamValue[19];
  return {xw, xf, xp, r, (xp - xw) / (xf - xw)};
}

void DrawEquilibrium(Surface& s, const DesignData& data, const PlotFrame& f) {
  Guard g;
  const EquilibriumParabolas eq = FitEquilibriumParabolas(g, data);
  if (!g.faulted()) {
    const auto& x = data.EqX;
    const double xw = data.ParamValue[kParamXW];
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
  for (int i = 0; i < 8; ++i) f.Mark(s, data.EqX[i], data.EqY[i], kEquilibriumColour, MarkerShape::Square, kPointSize);
}

void DrawOperatingLines(Surface& s, const DesignData& data, const PlotFrame& f) {
  const Compositions c = CompositionsOf(data);
  const double feedY = OperatingLineY(data, c.xf);
  f.Curve(s, {{c.xw, c.xw}, {c.xf, feedY}}, kOperatingColour, kCurveWidth);
  f.Curve(s, {{c.xf, feedY}, {c.xp, c.xp}}, kOperatingColour, kCurveWidth);
  f.Curve(s, {{c.xf, c.xf}, {c.xf, feedY}}, kMarkColour, 0, true);  // the feed line
  const std::pair<double, const char16_t*> marks[] = {{c.xw, u"XW"}, {c.xf, u"XF"}, {c.xp, u"XP"}};
  for (const auto& [x, name] : marks) {
    f.Mark(s, x, x, kMarkColour, MarkerShape::Circle, kPointSize);
    if (!std::isfinite(x)) continue;
    // Under the diagonal, where no line of the diagram runs; XP keeps inside the area.
    const bool left = x > 0.8;
    s.TextAt(f.X(x) + (left ? -kLabelGap : kLabelGap), f.Y(x) + (left ? 3 : 1) * kLabelGap, name,
             kMarkColour, left ? TextAnchor::End : TextAnchor::Start);
  }
}

void DrawKineticLine(Surface& s, const DesignData& data, const PlotFrame& f) {
  const KineticPointArrays& k = data.KineticPoints;
  Points kinetic;
  for (int i = 1; i <= 6; ++i) {
    f.Mark(s, data.EqX[i], k.OperatingY[i], kOperatingColour, MarkerShape::Circle, kPointSize);
    kinetic.emplace_back(data.EqX[i], k.KineticY[i]);
  }
  f.Curve(s, SmoothCurve(kinetic), kKineticColour, kCurveWidth);
  for (const auto& [x, y] : kinetic) f.Mark(s, x, y, kKineticColour, MarkerShape::Diamond, kKineticPointSize);
}

void DrawStaircase(Surface& s, const DesignData& data, const PlotFrame& f) {
  const TrayProfileRows& p = data.TrayProfile;
  const int n = p.Count;
  const auto& x = data.TrayX;
  const auto& y = data.TrayY;
  // From the bottom: up tray i at its liquid, across at its vapour to the next liquid.
  std::vector<TwipPoint> steps;
  steps.push_back(f.At(x[1], y[0]));
  for (int i = 1; i <= n; ++i) {
    steps.push_back(f.At(x[i], y[i]));
    if (i < n) steps.push_back(f.At(x[i + 1], y[i]));
  }
  s.Polyline(std::move(steps), kStaircaseColour, kStepWidth);

  const int feed = p.FeedTray;
  if (feed >= 1 && feed < n) {
    // The feed tray's step, and the step across from the lower operating line, on
    // which the liquid arrives with the feed, to the upper one.
    const Compositions c = CompositionsOf(data);
    const double onLower = c.xw + (y[feed] - c.xw) * (c.r + 1) / (c.fbar + c.r);
    s.Polyline({f.At(x[feed], y[feed - 1]), f.At(x[feed], y[feed])}, kFeedTrayColour, kCurveWidth);
    f.Curve(s, {{onLower, y[feed]}, {x[feed + 1], y[feed]}}, kFeedTrayColour, kCurveWidth);
  }

  const double line = s.LineHeight();
  for (int i = 1; i <= n; ++i) {
    // Beyond 30 trays every fifth, and the feed tray, which the neighbouring fifths give room.
    if (n > kEveryTrayUpTo && i != feed && (i % 5 != 0 || (feed > 0 && std::abs(i - feed) < 3))) continue;
    s.TextAt(f.X(x[i]) - kLabelGap / 2, f.Y(y[i]) - line, DecimalText(i),
             i == feed ? kFeedTrayColour : kStaircaseColour, TextAnchor::End);
  }
}

std::vector<LegendEntry> Legend(const DesignData& data, const YXDiagramContent& content) {
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
  if (content.trays && data.TrayProfile.Count > 0) {
    entries.push_back({u"ступени реальных тарелок", kStaircaseColour});
    if (data.TrayProfile.FeedTray > 0) entries.push_back({u"тарелка питания", kFeedTrayColour});
  }
  return entries;
}

}  // namespace

PlotFrame YXDiagramFrame(const TwipRect& area) {
  return PlotFrame(area, PlotAxis{0, 1, 0.1, 1, u"x, мольн. доли НК в жидкости"},
                   PlotAxis{0, 1, 0.1, 1, u"y, мольн. доли НК в паре"});
}

double OperatingLineY(const DesignData& data, double x) {
  const Compositions c = CompositionsOf(data);
  if (x <= c.xf) return (c.fbar + c.r) * (x - c.xw) / (c.r + 1) + c.xw;
  return c.xp - (c.xp - x) * c.r / (c.r + 1);
}

std::u16string DiagramSummaryText(const TrayProfileRows& profile) {
  std::u16string text = u"ОБЩЕЕ ЧИСЛО ТАРЕЛОК = " + DecimalText(profile.Count);
  if (profile.FeedTray > 0) return text + u", ТАРЕЛКА ПИТАНИЯ = " + DecimalText(profile.FeedTray);
  return text + u", ТАРЕЛКА ПИТАНИЯ НЕ НАЙДЕНА";
}

void DrawYXDiagram(Surface& s, const DesignData& data, const YXDiagramContent& content,
                   const PlotFrame& frame, double belowY, char16_t decimalSeparator) {
  const bool trays = content.trays && data.TrayProfile.Count > 0;
  frame.DrawFrame(s, decimalSeparator, kDiagramTextColour);
  frame.ClipToArea(s);
  frame.Curve(s, {{0, 0}, {1, 1}}, kDiagonalColour);
  DrawEquilibrium(s, data, frame);
  DrawOperatingLines(s, data, frame);
  if (content.kineticLine) DrawKineticLine(s, data, frame);
  if (trays) DrawStaircase(s, data, frame);
  s.NoClip();
  frame.DrawLegend(s, Legend(data, content), kDiagramTextColour);

  const bool bold = s.FontBold;
  s.FontBold = true;
  double y = belowY;
  const double left = frame.Area().left;
  if (trays) {
    s.TextAt(left, y, DiagramSummaryText(data.TrayProfile), kDiagramMessageColour);
    y += s.LineHeight();
  }
  for (const std::u16string& message : content.refusals) {
    s.TextAt(left, y, message, kDiagramMessageColour);
    y += s.LineHeight();
  }
  s.FontBold = bold;
}

}  // namespace rc
