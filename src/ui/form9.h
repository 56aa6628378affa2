#pragma once
// The full correction list opened from the results menu.
#include <string>

#include "ui/window.h"

namespace rc {

// List rows: 0..7 the equilibrium pairs, 8..10 XW, XF, XP, 11 the tray-class header,
// 12..24 parameters 19..31, 25..32 parameters 33..40.
class Form9 : public Window {
 public:
  explicit Form9(Application& app);
  void Load() override;

  // Clears the list and adds the 33 rows from the current data.
  void FillList();

 private:
  std::u16string RowText(int row);
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
