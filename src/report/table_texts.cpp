#include "report/table_texts.h"

#include <vector>

#include "model/text.h"
#include "report/format.h"
#include "report/screen_tables.h"

namespace rc {
namespace {

// One number of a table row: the blanks before it, then the value in its field.
struct RowField {
  float value;
  std::uint8_t blanksBefore;
  std::uint8_t width;
  std::uint8_t decimals;
};

std::u16string JoinFields(const std::vector<RowField>& fields, char16_t separator) {
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

namespace {

std::vector<RowField> KineticFields(const KineticLineRun& run, int table, int i) {
  const KineticPoint& k = run.Point(i);
  const TrayResult& t = k.tray;
  switch (table) {
    case 1:
      return {{t.ClearLiquidHeight, 0, 10, 4}, {t.VapourContent, 6, 10, 3},
              {t.VapourCoef, 5, 13, 4}, {t.LiquidCoef, 8, 13, 4}};
    case 2:
      return {{t.OverallCoef, 0, 10, 4}, {t.NOY, 6, 11, 3}, {t.EY, 6, 14, 3}, {t.EMY, 7, 12, 3}};
    case 3:
      return {{ValueAt(run.inputs.eqX, i), 0, 10, 4}, {ValueAt(run.inputs.eqY, i), 6, 11, 4},
              {k.operatingY, 6, 14, 4}, {k.kineticY, 7, 12, 4}};
    default:
      return {};
  }
}

std::vector<RowField> TrayFirstFields(const TrayResult& t) {
  return {{t.ClearLiquidHeight, 0, 10, 4}, {t.VapourContent, 5, 10, 4}, {t.VapourCoef, 5, 10, 4},
          {t.LiquidCoef, 6, 9, 4}, {t.OverallCoef, 5, 10, 4}};
}

std::vector<RowField> TraySecondFields(const TrayResult& t, float liquidX, float vapourY) {
  return {{t.NOY, 0, 9, 4}, {t.EY, 5, 10, 4}, {t.EMY, 5, 10, 4}, {liquidX, 5, 10, 4},
          {vapourY, 6, 9, 4}};
}

// The fields' texts as cells: the numbers exactly as the row writes them.
void AppendCells(CellRow& cells, const std::vector<RowField>& fields, char16_t separator) {
  for (const RowField& f : fields) cells.push_back(Trimmed(FormatFixed(f.value, f.width, f.decimals, separator)));
}

}  // namespace

std::u16string KineticTableRow(const KineticLineRun& run, int table, int i, char16_t sep) {
  if (table < 1 || table > 3) return {};
  return DecimalText(i) + u" " + JoinFields(KineticFields(run, table, i), sep);
}

std::u16string TrayFirstRow(const TrayResult& t, char16_t sep) {
  return JoinFields(TrayFirstFields(t), sep);
}

std::u16string TraySecondRow(const TrayResult& t, float liquidX, float vapourY, char16_t sep) {
  return JoinFields(TraySecondFields(t, liquidX, vapourY), sep);
}

CellTable KineticTableCells(const KineticLineRun& run, char16_t sep) {
  CellTable table;
  table.heading = {u"N",
                   u"УРОВЕНЬ СВЕТЛОЙ ЖИДКОСТИ, М",
                   u"ПАРОСОДЕРЖАНИЕ",
                   u"КОЭФ-Т МАССООТДАЧИ В ПАРЕ, КМОЛЬ/С*М^2",
                   u"КОЭФ-Т МАССООТДАЧИ В ЖИД-ТИ, КМОЛЬ/С*М^2",
                   u"КОЭФФИЦИЕНТ МАССОПЕРЕДАЧИ, КМОЛЬ/(С*М^2)",
                   u"ЧИСЛО ЕДИНИЦ ПЕРЕНОСА В ПАРОВОЙ ФАЗЕ, (NOY)",
                   u"ЛОКАЛЬНАЯ ЭФФЕКТИВНОСТЬ ПО МЭРФРИ, (EY)",
                   u"ЭФФЕКТИВНОСТЬ ТАРЕЛКИ ПО МЭРФРИ, (EMY)",
                   u"X В ЖИДКОСТИ, ПОКИДАЮЩЕЙ ТАРЕЛКУ, МОЛЬН. ДОЛИ",
                   u"Y* РАВНОВЕСНОЕ В ПАРЕ С ЖИДКОСТЬЮ НА ВЫХ. С ТАРЕЛКИ, МОЛЬН. ДОЛИ",
                   u"Y В ПАРЕ, ПОСТУПАЮЩЕМ НА ТАРЕЛКУ, МОЛЬН. ДОЛИ",
                   u"Y В ПАРЕ НА ВЫХОДЕ С ТАРЕЛКИ НА КИНЕТИЧЕСКОЙ ЛИНИИ, МОЛЬН. ДОЛИ"};
  for (int i = 1; i <= 6; ++i) {
    CellRow row{DecimalText(i)};
    for (int t = 1; t <= 3; ++t) AppendCells(row, KineticFields(run, t, i), sep);
    table.rows.push_back(row);
  }
  return table;
}

CellTable TrayTableCells(const std::vector<TrayBlock>& trays, char16_t sep) {
  CellTable table;
  table.heading = {u"НОМЕР ТАРЕЛКИ",
                   u"УРОВЕНЬ СВЕТЛОЙ ЖИД-СТИ, М",
                   u"ПАРОСОДЕРЖАНИЕ",
                   u"КОЭФ. МАССООТДАЧИ В ПАРЕ, КМОЛЬ/С*М^2",
                   u"КОЭФ. МАССООТДАЧИ В Ж-ТИ, КМОЛЬ/С*М^2",
                   u"КОЭФ. МАССОПЕРЕДАЧИ, КУ, КМОЛЬ/С*М^2",
                   u"ЧИСЛО ЕД-Ц ПЕРЕНОСА В ПАРЕ, NOY",
                   u"ЛОКАЛЬНАЯ ЭФФЕКТИВНОСТЬ, EY",
                   u"ЭФФЕКТИВНОСТЬ ТАРЕЛКИ, ЕМУ (КАЖУЩАЯСЯ)",
                   u"X НА ВЫХОДЕ С ТАРЕЛКИ, МОЛЬН. ДОЛИ",
                   u"Y НА ВЫХОДЕ С ТАРЕЛКИ, МОЛЬН. ДОЛИ"};
  for (const TrayBlock& tray : trays) {
    CellRow row{DecimalText(tray.trayNo)};
    AppendCells(row, TrayFirstFields(tray.result), sep);
    AppendCells(row, TraySecondFields(tray.result, tray.liquidX, tray.vapourY), sep);
    table.rows.push_back(row);
  }
  return table;
}

std::u16string TrayLabel(int trayNo) { return u"НОМЕР ТАРЕЛКИ - " + DecimalText(trayNo); }

std::u16string TraySummaryText(int totalTrays, int feedTray) {
  return u"  ОБЩЕЕ ЧИСЛО ТАРЕЛОК   = " + SignedField(totalTrays) +
         u"       НОМЕР ТАРЕЛКИ ПИТАНИЯ = " + SignedField(feedTray);
}

}  // namespace rc
