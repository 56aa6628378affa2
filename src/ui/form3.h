#pragma once
// The first-stage list window: the entry of the equilibrium points and XW, XF, XP runs
// on it (entry.h), then the student accepts the data or corrects them row by row.
#include "ui/window.h"
#include "ui/yes_no_dialog.h"

namespace rc {

class Form3 : public Window {
 public:
  explicit Form3(Application& app);
  void Load() override;
  // The typed data would be lost: the student is asked first.
  void CloseByUser() override { AskBeforeEnding(*this); }

  // The window as the entry stage begins: caption, heading printed, the empty list
  // shown, every button and label hidden.
  void BeginEntry();
  // The review state after the entry: Command1 and Command2 shown, Command2 green,
  // Command1 red with the focus on Command2 when the data are faulty, else green with
  // the focus on itself.
  void ShowReview();
  // The faulty data printed on the window with the marker over the faulty row, and
  // the error dialog Form4 on top.
  void ShowInputFault();
  // Correction mode: the list enabled, the instruction shown, no button.
  void EnterCorrectionMode();

  // List1 rows 0..7: the equilibrium points; rows 8..10: XW, XF, XP.
  static constexpr int kRows = 11;
  static constexpr int kFirstCompositionRow = 8;

 private:
  void RowClick();
  void Accept();            // Command1
  void EndOfCorrections();  // Command3
  void CorrectPoint(int i);
  void CorrectComposition(int row);
};

}  // namespace rc
