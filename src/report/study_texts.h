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
// (blanks on dual-flow trays) and Qr [kW] in 10 with 2, each as the column's lines write
// it with one blank before a value that fills its field, "ERROR" where it was refused,
// blanks when the tray-by-tray calculation did not complete.
std::u16string StudyTranscriptRow(const StudyPoint& p, bool withColumn, char16_t decimalSeparator);

// A row of the study window's table: the value in 12, N and the feed tray in 6 each
// ("  >120", "ОШИБКА"), and with the column the value of `quantity` in 10 (blanks when
// the tray-by-tray calculation did not complete, "ОШИБКА" when refused).
std::u16string StudyTableRow(const StudyPoint& p, bool withColumn, const ColumnValue& quantity,
                             std::uint8_t decimals, char16_t decimalSeparator);

// A row of the study window's table as cells for the copy button, as the row shows it:
// the value, N (">120", "ОШИБКА"), the feed tray and with the column the quantity (empty
// when the tray-by-tray calculation did not complete, "ОШИБКА" when refused).
CellRow StudyTableCells(const StudyPoint& p, bool withColumn, const ColumnValue& quantity,
                        std::uint8_t decimals, char16_t decimalSeparator);

// The shortest text that reads back as the value's 32-bit float: what the student types
// to give it.
std::u16string StudyTypedText(float value);

// The value as "%6g" would print it ("0.05", "2.5e-05", "1155"): the study's axes and
// table.
std::u16string StudyValueText(float value, int significantDigits = 6);

}  // namespace rc
