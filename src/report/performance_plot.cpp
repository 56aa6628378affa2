#include "report/performance_plot.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/text.h"
#include "report/format.h"

namespace rc {
namespace {

using Points = std::vector<std::pair<double, double>>;

// The limit lines, and the operating ray with its points.
constexpr Colour kFloodLineColour = kPlotDeepRed;
constexpr Colour kEntrainmentLineColour = kPlotOrange;
constexpr Colour kWeepLineColour = kPlotBlue;
constexpr Colour kDowncomerLineColour = kPlotMagenta;
constexpr Colour kCrestLineColour = kPlotGrey;
constexpr Colour kOperatingRayColour = kPlotDarkGreen;

constexpr double kPointSize = 130;    // [twips]
constexpr double kTitleGap = 60;      // [twips] between a panel's title and its top
constexpr double kPagePlotHeight = 3900;

constexpr char16_t kNoTrays[] = u"в этой части колонны нет тарелок";
constexpr char16_t kNoLimits[] = u"границы не рассчитываются для провальных тарелок";

Points PointsOf(const std::vector<DiagramPoint>& line) {
  Points points;
  points.reserve(line.size());
  for (const DiagramPoint& p : line) points.emplace_back(p.load, p.velocity);
  return points;
}

std::u16string Number(double value, std::uint8_t decimals, char16_t separator) {
  return FormatFixed(static_cast<float>(value), 1, decimals, separator);
}

PlotAxis AxisTo(double end, std::u16string title) {
  PlotAxis a;
  a.min = 0;
  a.step = RoundStep(end, 5);
  a.max = std::ceil(end / a.step - 1e-9) * a.step;
  a.decimals = StepDecimals(a.step);
  a.title = std::move(title);
  return a;
}

std::u16string VelocityName(Section section) {
  return section == Section::BelowFeed ? u"w′" : u"w";
}

// An open circle: the minimum-load point.
void Ring(Surface& s, const PlotFrame& f, const DiagramPoint& p, Colour colour) {
  const TwipPoint c = f.At(p.load, p.velocity);
  std::vector<TwipPoint> ring;
  for (int k = 0; k <= 24; ++k) {
    const double a = 2 * std::numbers::pi * k / 24;
    ring.push_back({c.x + kPointSize / 2 * std::cos(a), c.y + kPointSize / 2 * std::sin(a)});
  }
  s.Polyline(std::move(ring), colour, 20);
}

void DrawPanel(Surface& s, const DiagramPanel& p, const TwipRect& area, const PerformanceDiagram& d,
               char16_t separator) {
  const PlotFrame f(area, AxisTo(d.loadEnd, u"L, м³/ч"),
                    AxisTo(d.velocityEnd, VelocityName(p.section) + u", м/с"));
  f.DrawFrame(s, separator, kPlotTextColour);
  s.TextAt(area.left, area.top - kTitleGap - s.LineHeight(), PanelTitle(p, separator),
           kPlotTextColour);
  const double midX = (area.left + area.right) / 2, midY = (area.top + area.bottom) / 2;
  if (!p.design) {
    s.TextAt(midX, midY, kNoTrays, kPlotMessageColour, TextAnchor::Centre);
    return;
  }
  f.ClipToArea(s);
  const double xEnd = f.ValueOfX(area.right), yEnd = f.ValueOfY(area.top);
  if (p.limits) {
    f.Curve(s, PointsOf(p.flooding), kFloodLineColour, kPlotCurveWidth);
    f.Curve(s, PointsOf(p.flooding85), kFloodLineColour, kPlotCurveWidth, true);
    f.Curve(s, PointsOf(p.entrainment), kEntrainmentLineColour, kPlotCurveWidth);
    if (p.weeps) f.Curve(s, PointsOf(p.weep), kWeepLineColour, kPlotCurveWidth);
    f.Curve(s, PointsOf(p.backup), kDowncomerLineColour, kPlotCurveWidth);
    f.Curve(s, PointsOf(p.residence), kDowncomerLineColour, kPlotCurveWidth, true);
    if (p.crestLoad) f.Curve(s, {{*p.crestLoad, 0.0}, {*p.crestLoad, yEnd}}, kCrestLineColour, kPlotCurveWidth);
  }
  // The operating ray from the origin through both points: the section's L/V.
  const double slope = p.design->velocity / p.design->load;
  const double rayEnd = std::min(xEnd, yEnd / slope);
  f.Curve(s, {{0.0, 0.0}, {rayEnd, slope * rayEnd}}, kOperatingRayColour, 0, true);
  f.Mark(s, p.design->load, p.design->velocity, kOperatingRayColour, MarkerShape::Circle, kPointSize);
  if (p.minimum) Ring(s, f, *p.minimum, kOperatingRayColour);
  s.NoClip();
  if (!p.limits) s.TextAt(midX, area.top + s.LineHeight(), kNoLimits, kPlotMessageColour, TextAnchor::Centre);
}

std::vector<LegendEntry> Legend(const PerformanceDiagram& d) {
  const bool limits = d.below.limits || d.above.limits;
  const bool weeps = d.below.weeps || d.above.weeps;
  std::vector<LegendEntry> entries;
  if (limits) {
    entries.push_back({u"захлебывание 100 %", kFloodLineColour});
    entries.push_back({u"захлебывание 85 %", kFloodLineColour, true, true});
    entries.push_back({u"унос ψ = 0,1", kEntrainmentLineColour});
    if (weeps) entries.push_back({u"провал", kWeepLineColour});
    entries.push_back({u"захлебывание слива", kDowncomerLineColour});
    entries.push_back({u"время пребывания 3 с", kDowncomerLineColour, true, true});
    entries.push_back({u"подпор над сливом 10 мм", kCrestLineColour});
  }
  entries.push_back({u"расчетная точка", kOperatingRayColour, false, false, true});
  entries.push_back({u"минимальная нагрузка (○), рабочий луч", kOperatingRayColour, true, true});
  return entries;
}

}  // namespace

std::u16string PanelTitle(const DiagramPanel& p, char16_t separator) {
  std::u16string title = p.section == Section::BelowFeed ? u"ОТГОННАЯ ЧАСТЬ" : u"УКРЕПЛЯЮЩАЯ ЧАСТЬ";
  if (!p.design) return title;
  return title + u": тарелка " + DecimalText(p.tray) + u", " + VelocityName(p.section) + u" = " +
         Number(p.design->velocity, 2, separator) + u" м/с";
}

std::vector<std::u16string> PerformanceHelpLines() {
  return {u"Каждая часть - для своей тарелки с наибольшим захлебыванием;",
          u"тарелка работает внутри линий, между провалом и захлебыванием.",
          u"Для клапанных тарелок запас до провала занижен: клапаны",
          u"прикрываются и держат жидкость на тарелке.",
          u"Перепад давления и высота светлого слоя - по методике программы,",
          u"а не по примеру 11.11 Towler & Sinnott: числа отличаются",
          u"от книжных."};
}

void DrawPerformanceDiagram(Surface& s, const PerformanceDiagram& d, const PlotPairLayout& layout,
                            char16_t separator) {
  DrawPanel(s, d.below, layout.first, d, separator);
  DrawPanel(s, d.above, layout.second, d, separator);
  PlotFrame(layout.legend, PlotAxis{}, PlotAxis{}).DrawLegend(s, Legend(d), kPlotTextColour);
  double y = layout.linesTop;
  for (const std::u16string& line : PerformanceHelpLines()) {
    s.TextAt(layout.first.left, y, line, kPlotTextColour);
    y += s.LineHeight();
  }
}

void PrintPerformanceDiagram(Surface& printer, const std::u16string& studentName,
                             const PerformanceDiagram& d, const std::u16string& dateTime,
                             char16_t separator) {
  PrintPlotPageHeader(printer, studentName, dateTime, kOperatingWindowTitle);
  const double line = printer.LineHeight();
  // Each panel with its title's line above it.
  PlotPairLayout layout = PrintedPlotPair(printer.CurrentY, kPagePlotHeight, line);
  const double legendTop = layout.second.bottom + kPlotUnderArea;
  layout.legend = {kPlotPageLeft, legendTop, kPlotPageRight, legendTop + 9 * line + 400};
  layout.linesTop = layout.legend.bottom + line;
  DrawPerformanceDiagram(printer, d, layout, separator);
  printer.CurrentY = layout.linesTop + static_cast<double>(PerformanceHelpLines().size()) * line;
}

}  // namespace rc
