// The report frame: the beginning both printed reports share.
#include "report/printed_reports.h"

#include "model/text.h"
#include "report/format.h"

namespace rc {
namespace {

constexpr double kInputDataLeft = 1000;  // [twips] pen x of the input data lines
constexpr std::uint8_t kNameWidth = 40;
constexpr std::uint8_t kDateWidth = 60;
constexpr std::uint8_t kEquilibriumTextWidth = 30;

void PrintBlankLines(Surface& printer, int count) {
  for (int i = 0; i < count; ++i) printer.Print();
}

void PrintInputLine(Surface& printer, const std::u16string& text) {
  printer.CurrentX = kInputDataLeft;
  printer.Print(text);
}

void PrintParameter(Surface& printer, const DesignData& data, int n) {
  PrintInputLine(printer, Spaces(7) + data.ParamCaption[n] + Spaces(4) + data.ParamText[n]);
}

std::u16string TrayKindLine(const DesignData& data) {
  const TrayKind kind = KindOfTrays(data);
  // The longer sieve/valve text starts further left.
  const std::uint8_t lead = kind == TrayKind::SieveOrValve ? 30 : 36;
  return Spaces(lead) + TrayKindText(kind);
}

}  // namespace

void PrintReportFrame(Surface& printer, const DesignData& data, const std::u16string& title,
                      const std::u16string& dateTime) {
  PrintBlankLines(printer, 3);
  printer.Print(Spaces(25) + data.StudentName + PadWidth(data.StudentName, kNameWidth) + dateTime +
                PadWidth(dateTime, kDateWidth));
  printer.Print();

  printer.FontBold = true;
  printer.Print(title);
  printer.FontBold = false;

  printer.Print();
  printer.Print(u"                                         ИСХОДНЫЕ    ДАННЫЕ");
  printer.Print();

  for (int i = 0; i < 8; ++i) {
    const std::u16string index = DecimalText(i);
    PrintInputLine(printer, u"       X[" + index + u"] /мольн.д/ =" + data.EqXText[i] +
                                PadWidth(data.EqXText[i], kEquilibriumTextWidth) + u"Y[" + index +
                                u"] /мольн.д/ =" + data.EqYText[i]);
  }

  for (int n = kParamXW; n <= kParamXP; ++n) PrintParameter(printer, data, n);
  PrintInputLine(printer, TrayKindLine(data));
  for (int n = 19; n <= 40; ++n) {
    if (n != kParamTrayTypeSlot) PrintParameter(printer, data, n);
  }
}

}  // namespace rc
