#pragma once
// The tray profile: one row for every tray of the last completed tray-by-tray
// calculation, from the bottom tray up.
#include <cstdint>
#include <string>

#include "calc/runs.h"
#include "report/table_cells.h"

namespace rc {

// Tray i (1..run.Count()): its number right-aligned in trayWidth characters, then
// liquid x, vapour entering, y*(x), vapour leaving, EMY and clear-liquid height, each
// FormatFixed in fieldWidth with 4 decimals; " *" after the feed tray.
std::u16string TrayProfileRow(const TrayByTrayRun& run, int tray, std::uint8_t trayWidth,
                              std::uint8_t fieldWidth, char16_t decimalSeparator);

// The column headings over those rows, in the same widths.
std::u16string TrayProfileHeading(std::uint8_t trayWidth, std::uint8_t fieldWidth);
// The title over the headings.
inline constexpr char16_t kTrayProfileTitle[] = u"ПРОФИЛЬ КОЛОННЫ ПО ТАРЕЛКАМ (* - ТАРЕЛКА ПИТАНИЯ)";

// The profile as cells for the copy button: the headings, then each tray's number, its six
// values as its row writes them and "*" on the feed tray.
CellTable TrayProfileCells(const TrayByTrayRun& run, char16_t decimalSeparator);

// The rows as a teacher's script reads them: widths 4 and 10.
std::u16string TrayProfileTranscriptRow(const TrayByTrayRun& run, int tray, char16_t decimalSeparator);

}  // namespace rc
