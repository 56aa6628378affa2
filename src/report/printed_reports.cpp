// The report frame: the beginning both printed reports share.
#include "report/printed_reports.h"

#include <algorithm>

#include "model/input_catalogue.h"
#include "model/text.h"
#include "report/format.h"
#include "report/input_rows.h"
#include "report/table_texts.h"

namespace rc {
namespace {

constexpr double kInputDataLeft = 1000;  // [twips] pen x of the input data lines
constexpr std::uint8_t kHeaderLead = 25;  // blanks before a name of up to kNameWidth
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

// The name cut to that many characters, its last one a full stop as in an abbreviation.
std::u16string Shortened(const std::u16string& name, std::size_t room) {
  if (name.size() <= room) return name;
  if (room == 0) return {};
  return name.substr(0, room - 1) + u".";
}

}  // namespace

std::u16string ReportedName(const DesignData& data) {
  const int variant = data.Typed.Variant;
  if (variant <= 0) return data.StudentName;
  const std::u16string number = u"Вариант " + DecimalText(variant);
  if (data.StudentName.empty()) return number;
  // The variant number is kept whole; a name too long for the header gives way.
  const std::size_t room = kHeaderNameRoom - std::min(kHeaderNameRoom, number.size() + 2);
  return Shortened(data.StudentName, room) + u"  " + number;
}

std::u16string ReportHeaderLine(const std::u16string& studentName, const std::u16string& dateTime) {
  if (studentName.size() <= kNameWidth) {
    return Spaces(kHeaderLead) + studentName + PadWidth(studentName, kNameWidth) + dateTime;
  }
  // A longer name takes the leading blanks, so that the date and time stay on the line.
  const std::u16string name = Shortened(studentName, kHeaderNameRoom);
  return Spaces(static_cast<std::uint8_t>(kHeaderNameRoom - name.size())) + name + dateTime;
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
