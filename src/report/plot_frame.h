#pragma once
// A plot of y against x drawn on a Surface: a white area with a light grid, a frame,
// tick labels and axis titles, and the mapping of data values to twips within it. The
// y–x diagram is drawn in one; any other plot of one quantity against another can be.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "report/surface.h"

namespace rc {

struct PlotAxis {
  double min = 0, max = 1;    // data range shown
  double step = 0.1;          // grid and tick spacing
  std::uint8_t decimals = 1;  // of the tick labels
  std::u16string title;
};

// A rectangle [twips], y downwards.
struct TwipRect {
  double left = 0, top = 0, right = 0, bottom = 0;
  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
};

// One line of a legend: a short line, a marker, or both, and its text.
struct LegendEntry {
  std::u16string text;
  Colour colour = kBlack;
  bool line = true;
  bool dashed = false;
  bool marker = false;
  MarkerShape shape = MarkerShape::Circle;
};

// The plots' colours. Every plot takes its colours from here, under names of its own
// that say what each marks.
inline constexpr Colour kPlotBlack = Rgb(0, 0, 0);
inline constexpr Colour kPlotWhite = Rgb(255, 255, 255);
inline constexpr Colour kPlotLightGrey = Rgb(215, 215, 215);
inline constexpr Colour kPlotGrey = Rgb(128, 128, 128);
inline constexpr Colour kPlotRed = Rgb(255, 0, 0);
inline constexpr Colour kPlotDeepRed = Rgb(220, 0, 0);
inline constexpr Colour kPlotDarkRed = Rgb(200, 0, 0);
inline constexpr Colour kPlotOrange = Rgb(255, 128, 0);
inline constexpr Colour kPlotDarkOrange = Rgb(190, 80, 0);  // a dark orange that reads on white
inline constexpr Colour kPlotBlue = Rgb(0, 0, 255);
inline constexpr Colour kPlotNavy = Rgb(0, 0, 192);
inline constexpr Colour kPlotPurple = Rgb(150, 0, 150);
inline constexpr Colour kPlotMagenta = Rgb(200, 0, 200);
inline constexpr Colour kPlotLightGreen = Rgb(0, 150, 0);
inline constexpr Colour kPlotGreen = Rgb(0, 120, 0);
inline constexpr Colour kPlotDarkGreen = Rgb(0, 110, 0);
inline constexpr Colour kPlotTeal = Rgb(0, 110, 110);
inline constexpr Colour kPlotPink = Rgb(255, 220, 220);
inline constexpr Colour kPlotPeach = Rgb(255, 235, 190);

// Every plot's area, grid and frame.
inline constexpr Colour kPlotBackColour = kPlotWhite;
inline constexpr Colour kPlotGridColour = kPlotLightGrey;
inline constexpr Colour kPlotFrameColour = kPlotBlack;
// The texts of the plots, on the window and on paper: labels and legends, and the bold
// message lines under a plot.
inline constexpr Colour kPlotTextColour = kPlotNavy;
inline constexpr Colour kPlotMessageColour = kPlotRed;

// The width of a plot's curves [twips].
inline constexpr double kPlotCurveWidth = 30;
// The width of a character of the plots' fixed-pitch font, per line height: what labels
// and legends take to fit their texts.
inline constexpr double kPlotCharPerLine = 0.62;

// Where a window or page places two plots [twips]: their two plotting areas (one above
// the other, or side by side), the rectangle whose lower right corner takes the legend's
// box, and the top of the lines written under them.
struct PlotPairLayout {
  TwipRect first, second, legend;
  double linesTop = 0;
};

// A plot's printed page [twips]: the plots from kPlotPageLeft to kPlotPageRight, their top
// kPlotPageTopGap under the title, kPlotUnderArea under each for its tick labels and x title.
inline constexpr double kPlotPageLeft = 1500;
inline constexpr double kPlotPageRight = 9300;
inline constexpr double kPlotPageTopGap = 250;
inline constexpr double kPlotUnderArea = 650;
// A plot's picture: the band of its page under the title, as wide as the page between
// its margins (A4 less 15 mm each side) [twips].
inline constexpr double kPlotPictureWidth = 10200;

// The top of a plot's page: three blank lines, the student's name and the date text
// (dateTime, from DateTimeText) as in the reports' header line, a blank line, and the
// title in bold from kPlotPageLeft.
void PrintPlotPageHeader(Surface& printer, const std::u16string& studentName,
                         const std::u16string& dateTime, const std::u16string& title);

// The two plots of a printed page, one above the other from kPlotPageLeft to
// kPlotPageRight, each plotHeight high: the first kPlotPageTopGap and titleRoom under
// top (the pen under the page's title), the second as far under the first's tick labels.
// The legend and the lines' top are the page's own.
PlotPairLayout PrintedPlotPair(double top, double plotHeight, double titleRoom = 0);

// A round grid step giving about `lines` grid lines over span: 1, 2 or 5 times a power
// of ten (1 for a span that is not positive).
double RoundStep(double span, double lines);
// The decimals a tick label needs at that step.
std::uint8_t StepDecimals(double step);
// From 0 to the first grid line above the largest value (10 when there is none), whole
// numbers apart.
PlotAxis CountAxis(double largest, std::u16string title);

class PlotFrame {
 public:
  // area: the plotting area itself; labels and titles go outside it.
  PlotFrame(TwipRect area, PlotAxis x, PlotAxis y);

  const TwipRect& Area() const { return area_; }
  const PlotAxis& YAxis() const { return y_; }

  // Data value to twips, and back.
  double X(double value) const;
  double Y(double value) const;
  TwipPoint At(double x, double y) const { return {X(x), Y(y)}; }
  double ValueOfX(double twips) const;
  double ValueOfY(double twips) const;

  // White area, the grid at every step, the frame, the tick labels below and to the
  // left, the x title centred under the labels and the y title upright to their left.
  void DrawFrame(Surface& s, char16_t decimalSeparator, Colour textColour) const;
  // Lets the following operations draw only inside the area, and lifts that again.
  void ClipToArea(Surface& s) const;

  // A curve through data points; points that are not finite are left out.
  void Curve(Surface& s, const std::vector<std::pair<double, double>>& points, Colour colour,
             double widthTwips = 0, bool dashed = false) const;
  void Mark(Surface& s, double x, double y, Colour colour, MarkerShape shape,
            double sizeTwips) const;
  // A straight line across the whole area: upright at x, or level at y.
  void Upright(Surface& s, double x, Colour colour, double widthTwips = 0, bool dashed = false) const;
  void Level(Surface& s, double y, Colour colour, double widthTwips = 0, bool dashed = false) const;

  // A boxed legend in the lower right corner of the area. Its width follows the longest
  // text, taking a character as 0.62 of the line height (a fixed-pitch font's cell).
  void DrawLegend(Surface& s, const std::vector<LegendEntry>& entries, Colour textColour) const;
  // Where that legend stands.
  TwipRect LegendRect(const Surface& s, const std::vector<LegendEntry>& entries) const;

 private:
  TwipRect area_;
  PlotAxis x_, y_;
};

}  // namespace rc
