#pragma once
// The three identical "Внимание !" dialogs of the correction windows: Form4 (owner
// Form3), Form6 (owner Form5) and Form10 (owner Form9). "Да" returns the owner to
// correction mode; "Нет" ends the program.
#include <string>

#include "ui/window.h"

namespace rc {

class ErrorDialog : public Window {
 public:
  ErrorDialog(Application& app, std::string name, int dialogTop);
  // Creates the labels and buttons.
  void Load() override;
  // Lays the dialog out over its owner and shows it (the dialog's load).
  void Open(Window& owner);

  // Design width and height of every dialog [twips].
  static constexpr int kWidth = 4800;
  static constexpr int kHeight = 1800;

 private:
  void Yes();
  void No();
  // The owner if it is still loaded, else nullptr.
  Window* LoadedOwner();
  int dialogTop_;
  Window* owner_ = nullptr;
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
