#pragma once
// The texts of the column calculation: the tray rows and the column's lines as the
// results window shows them, as the printed pages carry them and as the variant
// runner's transcript writes them, each from the table of the column's results
// (report/column_results.h). Every number is rounded to a 32-bit float and
// written with FormatFixed; a refused value is written as a refusal, never as a number.
#include <cstdint>
#include <string>
#include <vector>

#include "calc/column_design.h"
#include "model/design_data.h"
#include "report/column_results.h"
#include "report/surface.h"

namespace rc {

inline constexpr char16_t kColumnTitle[] = u"РАСЧЕТ КОЛОННЫ";

// A value FormatFixed, or `refused` where the value was refused or is too large for a
// 32-bit float, right-aligned in its field; one blank before a text that fills or
// overflows the field, so that two fields never touch.
std::u16string ColumnField(const ColumnValue& v, std::uint8_t width, std::uint8_t decimals,
                           char16_t decimalSeparator, const std::u16string& refused);

// The two heading lines over the tray rows: what the columns hold, then their names in
// the widths of the rows (no flooding column where flooding is not computed).
std::vector<std::u16string> ColumnTrayHeadings(const ColumnDesignResult& r);

// Tray i (1..N): its number right-aligned in 4, ΔPd, ΔPs, ΔPl, ΔP each FormatFixed in
// 10 with 1 decimal, φ in 8 with 1 decimal where flooding is computed, " *" after the
// feed tray. A refused value is `refused` right-aligned in its field.
std::u16string ColumnTrayRow(const ColumnDesignResult& r, int tray, char16_t decimalSeparator,
                             const std::u16string& refused);

// One line of the column's results; warning lines are shown in red.
struct ColumnLine {
  std::u16string text;
  bool warning = false;
};
// ΣΔP in Pa and kPa (a warning where a tray's drop passes 0.1 bar), H, φmax and its tray
// (a warning above 85 %), D80, P, W, Qc, Qr, steam and water, the feed's own temperature
// (none for a feed partly vapour) and its vapour share, with the reasons of any refusal.
std::vector<ColumnLine> ColumnScreenLines(const ColumnDesignResult& r, char16_t decimalSeparator);

// The warnings about the third stage's temperatures: the distillate (tP) must boil below
// the bottoms (tW) and the feed (tF) between them. The data are still accepted.
std::vector<ColumnLine> TemperatureWarnings(const DesignData& data);

// What the results window and the printed pages show under the tray rows: the column's
// lines, then the temperature warnings, and a warning where q makes the feed more than
// 100 K colder than the distillate.
std::vector<ColumnLine> ColumnResultLines(const DesignData& data, const ColumnDesignResult& r,
                                          char16_t decimalSeparator);

// The block after the column's lines: the trays' operating window, one line of each
// operating window's result (report/column_results.cpp), each failed check followed by its
// warning; one line on trays without downcomers (f = 1).
inline constexpr char16_t kOperatingWindowBlockTitle[] = u"РАБОЧАЯ ОБЛАСТЬ ТАРЕЛОК";
std::vector<ColumnLine> OperatingWindowLines(const OperatingWindowResult& w,
                                             char16_t decimalSeparator);

// The transcript section's lines (without its "== column" line): one per tray, then twelve
// lines of a 14-character label and a 12-character value.
std::vector<std::u16string> ColumnTranscriptLines(const ColumnDesignResult& r,
                                                  char16_t decimalSeparator);

// The printed pages: on each the report frame's header line and the title (with the
// page number where there is more than one page); on the first the input data: the
// column's diameter D, reflux R, feed F and the feed's condition q, and the third stage's
// 18 values; then the tray headings and rows, the column's lines after the last tray and
// the block of the trays' operating window where it is given.
void PrintColumnReport(Surface& printer, const DesignData& data, const ColumnDesignResult& r,
                       const std::u16string& dateTime, char16_t decimalSeparator,
                       const OperatingWindowResult* window = nullptr);

}  // namespace rc
