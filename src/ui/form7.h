#pragma once
// The results menu: five buttons under the drawing area where the calculations' tables
// appear.
#include "ui/window.h"

namespace rc {

class Form7 : public Window {
 public:
  explicit Form7(Application& app);
  void Load() override;

  // The buttons' actions, also used by the full correction window to re-run the
  // calculation last shown.
  void RunKineticLine();   // Command2
  void RunTrayByTray();    // Command3
  void PrintResult();      // Command5
};

// Closes every other window, shows the results menu with its print button hidden.
void OpenResultsMenu(Application& app);

}  // namespace rc
