#include "report/surface.h"

#include <cmath>

namespace rc {
namespace {

DrawOp Op(DrawOp::Kind kind, double x1, double y1, double x2, double y2, Colour colour) {
  DrawOp op;
  op.kind = kind;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.colour = colour;
  return op;
}

}  // namespace

void Surface::Add(DrawOp op) {
  pages_.back().ops.push_back(std::move(op));
  ++revision_;
}

void Surface::Print(const std::u16string& text) {
  const double left = CurrentX;
  std::u16string rest = text;
  for (;;) {
    const std::size_t fits = FittingLength(rest);
    if (fits >= rest.size()) break;
    PrintLine(rest.substr(0, fits));
    rest.erase(0, fits);
    CurrentX = left;
  }
  PrintLine(rest);
}

std::size_t Surface::FittingLength(const std::u16string& text) const {
  if (pageWidth_ <= 0 || charWidth_ <= 0) return text.size();
  // Blanks past the edge show nothing: a line whose last visible character fits stays
  // whole.
  const std::size_t lastCharacter = text.find_last_not_of(u' ');
  if (lastCharacter == std::u16string::npos) return text.size();
  const double room = (pageWidth_ - CurrentX) / charWidth_;
  // At least one character a line, however little room is left.
  std::size_t fits = room >= 1 ? static_cast<std::size_t>(room) : 1;
  if (fits > lastCharacter) return text.size();
  // A character of two UTF-16 units stays whole.
  if (fits > 1 && text[fits] >= 0xDC00 && text[fits] <= 0xDFFF) --fits;
  return fits;
}

void Surface::PrintLine(const std::u16string& text) {
  if (!text.empty() && !FitsOnPage(lineHeight_) && CurrentY > 0) {
    const double x = CurrentX;
    NewPage();
    CurrentX = x;
  }
  if (!text.empty()) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.x1 = CurrentX;
    op.y1 = CurrentY;
    op.colour = ForeColor;
    op.bold = FontBold;
    op.text = text;
    Add(std::move(op));
  }
  CurrentX = 0;
  CurrentY += lineHeight_;
}

void Surface::Line(double x1, double y1, double x2, double y2, Colour colour) {
  Add(Op(DrawOp::Kind::Line, x1, y1, x2, y2, colour));
}

void Surface::Box(double x1, double y1, double x2, double y2, Colour colour) {
  Add(Op(DrawOp::Kind::Box, x1, y1, x2, y2, colour));
}

void Surface::FilledBox(double x1, double y1, double x2, double y2, Colour colour) {
  Add(Op(DrawOp::Kind::FilledBox, x1, y1, x2, y2, colour));
}

void Surface::Polyline(std::vector<TwipPoint> points, Colour colour, double widthTwips,
                       bool dashed) {
  DrawOp op = Op(DrawOp::Kind::Polyline, 0, 0, 0, 0, colour);
  op.points = std::move(points);
  op.width = widthTwips;
  op.dashed = dashed;
  Add(std::move(op));
}

void Surface::Marker(double x, double y, double sizeTwips, Colour colour, MarkerShape shape) {
  DrawOp op = Op(DrawOp::Kind::Marker, x, y, sizeTwips, 0, colour);
  op.marker = shape;
  Add(std::move(op));
}

void Surface::TextAt(double x, double y, const std::u16string& text, Colour colour,
                     TextAnchor anchor, bool upright) {
  if (text.empty()) return;
  DrawOp op = Op(DrawOp::Kind::Text, x, y, 0, 0, colour);
  op.bold = FontBold;
  op.text = text;
  op.anchor = anchor;
  op.upright = upright;
  Add(std::move(op));
}

void Surface::ClipTo(double x1, double y1, double x2, double y2) {
  Add(Op(DrawOp::Kind::Clip, x1, y1, x2, y2, kBlack));
}

void Surface::Cls() {
  pages_.assign(1, Page{});
  CurrentX = 0;
  CurrentY = 0;
  ++revision_;
}

void Surface::NewPage() {
  pages_.push_back(Page{});
  CurrentX = 0;
  CurrentY = 0;
  ++revision_;
}

std::vector<std::u16string> Surface::Texts() const {
  std::vector<std::u16string> texts;
  for (const Page& page : pages_) {
    for (const DrawOp& op : page.ops) {
      if (op.kind == DrawOp::Kind::Text) texts.push_back(op.text);
    }
  }
  return texts;
}

std::int16_t RoundTwips(double value) {
  const double rounded = std::nearbyint(value);  // default mode: halves to even
  if (!(rounded >= -32768.0)) return -32768;
  if (rounded > 32767.0) return 32767;
  return static_cast<std::int16_t>(rounded);
}

}  // namespace rc
