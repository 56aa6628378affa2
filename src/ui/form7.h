#pragma once
// The results menu: five buttons under the drawing area where the calculations' tables
// appear, and in the right margin the diagram button and the column's button under it.
#include <cstdint>
#include <optional>

#include "calc/inputs.h"
#include "calc/runs.h"
#include "report/screen_tables.h"
#include "ui/window.h"
#include "ui/yes_no_dialog.h"

namespace rc {

class Form7 : public Window {
 public:
  explicit Form7(Application& app);
  void Load() override;
  bool ShowsResults() const override { return true; }
  // The typed data would be lost: the student is asked first.
  void CloseByUser() override { AskBeforeEnding(*this); }

  // The buttons' actions, also used to re-run the calculation last shown after a
  // correction. Each runs its calculation and shows its table or its refusal; hiding the other calculation's button after a refusal is the menu
  // button's own business (see Load).
  void RunKineticLine();   // Command2
  void RunTrayByTray();    // Command3
  void PrintResult();      // Command5

  // What a completed calculation shows: its table over the present drawing, and the
  // print button. ShowTrayResults draws tray 1 and the top tray, then the summary line.
  void ShowKineticResults(const KineticLineRun& run);
  void ShowTrayResults(const TrayByTrayRun& run);
  // The one way a calculation refuses the data: its message, bold red at 3500, 3500,
  // and for a reflux ratio below the minimum the reason centred under it; InputError set; the print button hidden, so no report can mix results
  // of the refused data with those of an earlier run.
  void ShowCalculationRefusal(const Refusal& refusal);

  // Closes every other window, shows the results menu with its print button hidden.
  static void OpenAlone(Application& app);
  // Shows the results menu after a sound end of corrections, with the calculation last
  // shown redone on the corrected data. Nothing is computed on them before that: the
  // print button waits, as on a menu just opened, for a calculation to complete.
  static void OpenAfterCorrection(Application& app);

  Control& endButton;          // Command1 "ОКОНЧАНИЕ РАБОТЫ С ПРОГРАММОЙ"
  Control& kineticLineButton;  // Command2
  Control& trayByTrayButton;   // Command3
  Control& changeButton;       // Command4 "ИЗМЕНЕНИЕ ИСХОДНОЙ ИНФОРМАЦИИ"
  Control& printButton;        // Command5 "ПЕЧАТЬ РЕЗУЛЬТАТА"
  Control& diagramButton;      // Command6 "ДИАГРАММА Y–X"
  Control& columnButton;       // Command7 "РАЗМЕРЫ, ГИДРАВЛИКА И ТЕПЛОВОЙ БАЛАНС"
  Control& saveButton;         // Command8 "СОХРАНИТЬ ДАННЫЕ В ФАЙЛ"
  Control& studyButton;        // Command9 "ВЛИЯНИЕ ПАРАМЕТРА"
  Control& copyButton;         // Command10 "КОПИРОВАТЬ ТАБЛИЦУ" (Ctrl+C), with the print button

  // The table shown as cells: the kinetic line's points or the trays' blocks.
  CellTable ShownTable();

 private:
  void SetPrintButton(bool on);  // shown and enabled, or hidden and disabled
  std::vector<TrayBlock> ShownTrays(const TrayByTrayRun& run) const;
  // Runs a calculation on the data as they are (the run held by the application and
  // written to the record) and shows its results or its refusal.
  template <class Run>
  void Calculate(std::int32_t shown, std::optional<Run>& held,
                 Run (*calculate)(const CalculationInputs&), void (Form7::*show)(const Run&));
};

// The accepted second stage opens the results menu (Form7::OpenAlone).
void OpenResultsMenu(Application& app);

}  // namespace rc
