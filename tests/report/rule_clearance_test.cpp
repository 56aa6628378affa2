#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "calc/calculations.h"
#include "model/text.h"
#include "report/printed_reports.h"
#include "report/screen_tables.h"
#include "report_checks.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

using namespace report_test;
using Kind = DrawOp::Kind;

// The results window's tables are drawn in 8-pixel cells of 13-pixel lines (15 twips a
// pixel); the printer's Liberation Mono advances 1229/2048 of its 8.16-point size.
constexpr double kScreenCell = 8 * 15.0, kScreenLine = 13 * 15.0;
constexpr double kPrintedCell = 1229.0 / 2048.0 * kReportFontSizePt * 20.0;  // 97.93 twips
constexpr double kPrintedLine = 185;

// A vertical line of the drawing: a column line, or a frame's side.
struct Upright {
  double x, top, bottom;
};

std::vector<Upright> Uprights(const std::vector<DrawOp>& ops) {
  std::vector<Upright> lines;
  for (const DrawOp& op : ops) {
    const double top = std::min(op.y1, op.y2), bottom = std::max(op.y1, op.y2);
    if (op.kind == Kind::Line && op.x1 == op.x2) lines.push_back({op.x1, top, bottom});
    if (op.kind == Kind::Box) {
      lines.push_back({op.x1, top, bottom});
      lines.push_back({op.x2, top, bottom});
    }
  }
  return lines;
}

// Every letter a vertical line passes through or comes within a quarter cell of, in the
// lines of text it crosses: "text|letter" for each.
std::vector<std::u16string> LettersTouched(const std::vector<DrawOp>& ops, double cell,
                                           double lineHeight) {
  std::vector<std::u16string> touched;
  for (const Upright& rule : Uprights(ops)) {
    for (const DrawOp& text : TextOps(ops)) {
      if (rule.bottom <= text.y1 || text.y1 + lineHeight <= rule.top) continue;
      const double first = std::floor((rule.x - cell / 4 - text.x1) / cell);
      const double last = std::floor((rule.x + cell / 4 - text.x1) / cell);
      for (double k = std::max(first, 0.0); k <= last && k < static_cast<double>(text.text.size()); ++k) {
        const char16_t letter = text.text[static_cast<std::size_t>(k)];
        if (letter != u' ') touched.push_back(text.text + u"|" + letter);
      }
    }
  }
  return touched;
}

struct Drawing {
  const char* name;
  std::function<void(Surface&)> draw;
  double cell, lineHeight;
};

TEST(TableRules, NoColumnLineOrFrameTouchesALetter) {
  DesignData data = BenzeneTolueneBubbleCap();
  const CalculationInputs inputs = CalculationInputs::Of(data);
  const KineticLineRun kinetic = RunKineticLine(inputs);
  const TrayByTrayRun trays = RunTrayByTray(inputs);
  ASSERT_FALSE(kinetic.refusal);
  ASSERT_TRUE(trays.Completed());
  const Drawing drawings[] = {
      {"tray table",
       [&](Surface& s) {
         for (int i = 0; i < std::min(trays.Count(), 3); ++i) {
           const TrayStep& step = trays.trays[static_cast<std::size_t>(i)];
           DrawTrayTable(s, {i + 1, step.result, step.x, step.yOut}, i + 1, 12000, u'.');
         }
       },
       kScreenCell, kScreenLine},
      {"printed kinetic report",
       [&](Surface& s) { PrintKineticReport(s, data, kinetic, kDate, u'.'); }, kPrintedCell,
       kPrintedLine},
      {"kinetic table", [&](Surface& s) { DrawKineticTable(s, kinetic, 12000, u'.'); },
       kScreenCell, kScreenLine},
      {"printed tray report",
       [&](Surface& s) { PrintTrayReport(s, data, trays, kDate, u'.'); }, kPrintedCell,
       kPrintedLine},
  };
  for (const Drawing& d : drawings) {
    Surface s = Printer(d.lineHeight);
    d.draw(s);
    for (const std::u16string& hit : LettersTouched(s.Ops(), d.cell, d.lineHeight)) {
      ADD_FAILURE() << d.name << ": " << ToUtf8(hit);
    }
  }
}

// The character cells, counted from the header's first character, that the column lines
// crossing the line of text ending in the header stand in.
std::vector<int> CellsOfColumnLines(const std::vector<DrawOp>& ops, const std::u16string& header,
                                    double cell, double lineHeight) {
  std::vector<int> cells;
  for (const DrawOp& text : TextOps(ops)) {
    if (text.text.size() < header.size() ||
        text.text.compare(text.text.size() - header.size(), header.size(), header) != 0) {
      continue;
    }
    const double first = text.x1 + static_cast<double>(text.text.size() - header.size()) * cell;
    for (const DrawOp& op : ops) {
      const bool crosses = op.kind == Kind::Line && op.x1 == op.x2 &&
                           std::min(op.y1, op.y2) < text.y1 + lineHeight && std::max(op.y1, op.y2) > text.y1;
      if (crosses) cells.push_back(static_cast<int>(std::floor((op.x1 - first) / cell)));
    }
  }
  std::sort(cells.begin(), cells.end());
  return cells;
}

// Each heading of the first kinetic table stays whole in its column on paper as in the
// window: "КОЭФ-Т МАССООТДАЧИ В" with its "В" before the line, "ПАРЕ" under it.
TEST(TableRules, ThePrintedKineticColumnsStandInTheWindowsCells) {
  DesignData data = BenzeneTolueneBubbleCap();
  const KineticLineRun kinetic = RunKineticLine(CalculationInputs::Of(data));
  ASSERT_FALSE(kinetic.refusal);
  Surface window = Printer(kScreenLine), paper = Printer(kPrintedLine);
  DrawKineticTable(window, kinetic, 12000, u'.');
  PrintKineticReport(paper, data, kinetic, kDate, u'.');
  const std::u16string header = kKineticTable1Header[0];
  const std::vector<int> onScreen = CellsOfColumnLines(window.Ops(), header, kScreenCell, kScreenLine);
  // The blanks after "N", "СВЕТЛОЙ", "ПАРОСОДЕРЖАНИЕ" and the first "МАССООТДАЧИ В".
  EXPECT_EQ(onScreen, (std::vector<int>{1, 17, 32, 53}));
  EXPECT_EQ(CellsOfColumnLines(paper.Ops(), header, kPrintedCell, kPrintedLine), onScreen);
}

}  // namespace
}  // namespace rc
