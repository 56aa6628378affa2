#include "report/column_texts.h"

#include <cmath>
#include <limits>

#include "report/format.h"
#include "report/printed_reports.h"

namespace rc {
namespace {

constexpr char16_t kRefusedOnScreen[] = u"ОШИБКА";
constexpr char16_t kRefusedInTranscript[] = u"ERROR";
constexpr std::uint8_t kScreenLabelWidth = 36;

bool Showable(const ColumnValue& v) {
  return v && std::fabs(*v) <= std::numeric_limits<float>::max();
}

std::u16string Number(double v, std::uint8_t decimals, char16_t separator) {
  return FormatFixed(static_cast<float>(v), 1, decimals, separator);
}
std::u16string Number(const ColumnValue& v, std::uint8_t decimals, char16_t separator) {
  return Number(*v, decimals, separator);
}

std::u16string TrayNumber(int tray) {
  std::u16string digits;
  for (char c : std::to_string(tray)) digits += static_cast<char16_t>(c);
  return digits;
}

std::u16string ScreenLabel(const std::u16string& label) {
  return label + PadWidth(label, kScreenLabelWidth);
}

}  // namespace

std::u16string ColumnField(const ColumnValue& v, std::uint8_t width, std::uint8_t decimals,
                           char16_t separator, const std::u16string& refused) {
  if (!Showable(v)) return PadWidth(refused, width) + refused;
  return FormatFixed(static_cast<float>(*v), width, decimals, separator);
}

std::vector<std::u16string> ColumnTrayHeadings() {
  return {u"СОПРОТИВЛЕНИЕ ТАРЕЛОК: СУХОЙ (Pсух), ПОВЕРХН. НАТЯЖЕНИЯ (Pпов), СЛОЯ ЖИДКОСТИ (Pжид)",
          u"Тар.   Pсух,Па   Pпов,Па   Pжид,Па  Pобщ, Па  % захл."};
}

std::u16string ColumnTrayRow(const ColumnDesignResult& r, int tray, char16_t separator,
                             const std::u16string& refused) {
  const ColumnTrayResult& t = r.trays.at(static_cast<std::size_t>(tray - 1));
  const std::u16string number = TrayNumber(tray);
  std::u16string row = PadWidth(number, 4) + number;
  for (const ColumnValue* v : {&t.dryDrop, &t.surfaceDrop, &t.liquidDrop, &t.totalDrop}) {
    row += ColumnField(*v, 10, 1, separator, refused);
  }
  row += r.floodingApplies ? ColumnField(t.flooding, 8, 1, separator, refused) : Spaces(8);
  if (tray == r.feedTray) row += u" *";
  return row;
}

std::vector<ColumnLine> ColumnScreenLines(const ColumnDesignResult& r, char16_t separator) {
  const std::u16string refused = u"ОШИБКА: не может быть вычислено при этих данных";
  auto value = [&](const std::u16string& label, const ColumnValue& v, std::uint8_t decimals) {
    return ScreenLabel(label) + (Showable(v) ? Number(v, decimals, separator) : refused);
  };
  std::vector<ColumnLine> lines;
  std::u16string total = value(u"Сопротивление колонны, Па", r.totalDrop, 1);
  if (Showable(r.totalDrop)) total += u"  (" + Number(*r.totalDrop / 1000, 3, separator) + u" кПа)";
  lines.push_back({total});
  lines.push_back({value(u"Высота колонны, м", r.height, 3)});
  if (!r.floodingApplies) {
    const std::u16string none = u"не рассчитывается для провальных тарелок";
    lines.push_back({ScreenLabel(u"Наибольший % захлебывания") + none});
    lines.push_back({ScreenLabel(u"Диаметр для 80 % захлебывания, м") + none});
  } else {
    std::u16string flood = value(u"Наибольший % захлебывания", r.floodingMax, 1);
    if (Showable(r.floodingMax)) flood += u" на тарелке " + TrayNumber(r.floodingMaxTray);
    lines.push_back({flood});
    if (Showable(r.floodingMax) && *r.floodingMax > kFloodingWarning) {
      lines.push_back({u"ВНИМАНИЕ ! Больше 85 % захлебывания: колонна захлебнется, "
                       u"увеличьте диаметр",
                       true});
    }
    lines.push_back({value(u"Диаметр для 80 % захлебывания, м", r.diameterFor80, 3)});
  }
  lines.push_back({value(u"Дистиллат P, кг/с", r.distillate, 4)});
  lines.push_back({value(u"Кубовый остаток W, кг/с", r.bottoms, 4)});
  lines.push_back({value(u"Тепло дефлегматора, кВт", r.condenserDuty, 2)});
  const std::u16string notPositive =
      u"ОШИБКА: не положительно, проверьте температуры";
  const std::u16string& reboilerRefused =
      r.reboilerRefusal == ReboilerRefusal::DutyNotPositive ? notPositive : refused;
  auto reboilerLine = [&](const std::u16string& label, const ColumnValue& v, std::uint8_t decimals) {
    return ScreenLabel(label) + (Showable(v) ? Number(v, decimals, separator) : reboilerRefused);
  };
  lines.push_back({reboilerLine(u"Тепло кипятильника, кВт", r.reboilerDuty, 2)});
  lines.push_back({reboilerLine(u"Расход греющего пара, кг/с", r.steam, 4)});
  lines.push_back({value(u"Расход охлаждающей воды, кг/с", r.coolingWater, 4)});
  for (ColumnLine& line : lines) {
    if (line.text.find(u"ОШИБКА") != std::u16string::npos) line.warning = true;
  }
  return lines;
}

std::vector<std::u16string> ColumnTranscriptLines(const ColumnDesignResult& r, char16_t separator) {
  const std::u16string refused = kRefusedInTranscript;
  std::vector<std::u16string> lines;
  for (int i = 1; i <= static_cast<int>(r.trays.size()); ++i) {
    lines.push_back(ColumnTrayRow(r, i, separator, refused));
  }
  auto line = [&](const char16_t* label, const ColumnValue& v, std::uint8_t decimals) {
    return std::u16string(label) + ColumnField(v, 12, decimals, separator, refused);
  };
  lines.push_back(line(u"dP total, Pa  ", r.totalDrop, 1));
  lines.push_back(line(u"height, m     ", r.height, 3));
  if (r.floodingApplies) {
    std::u16string flood = line(u"flood max, %  ", r.floodingMax, 1);
    if (Showable(r.floodingMax)) flood += u" tray " + TrayNumber(r.floodingMaxTray);
    lines.push_back(flood);
    lines.push_back(line(u"D at 80%, m   ", r.diameterFor80, 3));
  } else {
    lines.push_back(u"flood max, %          none");
    lines.push_back(u"D at 80%, m           none");
  }
  lines.push_back(line(u"P, kg/s       ", r.distillate, 4));
  lines.push_back(line(u"W, kg/s       ", r.bottoms, 4));
  lines.push_back(line(u"Qcond, kW     ", r.condenserDuty, 2));
  lines.push_back(line(u"Qreb, kW      ", r.reboilerDuty, 2));
  lines.push_back(line(u"steam, kg/s   ", r.steam, 4));
  lines.push_back(line(u"water, kg/s   ", r.coolingWater, 4));
  return lines;
}

void PrintColumnReport(Surface& printer, const std::u16string& studentName,
                       const std::u16string& trayKind, const ColumnDesignResult& r,
                       const std::u16string& dateTime, char16_t separator) {
  const std::u16string lead = Spaces(7);
  int page = 0;
  auto pageTop = [&] {
    if (page > 0) printer.NewPage();
    ++page;
    printer.Print();
    printer.Print(ReportHeaderLine(studentName, dateTime));
    printer.Print();
    printer.FontBold = true;
    printer.Print(lead + kColumnTitle + u" (" + trayKind + u")" +
                  (page > 1 ? u", продолжение" : u"") + u"   лист " + TrayNumber(page));
    printer.FontBold = false;
    printer.Print();
  };
  auto room = [&](int lines) {
    const double height = printer.PageHeight();
    return height <= 0 || printer.CurrentY + lines * printer.LineHeight() <= height;
  };
  auto headings = [&] {
    for (const std::u16string& h : ColumnTrayHeadings()) printer.Print(lead + h);
  };

  pageTop();
  headings();
  const std::u16string refused = kRefusedOnScreen;
  for (int i = 1; i <= static_cast<int>(r.trays.size()); ++i) {
    if (!room(1)) {
      pageTop();
      headings();
    }
    printer.Print(lead + ColumnTrayRow(r, i, separator, refused));
  }
  const std::vector<ColumnLine> lines = ColumnScreenLines(r, separator);
  if (!room(static_cast<int>(lines.size()) + 2)) pageTop();
  printer.Print();
  printer.FontBold = true;
  printer.Print(lead + u"КОЛОННА В ЦЕЛОМ" + (r.feedTray > 0 ? u"   (* - тарелка питания)" : u""));
  printer.FontBold = false;
  for (const ColumnLine& line : lines) printer.Print(lead + line.text);
}

}  // namespace rc
