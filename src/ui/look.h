#pragma once
// The look the windows share: the height of their command buttons, the pitch of list
// rows (and of the rows printed in a list's place, and of the prompts beside them), the
// size of the lists, the fonts, and the colours by name, written red, green, blue.
#include "report/surface.h"
#include "ui/toolkit.h"

namespace rc {

inline constexpr int kButtonHeight = 495;  // [twips] every command button
inline constexpr int kRowPitch = 195;      // [twips] one list row; one printed row; one prompt
inline constexpr int kListWidth = 10000;   // [twips] 80 characters of 120 twips and a scroll bar
inline constexpr int kListHeight = 4400;   // [twips] the entry lists and the column's trays

// The plot windows (the y–x diagram, the study of an input, the trays' operating window):
// as wide as the diagram and its tray profile side by side, the plots from the left, the
// buttons in rows at the bottom, the first under the plots' labels.
inline constexpr int kPlotWindowWidth = 15150;   // [twips]
inline constexpr int kPlotWindowHeight = 10245;  // [twips] client area with two rows of buttons
inline constexpr int kPlotAreaLeft = 1100;       // [twips] the plots' left edge, their labels left of it
inline constexpr int kPlotButtonTop = 9000;      // [twips] the first row of buttons
inline constexpr int kPlotSecondRowTop = 9600;   // [twips] the second row
inline constexpr int kPlotButtonWidth = 2900;    // [twips]
inline constexpr int kPlotButtonGap = 150;       // [twips]
// The left edge of the button in column `column` (from 0) of a row.
constexpr int PlotButtonLeft(int column) { return 1000 + column * (kPlotButtonWidth + kPlotButtonGap); }

inline const FontSpec kWindowFont{u"Courier", 9.75};         // windows, lists and dialogs
inline const FontSpec kButtonFont{u"MS Sans Serif", 8.25};  // captions of coloured buttons

// Colours beside kBlack, kRed, kGreen and kBlue (report/surface.h).
inline constexpr Colour kWhite = Rgb(255, 255, 255);
inline constexpr Colour kSilver = Rgb(192, 192, 192);     // a window's own background
inline constexpr Colour kYellow = Rgb(255, 255, 0);
inline constexpr Colour kCyan = Rgb(0, 255, 255);
inline constexpr Colour kOlive = Rgb(192, 192, 0);        // print buttons
inline constexpr Colour kLightRed = Rgb(255, 128, 128);   // close and end buttons
inline constexpr Colour kLightCyan = Rgb(128, 255, 255);  // diagram, view and save buttons
inline constexpr Colour kLightGreen = Rgb(128, 255, 128);
inline constexpr Colour kLimeGreen = Rgb(192, 255, 128);  // the study of an input
inline constexpr Colour kMint = Rgb(128, 255, 192);
inline constexpr Colour kPaleCyan = Rgb(192, 255, 255);
inline constexpr Colour kLavender = Rgb(192, 192, 255);
inline constexpr Colour kPink = Rgb(255, 128, 255);
inline constexpr Colour kPeach = Rgb(255, 192, 128);
inline constexpr Colour kOrange = Rgb(255, 128, 0);
inline constexpr Colour kBrown = Rgb(192, 64, 0);
inline constexpr Colour kPurple = Rgb(192, 0, 192);
inline constexpr Colour kDarkBlue = Rgb(0, 0, 192);       // the windows' text
inline constexpr Colour kNavy = Rgb(0, 0, 128);
inline constexpr Colour kDarkRed = Rgb(40, 0, 0);         // the list windows' headings

}  // namespace rc
