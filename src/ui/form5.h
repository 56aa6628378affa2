#pragma once
// The tray-type question and the second entry stage (parameters 19..31, 33..40 and the
// feed's thermal condition 57).
#include "ui/list_window.h"

namespace rc {

// List rows: 0 the tray-class header, 1..22 the parameters 19..31, 33..40 and 57.
class Form5 : public ListWindow {
 public:
  explicit Form5(Application& app);
  void Load() override;

  // Puts up the tray-type question: the heading and the two tray-class buttons alone.
  void AskTrayType();
  // Asks for the 22 parameters one after another, lists and checks them, and leaves
  // the window in review with the accept and change buttons.
  void EnterTrayData();

  void ReturnFromErrorDialog() override;

 private:
  // Command4, Command5: at the question the parameters are asked; in correction a new
  // kind asks them again, the kind held keeps them.
  void ChooseTrayType(int trayType);
  void Correct();                      // Command2
  void AfterPointsSorted() override {}
  void RunChecks() override;
  void Accept(bool endOfCorrections);  // Command1, Command3
};

// Puts up the tray-type question on Form5.
void AskTrayType(Application& app);

}  // namespace rc
