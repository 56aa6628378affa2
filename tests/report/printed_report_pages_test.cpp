// How the printed reports run over several pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "calc/calculations.h"
#include "calc/reflux_sweep.h"
#include "report/diagram_report.h"
#include "report/format.h"
#include "report/printed_reports.h"
#include "report/reflux_plot.h"
#include "report/tray_profile.h"
#include "support/design_fixtures.h"
#include "report_checks.h"
#include "support/recording_toolkit.h"

namespace rc {
namespace {

using namespace report_test;

DesignData TrayData() {
  DesignData data = EntryData(u"Кузнецов");
  data.RecordedTrays.TrayNo = {0, 1, 7, 23};
  return data;
}

// The tray report of TrayData on pages of that height.
Surface PrintedTrays(double lineHeight, double pageHeight) {
  const DesignData data = TrayData();
  Surface printer = Printer(lineHeight, pageHeight);
  PrintTrayReport(printer, data, TrayRunOfRecord(data), kDate, u'.');
  return printer;
}

TEST(PrinterSurface, TextPastTheBottomContinuesOnANewPageButEmptyLinesDoNot) {
  Surface printer = Printer(200, 1000);
  for (int i = 0; i < 5; ++i) printer.Print(u"строка");  // fills the page exactly
  printer.Print();
  printer.Print();
  EXPECT_EQ(printer.Pages().size(), 1u);  // empty lines alone start no page

  printer.CurrentX = 300;
  printer.Print(u"дальше");
  ASSERT_EQ(printer.Pages().size(), 2u);
  ASSERT_EQ(printer.Ops().size(), 1u);
  EXPECT_EQ(printer.Ops()[0].y1, 0);
  EXPECT_EQ(printer.Ops()[0].x1, 300);  // the line keeps its x on the new page
  EXPECT_EQ(printer.CurrentY, 200);
}

TEST(PrintTrayReport, FitsOnOnePageWhenThePageIsTallEnough) {
  EXPECT_EQ(PrintedTrays(185, 15840).Pages().size(), 1u);  // the trailing empty lines add no empty page
}

// Whatever the page height, a tray block is never split: each box and its lines lie
// on one page, within the page, and no page is left empty.
TEST(PrintTrayReport, NeverSplitsABlockBetweenPages) {
  for (double pageHeight : {6000.0, 9000.0, 12000.0, 15000.0}) {
    const Surface printer = PrintedTrays(195, pageHeight);
    ASSERT_GE(printer.Pages().size(), 2u) << pageHeight;

    int trayLines = 0;
    for (const Page& page : printer.Pages()) {
      EXPECT_FALSE(page.ops.empty()) << pageHeight;
      for (const DrawOp& op : page.ops) {
        EXPECT_GE(std::min(op.y1, op.y2), 0) << pageHeight;
        EXPECT_LE(std::max(op.y1, op.y2), pageHeight) << pageHeight;
        if (op.kind == DrawOp::Kind::Text && op.text.starts_with(u"НОМЕР ТАРЕЛКИ")) ++trayLines;
      }
    }
    EXPECT_EQ(trayLines, 3) << pageHeight;
  }
}

TEST(PrintTrayReport, ABlockMovedToANewPageStartsBelowItsTop) {
  const Surface printer = PrintedTrays(195, 15000);
  // Frame and two blocks fill the first page up to 13650; the last block needs 1980.
  ASSERT_EQ(printer.Pages().size(), 2u);
  const std::vector<DrawOp>& second = printer.Pages()[1].ops;
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(second[0].text, u"НОМЕР ТАРЕЛКИ - 23 (ПОСЛЕДНЯЯ ТАРЕЛКА)");
  EXPECT_EQ(second[0].y1, 200);
}

constexpr double kA4Height = 15137, kA4Width = 10205;  // printable, within 15 mm margins

Surface A4Printer() {
  Surface printer = Printer(185, kA4Height);
  printer.SetPageWidth(kA4Width, 98);
  return printer;
}

// Every drawing of every page within its page, top above bottom.
void ExpectWithinPages(const Surface& printer) {
  for (const Page& page : printer.Pages()) {
    for (const DrawOp& op : page.ops) {
      if (op.kind == DrawOp::Kind::Clip) continue;
      std::vector<double> ys{op.y1};
      if (op.kind != DrawOp::Kind::Text && op.kind != DrawOp::Kind::Marker) ys.push_back(op.y2);
      for (const TwipPoint& p : op.points) ys.push_back(p.y);
      for (double y : ys) EXPECT_TRUE(y >= 0 && y <= kA4Height) << y;
      EXPECT_TRUE(op.kind != DrawOp::Kind::Box || op.y1 < op.y2);
    }
  }
}

// Long typed values wrap and lengthen the frame; each ruled block then goes whole to
// the next page, heading and all: every rule lies inside a box of its own page.
TEST(PrintedReports, RuledBlocksStayWholeOnTheirPagesHoweverLongTheFrame) {
  for (bool kinetic : {true, false}) {
    for (std::size_t length : {0u, 20u, 60u, 200u, 600u}) {
      SCOPED_TRACE(testing::Message() << (kinetic ? "kinetic " : "tray ") << length);
      DesignData data = TrayData();
      for (int n = kParamReflux; n <= kParamLiquidViscosityHeavy; ++n) {
        data.ParamText[n] = std::u16string(length, u'7');
      }
      Surface printer = A4Printer();
      if (kinetic) {
        PrintKineticReport(printer, data, KineticRunOfRecord(data), kDate, u'.');
      } else {
        PrintTrayReport(printer, data, TrayRunOfRecord(data), kDate, u'.');
      }
      ExpectWithinPages(printer);
      int boxes = 0, headingsInABox = 0;
      for (const Page& page : printer.Pages()) {
        std::vector<DrawOp> pageBoxes;
        std::copy_if(page.ops.begin(), page.ops.end(), std::back_inserter(pageBoxes),
                     [](const DrawOp& op) { return op.kind == DrawOp::Kind::Box; });
        const auto inABox = [&](double x1, double y1, double x2, double y2) {
          return std::any_of(pageBoxes.begin(), pageBoxes.end(), [&](const DrawOp& box) {
            return std::min(x1, x2) >= box.x1 && std::max(x1, x2) <= box.x2 &&
                   std::min(y1, y2) >= box.y1 && std::max(y1, y2) <= box.y2;
          });
        };
        for (const DrawOp& op : page.ops) {
          EXPECT_TRUE(op.kind != DrawOp::Kind::Line || inABox(op.x1, op.y1, op.x2, op.y2));
          if (op.text.find(u"УРОВЕНЬ СВЕТ") != std::u16string::npos) {
            headingsInABox += inABox(op.x1 + 300, op.y1 + 60, op.x1 + 300, op.y1 + 60);
          }
        }
        boxes += static_cast<int>(pageBoxes.size());
      }
      EXPECT_EQ(boxes, kinetic ? 1 : 6);
      EXPECT_EQ(headingsInABox, kinetic ? 1 : 3);
    }
  }
}

// A name of thousands of characters is cut to the header's line: the plots stay on the
// page, and every page of the profile begins with the header.
TEST(DiagramPages, PlotsStayOnThePageAndTheProfileCarriesTheHeader) {
  DesignData data = BenzeneTolueneBubbleCap();
  TrayByTrayRun run = Compute(RunTrayByTray, data);
  ASSERT_FALSE(run.refusal);
  const RefluxSweep sweep = SweepRefluxRatio(CalculationInputs::Of(data));
  run.trays.resize(100, run.trays.back());  // a long profile, to run over pages
  const std::u16string heading = TrayProfileHeading(4, 10);
  for (std::size_t length : {8u, 1000u, 3000u}) {
    SCOPED_TRACE(length);
    data.StudentName = std::u16string(length, u'Ж');
    const std::u16string header = (length <= 40 ? Spaces(25) : u"") + data.StudentName.substr(0, 8);

    Surface diagram = A4Printer();
    PrintYXDiagram(diagram, data, YXDiagramContent{nullptr, &run, {}}, kDate, u'.');
    ExpectWithinPages(diagram);
    int profilePages = 0;
    for (const Page& page : diagram.Pages()) {
      if (std::none_of(page.ops.begin(), page.ops.end(),
                       [&](const DrawOp& op) { return op.text == heading; })) {
        continue;
      }
      // The profile begins under the plot; every page it goes on to opens with the header.
      ++profilePages;
      EXPECT_TRUE(profilePages == 1 || page.ops.front().text.starts_with(header));
    }
    EXPECT_GE(profilePages, 2);

    Surface reflux = A4Printer();
    PrintRefluxStudy(reflux, data.StudentName, sweep, kDate, u'.');
    ExpectWithinPages(reflux);
    EXPECT_EQ(reflux.Pages().size(), 1u);
  }
}

}  // namespace
}  // namespace rc
