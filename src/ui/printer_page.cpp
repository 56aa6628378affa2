#include "ui/printer_page.h"

#include "report/date_text.h"
#include "report/printed_reports.h"

namespace rc {

FontSpec ReportFont() { return FontSpec{kReportFontName, kReportFontSizePt}; }

Surface PrinterSurface(Toolkit& toolkit) {
  const FontSpec font = ReportFont();
  Surface printer;
  printer.SetLineHeight(toolkit.LineHeightTwips(font));
  printer.SetPageHeight(toolkit.PrinterPageHeightTwips());
  printer.SetPageWidth(toolkit.PrinterPageWidthTwips(), toolkit.CharWidthTwips(font));
  return printer;
}

std::u16string PrintedDateTime(Toolkit& toolkit) {
  return DateTimeText(toolkit.ShortDateText(), toolkit.TimeText(), toolkit.Today());
}

}  // namespace rc
