// The print button of the results menu: prints the report of the calculation last
// started and, after the kinetic line report, draws the kinetic line table again.
#include "report/date_text.h"
#include "report/printed_reports.h"
#include "report/screen_tables.h"
#include "ui/application.h"
#include "ui/form7.h"

namespace rc {
namespace {

constexpr double kReportFontSizePt = 8.0;  // keeps the 42 frame lines above the kinetic tables

}  // namespace

void Form7::SetPrintButton(bool on) {
  Control& button = control("Command5");
  button.visible = on;
  button.enabled = on;
}

void Form7::PrintResult() {
  // Hidden and disabled while printing, so the report cannot be asked for twice.
  SetPrintButton(false);

  Toolkit& toolkit = app().toolkit();
  DesignData& data = app().data();
  const int shown = data.ShownResult;
  if (shown == kShownKineticLine || shown == kShownTrayByTray) {
    const FontSpec font{kReportFontName, kReportFontSizePt};
    Surface printer;
    printer.SetLineHeight(toolkit.LineHeightTwips(font));
    printer.SetPageHeight(toolkit.PrinterPageHeightTwips());
    const std::u16string dateTime =
        DateTimeText(toolkit.ShortDateText(), toolkit.TimeText(), toolkit.Today());
    const char16_t separator = toolkit.DecimalSeparator();

    if (shown == kShownKineticLine) {
      PrintKineticReport(printer, data, dateTime, separator);
    } else {
      PrintTrayReport(printer, data, dateTime, separator);
    }
    toolkit.PrintDocument(PrintedDocument{font, printer.Pages()});

    if (shown == kShownKineticLine) {
      Show();
      DrawKineticTable(surface(), data, width, separator);
    }
  }

  SetPrintButton(true);
}

}  // namespace rc
