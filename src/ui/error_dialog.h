#pragma once
// The three identical "Внимание !" dialogs of the correction windows: Form4 (owner
// Form3), Form6 (owner Form5) and Form10 (owner Form9). "Да" returns the owner to
// correction mode; "Нет" ends the program (asking first, as every
// ending does, when typed data would be lost). Closing the dialog any other way (its title
// bar, Alt+F4, Escape) is taken as "Да": the owner's data are never given up unasked.
#include <string>

#include "model/design_data.h"
#include "ui/yes_no_dialog.h"

namespace rc {

class ListWindow;

// Why the second stage's check refused the data, where "Ошибка в исходной информации."
// alone would leave the student guessing: a q that holds no number, or a q that leaves no
// vapour rising below the feed (naming R, XW, XF and XP). Empty for every other fault.
std::u16string InputFaultExplanation(const DesignData& data);

class ErrorDialog : public YesNoDialog {
 public:
  ErrorDialog(Application& app, std::string name, int dialogTop);
  // Lays the dialog out over its owner and shows it (the dialog's load). An explanation
  // stands under the statement in a wider, taller dialog. The dialog never covers the
  // owner's marked row: where it would, it stands under it.
  void Open(ListWindow& owner, const std::u16string& explanation = {});
  void CloseByUser() override { Yes(); }

  Control& explanation;  // Label3, shown with an explanation only

 private:
  void Yes() override;
  void No() override;
  int dialogTop_;
  ListWindow* owner_ = nullptr;
};

class Form4 : public ErrorDialog {
 public:
  explicit Form4(Application& app) : ErrorDialog(app, "Form4", 4500) {}
};
class Form6 : public ErrorDialog {
 public:
  explicit Form6(Application& app) : ErrorDialog(app, "Form6", 6000) {}
};
class Form10 : public ErrorDialog {
 public:
  explicit Form10(Application& app) : ErrorDialog(app, "Form10", 8000) {}
};

}  // namespace rc
