#pragma once
// What the report tests draw with and read back from a surface: a fresh data entry under
// a student's name, the report date, the texts drawn and the figures drawn, each figure
// as its kind, corners and colour, to be compared with a table of expected ones.
#include <string>
#include <tuple>
#include <vector>

#include "model/design_data.h"
#include "report/plot_frame.h"
#include "report/surface.h"

namespace rc::report_test {

inline const std::u16string kDate = u" 07 декабря 2026г.        10:15:30";  // 34 characters

// The data of a fresh entry, typed by the student of that name.
inline DesignData EntryData(const std::u16string& student) {
  DesignData data;
  PrepareForEntry(data);
  data.StudentName = student;
  return data;
}

// A printer of that line height and page height (0: one endless page).
inline Surface Printer(double lineHeight, double pageHeight = 0) {
  Surface printer;
  printer.SetLineHeight(lineHeight);
  printer.SetPageHeight(pageHeight);
  return printer;
}

// The operations that draw texts, or (texts false) all the others, in drawing order.
inline std::vector<DrawOp> TextOps(const std::vector<DrawOp>& ops, bool texts = true) {
  std::vector<DrawOp> kept;
  for (const DrawOp& op : ops) {
    if ((op.kind == DrawOp::Kind::Text) == texts) kept.push_back(op);
  }
  return kept;
}

using Figure = std::tuple<DrawOp::Kind, double, double, double, double, Colour>;

// The figures drawn (everything but texts), in drawing order.
inline std::vector<Figure> Figures(const std::vector<DrawOp>& ops) {
  std::vector<Figure> figures;
  for (const DrawOp& op : TextOps(ops, false)) {
    figures.emplace_back(op.kind, op.x1, op.y1, op.x2, op.y2, op.colour);
  }
  return figures;
}

// Where a label stands: its characters taken 0.62 of a line wide, from its anchor.
inline TwipRect LabelRect(const Surface& s, const DrawOp& op) {
  const double width = static_cast<double>(op.text.size()) * 0.62 * s.LineHeight();
  const double left = op.anchor == TextAnchor::Start ? op.x1
                      : op.anchor == TextAnchor::End ? op.x1 - width
                                                     : op.x1 - width / 2;
  return {left, op.y1, left + width, op.y1 + s.LineHeight()};
}

inline bool Overlap(const TwipRect& a, const TwipRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace rc::report_test
