// The printed reports' tables as the printer font lays them out: no column line or box
// edge may run through a character of a heading or a number (the reports place their
// lines in twips while the text goes character by character from one pen x).
#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "calc/calculations.h"
#include "qt/font_map.h"
#include "qt/qt_session.h"
#include "report/printed_reports.h"
#include "support/design_fixtures.h"

namespace rc::acceptance {
namespace {

// Width of one character of the printer font [twips].
double PrinterAdvanceTwips() {
  QFont probe = PrinterFont(FontSpec{kReportFontName, 0, false});
  const double points = probe.pointSizeF();
  probe.setPixelSize(1000);
  return QFontMetricsF(probe).horizontalAdvance(QLatin1Char('0')) / 1000.0 * points * 20.0;
}

struct Vertical {
  double x, top, bottom;
};

std::vector<Vertical> Verticals(const Page& page) {
  std::vector<Vertical> lines;
  for (const DrawOp& op : page.ops) {
    const double top = std::min(op.y1, op.y2), bottom = std::max(op.y1, op.y2);
    if (op.kind == DrawOp::Kind::Line && op.x1 == op.x2) lines.push_back({op.x1, top, bottom});
    if (op.kind == DrawOp::Kind::Box) {
      lines.push_back({op.x1, top, bottom});
      lines.push_back({op.x2, top, bottom});
    }
  }
  return lines;
}

// "text at column c is crossed by a line at x" for every crossing on the pages.
std::vector<std::string> Crossings(const std::vector<Page>& pages, double advance, double lineHeight) {
  std::vector<std::string> found;
  for (const Page& page : pages) {
    const std::vector<Vertical> lines = Verticals(page);
    for (const DrawOp& op : page.ops) {
      if (op.kind != DrawOp::Kind::Text) continue;
      const double middle = op.y1 + lineHeight / 2;
      for (const Vertical& v : lines) {
        if (middle < v.top || middle > v.bottom) continue;
        for (std::size_t i = 0; i < op.text.size(); ++i) {
          if (op.text[i] == u' ') continue;
          const double left = op.x1 + advance * static_cast<double>(i);
          if (left < v.x && v.x < left + advance) {
            found.push_back(QString::fromStdU16String(op.text).toStdString() + " at column " +
                            std::to_string(i) + ", line x " + std::to_string(v.x));
          }
        }
      }
    }
  }
  return found;
}

TEST(PrintedReportTables, NoColumnLineRunsThroughAPrintedCharacter) {
  testing::TestApp();
  const double advance = PrinterAdvanceTwips();
  const double lineHeight = FontLineHeightTwips(FontSpec{kReportFontName, 0, false});
  const std::u16string date = u" 08 декабря 2026г.        10:00:00";
  for (const NamedDesign& column : kBenzeneTolueneColumns) {
    SCOPED_TRACE(column.name);
    DesignData kinetic = column.make();
    const KineticLineRun kineticRun = Compute(RunKineticLine, kinetic);
    ASSERT_FALSE(kineticRun.refusal.has_value());
    DesignData trays = column.make();
    const TrayByTrayRun trayRun = Compute(RunTrayByTray, trays);
    ASSERT_FALSE(trayRun.refusal.has_value());
    Surface kineticPrinter, trayPrinter;
    kineticPrinter.SetLineHeight(lineHeight);
    trayPrinter.SetLineHeight(lineHeight);
    PrintKineticReport(kineticPrinter, kinetic, kineticRun, date, u'.');
    PrintTrayReport(trayPrinter, trays, trayRun, date, u'.');
    for (const Surface* printer : {&kineticPrinter, &trayPrinter}) {
      EXPECT_EQ(Crossings(printer->Pages(), advance, lineHeight), std::vector<std::string>{});
    }
  }
}

}  // namespace
}  // namespace rc::acceptance
