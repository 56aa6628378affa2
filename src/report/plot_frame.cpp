#include "report/plot_frame.h"

#include <algorithm>
#include <cmath>

#include "report/format.h"
#include "report/printed_reports.h"

namespace rc {

double RoundStep(double span, double lines) {
  const double raw = span / lines;
  if (!(raw > 0) || !std::isfinite(raw)) return 1;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  const double n = raw / magnitude;
  return (n < 1.5 ? 1 : n < 3.5 ? 2 : n < 7.5 ? 5 : 10) * magnitude;
}

std::uint8_t StepDecimals(double step) {
  return step >= 1 ? 0 : static_cast<std::uint8_t>(std::ceil(-std::log10(step) - 1e-9));
}

PlotAxis CountAxis(double largest, std::u16string title) {
  if (!(largest > 0)) largest = 10;
  const double step = std::max(1.0, RoundStep(largest, 5));
  return PlotAxis{0, (std::floor(largest / step) + 1) * step, step, 0, std::move(title)};
}
PlotPairLayout PrintedPlotPair(double top, double plotHeight, double titleRoom) {
  PlotPairLayout layout;
  const double firstTop = top + kPlotPageTopGap + titleRoom;
  layout.first = {kPlotPageLeft, firstTop, kPlotPageRight, firstTop + plotHeight};
  const double secondTop = layout.first.bottom + kPlotUnderArea + kPlotPageTopGap + titleRoom;
  layout.second = {kPlotPageLeft, secondTop, kPlotPageRight, secondTop + plotHeight};
  return layout;
}

namespace {

constexpr double kTickGap = 60;        // [twips] between the area and its tick labels
constexpr double kTitleGap = 60;       // [twips] between the tick labels and a title
constexpr double kLegendPad = 80;      // [twips] inside the legend's box
constexpr double kLegendSample = 450;  // [twips] the short line before each text
constexpr double kLegendInset = 100;   // [twips] from the area's corner

// The values at which grid lines stand: min, min + step, ... up to max.
std::vector<double> GridValues(const PlotAxis& axis) {
  std::vector<double> values;
  if (!(axis.step > 0) || !(axis.max > axis.min)) return values;
  const double count = std::floor((axis.max - axis.min) / axis.step + 1e-9);
  if (!(count < 1000)) return values;
  for (int k = 0; k <= static_cast<int>(count); ++k) values.push_back(axis.min + k * axis.step);
  return values;
}

double CharWidth(const Surface& s) { return kPlotCharPerLine * s.LineHeight(); }

}  // namespace

PlotFrame::PlotFrame(TwipRect area, PlotAxis x, PlotAxis y)
    : area_(area), x_(std::move(x)), y_(std::move(y)) {}

double PlotFrame::X(double value) const {
  return area_.left + (value - x_.min) / (x_.max - x_.min) * area_.Width();
}

double PlotFrame::Y(double value) const {
  return area_.bottom - (value - y_.min) / (y_.max - y_.min) * area_.Height();
}

double PlotFrame::ValueOfX(double twips) const {
  return x_.min + (twips - area_.left) / area_.Width() * (x_.max - x_.min);
}

double PlotFrame::ValueOfY(double twips) const {
  return y_.min + (area_.bottom - twips) / area_.Height() * (y_.max - y_.min);
}

void PlotFrame::DrawFrame(Surface& s, char16_t decimalSeparator, Colour textColour) const {
  const TwipRect& a = area_;
  s.FilledBox(a.left, a.top, a.right, a.bottom, kPlotBackColour);
  const double line = s.LineHeight();
  std::size_t widestY = 0;
  for (const double v : GridValues(x_)) {
    const double x = X(v);
    s.Line(x, a.top, x, a.bottom, kPlotGridColour);
    s.TextAt(x, a.bottom + kTickGap, FormatFixed(static_cast<float>(v), 1, x_.decimals, decimalSeparator),
             textColour, TextAnchor::Centre);
  }
  for (const double v : GridValues(y_)) {
    const double y = Y(v);
    s.Line(a.left, y, a.right, y, kPlotGridColour);
    const std::u16string label = FormatFixed(static_cast<float>(v), 1, y_.decimals, decimalSeparator);
    widestY = std::max(widestY, label.size());
    s.TextAt(a.left - kTickGap, y - line / 2, label, textColour, TextAnchor::End);
  }
  s.Box(a.left, a.top, a.right, a.bottom, kPlotFrameColour);
  s.TextAt((a.left + a.right) / 2, a.bottom + kTickGap + line + kTitleGap, x_.title, textColour,
           TextAnchor::Centre);
  const double yTitleLeft = a.left - kTickGap - static_cast<double>(widestY) * CharWidth(s) - kTitleGap - line;
  s.TextAt(yTitleLeft, (a.top + a.bottom) / 2, y_.title, textColour, TextAnchor::Centre, true);
}

void PlotFrame::ClipToArea(Surface& s) const { s.ClipTo(area_.left, area_.top, area_.right, area_.bottom); }

void PlotFrame::Curve(Surface& s, const std::vector<std::pair<double, double>>& points,
                      Colour colour, double widthTwips, bool dashed) const {
  std::vector<TwipPoint> mapped;
  mapped.reserve(points.size());
  for (const auto& [x, y] : points) {
    if (std::isfinite(x) && std::isfinite(y)) mapped.push_back(At(x, y));
  }
  if (mapped.size() >= 2) s.Polyline(std::move(mapped), colour, widthTwips, dashed);
}

void PlotFrame::Mark(Surface& s, double x, double y, Colour colour, MarkerShape shape,
                     double sizeTwips) const {
  if (std::isfinite(x) && std::isfinite(y)) s.Marker(X(x), Y(y), sizeTwips, colour, shape);
}

void PlotFrame::Upright(Surface& s, double x, Colour colour, double widthTwips, bool dashed) const {
  Curve(s, {{x, y_.min}, {x, y_.max}}, colour, widthTwips, dashed);
}

void PlotFrame::Level(Surface& s, double y, Colour colour, double widthTwips, bool dashed) const {
  Curve(s, {{ValueOfX(area_.left), y}, {ValueOfX(area_.right), y}}, colour, widthTwips, dashed);
}

TwipRect PlotFrame::LegendRect(const Surface& s, const std::vector<LegendEntry>& entries) const {
  std::size_t longest = 0;
  for (const LegendEntry& e : entries) longest = std::max(longest, e.text.size());
  const double width = 2 * kLegendPad + kLegendSample + kLegendPad + static_cast<double>(longest) * CharWidth(s);
  const double height = 2 * kLegendPad + static_cast<double>(entries.size()) * s.LineHeight();
  const double right = area_.right - kLegendInset, bottom = area_.bottom - kLegendInset;
  return {right - width, bottom - height, right, bottom};
}

void PlotFrame::DrawLegend(Surface& s, const std::vector<LegendEntry>& entries,
                           Colour textColour) const {
  if (entries.empty()) return;
  const double line = s.LineHeight();
  const auto [left, top, right, bottom] = LegendRect(s, entries);
  s.FilledBox(left, top, right, bottom, kPlotBackColour);
  s.Box(left, top, right, bottom, kPlotFrameColour);
  double y = top + kLegendPad;
  for (const LegendEntry& e : entries) {
    const double middle = y + line / 2;
    const double sampleLeft = left + kLegendPad, sampleRight = sampleLeft + kLegendSample;
    if (e.line) s.Polyline({{sampleLeft, middle}, {sampleRight, middle}}, e.colour, 30, e.dashed);
    if (e.marker) s.Marker((sampleLeft + sampleRight) / 2, middle, 105, e.colour, e.shape);
    s.TextAt(sampleRight + kLegendPad, y, e.text, textColour);
    y += line;
  }
}

void PrintPlotPageHeader(Surface& printer, const std::u16string& studentName,
                         const std::u16string& dateTime, const std::u16string& title) {
  for (int i = 0; i < 3; ++i) printer.Print();
  printer.Print(ReportHeaderLine(studentName, dateTime));
  printer.Print();
  printer.FontBold = true;
  printer.CurrentX = kPlotPageLeft;
  printer.Print(title);
  printer.FontBold = false;
}

}  // namespace rc
