#include "report/screen_tables.h"

#include <string>

namespace rc {

constexpr int kBlockWidth = 9000;        // [twips], centred in the window
constexpr int kBlockSpacing = 3000;      // [twips] from one tray block to the next
constexpr int kSummaryLineWidth = 9000;  // [twips] the results line is centred over it
// The headings and rows start half a character cell (of 120 twips) inside the panel, so
// their first letters clear its frame and their last ones the frame on the right; the
// column lines then stand in the middle of a blank cell of every line they cross.
constexpr int kTextInset = 60;  // [twips]

void DrawTrayTable(Surface& s, const TrayBlock& tray, int blockRow, int windowWidth, char16_t sep) {
  const int x0 = CentredLeft(windowWidth, kBlockWidth);
  const int x9 = x0 + kBlockWidth;
  // The block counter and its offset are 16-bit integers.
  const int dy = static_cast<std::int16_t>((blockRow - 1) * kBlockSpacing);
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

  if (tray.trayNo == 1) PrintBoldAt(s, x0 + 1500, 100, kTrayByTrayTitle);

  panel(500, 1950);
  printAt(x0 + 3500, 600, TrayLabel(tray.trayNo));
  rule(900);
  const int xText = x0 + kTextInset;
  for (int line = 0; line < 3; ++line) printAt(xText, 1000 + 200 * line, kTrayFirstHeader[line]);
  rule(1650);
  printAt(xText, 1750, TrayFirstRow(tray.result, sep));
  for (int dx : {1800, 3600, 5340, 7200}) columnLine(dx, 900, 1950);

  panel(2150, 3200);
  for (int line = 0; line < 3; ++line) printAt(xText, 2250 + 200 * line, kTraySecondHeader[line]);
  rule(2900);
  printAt(xText, 3000, TraySecondRow(tray.result, tray.liquidX, tray.vapourY, sep));
  rule(3200);
  for (int dx : {1800, 3480, 5400}) columnLine(dx, 2150, 3200);
  // Divides only the data row: the heading above spans the last two columns.
  columnLine(7200, 2900, 3200);
}

void DrawTraySummary(Surface& s, int totalTrays, int feedTray, int windowWidth) {
  s.CurrentX = CentredLeft(windowWidth, kSummaryLineWidth);
  s.CurrentY = s.CurrentY + 100;
  s.FontBold = true;
  s.ForeColor = kRed;
  s.Print(TraySummaryText(totalTrays, feedTray));
  s.ForeColor = kBlue;
  s.FontBold = false;
}

}  // namespace rc
