#pragma once
// Where a label may stand on a plot: inside its area, off the frame, and clear of every
// line, curve, marker, box and text drawn there. The obstacles are read from what the
// surface holds, so a line added to a plot is avoided without a word here.
#include <cstddef>
#include <string>
#include <vector>

#include "report/plot_frame.h"
#include "report/surface.h"

namespace rc {

// The box of a text drawn by TextAt, its characters taken 0.62 of a line wide.
TwipRect TextBox(double lineHeight, double x, double y, const std::u16string& text,
                 TextAnchor anchor);

class LabelSpace {
 public:
  // clearance [twips]: the room kept between a label and anything else, the frame too.
  LabelSpace(const TwipRect& area, double lineHeight, double clearance);

  // Everything drawn from ops[from] on: lines and polylines as segments, markers, boxes
  // and texts as rectangles. A clip changes nothing.
  void TakeDrawing(const std::vector<DrawOp>& ops, std::size_t from);
  void TakeRect(const TwipRect& r) { rects_.push_back(r); }
  void TakeSegment(const TwipPoint& a, const TwipPoint& b) { segments_.push_back({a, b}); }

  // Inside the area with the clearance kept, and clear of every obstacle by it.
  bool Free(const TwipRect& r) const;
  // Whether a leader line from a to b crosses no marker, box or text.
  bool LeaderFree(const TwipPoint& a, const TwipPoint& b) const;

 private:
  struct Segment {
    TwipPoint a, b;
  };
  TwipRect area_;
  double lineHeight_;
  double clearance_;
  std::vector<TwipRect> rects_;
  std::vector<Segment> segments_;
};

// Whether the segment from a to b passes through the rectangle (its edges included).
bool SegmentCrosses(const TwipPoint& a, const TwipPoint& b, const TwipRect& r);

}  // namespace rc
