#pragma once
// The tray-type question and the second entry stage (parameters 19..31, 33..40).
#include "ui/window.h"
#include "ui/yes_no_dialog.h"

namespace rc {

// List rows: 0 the tray-class header, 1..21 the parameters 19..31 and 33..40.
class Form5 : public Window {
 public:
  explicit Form5(Application& app);
  void Load() override;
  // The typed data would be lost: the student is asked first.
  void CloseByUser() override { AskBeforeEnding(*this); }

  // Asks for the 21 parameters one after another, lists and checks them, and leaves
  // the window in review with the accept and change buttons.
  void EnterTrayData();

 private:
  void ChooseTrayType(int trayType);   // Command4, Command5
  void EnterCorrectionMode();          // Command2
  void RowClicked();                   // List1
  void Accept(bool endOfCorrections);  // Command1, Command3
  void ShowInputFault(bool endOfCorrections);
};

// Puts up the tray-type question on Form5.
void AskTrayType(Application& app);

}  // namespace rc
