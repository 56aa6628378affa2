// The printed tray-by-tray report: the frame, then one block of two boxed tables for each
// recorded tray (first, feed, last), each placed from the pen right after the one before.
#include "model/text.h"
#include "report/format.h"
#include "report/printed_report_lines.h"
#include "report/printed_reports.h"

namespace rc {
namespace {

// From the tray line down to the bottom of its second box: ten text lines and the 30
// twips under the last row. A block that does not fit on what is left of a page starts
// a new one, so that no box is split between two pages.
constexpr int kBlockTextLines = 10;
constexpr double kBlockBelowLastLine = 30;       // [twips]
constexpr double kContinuedPageTop = 200;        // [twips] room above a block's box on a new page

void KeepBlockOnOnePage(Surface& printer) {
  const double height = kBlockTextLines * printer.LineHeight() + kBlockBelowLastLine;
  if (printer.PageHeight() > 0 && printer.CurrentY > kContinuedPageTop &&
      printer.CurrentY + height > printer.PageHeight()) {
    printer.NewPage();
    printer.CurrentY = kContinuedPageTop;
  }
}

std::u16string TrayLine(const RecordedTrayRows& trays, int k) {
  std::u16string line = u"НОМЕР ТАРЕЛКИ - " + DecimalText(trays.TrayNo[k]);
  if (k == 2) line += u" (ТАРЕЛКА ПИТАНИЯ)";
  if (k == 3) line += u" (ПОСЛЕДНЯЯ ТАРЕЛКА)";
  return line;
}

std::u16string FirstRow(const RecordedTrayRows& t, int k, char16_t sep) {
  return Spaces(3) + FormatFixed(t.ClearLiquidHeight[k], 10, 4, sep) + Spaces(5) +
         FormatFixed(t.VapourContent[k], 10, 4, sep) + Spaces(5) +
         FormatFixed(t.VapourCoef[k], 10, 4, sep) + Spaces(6) +
         FormatFixed(t.LiquidCoef[k], 9, 4, sep) + Spaces(5) +
         FormatFixed(t.OverallCoef[k], 10, 4, sep);
}

std::u16string SecondRow(const RecordedTrayRows& t, int k, char16_t sep) {
  return Spaces(4) + FormatFixed(t.NOY[k], 9, 4, sep) + Spaces(5) +
         FormatFixed(t.EY[k], 10, 4, sep) + Spaces(5) + FormatFixed(t.EMY[k], 10, 4, sep) +
         Spaces(5) + FormatFixed(t.LiquidX[k], 10, 4, sep) + Spaces(6) +
         FormatFixed(t.VapourY[k], 9, 4, sep);
}

void PrintTrayBlock(Surface& printer, const RecordedTrayRows& trays, int k, char16_t sep) {
  KeepBlockOnOnePage(printer);

  // The tray line; the feed and last trays carry a mark, so they start further left.
  printer.CurrentX = k == 1 ? 4500 : 3700;
  printer.Print(TrayLine(trays, k));
  const double yT = RoundTwips(printer.CurrentY - 200);
  const double yU = RoundTwips(printer.CurrentY + 5);

  // First table: hydraulics and mass-transfer coefficients.
  PrintTableLine(printer,
                 u"   УРОВЕНЬ СВЕТ-    ПАРОСОДЕР-   КОЭФ.МАССООТ-  КОЭФ. МАССООТ- КОЭФ. МАССОПЕ-");
  PrintTableLine(printer,
                 u"    ЛОЙ ЖИД-СТИ       ЖАНИЕ       ДАЧИ В ПАРЕ,   ДАЧИ В Ж-ТИ,    РЕДАЧИ, КУ");
  PrintTableLine(printer,
                 u"          М                       КМОЛЬ/С*М^2    КМОЛЬ/С*М^2    КМОЛЬ/С*М^2");
  const double yH = RoundTwips(printer.CurrentY + 15);
  PrintTableLine(printer, FirstRow(trays, k, sep));
  const double yR = RoundTwips(printer.CurrentY + 30);
  ReportRule(printer, yU);
  ReportRule(printer, yH);
  printer.Box(kReportBoxLeft, yT, kReportBoxRight, yR, kBlack);
  for (double x : {3220.0, 4600.0, 6100.0, 7620.0}) ReportColumnLine(printer, x, yU, yR);
  printer.Print();

  // Second table: transfer units, efficiencies and the point of the kinetic line.
  PrintTableLine(printer,
                 u"   ЧИСЛО ЕД-Ц ПЕ- ЛОКАЛЬНАЯ ЭФ-  ЭФФЕКТИВНОСТЬ    КООРДИНАТЫ ТОЧЕК КИНЕТИЧ.");
  const double yT2 = RoundTwips(printer.CurrentY - 200);
  PrintTableLine(printer,
                 u"   РЕНОСА В ПАРЕ,  ФЕКТИВНОСТЬ,   ТАРЕЛКИ, ЕМУ    ЛИНИИ (КОНЦ-ИИ ‚ В ФАЗАХ НА");
  PrintTableLine(printer,
                 u"         NOY             EY       (КАЖУЩАЯСЯ)   ВЫХОДЕ С ТАРЕЛКИ), МОЛЬН.ДОЛИ");
  printer.CurrentX = kReportTextLeft;
  const double yH2 = RoundTwips(printer.CurrentY + 15);
  printer.Print(SecondRow(trays, k, sep));
  const double yR2 = RoundTwips(printer.CurrentY + 30);
  printer.Box(kReportBoxLeft, yT2, kReportBoxRight, yR2, kBlack);
  ReportRule(printer, yH2);
  for (double x : {3220.0, 4600.0, 6100.0}) ReportColumnLine(printer, x, yT2, yR2);
  ReportColumnLine(printer, 7620, yH2, yR2);  // under the heading spanning the last two columns

  for (int i = 0; i < 3; ++i) printer.Print();
}

}  // namespace

void PrintTrayReport(Surface& printer, DesignData& data, const std::u16string& dateTime,
                     char16_t decimalSeparator) {
  PrintReportFrame(
      printer, data,
      u"                           ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННЫХ КОЛОНН ", dateTime);
  printer.Print();
  printer.Print();
  // TrayTableRow counts the blocks and, as a finished counting loop does, is left at 4.
  for (data.TrayTableRow = 1; data.TrayTableRow <= 3; ++data.TrayTableRow) {
    PrintTrayBlock(printer, data.RecordedTrays, data.TrayTableRow, decimalSeparator);
  }
}

}  // namespace rc
