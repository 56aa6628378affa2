#pragma once
// The fonts the windows ask for, mapped to faces installed here. The names come from
// another platform ("Courier", "MS Sans Serif"); fontconfig may substitute a
// proportional face for them, so each is mapped explicitly.
//
// Small fixed-pitch fonts (the results tables, the entry lists) use one "cell" font:
// the tables place their column lines for a character cell of 120 twips (8 px) and
// fit only if a line is at most 195 twips high, so the cell font is Liberation Mono
// with its advance widened to exactly 8 px and a line height of 195 twips.
#include <QFont>
#include <QString>

#include "report/printed_reports.h"
#include "ui/toolkit.h"

namespace rc {

inline constexpr int kCellAdvancePx = 8;               // 120 twips
inline constexpr int kCellPixelSize = 11;              // Liberation Mono 11 px: 13 px lines
inline constexpr double kCellLineHeightTwips = 195.0;  // 13 px
// The installed family that stands in for a font name.
QString FamilyFor(const std::u16string& name);
bool IsFixedPitchName(const std::u16string& name);
// The printer font of the reports ("Courier New Cyr").
bool IsPrinterFontName(const std::u16string& name);
// Whether a window font is drawn in the cell font.
bool UsesCellFont(const FontSpec& wanted);

// The font for a window, a control or text drawn on a window, sized in pixels at 96 dpi.
QFont ScreenFont(const FontSpec& wanted);
// The font for a printed document, sized in points (the printer resolves it).
QFont PrinterFont(const FontSpec& wanted);

// Height of one text line [twips]: 195 for the cell font, the printer font's line
// spacing at its point size, otherwise the screen font's line spacing.
double FontLineHeightTwips(const FontSpec& wanted);
// Advance of one character of a fixed-pitch font [twips], measured as the line height is.
double FontCharWidthTwips(const FontSpec& wanted);

}  // namespace rc
