#pragma once
// The faulty-input display the correction windows share: the data printed on the window
// itself, the list and the accept buttons hidden, and the marker label laid over the
// faulty row. The caller then opens its own error dialog.
#include <string>
#include <vector>

#include "ui/window.h"

namespace rc {

struct FaultRows {
  std::u16string caption;               // window caption during the display; empty: kept
  bool clearFirst = true;               // the window is cleared before the rows are printed
  std::vector<std::u16string> rows;     // printed one under the other
  int x = 530;                          // [twips] left of the rows and of the marker
  int firstY = 1210;                    // [twips] pen y of rows[0]
  int markerAboveRow = 10;              // [twips] the marker starts this far above its row
  int markedRow = -1;                   // index into rows of the faulty row; -1: none
};

inline constexpr int kFaultRowStep = 195;     // [twips] between printed rows
inline constexpr int kMarkerHeight = 200;     // [twips]
inline constexpr int kMarkerWidth = 10000;    // [twips]

// Beeps, clears the window (unless told not to), sets its caption (if one is given),
// prints the rows at x, firstY + 195·k, hides List1, Command1, Command2 and the tray
// class buttons Command4 and Command5 where the window has them, and shows Label2 with
// the marked row's text at left x, top firstY − markerAboveRow + 195·markedRow (hidden
// when no row is marked).
void DisplayInputFault(Window& window, const FaultRows& fault);

}  // namespace rc
