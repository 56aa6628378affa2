#pragma once
// The texts of the study of one input: a point's line as the variant runner's transcript
// writes it.
#include <cstdint>
#include <string>

#include "calc/input_study.h"
#include "report/table_cells.h"

namespace rc {

// The point's value as C's "%12.6g" prints the stored float; the real trays in 6
// ("  >120" past the tray limit, " ERROR" when the checks or the calculation refused the
// data); the feed tray in 6 (blanks when refused or not found); with the column, ΣΔP [Pa]
// in 10 with 1 decimal, H [m] in 8 with 3, the largest per cent of flooding in 8 with 1
// (blanks where it does not apply: dual-flow trays, an area ratio of 1) and Qr [kW] in 10 with 2, each as the column's lines write
// it with one blank before a value that fills its field, "ERROR" where it was refused,
// blanks when the tray-by-tray calculation did not complete.
std::u16string StudyTranscriptRow(const StudyPoint& p, bool withColumn, char16_t decimalSeparator);

// A row of the study window's table: the value in 12, N and the feed tray in 6 each
// ("  >120"; " ВНЕ ПРЕДЕЛОВ" for a value outside the input's limits, " ОШИБКА" where the
// checks or the calculation refused the data), and with the column the value of
// `quantity` in 10 (blanks when the tray-by-tray calculation did not complete or the
// quantity does not apply, "ОШИБКА" when refused).
std::u16string StudyTableRow(const InputRow& in, const StudyPoint& p, bool withColumn,
                             const ColumnValue& quantity, bool quantityApplies,
                             std::uint8_t decimals, char16_t decimalSeparator);
// The headings over those rows: the input's key and unit, "N", "пит." and, with the
// column, the quantity's short name, each over its field.
std::u16string StudyTableHeading(const InputRow& in, bool withColumn,
                                 const std::u16string& quantity);

// Why a range typed in the study window cannot be used, in the window's words.
std::u16string StudyRangeFaultText(const InputRow& in, StudyRangeFault fault);
// A typed text that is no number.
std::u16string StudyNotANumberText(const std::u16string& typed);

// A row of the study window's table as cells for the copy button, as StudyTableRow shows
// it: the value, N (">120", "ОШИБКА", "ВНЕ ПРЕДЕЛОВ"), the feed tray and with the column
// the quantity (empty when the tray-by-tray calculation did not complete or the quantity
// does not apply, "ОШИБКА" when refused).
CellRow StudyTableCells(const InputRow& in, const StudyPoint& p, bool withColumn,
                        const ColumnValue& quantity, bool quantityApplies, std::uint8_t decimals,
                        char16_t decimalSeparator);

// The shortest text that reads back as the value's 32-bit float: what the student types
// to give it.
std::u16string StudyTypedText(float value);

// The value as "%6g" would print it ("0.05", "2.5e-05", "1155"): the study's axes and
// table.
std::u16string StudyValueText(float value, int significantDigits = 6);

}  // namespace rc
