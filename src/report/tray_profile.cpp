#include "report/tray_profile.h"

#include "model/text.h"
#include "report/format.h"

namespace rc {

std::u16string TrayProfileRow(const TrayByTrayRun& run, int tray, std::uint8_t trayWidth,
                              std::uint8_t fieldWidth, char16_t decimalSeparator) {
  const TrayStep& t = run.Tray(tray);
  const std::u16string number = DecimalText(tray);
  std::u16string row = PadWidth(number, trayWidth) + number;
  const float values[] = {t.x, t.yIn, t.yStar, t.yOut, t.result.EMY, t.result.ClearLiquidHeight};
  for (const float v : values) row += FormatFixed(v, fieldWidth, 4, decimalSeparator);
  if (run.feedTray == tray) row += u" *";
  return row;
}

std::u16string TrayProfileHeading(std::uint8_t trayWidth, std::uint8_t fieldWidth) {
  std::u16string heading = PadWidth(u"N", trayWidth) + u"N";
  for (const char16_t* name : {u"X", u"Y ВХОД", u"Y*(X)", u"Y ВЫХОД", u"EMY", u"HCL, М"}) {
    heading += PadWidth(name, fieldWidth) + name;
  }
  return heading;
}

std::u16string TrayProfileTranscriptRow(const TrayByTrayRun& run, int tray, char16_t decimalSeparator) {
  return TrayProfileRow(run, tray, 4, 10, decimalSeparator);
}

}  // namespace rc
