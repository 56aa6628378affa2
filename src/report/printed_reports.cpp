// The report frame: the beginning both printed reports share.
#include "report/printed_reports.h"

#include "model/input_catalogue.h"
#include "model/text.h"
#include "report/format.h"
#include "report/input_rows.h"
#include "report/table_texts.h"

namespace rc {
namespace {

constexpr double kInputDataLeft = 1000;  // [twips] pen x of the input data lines
constexpr std::uint8_t kNameWidth = 40;
constexpr std::uint8_t kDateWidth = 60;

void PrintBlankLines(Surface& printer, int count) {
  for (int i = 0; i < count; ++i) printer.Print();
}

void PrintInputLine(Surface& printer, const std::u16string& text) {
  printer.CurrentX = kInputDataLeft;
  printer.Print(text);
}

void PrintParameter(Surface& printer, const DesignData& data, int n) {
  PrintInputLine(printer, ParameterRowText(data, n, kFrameRowLead));
}

}  // namespace

std::u16string ReportedName(const DesignData& data) {
  const int variant = data.Typed.Variant;
  if (variant <= 0) return data.StudentName;
  const std::u16string number = u"Вариант " + DecimalText(variant);
  return data.StudentName.empty() ? number : data.StudentName + u"  " + number;
}

std::u16string ReportHeaderLine(const std::u16string& studentName, const std::u16string& dateTime) {
  return Spaces(25) + studentName + PadWidth(studentName, kNameWidth) + dateTime;
}

void PrintReportFrame(Surface& printer, const DesignData& data, const std::u16string& title,
                      const std::u16string& dateTime) {
  PrintBlankLines(printer, 3);
  printer.Print(ReportHeaderLine(ReportedName(data), dateTime) + PadWidth(dateTime, kDateWidth));
  printer.Print();

  printer.FontBold = true;
  printer.Print(title);
  printer.FontBold = false;

  printer.Print();
  printer.Print(u"                                         ИСХОДНЫЕ    ДАННЫЕ");
  printer.Print();

  for (int i = 0; i < 8; ++i) PrintInputLine(printer, EquilibriumRowText(data, i, kFrameRowLead));

  for (int n : InputNumbers(InputStage::Compositions)) PrintParameter(printer, data, n);
  // The tray-kind line of the kinetic tables, 8 blanks further right.
  PrintInputLine(printer, Spaces(8) + TrayKindLine(KindOfTrays(data)));
  for (int n : InputNumbers(InputStage::TrayData)) PrintParameter(printer, data, n);
}

}  // namespace rc
