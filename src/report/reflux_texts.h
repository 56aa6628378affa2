#pragma once
// Texts of the reflux study: one fixed-width row per reflux ratio for a teacher's
// script, and the line under the plot.
#include <string>

#include "calc/reflux_sweep.h"
#include "report/table_cells.h"

namespace rc {

// FormatFixed(R_k, 10, 4); the trays in 6 characters ("  >120" at the tray limit,
// " ERROR" for other refusals); the feed tray in 6 (blank when refused or not found);
// FormatFixed(N*(R_k + 1), 12, 2) (blank when refused). 34 characters.
std::u16string RefluxSweepRow(const RefluxPoint& point, char16_t decimalSeparator = u'.');

// The study's points as cells for the copy button: R, N, the feed tray and N·(R+1) with
// the digits of the rows above; a refused point reads "ОШИБКА", one past the tray limit
// ">120".
CellTable RefluxSweepCells(const RefluxSweep& sweep, char16_t decimalSeparator);

// "R опт = 2.1250, N = 16, N·(R+1) = 50.00;  ваше R = 2.5000, N = 15".
std::u16string RefluxSummaryLine(const RefluxSweep& sweep, char16_t decimalSeparator = u'.');

}  // namespace rc
