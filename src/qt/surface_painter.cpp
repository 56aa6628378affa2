#include "qt/surface_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPen>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

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

bool LiftsClip(const DrawOp& op) { return op.x2 <= op.x1 || op.y2 <= op.y1; }

// The part of each filled box that no later filled box paints over. A background
// gradient is hundreds of boxes each covering the rest of the window; painting only
// what stays visible keeps a repaint cheap. Empty for operations that are not boxes.
// A box drawn under a clip may cover less than its rectangle, so it hides nothing.
std::vector<QRegion> VisibleFills(const std::vector<DrawOp>& ops, double scale) {
  std::vector<bool> clipped(ops.size());
  bool clip = false;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].kind == DrawOp::Kind::Clip) clip = !LiftsClip(ops[i]);
    clipped[i] = clip;
  }
  std::vector<QRegion> visible(ops.size());
  QRegion covered;
  for (std::size_t i = ops.size(); i-- > 0;) {
    if (ops[i].kind != DrawOp::Kind::FilledBox) continue;
    const QRegion box(FilledRect(ops[i], scale));
    visible[i] = box.subtracted(covered);
    if (!clipped[i]) covered += box;
  }
  return visible;
}

// Whether a row of pixels copied onto the device lands pixel for pixel as filled
// rectangles would: a raster device at its own resolution, moved by whole pixels at
// most, painted over without transparency. Not on a printer, whose boxes stay boxes.
bool PaintsPixelForPixel(const QPainter& painter) {
  const QPaintEngine* engine = painter.paintEngine();
  const QTransform device = painter.deviceTransform();
  return engine && engine->type() == QPaintEngine::Raster &&
         device.type() <= QTransform::TxTranslate && device.dx() == std::round(device.dx()) &&
         device.dy() == std::round(device.dy()) &&
         painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
         painter.opacity() == 1.0;
}

// The filled boxes from first on, up to the first operation of another kind.
std::size_t EndOfFills(const std::vector<DrawOp>& ops, std::size_t first) {
  std::size_t end = first;
  while (end < ops.size() && ops[end].kind == DrawOp::Kind::FilledBox) ++end;
  return end;
}

// Paints the visible parts of the filled boxes [first, end), none of them under a clip,
// band by band: the parts that span the same rows make one row of pixels, copied onto
// every row of the band. The parts do not overlap (each is what later boxes leave of its
// box), so the order does not matter. A gradient of hundreds of boxes, each a column one
// pixel wide, is then copied row by row instead of filled column by column, each column
// again row by row: the start screen's background is painted several times sooner.
void FillBands(QPainter& painter, const std::vector<DrawOp>& ops,
               const std::vector<QRegion>& fills, std::size_t first, std::size_t end) {
  struct Span {
    int left, right;
    QRgb pixel;
  };
  const QPaintDevice* device = painter.device();
  const QRect view = painter.worldTransform().inverted().mapRect(
      QRect(0, 0, device->width(), device->height()));
  std::map<std::pair<int, int>, std::vector<Span>> bands;  // by their top and bottom rows
  for (std::size_t i = first; i < end; ++i) {
    const QRgb pixel = ToQColor(ops[i].colour).rgb();
    for (const QRect& r : fills[i]) {
      const QRect seen = r & view;
      if (!seen.isEmpty()) bands[{seen.top(), seen.bottom()}].push_back({seen.left(), seen.right(), pixel});
    }
  }
  for (const auto& [rows, spans] : bands) {
    int left = spans.front().left, right = spans.front().right, covered = 0;
    for (const Span& s : spans) {
      left = std::min(left, s.left);
      right = std::max(right, s.right);
      covered += s.right - s.left + 1;
    }
    const QRect band(QPoint(left, rows.first), QPoint(right, rows.second));
    if (spans.size() == 1) {
      painter.fillRect(band, QColor::fromRgb(spans.front().pixel));
      continue;
    }
    // Where the spans leave a gap, the row is transparent and what lies below shows.
    QImage row(band.width(), 1,
               covered == band.width() ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::transparent);
    auto* pixels = reinterpret_cast<QRgb*>(row.bits());
    for (const Span& s : spans) std::fill(pixels + (s.left - left), pixels + (s.right - left + 1), s.pixel);
    for (int y = band.top(); y <= band.bottom(); ++y) painter.drawImage(QPoint(left, y), row);
  }
}

// Device coordinates of a twip position, kept finite and within what a painter takes.
QPointF DevicePoint(double x, double y, double scale) {
  constexpr double kLimit = 1e6;
  const auto at = [&](double v) { return std::isfinite(v) ? std::clamp(v * scale, -kLimit, kLimit) : 0.0; };
  return QPointF(at(x), at(y));
}

void DrawPolyline(QPainter& painter, const DrawOp& op, const QColor& colour, double scale,
                  double onePixel) {
  QPolygonF polygon;
  polygon.reserve(static_cast<int>(op.points.size()));
  for (const TwipPoint& p : op.points) polygon.append(DevicePoint(p.x, p.y, scale));
  QPen pen(colour, std::max(onePixel, op.width * scale), op.dashed ? Qt::DashLine : Qt::SolidLine,
           Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(polygon);
}

void DrawMarker(QPainter& painter, const DrawOp& op, const QColor& colour, double scale) {
  const QPointF c = DevicePoint(op.x1, op.y1, scale);
  const double r = std::max(1.5, op.x2 * scale / 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  switch (op.marker) {
    case MarkerShape::Circle:
      painter.drawEllipse(c, r, r);
      break;
    case MarkerShape::Square:
      painter.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
      break;
    case MarkerShape::Diamond: {
      const QPointF corners[] = {{c.x(), c.y() - r * 1.3}, {c.x() + r * 1.3, c.y()},
                                 {c.x(), c.y() + r * 1.3}, {c.x() - r * 1.3, c.y()}};
      painter.drawPolygon(corners, 4);
      break;
    }
  }
  painter.setBrush(Qt::NoBrush);
}

// Text placed by TextAt: moved along its run by its anchor; upright text turned a
// quarter anticlockwise about its anchor point.
void DrawAnchoredText(QPainter& painter, const DrawOp& op, const QFont& font, double scale) {
  const QFontMetricsF metrics(font, painter.device());
  const QString text = QString::fromStdU16String(op.text);
  const double advance = metrics.horizontalAdvance(text);
  const double shift = op.anchor == TextAnchor::Start    ? 0.0
                       : op.anchor == TextAnchor::Centre ? -advance / 2
                                                         : -advance;
  const QPointF at = DevicePoint(op.x1, op.y1, scale);
  if (!op.upright) {
    painter.drawText(QPointF(at.x() + shift, at.y() + metrics.ascent()), text);
    return;
  }
  painter.save();
  painter.translate(at);
  painter.rotate(-90);
  painter.drawText(QPointF(shift, metrics.ascent()), text);
  painter.restore();
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
  const bool bands = PaintsPixelForPixel(painter);
  bool clipped = false;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    const QColor colour = ToQColor(op.colour);
    switch (op.kind) {
      case DrawOp::Kind::Text: {
        const QFont& f = op.bold ? bold : plain;
        painter.setFont(f);
        painter.setPen(colour);
        if (op.anchor != TextAnchor::Start || op.upright) {
          DrawAnchoredText(painter, op, f, s);
          break;
        }
        const QFontMetricsF metrics(f, painter.device());
        painter.drawText(QPointF(op.x1 * s, op.y1 * s + metrics.ascent()), QString::fromStdU16String(op.text));
        break;
      }
      case DrawOp::Kind::Polyline:
        painter.setRenderHint(QPainter::Antialiasing, true);
        DrawPolyline(painter, op, colour, s, penWidth);
        painter.setRenderHint(QPainter::Antialiasing, false);
        break;
      case DrawOp::Kind::Marker:
        painter.setRenderHint(QPainter::Antialiasing, true);
        DrawMarker(painter, op, colour, s);
        painter.setRenderHint(QPainter::Antialiasing, false);
        break;
      case DrawOp::Kind::Clip:
        clipped = !LiftsClip(op);
        if (LiftsClip(op)) {
          painter.setClipping(false);
        } else {
          painter.setClipRect(QRectF(DevicePoint(op.x1, op.y1, s), DevicePoint(op.x2, op.y2, s)));
        }
        break;
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
        if (bands && !clipped) {
          const std::size_t end = EndOfFills(ops, i);
          FillBands(painter, ops, fills, i, end);
          i = end - 1;  // the loop goes on after the last of them
          break;
        }
        for (const QRect& r : fills[i]) painter.fillRect(r, colour);
        break;
    }
  }
  painter.restore();
}

}  // namespace rc
