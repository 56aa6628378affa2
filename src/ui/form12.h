#pragma once
// The third entry stage: the values the column's sizing, hydraulics and heat balance
// need (parameters 41..56) and the tray's operating window (58, 59), asked for from the results menu after a completed
// tray-by-tray calculation.
#include <functional>

#include "calc/runs.h"
#include "ui/error_dialog.h"
#include "ui/list_window.h"

namespace rc {

// List rows 0..15: parameters 41..56 in order (the limit check's ErrorRow is the row);
// rows 16 and 17: 58 and 59 (ErrorRow 17 and 18, which name the parameter).
class Form12 : public ListWindow {
 public:
  explicit Form12(Application& app);
  void Load() override;

  // Asks for the 18 values one after another, the list growing under the prompts, then
  // checks them and leaves the window in review with the accept and change buttons.
  void EnterColumnData();
  // The values typed before, listed and checked, in review: the results window's way
  // back to them.
  void Review();

  void ReturnFromErrorDialog() override;
  // The third stage is not needed to go on: closing it returns to the results menu.
  void CloseByUser() override { app().Unload(*this); }

 private:
  void PrintHeading();                 // the line over the list
  void Correct();                      // Command2
  void AfterPointsSorted() override {}
  void RunChecks() override;
  void Accept(bool endOfCorrections);  // Command1, Command3
};

// The error dialog of the third stage.
class Form14 : public ErrorDialog {
 public:
  explicit Form14(Application& app) : ErrorDialog(app, "Form14", 6000) {}
};

// Asked when the results menu's column button is pressed before a completed
// tray-by-tray calculation on the data as they are: "Да" runs it (and goes on to the
// column when it completes), "Нет" leaves the results menu as it was.
class Form15 : public YesNoDialog {
 public:
  explicit Form15(Application& app);
  // Over the results menu; runTrayByTray is the menu's own calculation, run by "Да".
  void Open(Window& menu, std::function<void()> runTrayByTray);
  void CloseByUser() override { No(); }
  // It asks about the results of the menu it stands over, and goes with them.
  bool ShowsResults() const override { return true; }

 private:
  void Yes() override;
  void No() override;

  Window* menu_ = nullptr;
  std::function<void()> runTrayByTray_;
};

// The results menu's column button: the third stage the first time, the column's
// results once its values have been accepted; before a completed tray-by-tray
// calculation on the present data, Form15 over the menu, whose "Да" runs runTrayByTray
// (empty when the menu cannot run it), or, when the calculation refused the data or
// cannot run, a message saying so and why.
void OpenColumnDesign(Application& app, Window& menu, const std::function<void()>& runTrayByTray);
// The tray-by-tray run the column is designed from: the last one, when it completed on
// the data as they are now; else nullptr.
const TrayByTrayRun* CompletedTrayByTray(Application& app);

}  // namespace rc
