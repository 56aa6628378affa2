#include "report/table_texts.h"

#include <initializer_list>

#include "model/text.h"
#include "report/format.h"

namespace rc {
namespace {

// One number of a table row: the blanks before it, then the value in its field.
struct RowField {
  float value;
  std::uint8_t blanksBefore;
  std::uint8_t width;
  std::uint8_t decimals;
};

std::u16string JoinFields(std::initializer_list<RowField> fields, char16_t separator) {
  std::u16string row;
  for (const RowField& f : fields) {
    row += Spaces(f.blanksBefore);
    row += FormatFixed(f.value, f.width, f.decimals, separator);
  }
  return row;
}

// A number with one blank before it; a negative one carries its minus sign there instead.
std::u16string SignedField(int value) {
  return value < 0 ? DecimalText(value) : u" " + DecimalText(value);
}

}  // namespace

std::u16string TrayKindLine(TrayKind kind) {
  // The longer sieve/valve text starts further left.
  return Spaces(kind == TrayKind::SieveOrValve ? 22 : 28) + TrayKindText(kind);
}

std::u16string KineticTableRow(const KineticLineRun& run, int table, int i, char16_t sep) {
  const KineticPoint& k = run.Point(i);
  const TrayResult& t = k.tray;
  const std::u16string point = DecimalText(i) + u" ";
  switch (table) {
    case 1:
      return point + JoinFields({{t.ClearLiquidHeight, 0, 10, 4}, {t.VapourContent, 6, 10, 3},
                                 {t.VapourCoef, 5, 13, 4}, {t.LiquidCoef, 8, 13, 4}},
                                sep);
    case 2:
      return point + JoinFields({{t.OverallCoef, 0, 10, 4}, {t.NOY, 6, 11, 3},
                                 {t.EY, 6, 14, 3}, {t.EMY, 7, 12, 3}},
                                sep);
    case 3:
      return point + JoinFields({{ValueAt(run.inputs.eqX, i), 0, 10, 4},
                                 {ValueAt(run.inputs.eqY, i), 6, 11, 4}, {k.operatingY, 6, 14, 4},
                                 {k.kineticY, 7, 12, 4}},
                                sep);
    default:
      return {};
  }
}

std::u16string TrayFirstRow(const TrayResult& t, char16_t sep) {
  return JoinFields({{t.ClearLiquidHeight, 0, 10, 4}, {t.VapourContent, 5, 10, 4},
                     {t.VapourCoef, 5, 10, 4}, {t.LiquidCoef, 6, 9, 4}, {t.OverallCoef, 5, 10, 4}},
                    sep);
}

std::u16string TraySecondRow(const TrayResult& t, float liquidX, float vapourY, char16_t sep) {
  return JoinFields({{t.NOY, 0, 9, 4}, {t.EY, 5, 10, 4}, {t.EMY, 5, 10, 4}, {liquidX, 5, 10, 4},
                     {vapourY, 6, 9, 4}},
                    sep);
}

std::u16string TrayLabel(int trayNo) { return u"НОМЕР ТАРЕЛКИ - " + DecimalText(trayNo); }

std::u16string TraySummaryText(int totalTrays, int feedTray) {
  return u"  ОБЩЕЕ ЧИСЛО ТАРЕЛОК   = " + SignedField(totalTrays) +
         u"       НОМЕР ТАРЕЛКИ ПИТАНИЯ = " + SignedField(feedTray);
}

}  // namespace rc
