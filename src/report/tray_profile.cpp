#include "report/tray_profile.h"

#include "model/text.h"
#include "report/format.h"

namespace rc {

std::u16string TrayProfileRow(const DesignData& data, int tray, std::uint8_t trayWidth,
                              std::uint8_t fieldWidth, char16_t decimalSeparator) {
  const TrayProfileRows& p = data.TrayProfile;
  const auto i = static_cast<std::size_t>(tray);
  const std::u16string number = DecimalText(tray);
  std::u16string row = PadWidth(number, trayWidth) + number;
  const float values[] = {data.TrayX.at(i),         data.TrayY.at(i - 1), p.EquilibriumY.at(i),
                          data.TrayY.at(i),         p.Tray.at(i).EMY,     p.Tray.at(i).ClearLiquidHeight};
  for (const float v : values) row += FormatFixed(v, fieldWidth, 4, decimalSeparator);
  if (tray == p.FeedTray) row += u" *";
  return row;
}

std::u16string TrayProfileHeading(std::uint8_t trayWidth, std::uint8_t fieldWidth) {
  std::u16string heading = PadWidth(u"N", trayWidth) + u"N";
  for (const char16_t* name : {u"X", u"Y ВХОД", u"Y*(X)", u"Y ВЫХОД", u"EMY", u"HCL, М"}) {
    heading += PadWidth(name, fieldWidth) + name;
  }
  return heading;
}

std::u16string TrayProfileTranscriptRow(const DesignData& data, int tray, char16_t decimalSeparator) {
  return TrayProfileRow(data, tray, 4, 10, decimalSeparator);
}

}  // namespace rc
