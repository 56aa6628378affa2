// The printed kinetic line report: the frame, then the screen's three tables, each line
// three blanks further right, boxed and ruled in black from a fixed height.
#include <algorithm>
#include <span>

#include "report/format.h"
#include "report/printed_reports.h"
#include "report/printed_report_lines.h"
#include "report/table_texts.h"

namespace rc {
namespace {

constexpr double kTablesTop = 7850;    // [twips] where the tables start below a frame in 8 pt
constexpr double kBoxAboveTables = 50;  // [twips] the box starts this far above the first line

void PrintRows(Surface& printer, const KineticLineRun& run, int table, char16_t decimalSeparator) {
  for (int i = 1; i <= 6; ++i) {
    PrintShifted(printer, KineticTableRow(run, table, i, decimalSeparator));
  }
}

// Tables 1 and 2: the header lines from top, a rule under them, the six rows 100 twips
// lower and a rule 100 under the last; returns the y of that closing rule.
double PrintRuledTable(Surface& printer, double top, std::span<const char16_t* const> header,
                       const KineticLineRun& run, int table, char16_t decimalSeparator) {
  printer.CurrentY = top;
  for (const char16_t* line : header) PrintShifted(printer, line);
  ReportRule(printer, RoundTwips(printer.CurrentY + 50));
  printer.CurrentY += 100;  // not rounded
  PrintRows(printer, run, table, decimalSeparator);
  const double bottom = RoundTwips(printer.CurrentY + 100);
  ReportRule(printer, bottom);
  return bottom;
}

// The three tables from tablesTop, in one box with the column lines of each; returns
// the y of the box's bottom.
double PrintKineticTables(Surface& printer, double tablesTop, const KineticLineRun& run,
                          char16_t decimalSeparator) {
  const double boxTop = tablesTop - kBoxAboveTables;

  // Table 1: hydraulics and phase mass-transfer coefficients; table 2: overall
  // coefficient and efficiencies.
  const double yB = PrintRuledTable(printer, tablesTop, kKineticTable1Header, run, 1, decimalSeparator);
  const double yD = PrintRuledTable(printer, yB + 50, kKineticTable2Header, run, 2, decimalSeparator);

  // Table 3: compositions.
  printer.CurrentY = yD + 50;
  PrintTableLine(printer, kKineticTable3Caption);  // as on the screen, not shifted
  const double yE = RoundTwips(printer.CurrentY + 50);
  ReportRule(printer, yE);
  printer.CurrentY = yE + 50;
  for (const char16_t* line : kKineticTable3Header) PrintShifted(printer, line);
  const double yF = RoundTwips(printer.CurrentY + 50);
  ReportRule(printer, yF);
  printer.CurrentY = yF + 50;
  PrintRows(printer, run, 3, decimalSeparator);
  const double yG = RoundTwips(printer.CurrentY + 50);

  // The box round all three tables and the column lines of each.
  printer.Box(kReportBoxLeft, boxTop, kReportBoxRight, yG, kBlack);
  for (double x : {1950.0, 3500.0}) ReportColumnLine(printer, x, boxTop, yD);
  // 7030 stands in the blank after "КОЭФ-Т МАССООТДАЧИ В", which heads the vapour's
  // column, before the liquid's "КОЭФ-Т", in the same cell as the window's line.
  for (double x : {5000.0, 7030.0}) ReportColumnLine(printer, x, boxTop, yB);
  for (double x : {1950.0, 3400.0, 5300.0, 7000.0}) ReportColumnLine(printer, x, yE, yG);
  for (double x : {5300.0, 7200.0}) ReportColumnLine(printer, x, yB, yD);
  return yG;
}

}  // namespace

void PrintKineticReport(Surface& printer, const DesignData& data, const KineticLineRun& run,
                        const std::u16string& dateTime, char16_t decimalSeparator) {
  PrintReportFrame(printer, data, Spaces(30) + kKineticTitle, dateTime);

  // The tables stand at a fixed height under the frame; only a frame so long (a large
  // printer font, long typed values) that it reaches down there moves them, and their
  // box, below it, and a frame that went on to a further page has them right under its
  // end. Tables that would not end on the frame's last page start a new one.
  const double underFrame = printer.CurrentY + kBoxAboveTables;
  const double tablesTop =
      printer.Pages().size() == 1 ? std::max(kTablesTop, underFrame) : underFrame;
  const auto tables = [&](Surface& on) {
    return PrintKineticTables(on, tablesTop, run, decimalSeparator);
  };
  if (KeepBlockOnOnePage(printer, tables)) {
    PrintKineticTables(printer, kContinuedPageTop + kBoxAboveTables, run, decimalSeparator);
  } else {
    tables(printer);
  }
}

}  // namespace rc
