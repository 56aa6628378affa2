#include "report/screen_tables.h"

#include <array>
#include <string>

#include "model/text.h"

namespace rc {
namespace {

constexpr int kBlockWidth = 9000;     // [twips], centred in the window
constexpr int kBlockSpacing = 3000;   // [twips] from one tray block to the next

constexpr char16_t kTitle[] = u"ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННЫХ КОЛОНН";
constexpr char16_t kTrayLabel[] = u"НОМЕР ТАРЕЛКИ - ";

// First panel: hydraulics and the three mass-transfer coefficients.
constexpr std::array<const char16_t*, 3> kFirstHeader{
    u"УРОВЕНЬ СВЕТ-    ПАРОСОДЕР-   КОЭФ.МАССООТ-  КОЭФ. МАССООТ- КОЭФ. МАССОПЕ-",
    u" ЛОЙ ЖИД-СТИ       ЖАНИЕ       ДАЧИ В ПАРЕ,   ДАЧИ В Ж-ТИ,    РЕДАЧИ, КУ",
    u"       М                       КМОЛЬ/С*М^2    КМОЛЬ/С*М^2    КМОЛЬ/С*М^2"};
// Second panel: transfer units, efficiencies and the tray's point on the kinetic line.
constexpr std::array<const char16_t*, 3> kSecondHeader{
    u"ЧИСЛО ЕД-Ц ПЕ- ЛОКАЛЬНАЯ ЭФ-  ЭФФЕКТИВНОСТЬ    КООРДИНАТЫ ТОЧЕК КИНЕТИЧ.",
    u"РЕНОСА В ПАРЕ,  ФЕКТИВНОСТЬ,   ТАРЕЛКИ, ЕМУ    ЛИНИИ (КОНЦ-ИИ \u201A В ФАЗАХ НА",
    u"      NOY             EY       (КАЖУЩАЯСЯ)   ВЫХОДЕ С ТАРЕЛКИ), МОЛЬН.ДОЛИ"};

float TrayArrayAt(const std::array<float, kTrayArraySize>& values, int t) {
  return t >= 0 && t < kTrayArraySize ? values[static_cast<std::size_t>(t)] : 0.0f;
}


}  // namespace

void DrawTrayTable(Surface& s, DesignData& data, int t, int windowWidth, char16_t sep) {
  const int x0 = CentredLeft(windowWidth, kBlockWidth);
  const int x9 = x0 + kBlockWidth;
  // The block counter and its offset are 16-bit integers.
  const int dy = static_cast<std::int16_t>((data.TrayTableRow - 1) * kBlockSpacing);
  auto rule = [&](int y) { s.Line(x0, y + dy, x9, y + dy, kTableRuleColour); };
  auto columnLine = [&](int dx, int yFrom, int yTo) {
    s.Line(x0 + dx, yFrom + dy, x0 + dx, yTo + dy, kTableRuleColour);
  };
  auto printAt = [&](int x, int y, const std::u16string& text) {
    s.CurrentX = x;
    s.CurrentY = y + dy;
    s.Print(text);
  };
  auto panel = [&](int top, int bottom) {
    s.FilledBox(x0, top + dy, x9, bottom + dy, kTrayPanelColour);
    s.Box(x0 + 1, top + 1 + dy, x9 - 1, bottom - 1 + dy, kTableRuleColour);
  };

  if (t == 1) {
    s.CurrentX = x0 + 1500;
    s.CurrentY = 100;
    s.FontBold = true;
    s.Print(kTitle);
    s.FontBold = false;
  }

  panel(500, 1950);
  printAt(x0 + 3500, 600, kTrayLabel + DecimalText(t));
  rule(900);
  for (int line = 0; line < 3; ++line) printAt(x0, 1000 + 200 * line, kFirstHeader[line]);
  rule(1650);
  printAt(x0, 1750, TrayFirstRow(data.CurrentTray, sep));
  for (int dx : {1800, 3600, 5200, 7200}) columnLine(dx, 900, 1950);

  panel(2150, 3200);
  for (int line = 0; line < 3; ++line) printAt(x0, 2250 + 200 * line, kSecondHeader[line]);
  rule(2900);
  printAt(x0, 3000,
          TraySecondRow(data.CurrentTray, TrayArrayAt(data.TrayX, t), TrayArrayAt(data.TrayY, t), sep));
  rule(3200);
  for (int dx : {1800, 3300, 5400}) columnLine(dx, 2150, 3200);
  // Divides only the data row: the heading above spans the last two columns.
  columnLine(7200, 2900, 3200);

  ++data.TrayTableRow;
}

}  // namespace rc
