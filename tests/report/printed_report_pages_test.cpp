// How the printed reports run over several pages.
#include <gtest/gtest.h>

#include <algorithm>

#include "report/printed_reports.h"
#include "support/design_fixtures.h"
#include "support/recording_toolkit.h"

namespace rc {
namespace {

const std::u16string kDate = u" 07 декабря 2026г.        10:15:30";

DesignData TrayData() {
  DesignData data;
  PrepareForEntry(data);
  data.StudentName = u"Кузнецов";
  data.RecordedTrays.TrayNo = {0, 1, 7, 23};
  return data;
}

TEST(PrinterSurface, TextPastTheBottomContinuesOnANewPageButEmptyLinesDoNot) {
  Surface printer;
  printer.SetLineHeight(200);
  printer.SetPageHeight(1000);
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
  DesignData data = TrayData();
  Surface printer;
  printer.SetLineHeight(185);
  printer.SetPageHeight(15840);
  PrintTrayReport(printer, data, TrayRunOfRecord(data), kDate, u'.');
  EXPECT_EQ(printer.Pages().size(), 1u);  // the trailing empty lines add no empty page
}

// Whatever the page height, a tray block is never split: each box and its lines lie
// on one page, within the page, and no page is left empty.
TEST(PrintTrayReport, NeverSplitsABlockBetweenPages) {
  for (double pageHeight : {6000.0, 9000.0, 12000.0, 15000.0}) {
    DesignData data = TrayData();
    Surface printer;
    printer.SetLineHeight(195);
    printer.SetPageHeight(pageHeight);
    PrintTrayReport(printer, data, TrayRunOfRecord(data), kDate, u'.');
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
  DesignData data = TrayData();
  Surface printer;
  printer.SetLineHeight(195);
  printer.SetPageHeight(15000);
  PrintTrayReport(printer, data, TrayRunOfRecord(data), kDate, u'.');
  // Frame and two blocks fill the first page up to 13650; the last block needs 1980.
  ASSERT_EQ(printer.Pages().size(), 2u);
  const std::vector<DrawOp>& second = printer.Pages()[1].ops;
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(second[0].text, u"НОМЕР ТАРЕЛКИ - 23 (ПОСЛЕДНЯЯ ТАРЕЛКА)");
  EXPECT_EQ(second[0].y1, 200);
}

}  // namespace
}  // namespace rc
