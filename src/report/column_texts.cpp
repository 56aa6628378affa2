#include "report/column_texts.h"

#include <algorithm>
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
constexpr std::uint8_t kTranscriptValueWidth = 12;  // after the 14-character label

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

// The tray results that have a column in the tray rows of these results.
template <class Each>
void ForTrayColumns(const ColumnDesignResult& r, Each each) {
  for (const ColumnResult& row : ColumnResults()) {
    if (row.scope == ResultScope::Tray && !(row.absent && row.absent(r))) each(row);
  }
}

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
  std::u16string names = u"Тар.";
  ForTrayColumns(r, [&](const ColumnResult& row) { names += row.name; });
  return {u"СОПРОТИВЛЕНИЕ ТАРЕЛОК: СУХОЙ (Pсух), ПОВЕРХН. НАТЯЖЕНИЯ (Pпов), СЛОЯ ЖИДКОСТИ (Pжид)",
          names};
}

std::u16string ColumnTrayRow(const ColumnDesignResult& r, int tray, char16_t separator,
                             const std::u16string& refused) {
  const ColumnTrayResult& t = r.trays.at(static_cast<std::size_t>(tray - 1));
  const std::u16string number = TrayNumber(tray);
  std::u16string row = PadWidth(number, 4) + number;
  ForTrayColumns(r, [&](const ColumnResult& result) {
    row += ColumnField(t.*result.trayValue, result.width, result.decimals, separator, refused);
  });
  if (tray == r.feedTray) row += u" *";
  return row;
}

std::vector<ColumnLine> ColumnScreenLines(const ColumnDesignResult& r, char16_t separator) {
  const std::u16string refused = u"ОШИБКА: не может быть вычислено при этих данных";
  std::vector<ColumnLine> lines;
  for (const ColumnResult& row : ColumnResults()) {
    if (row.scope != ResultScope::Column) continue;
    std::u16string text = ScreenLabel(row.Caption());
    const ColumnValue v = r.*row.value;
    const char16_t* absent = row.absent ? row.absent(r) : nullptr;
    if (absent) {
      text += absent;
    } else if (Showable(v)) {
      text += Number(v, row.decimals, separator);
      if (row.more) text += row.more(r, separator);
      if (row.tray && row.tray(r) > 0) text += u" на тарелке " + TrayNumber(row.tray(r));
    } else {
      const char16_t* why = row.refusal ? row.refusal(r) : nullptr;
      text += why ? std::u16string(why) : refused;
    }
    lines.push_back({text});
    if (row.warning && !absent) {
      if (std::optional<std::u16string> warning = row.warning(r, separator)) {
        lines.push_back({std::move(*warning), true});
      }
    }
  }
  for (ColumnLine& line : lines) {
    if (line.text.find(u"ОШИБКА") != std::u16string::npos) line.warning = true;
  }
  return lines;
}

std::vector<ColumnLine> OperatingWindowLines(const OperatingWindowResult& w, char16_t separator) {
  if (!w.computed) return {{u"не рассчитывается для провальных тарелок"}};
  // The minimum load in per cent, as some of the captions name it.
  const std::u16string load =
      FormatFixed(static_cast<float>(100 * w.values.minimumLoad), 1, 0, separator);
  constexpr std::uint8_t kValueWidth = 20;  // a value and its tray, before its limit
  std::vector<ColumnLine> lines;
  for (const ColumnResult& row : ColumnResults()) {
    if (row.scope != ResultScope::Window) continue;
    std::u16string caption = row.Caption();
    if (const auto k = caption.find(u"{k}"); k != std::u16string::npos) caption.replace(k, 3, load);
    std::u16string text = ScreenLabel(caption);
    const WindowReading v = row.windowValue(w);
    bool refused = false;
    if (v.absent) {
      text += v.absent;
    } else if (v.wording || Showable(v.value)) {
      std::u16string value = v.wording ? std::u16string(v.wording)
                                       : (v.approximate ? u"≈" : u"") + Number(v.value, row.decimals, separator);
      if (v.tray > 0) {
        value += u" на тарелке " + TrayNumber(v.tray);
        value += PadWidth(value, kValueWidth);
      }
      text += value + (row.limit ? u"   " + row.limit(w, separator) : u"");
    } else {
      text += u"ОШИБКА: не может быть вычислено при этих данных";
      refused = true;
    }
    lines.push_back({text, refused});
    if (!v.absent && v.fails && row.failure) {
      std::u16string warning = row.failure;
      std::replace(warning.begin(), warning.end(), u',', separator);
      lines.push_back({warning, true});
    }
  }
  return lines;
}

std::vector<ColumnLine> TemperatureWarnings(const DesignData& data) {
  const float tF = data.ParamValue[kParamFeedTemperature];
  const float tP = data.ParamValue[kParamDistillateTemperature];
  const float tW = data.ParamValue[kParamBottomsTemperature];
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
  for (const ColumnResult& row : ColumnResults()) {
    if (row.scope != ResultScope::Column) continue;
    std::u16string line = row.label;
    if (row.absent && row.absent(r)) {
      line += ColumnField(std::nullopt, kTranscriptValueWidth, row.decimals, separator, u"none");
    } else {
      const ColumnValue v = r.*row.value;
      line += ColumnField(v, kTranscriptValueWidth, row.decimals, separator, refused);
      if (Showable(v) && row.tray && row.tray(r) > 0) line += u" tray " + TrayNumber(row.tray(r));
    }
    lines.push_back(line);
  }
  return lines;
}

namespace {

// Prints lead + text, a text too long for the page broken at its last blank that fits and
// continued under it.
void PrintBroken(Surface& printer, const std::u16string& lead, std::u16string text) {
  const std::size_t width = printer.LineCharacters();
  while (width > lead.size() && lead.size() + text.size() > width) {
    const std::size_t blank = text.rfind(u' ', width - lead.size());
    if (blank == std::u16string::npos || blank == 0) break;
    printer.Print(lead + text.substr(0, blank));
    text.erase(0, blank + 1);
  }
  printer.Print(lead + text);
}

// Prints the pages; "лист N" stands in their titles when pages is more than 1.
void PrintColumnPages(Surface& printer, const DesignData& data, const ColumnDesignResult& r,
                      const std::u16string& dateTime, char16_t separator, std::size_t pages,
                      const OperatingWindowResult* window) {
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
  auto room = [&](int lines) { return printer.FitsOnPage(lines * printer.LineHeight()); };
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
  if (!window || r.trays.empty()) return;
  const std::vector<ColumnLine> windowLines = OperatingWindowLines(*window, separator);
  // A warning may take two lines of the page.
  if (!room(2 * static_cast<int>(windowLines.size()) + 2)) pageTop();
  printer.Print();
  printer.FontBold = true;
  printer.Print(lead + kOperatingWindowBlockTitle);
  for (const ColumnLine& line : windowLines) {
    printer.FontBold = line.warning;
    PrintBroken(printer, lead, line.text);
  }
  printer.FontBold = false;
}

}  // namespace

void PrintColumnReport(Surface& printer, const DesignData& data, const ColumnDesignResult& r,
                       const std::u16string& dateTime, char16_t separator,
                       const OperatingWindowResult* window) {
  // A trial run on a copy counts the pages before the titles are written.
  Surface trial = printer;
  PrintColumnPages(trial, data, r, dateTime, separator, 0, window);
  const std::size_t pages = trial.Pages().size() - printer.Pages().size() + 1;
  PrintColumnPages(printer, data, r, dateTime, separator, pages, window);
}

}  // namespace rc
