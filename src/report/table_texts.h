#pragma once
// Every text of the result tables, once. The results window draws the lines as they
// stand here; the printed reports draw the same lines with extra leading blanks.
#include <array>
#include <string>

#include "calc/runs.h"
#include "model/design_data.h"

namespace rc {

inline constexpr char16_t kKineticTitle[] = u"РАСЧЕТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ";
inline constexpr char16_t kTrayByTrayTitle[] = u"ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННЫХ КОЛОНН";

// The kinetic line tables. Table 1: hydraulics and phase coefficients (the second line's
// last unit has a Latin C).
inline constexpr std::array<const char16_t*, 2> kKineticTable1Header{
    u"N УРОВЕНЬ СВЕТЛОЙ ПАРОСОДЕРЖАНИЕ КОЭФ-Т МАССООТДАЧИ В КОЭФ-Т МАССООТДАЧИ В",
    u"    ЖИДКОСТИ, М                   ПАРЕ, КМОЛЬ/С*М^2   ЖИД-ТИ, КМОЛЬ/C*М^2"};
// Table 2: overall coefficient and efficiencies.
inline constexpr std::array<const char16_t*, 3> kKineticTable2Header{
    u"    КОЭФФИЦИЕНТ   ЧИСЛО ЕДИНИЦ ПЕ-      ЛОКАЛЬНАЯ          ЭФФЕКТИВНОСТЬ",
    u"N  МАССОПЕРЕДАЧИ  РЕНОСА В ПАРОВОЙ   ЭФФЕКТИВНОСТЬ ПО       ТАРЕЛКИ ПО",
    u"   КМОЛЬ/(С*М^2)    ФАЗЕ, (NOY)         МЭРФРИ, (EY)       МЭРФРИ, (EMY)"};
// Table 3: compositions, under a caption that the report does not shift.
inline constexpr char16_t kKineticTable3Caption[] =
    u"              СОДЕРЖАНИЕ НИЗКОКИПЯЩЕГО КОМПОНЕНТА В МОЛЬНЫХ ДОЛЯХ:";
inline constexpr std::array<const char16_t*, 3> kKineticTable3Header{
    u"    В ЖИДКОСТИ,    РАВНОВЕСНОЕ  В        В ПАРЕ,         В ПАРЕ НА ВЫХОДЕ",
    u"N   ПОКИДАЮЩЕЙ    ПАРЕ С ЖИДКОСТЬЮ     ПОСТУПАЮЩЕМ         С ТАРЕЛКИ НА",
    u"      ТАРЕЛКУ     НА ВЫХ.С ТАРЕЛКИ      НА ТАРЕЛКУ      КИНЕТИЧЕСКОЙ ЛИНИИ "};

// A tray block. First table: hydraulics and the three mass-transfer coefficients.
inline constexpr std::array<const char16_t*, 3> kTrayFirstHeader{
    u"УРОВЕНЬ СВЕТ-    ПАРОСОДЕР-   КОЭФ.МАССООТ-  КОЭФ. МАССООТ- КОЭФ. МАССОПЕ-",
    u" ЛОЙ ЖИД-СТИ       ЖАНИЕ       ДАЧИ В ПАРЕ,   ДАЧИ В Ж-ТИ,    РЕДАЧИ, КУ",
    u"       М                       КМОЛЬ/С*М^2    КМОЛЬ/С*М^2    КМОЛЬ/С*М^2"};
// Second table: transfer units, efficiencies and the tray's point on the kinetic line.
inline constexpr std::array<const char16_t*, 3> kTraySecondHeader{
    u"ЧИСЛО ЕД-Ц ПЕ- ЛОКАЛЬНАЯ ЭФ-  ЭФФЕКТИВНОСТЬ    КООРДИНАТЫ ТОЧЕК КИНЕТИЧ.",
    u"РЕНОСА В ПАРЕ,  ФЕКТИВНОСТЬ,   ТАРЕЛКИ, ЕМУ    ЛИНИИ (КОНЦ-ИИ \u201A В ФАЗАХ НА",
    u"      NOY             EY       (КАЖУЩАЯСЯ)   ВЫХОДЕ С ТАРЕЛКИ), МОЛЬН.ДОЛИ"};

// The blanks the printed reports put before a line of the screen tables.
inline constexpr char16_t kPrintedShift[] = u"   ";

// The tray-kind line over the kinetic tables: TrayType first, then parameter 34.
std::u16string TrayKindLine(TrayKind kind);

// Row i (1..6) of kinetic table 1..3: the point number, a blank and four numbers.
std::u16string KineticTableRow(const KineticLineRun& run, int table, int i, char16_t decimalSeparator);

// The two data rows of a tray block: hcl, vapour content, the three coefficients; then
// NOY, EY, EMY, liquid x, vapour y.
std::u16string TrayFirstRow(const TrayResult& tray, char16_t decimalSeparator);
std::u16string TraySecondRow(const TrayResult& tray, float liquidX, float vapourY,
                             char16_t decimalSeparator);

// "НОМЕР ТАРЕЛКИ - " and the tray number.
std::u16string TrayLabel(int trayNo);

// The results line under the tray-by-tray table: "  ОБЩЕЕ ЧИСЛО ТАРЕЛОК   = " total
// "       НОМЕР ТАРЕЛКИ ПИТАНИЯ = " feed, each number with one blank before it.
std::u16string TraySummaryText(int totalTrays, int feedTray);

}  // namespace rc
