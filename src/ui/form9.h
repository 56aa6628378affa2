#pragma once
// The full correction list opened from the results menu.
#include <string>

#include "ui/window.h"
#include "ui/yes_no_dialog.h"

namespace rc {

// List rows: 0..7 the equilibrium pairs, 8..10 XW, XF, XP, 11 the tray-class header,
// 12..24 parameters 19..31, 25..32 parameters 33..40.
class Form9 : public Window {
 public:
  explicit Form9(Application& app);
  void Load() override;
  // The typed data would be lost: the student is asked first.
  void CloseByUser() override { AskBeforeEnding(*this); }

  // Clears the list and adds the 33 rows from the current data.
  void FillList();

 private:
  std::u16string RowText(int row);
  // This window stays behind the results menu after a sound end of corrections. A
  // correction made here then takes the results menu away: its results and its print
  // button belong to the data as they were, and it comes back only through a sound end
  // of corrections, which runs the calculation again on the data as they are now.
  void CloseResultsBehind();
  void RowClicked();                   // List1
  void ChooseTrayType(int trayType);   // Command4, Command5
  void EndOfCorrections();             // Command3
  void ShowEquilibriumFault();
  void ShowLimitFault();
  void ShowFault(int markedRow, bool clearFirst);
};

// The results menu's change button: closes any earlier Form9 and the other windows,
// fills Form9 with all current input data and shows it.
void OpenFullCorrection(Application& app);

}  // namespace rc
