// The printed tray-by-tray report: the frame, then one block of two boxed tables for each
// recorded tray (first, feed, last), each placed from the pen right after the one before.
#include "report/format.h"
#include "report/printed_report_lines.h"
#include "report/printed_reports.h"
#include "report/screen_tables.h"

namespace rc {
namespace {

// Block k (1 first, 2 feed, 3 last tray): the tray line, then the screen block's two
// tables with their extra leading blanks. Returns the y of the second box's bottom.
double PrintTrayBlock(Surface& printer, const TrayBlock& tray, int k, char16_t sep) {
  // The tray line; the feed and last trays carry a mark, so they start further left.
  printer.CurrentX = k == 1 ? 4500 : 3700;
  std::u16string line = TrayLabel(tray.trayNo);
  if (k == 2) line += u" (ТАРЕЛКА ПИТАНИЯ)";
  if (k == 3) line += u" (ПОСЛЕДНЯЯ ТАРЕЛКА)";
  printer.Print(line);
  const double yT = RoundTwips(printer.CurrentY - 200);
  const double yU = RoundTwips(printer.CurrentY + 5);

  // First table: hydraulics and mass-transfer coefficients.
  for (const char16_t* heading : kTrayFirstHeader) PrintShifted(printer, heading);
  const double yH = RoundTwips(printer.CurrentY + 15);
  PrintShifted(printer, TrayFirstRow(tray.result, sep));
  const double yR = RoundTwips(printer.CurrentY + 30);
  ReportRule(printer, yU);
  ReportRule(printer, yH);
  printer.Box(kReportBoxLeft, yT, kReportBoxRight, yR, kBlack);
  for (double x : {3220.0, 4600.0, 6100.0, 7620.0}) ReportColumnLine(printer, x, yU, yR);
  printer.Print();

  // Second table: transfer units, efficiencies and the point of the kinetic line.
  PrintShifted(printer, kTraySecondHeader[0]);
  const double yT2 = RoundTwips(printer.CurrentY - 200);
  PrintShifted(printer, kTraySecondHeader[1]);
  PrintShifted(printer, kTraySecondHeader[2]);
  const double yH2 = RoundTwips(printer.CurrentY + 15);
  // One blank more than the first row.
  PrintShifted(printer, u" " + TraySecondRow(tray.result, tray.liquidX, tray.vapourY, sep));
  const double yR2 = RoundTwips(printer.CurrentY + 30);
  printer.Box(kReportBoxLeft, yT2, kReportBoxRight, yR2, kBlack);
  ReportRule(printer, yH2);
  for (double x : {3220.0, 4600.0, 6100.0}) ReportColumnLine(printer, x, yT2, yR2);
  ReportColumnLine(printer, 7620, yH2, yR2);  // under the heading spanning the last two columns
  return yR2;
}

}  // namespace

void PrintTrayReport(Surface& printer, const DesignData& data, const TrayByTrayRun& run,
                     const std::u16string& dateTime, char16_t decimalSeparator) {
  PrintReportFrame(printer, data, Spaces(27) + kTrayByTrayTitle + u" ", dateTime);
  printer.Print();
  printer.Print();
  // The first, the feed and the last tray; a column without a feed tray prints a zero block.
  const TrayBlock trays[] = {TrayBlockOf(run, 1), TrayBlockOf(run, run.feedTray.value_or(0)),
                             TrayBlockOf(run, run.TotalTrays())};
  for (int k = 1; k <= 3; ++k) {
    // A block that does not fit on what is left of a page starts a new one, so that no
    // box is split between two pages, however many lines its texts take.
    const TrayBlock& tray = trays[k - 1];
    const auto block = [&](Surface& on) { return PrintTrayBlock(on, tray, k, decimalSeparator); };
    KeepBlockOnOnePage(printer, block);
    block(printer);
    for (int i = 0; i < 3; ++i) printer.Print();
  }
}

}  // namespace rc
