#include "report/column_texts.h"

#include <cmath>
#include <limits>

#include "model/input_catalogue.h"
#include "model/text.h"
#include "report/format.h"
#include "report/input_rows.h"
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

std::u16string TrayNumber(int tray) { return DecimalText(tray); }

// The tray with the largest drop (the lowest on a tie), 0 when no drop passes the limit.
int OverloadedTray(const ColumnDesignResult& r) {
  int worst = 0;
  double largest = kTrayDropWarning;
  for (std::size_t i = 0; i < r.trays.size(); ++i) {
    const ColumnValue& drop = r.trays[i].totalDrop;
    if (Showable(drop) && *drop > largest) {
      largest = *drop;
      worst = static_cast<int>(i) + 1;
    }
  }
  return worst;
}

// A feed partly vapour has no temperature of its own beyond its boiling range.
bool PartlyVapourFeed(const ColumnDesignResult& r) {
  return r.feedVapourShare && *r.feedVapourShare > 0;
}

constexpr char16_t kFeedTemperatureLabel[] = u"Температура питания, град.С";

std::u16string ScreenLabel(const std::u16string& label) {
  return label + PadWidth(label, kScreenLabelWidth);
}

}  // namespace

std::u16string ColumnField(const ColumnValue& v, std::uint8_t width, std::uint8_t decimals,
                           char16_t separator, const std::u16string& refused) {
  const std::u16string text = Showable(v)
                                  ? FormatFixed(static_cast<float>(*v), 1, decimals, separator)
                                  : refused;
  return text.size() < width ? PadWidth(text, width) + text : u" " + text;
}

std::vector<std::u16string> ColumnTrayHeadings(const ColumnDesignResult& r) {
  const std::u16string names = u"Тар.   Pсух,Па   Pпов,Па   Pжид,Па  Pобщ, Па";
  return {u"СОПРОТИВЛЕНИЕ ТАРЕЛОК: СУХОЙ (Pсух), ПОВЕРХН. НАТЯЖЕНИЯ (Pпов), СЛОЯ ЖИДКОСТИ (Pжид)",
          r.floodingApplies ? names + u"  % захл." : names};
}

std::u16string ColumnTrayRow(const ColumnDesignResult& r, int tray, char16_t separator,
                             const std::u16string& refused) {
  const ColumnTrayResult& t = r.trays.at(static_cast<std::size_t>(tray - 1));
  const std::u16string number = TrayNumber(tray);
  std::u16string row = PadWidth(number, 4) + number;
  for (const ColumnValue* v : {&t.dryDrop, &t.surfaceDrop, &t.liquidDrop, &t.totalDrop}) {
    row += ColumnField(*v, 10, 1, separator, refused);
  }
  if (r.floodingApplies) row += ColumnField(t.flooding, 8, 1, separator, refused);
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
  if (const int tray = OverloadedTray(r); tray > 0) {
    lines.push_back({u"ВНИМАНИЕ ! Сопротивление тарелки " + TrayNumber(tray) + u" больше 0" +
                         separator + u"1 бар: тарелка не удержит жидкость",
                     true});
  }
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
  lines.push_back({PartlyVapourFeed(r)
                       ? ScreenLabel(kFeedTemperatureLabel) + u"нет: питание частично испарено"
                       : value(kFeedTemperatureLabel, r.feedTemperature, 2)});
  lines.push_back({value(u"Доля пара в питании, %", r.feedVapourShare, 1)});
  for (ColumnLine& line : lines) {
    if (line.text.find(u"ОШИБКА") != std::u16string::npos) line.warning = true;
  }
  return lines;
}

std::vector<ColumnLine> TemperatureWarnings(const DesignData& data) {
  const float tF = data.ParamValue[51];
  const float tP = data.ParamValue[52];
  const float tW = data.ParamValue[53];
  std::vector<ColumnLine> lines;
  if (tP >= tW) {
    lines.push_back({u"ВНИМАНИЕ ! Температура дистиллата не ниже температуры кубового остатка",
                     true});
  }
  if (tF < tP || tF > tW) {
    lines.push_back({u"ВНИМАНИЕ ! Температура питания не между температурами дистиллата и куба",
                     true});
  }
  return lines;
}

std::vector<ColumnLine> ColumnResultLines(const DesignData& data, const ColumnDesignResult& r,
                                          char16_t separator) {
  std::vector<ColumnLine> lines = ColumnScreenLines(r, separator);
  for (ColumnLine& warning : TemperatureWarnings(data)) lines.push_back(std::move(warning));
  // A feed that q makes this much colder than the distillate is no liquid one can have
  // (q = 2 makes benzene-toluene -109 C): q was typed too high for the mixture.
  constexpr double kColdFeedWarning = 100;  // [K] below the distillate's temperature
  if (Showable(r.feedTemperature) && *r.feedTemperature < data.ParamValue[52] - kColdFeedWarning) {
    lines.push_back({u"ВНИМАНИЕ ! Питание холоднее дистиллата более чем на 100 град.: проверьте q", true});
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
  lines.push_back(PartlyVapourFeed(r) ? u"feed t, C             none"
                                      : line(u"feed t, C     ", r.feedTemperature, 2));
  lines.push_back(line(u"feed vapour, %", r.feedVapourShare, 1));
  return lines;
}

namespace {

// Prints the pages; "лист N" stands in their titles when pages is more than 1.
void PrintColumnPages(Surface& printer, const DesignData& data, const ColumnDesignResult& r,
                      const std::u16string& dateTime, char16_t separator, std::size_t pages) {
  const std::u16string lead = Spaces(7);
  const std::u16string title =
      lead + kColumnTitle + u" (" + TrayKindText(KindOfTrays(data)) + u")";
  int page = 0;
  auto pageTop = [&] {
    if (page > 0) printer.NewPage();
    ++page;
    printer.Print();
    printer.Print(ReportHeaderLine(ReportedName(data), dateTime));
    printer.Print();
    printer.FontBold = true;
    printer.Print(title + (page > 1 ? u", продолжение" : u"") +
                  (pages > 1 ? u"   лист " + TrayNumber(page) : u""));
    printer.FontBold = false;
    printer.Print();
  };
  auto room = [&](int lines) {
    const double height = printer.PageHeight();
    return height <= 0 || printer.CurrentY + lines * printer.LineHeight() <= height;
  };
  auto headings = [&] {
    for (const std::u16string& h : ColumnTrayHeadings(r)) printer.Print(lead + h);
  };

  auto input = [&](const std::u16string& text) {
    if (!room(1)) pageTop();
    printer.Print(text);
  };

  pageTop();
  input(lead + u"ИСХОДНЫЕ ДАННЫЕ");
  for (int n : {kParamDiameter, kParamReflux, kParamFeedRate, kParamFeedCondition}) {
    input(ParameterRowText(data, n, kFrameRowLead));
  }
  for (int n : InputNumbers(InputStage::Column)) input(ParameterRowText(data, n, kFrameRowLead));
  printer.Print();
  if (!room(3)) pageTop();
  headings();
  const std::u16string refused = kRefusedOnScreen;
  for (int i = 1; i <= static_cast<int>(r.trays.size()); ++i) {
    if (!room(1)) {
      pageTop();
      headings();
    }
    printer.Print(lead + ColumnTrayRow(r, i, separator, refused));
  }
  const std::vector<ColumnLine> lines = ColumnResultLines(data, r, separator);
  if (!room(static_cast<int>(lines.size()) + 2)) pageTop();
  printer.Print();
  printer.FontBold = true;
  printer.Print(lead + u"КОЛОННА В ЦЕЛОМ" + (r.feedTray > 0 ? u"   (* - тарелка питания)" : u""));
  printer.FontBold = false;
  for (const ColumnLine& line : lines) {
    printer.FontBold = line.warning;  // the window's red warnings, in bold on paper
    printer.Print(lead + line.text);
  }
  printer.FontBold = false;
}

}  // namespace

void PrintColumnReport(Surface& printer, const DesignData& data, const ColumnDesignResult& r,
                       const std::u16string& dateTime, char16_t separator) {
  // A trial run on a copy counts the pages before the titles are written.
  Surface trial = printer;
  PrintColumnPages(trial, data, r, dateTime, separator, 0);
  const std::size_t pages = trial.Pages().size() - printer.Pages().size() + 1;
  PrintColumnPages(printer, data, r, dateTime, separator, pages);
}

}  // namespace rc
