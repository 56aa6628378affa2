#pragma once
// A drawing surface with a pen: the results window and the printer page take the same
// operations, so one table routine serves both and a test can read back every operation.
// Positions are in twips (1/1440 inch) from the top left, y downwards.
#include <cstdint>
#include <string>
#include <vector>

namespace rc {

// Twips: 1440 to the inch and 20 to the point; a pixel of a 96-dpi screen is 15.
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kTwipsPerPoint = 20.0;
inline constexpr double kTwipsPerPixel = 15.0;

// 24-bit colour, red in the low byte, blue in the high byte.
using Colour = std::uint32_t;
constexpr Colour Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }
inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kRed = Rgb(255, 0, 0);    // 255
inline constexpr Colour kGreen = Rgb(0, 255, 0);  // 65280
inline constexpr Colour kBlue = Rgb(0, 0, 255);   // 0xFF0000

// A point of a polyline [twips].
struct TwipPoint {
  double x = 0, y = 0;
};

enum class MarkerShape { Circle, Square, Diamond };
// Where the text of TextAt stands against its x: its start, its middle or its end.
enum class TextAnchor { Start, Centre, End };

struct DrawOp {
  // Text, Line, Box, FilledBox: the pen operations of the tables and reports.
  // Polyline: a path through points, width [twips] (0: one screen pixel), dashed or not.
  // Marker: a filled shape centred at x1, y1, x2 across [twips].
  // Clip: the operations that follow draw only inside the rectangle x1, y1 .. x2, y2;
  // an empty rectangle (x2 <= x1) lifts the clip.
  enum class Kind { Text, Line, Box, FilledBox, Polyline, Marker, Clip };
  Kind kind = Kind::Text;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // [twips]; text: its top-left corner at x1, y1
  Colour colour = kBlack;
  bool bold = false;
  std::u16string text;
  // Text drawn by TextAt: anchored at x1 by its start, middle or end; upright text runs
  // from the bottom up, its top at x1 and its anchor on y1.
  TextAnchor anchor = TextAnchor::Start;
  bool upright = false;
  std::vector<TwipPoint> points;  // Polyline
  double width = 0;               // Polyline [twips]
  bool dashed = false;            // Polyline
  MarkerShape marker = MarkerShape::Circle;
};

struct Page {
  std::vector<DrawOp> ops;
};

class Surface {
 public:
  // Line height of the current font [twips]: how far Print moves the pen down.
  void SetLineHeight(double twips) { lineHeight_ = twips; }
  double LineHeight() const { return lineHeight_; }
  // Height of a printer page [twips]; 0 for a window, which never breaks into pages.
  void SetPageHeight(double twips) { pageHeight_ = twips; }
  double PageHeight() const { return pageHeight_; }
  // Whether a block `height` [twips] high drawn from the pen ends on this page, at its
  // bottom edge at the lowest; on a window always.
  bool FitsOnPage(double height) const { return pageHeight_ <= 0 || CurrentY + height <= pageHeight_; }
  // Width of a printer page [twips] and the advance of one character of its fixed-pitch
  // font [twips]; 0 for a window, whose lines are never broken.
  void SetPageWidth(double twips, double charWidth) {
    pageWidth_ = twips;
    charWidth_ = charWidth;
  }

  // How many characters a line of the page holds from its left edge; 0 for a window.
  std::size_t LineCharacters() const {
    return pageWidth_ > 0 && charWidth_ > 0 ? static_cast<std::size_t>(pageWidth_ / charWidth_) : 0;
  }

  double CurrentX = 0;
  double CurrentY = 0;
  bool FontBold = false;
  Colour ForeColor = kBlack;

  // Draws text at the pen, then moves the pen to the start of the next line. On a
  // printer a line of text that would pass the bottom of the page goes to the top of a
  // new one; empty lines only move the pen, so they never start a page of their own.
  // A line too long for the page's width goes on in the next line from the same left
  // edge, so no character is lost beyond the paper.
  void Print(const std::u16string& text = {});
  void Line(double x1, double y1, double x2, double y2, Colour colour);
  void Box(double x1, double y1, double x2, double y2, Colour colour);
  void FilledBox(double x1, double y1, double x2, double y2, Colour colour);
  // Drawing that leaves the pen alone: the plots' curves, markers and labels. Text
  // goes in the current FontBold; TextAt never starts a new page.
  void Polyline(std::vector<TwipPoint> points, Colour colour, double widthTwips = 0,
                bool dashed = false);
  void Marker(double x, double y, double sizeTwips, Colour colour, MarkerShape shape);
  void TextAt(double x, double y, const std::u16string& text, Colour colour,
              TextAnchor anchor = TextAnchor::Start, bool upright = false);
  void ClipTo(double x1, double y1, double x2, double y2);
  void NoClip() { ClipTo(0, 0, 0, 0); }
  // Erases the drawing; pen to 0, 0.
  void Cls();
  void NewPage();

  const std::vector<Page>& Pages() const { return pages_; }
  const std::vector<DrawOp>& Ops() const { return pages_.back().ops; }  // current page
  // Every text drawn, in drawing order, across all pages.
  std::vector<std::u16string> Texts() const;
  // Changes whenever the drawing changes, so a view knows when to repaint.
  std::uint64_t Revision() const { return revision_; }

 private:
  void Add(DrawOp op);
  // Draws one line that fits the page at the pen and moves the pen down.
  void PrintLine(const std::u16string& text);
  // How many characters of text fit between the pen and the right edge of the page.
  std::size_t FittingLength(const std::u16string& text) const;

  std::vector<Page> pages_{Page{}};
  double lineHeight_ = 195;
  double pageHeight_ = 0;
  double pageWidth_ = 0;
  double charWidth_ = 0;
  std::uint64_t revision_ = 0;
};

// Rounds a twip position to the nearest whole number, halves to even, as the table
// routines do for every y taken from the pen.
std::int16_t RoundTwips(double value);

}  // namespace rc
