#pragma once
// The full correction list opened from the results menu.
#include <string>

#include "ui/list_window.h"

namespace rc {

// List rows: 0..7 the equilibrium pairs, 8..10 XW, XF, XP, 11 the tray-class header,
// 12..24 parameters 19..31, 25..32 parameters 33..40, and last the student's name.
class Form9 : public ListWindow {
 public:
  explicit Form9(Application& app);
  void Load() override;

  // The results menu's change button: closes any earlier Form9 and the other windows,
  // fills a new Form9 with all current input data and shows it.
  static void OpenForCorrection(Application& app);
  // The same window for data just opened from a file: every row, and the end of
  // corrections offered at once; faulty data are shown on the fault display.
  static void OpenWithData(Application& app);

  Control& saveButton;  // Command6 "СОХРАНИТЬ ДАННЫЕ В ФАЙЛ"

 private:
  void FillList() { ListWindow::FillList(HeaderOccasion::FullList); }
  // A correction made here takes any window showing results away (the results menu,
  // its diagram window, the column's results): their results and print buttons belong to
  // the data as they were, and they come back only through a sound end of corrections,
  // which runs the calculation again on the data as they are now and closes this window.
  // The third stage's values stay.
  void BeforeRowCorrection() override;
  void AfterPointsSorted() override { FillList(); }
  void OfferTrayClasses() override;
  void RunChecks() override;
  void ChooseTrayType(int trayType);   // Command4, Command5
  void EndOfCorrections();             // Command3
  void ShowFaultAt(int markedRow, bool clearFirst);
  void ReturnFromErrorDialog() override;
  // The list's height [twips] that keeps every row in view.
  int ListHeight() const;
};

// The results menu's change button (Form9::OpenForCorrection).
void OpenFullCorrection(Application& app);

}  // namespace rc
