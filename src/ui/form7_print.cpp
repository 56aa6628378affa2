// The print button of the results menu: prints the report of the calculation last
// started and, after the kinetic line report, draws the kinetic line table again.
#include "calc/design_record.h"
#include "report/printed_reports.h"
#include "report/screen_tables.h"
#include "ui/application.h"
#include "ui/form7.h"
#include "ui/printer_page.h"

namespace rc {

void Form7::SetPrintButton(bool on) {
  printButton.visible = on;
  printButton.enabled = on;
}

void Form7::PrintResult() {
  // Hidden and disabled while printing, so the report cannot be asked for twice.
  SetPrintButton(false);

  Toolkit& toolkit = app().toolkit();
  DesignData& data = app().data();
  const int shown = data.ShownResult;
  // The report of the calculation last started, when it ran on the data as they are.
  const KineticLineRun* kinetic =
      shown == kShownKineticLine ? app().runs().KineticLineOn(data) : nullptr;
  const TrayByTrayRun* trays = shown == kShownTrayByTray ? app().runs().TrayByTrayOn(data) : nullptr;
  if (kinetic || trays) {
    Surface printer = PrinterSurface(toolkit);
    const std::u16string dateTime = PrintedDateTime(toolkit);
    const char16_t separator = toolkit.DecimalSeparator();

    if (kinetic) {
      PrintKineticReport(printer, data, *kinetic, dateTime, separator);
    } else {
      PrintTrayReport(printer, data, *trays, dateTime, separator);
      NoteTrayReportPrinted(data);
    }
    toolkit.PrintDocument(PrintedDocument{ReportFont(), printer.Pages()});

    if (kinetic) {
      Show();
      DrawKineticTable(surface(), *kinetic, width, separator);
    }
  }

  SetPrintButton(true);
}

}  // namespace rc
