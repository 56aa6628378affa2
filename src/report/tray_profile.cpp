#include "report/tray_profile.h"

#include <array>

#include "model/text.h"
#include "report/format.h"

namespace rc {
namespace {

constexpr std::uint8_t kDecimals = 4;
constexpr const char16_t* kProfileNames[] = {u"X", u"Y ВХОД", u"Y*(X)", u"Y ВЫХОД", u"EMY", u"HCL, М"};

std::array<float, 6> ProfileValues(const TrayStep& t) {
  return {t.x, t.yIn, t.yStar, t.yOut, t.result.EMY, t.result.ClearLiquidHeight};
}

}  // namespace

std::u16string TrayProfileRow(const TrayByTrayRun& run, int tray, std::uint8_t trayWidth,
                              std::uint8_t fieldWidth, char16_t decimalSeparator) {
  const TrayStep& t = run.Tray(tray);
  const std::u16string number = DecimalText(tray);
  std::u16string row = PadWidth(number, trayWidth) + number;
  for (const float v : ProfileValues(t)) row += FormatFixed(v, fieldWidth, kDecimals, decimalSeparator);
  if (run.feedTray == tray) row += u" *";
  return row;
}

std::u16string TrayProfileHeading(std::uint8_t trayWidth, std::uint8_t fieldWidth) {
  std::u16string heading = PadWidth(u"N", trayWidth) + u"N";
  for (const char16_t* name : kProfileNames) {
    heading += PadWidth(name, fieldWidth) + name;
  }
  return heading;
}

CellTable TrayProfileCells(const TrayByTrayRun& run, char16_t decimalSeparator) {
  CellTable table;
  table.heading = {u"N"};
  table.heading.insert(table.heading.end(), std::begin(kProfileNames), std::end(kProfileNames));
  table.heading.push_back(u"ТАРЕЛКА ПИТАНИЯ");
  for (int i = 1; i <= run.Count(); ++i) {
    CellRow row{DecimalText(i)};
    for (const float v : ProfileValues(run.Tray(i))) {
      row.push_back(Trimmed(FormatFixed(v, 0, kDecimals, decimalSeparator)));
    }
    row.push_back(run.feedTray == i ? u"*" : u"");
    table.rows.push_back(row);
  }
  return table;
}

std::u16string TrayProfileTranscriptRow(const TrayByTrayRun& run, int tray, char16_t decimalSeparator) {
  return TrayProfileRow(run, tray, 4, 10, decimalSeparator);
}

}  // namespace rc
