#include "report/diagram_report.h"

#include "report/format.h"
#include "report/printed_report_lines.h"
#include "report/printed_reports.h"
#include "report/tray_profile.h"

namespace rc {
namespace {

constexpr double kPlotLeft = kPlotPageLeft;      // [twips]
constexpr double kPlotSide = kPlotPageRight - kPlotPageLeft;  // [twips] the unit square
constexpr double kPlotTopGap = kPlotPageTopGap;  // [twips] under the title
constexpr double kUnderPlot = kPlotUnderArea;    // [twips] tick labels and the x title
constexpr double kTableLeft = 1500;              // [twips] pen x of the profile lines
constexpr std::uint8_t kTrayWidth = 4, kFieldWidth = 10;

void PrintLine(Surface& printer, double x, const std::u16string& text) {
  printer.CurrentX = x;
  printer.Print(text);
}

int MessageLines(const DesignData& data, const YXDiagramContent& content, char16_t separator) {
  return static_cast<int>(content.refusals.size()) + (content.trays ? 1 : 0) +
         (DiagramMinimumRefluxLine(CalculationInputs::Of(data), separator).empty() ? 0 : 1);
}

}  // namespace

double DrawPrintedYXDiagram(Surface& printer, const DesignData& data, const YXDiagramContent& content,
                            double top, char16_t decimalSeparator) {
  const double plotTop = top + kPlotTopGap;
  const TwipRect area{kPlotLeft, plotTop, kPlotLeft + kPlotSide, plotTop + kPlotSide};
  const double below = area.bottom + kUnderPlot;
  DrawYXDiagram(printer, CalculationInputs::Of(data), content, YXDiagramFrame(area), below,
                decimalSeparator);
  return below + (MessageLines(data, content, decimalSeparator) + 1) * printer.LineHeight();
}

TwipRect PrintYXDiagram(Surface& printer, const DesignData& data, const YXDiagramContent& content,
                        const std::u16string& dateTime, char16_t decimalSeparator) {
  PrintPlotPageHeader(printer, ReportedName(data), dateTime, kDiagramReportTitle);

  // The plot with its tick labels and messages under it; a header so long that they
  // would pass the page bottom sends them to the top of the next page.
  const int messages = MessageLines(data, content, decimalSeparator);
  const double plotHeight = kPlotTopGap + kPlotSide + kUnderPlot + (messages + 1) * printer.LineHeight();
  NewPageUnlessFits(printer, plotHeight);
  const double top = printer.CurrentY + kPlotTopGap;
  const TwipRect area{kPlotLeft, top, kPlotLeft + kPlotSide, top + kPlotSide};
  printer.CurrentY = DrawPrintedYXDiagram(printer, data, content, printer.CurrentY, decimalSeparator);
  if (content.trays && content.trays->Count() > 0) {
    const TrayByTrayRun& run = *content.trays;
    printer.FontBold = true;
    PrintLine(printer, kTableLeft, kTrayProfileTitle);
    printer.FontBold = false;
    const std::u16string heading = TrayProfileHeading(kTrayWidth, kFieldWidth);
    PrintLine(printer, kTableLeft, heading);
    for (int i = 1; i <= run.Count(); ++i) {
      // A row that would pass the bottom of the page starts a new one under the page's
      // header and the profile's headings.
      if (!printer.FitsOnPage(printer.LineHeight())) {
        printer.NewPage();
        PrintPlotPageHeader(printer, ReportedName(data), dateTime, kDiagramReportTitle);
        printer.Print();
        printer.FontBold = true;
        PrintLine(printer, kTableLeft, kTrayProfileTitle);
        printer.FontBold = false;
        PrintLine(printer, kTableLeft, heading);
      }
      PrintLine(printer, kTableLeft, TrayProfileRow(run, i, kTrayWidth, kFieldWidth, decimalSeparator));
    }
  }
  return area;
}

}  // namespace rc
