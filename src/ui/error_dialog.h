#pragma once
// The three identical "Внимание !" dialogs of the correction windows: Form4 (owner
// Form3), Form6 (owner Form5) and Form10 (owner Form9). "Да" returns the owner to
// correction mode; "Нет" ends the program (asking first, as every
// ending does, when typed data would be lost). Closing the dialog any other way (its title
// bar, Alt+F4, Escape) is taken as "Да": the owner's data are never given up unasked.
#include <string>

#include "ui/yes_no_dialog.h"

namespace rc {

class ListWindow;

class ErrorDialog : public YesNoDialog {
 public:
  ErrorDialog(Application& app, std::string name, int dialogTop);
  // Lays the dialog out over its owner and shows it (the dialog's load).
  void Open(ListWindow& owner);
  void CloseByUser() override { Yes(); }

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
