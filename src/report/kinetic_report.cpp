// The printed kinetic line report: the frame, then the screen's three tables, each line
// three blanks further right, boxed and ruled in black from a fixed height.
#include <algorithm>

#include "report/format.h"
#include "report/printed_reports.h"
#include "report/printed_report_lines.h"
#include "report/table_texts.h"

namespace rc {
namespace {

constexpr double kTablesTop = 7850;    // [twips] where the tables start below a frame in 8 pt
constexpr double kBoxAboveTables = 50;  // [twips] the box starts this far above the first line

void PrintRows(Surface& printer, const DesignData& data, int table, char16_t decimalSeparator) {
  for (int i = 1; i <= 6; ++i) {
    PrintShifted(printer, KineticTableRow(data, table, i, decimalSeparator));
  }
}

}  // namespace

void PrintKineticReport(Surface& printer, const DesignData& data, const std::u16string& dateTime,
                        char16_t decimalSeparator) {
  PrintReportFrame(printer, data, Spaces(30) + kKineticTitle, dateTime);

  // The tables stand at a fixed height under the frame; only a printer font so large
  // that the frame reaches down there moves them, and their box, below the frame.
  const double tablesTop = std::max(kTablesTop, printer.CurrentY + kBoxAboveTables);
  const double boxTop = tablesTop - kBoxAboveTables;

  // Table 1: hydraulics and phase mass-transfer coefficients.
  printer.CurrentY = tablesTop;
  for (const char16_t* line : kKineticTable1Header) PrintShifted(printer, line);
  const double yA = RoundTwips(printer.CurrentY + 50);
  ReportRule(printer, yA);
  printer.CurrentY += 100;
  PrintRows(printer, data, 1, decimalSeparator);
  const double yB = RoundTwips(printer.CurrentY + 100);
  ReportRule(printer, yB);

  // Table 2: overall coefficient and efficiencies.
  printer.CurrentY = yB + 50;
  for (const char16_t* line : kKineticTable2Header) PrintShifted(printer, line);
  const double yC = RoundTwips(printer.CurrentY + 50);
  ReportRule(printer, yC);
  printer.CurrentY += 100;
  PrintRows(printer, data, 2, decimalSeparator);
  const double yD = RoundTwips(printer.CurrentY + 100);
  ReportRule(printer, yD);

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
  PrintRows(printer, data, 3, decimalSeparator);
  const double yG = RoundTwips(printer.CurrentY + 50);

  // The box round all three tables and the column lines of each.
  printer.Box(kReportBoxLeft, boxTop, kReportBoxRight, yG, kBlack);
  for (double x : {1950.0, 3500.0}) ReportColumnLine(printer, x, boxTop, yD);
  for (double x : {5000.0, 6870.0}) ReportColumnLine(printer, x, boxTop, yB);
  for (double x : {1950.0, 3400.0, 5300.0, 7000.0}) ReportColumnLine(printer, x, yE, yG);
  for (double x : {5300.0, 7200.0}) ReportColumnLine(printer, x, yB, yD);
}

}  // namespace rc
