#include "qt/surface_painter.h"

#include <QFontMetricsF>
#include <QPen>
#include <QRegion>
#include <algorithm>
#include <cmath>

namespace rc {
namespace {

// Device pixels, kept within a range QRect and QRegion handle.
int Px(double twips, double scale) {
  constexpr double kLimit = 1e6;
  return static_cast<int>(std::lround(std::clamp(twips * scale, -kLimit, kLimit)));
}

// A filled box covers its corners inclusively, as a box drawn from pixel i to pixel W
// covers both columns.
QRect FilledRect(const DrawOp& op, double scale) {
  const int x1 = Px(std::min(op.x1, op.x2), scale), x2 = Px(std::max(op.x1, op.x2), scale);
  const int y1 = Px(std::min(op.y1, op.y2), scale), y2 = Px(std::max(op.y1, op.y2), scale);
  return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

// The part of each filled box that no later filled box paints over. A background
// gradient is hundreds of boxes each covering the rest of the window; painting only
// what stays visible keeps a repaint cheap. Empty for operations that are not boxes.
std::vector<QRegion> VisibleFills(const std::vector<DrawOp>& ops, double scale) {
  std::vector<QRegion> visible(ops.size());
  QRegion covered;
  for (std::size_t i = ops.size(); i-- > 0;) {
    if (ops[i].kind != DrawOp::Kind::FilledBox) continue;
    const QRegion box(FilledRect(ops[i], scale));
    visible[i] = box.subtracted(covered);
    covered += box;
  }
  return visible;
}

}  // namespace

QColor ToQColor(Colour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void ReplayOps(QPainter& painter, const std::vector<DrawOp>& ops, const QFont& font,
               double pixelsPerTwip) {
  const double s = pixelsPerTwip;
  const std::vector<QRegion> fills = VisibleFills(ops, s);
  painter.save();
  QFont plain = font, bold = font;
  plain.setBold(false);
  bold.setBold(true);
  const double penWidth = std::max(1.0, kTwipsPerPixel * s);
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    const QColor colour = ToQColor(op.colour);
    switch (op.kind) {
      case DrawOp::Kind::Text: {
        const QFont& f = op.bold ? bold : plain;
        painter.setFont(f);
        painter.setPen(colour);
        const QFontMetricsF metrics(f, painter.device());
        painter.drawText(QPointF(op.x1 * s, op.y1 * s + metrics.ascent()), QString::fromStdU16String(op.text));
        break;
      }
      case DrawOp::Kind::Line:
        painter.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(QPointF(op.x1 * s, op.y1 * s), QPointF(op.x2 * s, op.y2 * s));
        break;
      case DrawOp::Kind::Box:
        painter.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(QPointF(op.x1 * s, op.y1 * s), QPointF(op.x2 * s, op.y2 * s))
                             .normalized());
        break;
      case DrawOp::Kind::FilledBox:
        for (const QRect& r : fills[i]) painter.fillRect(r, colour);
        break;
    }
  }
  painter.restore();
}

}  // namespace rc
