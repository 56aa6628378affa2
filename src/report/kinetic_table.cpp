#include "report/screen_tables.h"

#include <array>

namespace rc {
namespace {

constexpr int kPanelWidth = 9050;  // [twips], centred in the window
constexpr int kPanelTop = 545;
constexpr int kPanelBottom = 7025;

// Column lines of each table, as offsets from the panel's left edge [twips], each in the
// middle of a blank character cell (120 twips) of every heading line it crosses; the
// second table's heading lines start 50 twips apart, so its second line stands at 2100.
constexpr std::array<int, 4> kTable1Columns{250, 2150, 3950, 6470};
constexpr std::array<int, 4> kTable23Columns{250, 2100, 4230, 6700};

class KineticTableDrawing {
 public:
  KineticTableDrawing(Surface& s, const KineticLineRun& run, int windowWidth, char16_t sep)
      : s_(s), run_(run), sep_(sep), x0_(CentredLeft(windowWidth, kPanelWidth)),
        x1_(x0_ + kPanelWidth) {}

  void Draw() {
    PrintBoldAt(s_, x0_ + 1900, 200, kKineticTitle);

    s_.FilledBox(x0_, kPanelTop, x1_, kPanelBottom, kKineticPanelColour);
    s_.Box(x0_ + 1, kPanelTop + 1, x1_ - 1, kPanelBottom - 1, kTableRuleColour);

    s_.CurrentX = x0_;
    s_.CurrentY = 600;
    s_.Print(TrayKindLine(run_.inputs.Kind()));

    const int yC = DrawTable1();
    const int yE = DrawTable2(yC);
    DrawTable3(yE);
  }

 private:
  // A y taken from the pen, rounded as a 16-bit integer with halves to even.
  int PenY(double offset) const { return RoundTwips(s_.CurrentY + offset); }
  void Rule(int y) { s_.Line(x0_, y, x1_, y, kTableRuleColour); }
  void ColumnLines(const std::array<int, 4>& columns, int yFrom, int yTo) {
    for (int dx : columns) s_.Line(x0_ + dx, yFrom, x0_ + dx, yTo, kTableRuleColour);
  }
  void PrintAt(int x, const std::u16string& text) {
    s_.CurrentX = x;
    s_.Print(text);
  }
  void Rows(int table) {
    for (int i = 1; i <= 6; ++i) PrintAt(x0_ + 50, KineticTableRow(run_, table, i, sep_));
  }

  // Tables 1 and 2 under their header lines: a rule, the six rows 100 lower, a rule 100
  // under the last and the column lines from top down to it; returns the closing rule's y.
  int RowsUnderHeader(int table, const std::array<int, 4>& columns, int top) {
    Rule(PenY(50));
    s_.CurrentY += 100;  // not rounded
    Rows(table);
    const int bottom = PenY(100);
    Rule(bottom);
    ColumnLines(columns, top, bottom);
    return bottom;
  }

  int DrawTable1() {
    const int yA = PenY(50);
    Rule(yA);
    s_.CurrentY = yA + 50;
    for (const char16_t* line : kKineticTable1Header) PrintAt(x0_ + 50, line);
    return RowsUnderHeader(1, kTable1Columns, yA);
  }

  int DrawTable2(int yC) {
    s_.CurrentY = yC + 50;
    // The first and third header lines start at the panel's edge, the second 50 further.
    PrintAt(x0_, kKineticTable2Header[0]);
    PrintAt(x0_ + 50, kKineticTable2Header[1]);
    PrintAt(x0_, kKineticTable2Header[2]);
    return RowsUnderHeader(2, kTable23Columns, yC);
  }

  void DrawTable3(int yE) {
    s_.CurrentY = yE + 50;
    PrintAt(x0_ + 50, kKineticTable3Caption);
    const int yF = PenY(50);
    Rule(yF);
    s_.CurrentY = yF + 50;
    for (const char16_t* line : kKineticTable3Header) PrintAt(x0_ + 50, line);
    const int yG = PenY(50);
    Rule(yG);
    s_.CurrentY = yG + 50;
    Rows(3);
    // No rule closes the last table: the panel frame lies just below it.
    ColumnLines(kTable23Columns, PenY(50), yF);
  }

  Surface& s_;
  const KineticLineRun& run_;
  char16_t sep_;
  int x0_;
  int x1_;
};

}  // namespace

void DrawKineticTable(Surface& surface, const KineticLineRun& run, int windowWidth,
                      char16_t decimalSeparator) {
  KineticTableDrawing(surface, run, windowWidth, decimalSeparator).Draw();
}

}  // namespace rc
