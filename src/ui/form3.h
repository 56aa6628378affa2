#pragma once
// The first-stage list window: the entry of the equilibrium points and XW, XF, XP runs
// on it (entry.h), then the student accepts the data or corrects them row by row.
#include "ui/list_window.h"

namespace rc {

// List rows 0..7: the equilibrium points; rows 8..10: XW, XF, XP.
class Form3 : public ListWindow {
 public:
  explicit Form3(Application& app);
  void Load() override;

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

  static constexpr int kRows = 11;

 private:
  void AfterPointsSorted() override;
  void RunChecks() override;
  void Accept();            // Command1
  void EndOfCorrections();  // Command3
  void Correct();           // Command2
};

}  // namespace rc
