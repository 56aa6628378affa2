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

struct DrawOp {
  enum class Kind { Text, Line, Box, FilledBox };
  Kind kind = Kind::Text;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // [twips]; text: its top-left corner at x1, y1
  Colour colour = kBlack;
  bool bold = false;
  std::u16string text;
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

  double CurrentX = 0;
  double CurrentY = 0;
  bool FontBold = false;
  Colour ForeColor = kBlack;

  // Draws text at the pen, then moves the pen to the start of the next line. On a
  // printer a line of text that would pass the bottom of the page goes to the top of a
  // new one; empty lines only move the pen, so they never start a page of their own.
  void Print(const std::u16string& text = {});
  void Line(double x1, double y1, double x2, double y2, Colour colour);
  void Box(double x1, double y1, double x2, double y2, Colour colour);
  void FilledBox(double x1, double y1, double x2, double y2, Colour colour);
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

  std::vector<Page> pages_{Page{}};
  double lineHeight_ = 195;
  double pageHeight_ = 0;
  std::uint64_t revision_ = 0;
};

// Rounds a twip position to the nearest whole number, halves to even, as the table
// routines do for every y taken from the pen.
std::int16_t RoundTwips(double value);

}  // namespace rc
