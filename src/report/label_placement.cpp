#include "report/label_placement.h"

#include <algorithm>
#include <cmath>

namespace rc {
namespace {

TwipRect Grown(const TwipRect& r, double by) {
  return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

bool Overlap(const TwipRect& a, const TwipRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

TwipRect TextBox(double lineHeight, double x, double y, const std::u16string& text,
                 TextAnchor anchor) {
  const double width = static_cast<double>(text.size()) * kPlotCharPerLine * lineHeight;
  const double left = anchor == TextAnchor::Start ? x
                      : anchor == TextAnchor::End ? x - width
                                                  : x - width / 2;
  return {left, y, left + width, y + lineHeight};
}

bool SegmentCrosses(const TwipPoint& a, const TwipPoint& b, const TwipRect& r) {
  // Liang–Barsky: the part of the segment inside the rectangle is t0..t1.
  double t0 = 0, t1 = 1;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x - r.left, r.right - a.x, a.y - r.top, r.bottom - a.y};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  return true;
}

LabelSpace::LabelSpace(const TwipRect& area, double lineHeight, double clearance)
    : area_(area), lineHeight_(lineHeight), clearance_(clearance) {}

void LabelSpace::TakeDrawing(const std::vector<DrawOp>& ops, std::size_t from) {
  for (std::size_t i = from; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    switch (op.kind) {
      case DrawOp::Kind::Line:
        TakeSegment({op.x1, op.y1}, {op.x2, op.y2});
        break;
      case DrawOp::Kind::Polyline:
        for (std::size_t k = 1; k < op.points.size(); ++k) {
          TakeSegment(op.points[k - 1], op.points[k]);
        }
        break;
      case DrawOp::Kind::Marker:
        TakeRect({op.x1 - op.x2 / 2, op.y1 - op.x2 / 2, op.x1 + op.x2 / 2, op.y1 + op.x2 / 2});
        break;
      case DrawOp::Kind::Box:
      case DrawOp::Kind::FilledBox:
        TakeRect({std::min(op.x1, op.x2), std::min(op.y1, op.y2), std::max(op.x1, op.x2),
                  std::max(op.y1, op.y2)});
        break;
      case DrawOp::Kind::Text:
        if (!op.upright) TakeRect(TextBox(lineHeight_, op.x1, op.y1, op.text, op.anchor));
        break;
      case DrawOp::Kind::Clip:
        break;
    }
  }
}

bool LabelSpace::Free(const TwipRect& r) const {
  const TwipRect inner = Grown(area_, -clearance_);
  if (!(r.left >= inner.left && r.right <= inner.right && r.top >= inner.top &&
        r.bottom <= inner.bottom)) {
    return false;
  }
  const TwipRect kept = Grown(r, clearance_);
  if (std::any_of(rects_.begin(), rects_.end(),
                  [&](const TwipRect& t) { return Overlap(kept, t); })) {
    return false;
  }
  return std::none_of(segments_.begin(), segments_.end(),
                      [&](const Segment& s) { return SegmentCrosses(s.a, s.b, kept); });
}

}  // namespace rc

namespace rc {

bool LabelSpace::LeaderFree(const TwipPoint& a, const TwipPoint& b) const {
  return std::none_of(rects_.begin(), rects_.end(),
                      [&](const TwipRect& t) { return SegmentCrosses(a, b, Grown(t, clearance_)); });
}

}  // namespace rc
