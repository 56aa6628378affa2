#pragma once
// The program's small "Да" / "Нет" window: a statement in bold red over a question,
// the two buttons side by side under them. The error dialogs of the correction windows
// and the question before the program ends are made from it.
#include <string>

#include "ui/window.h"

namespace rc {

class YesNoDialog : public Window {
 public:
  YesNoDialog(Application& app, std::string name, std::u16string caption,
              std::u16string statement, std::u16string question);
  void Load() override;

  // Design width and height of the dialog [twips].
  static constexpr int kWidth = 4800;
  static constexpr int kHeight = 1800;

  Control& statement;  // Label1, bold red
  Control& question;   // Label2
  Control& yesButton;  // Command1 "Да"
  Control& noButton;   // Command2 "Нет"

 protected:
  // Lays the dialog out at the given top, centred across its owner, shows it and puts
  // the focus on "Да" or on "Нет".
  void OpenOver(Window& owner, int dialogTop, bool focusOnYes);
  // The owner if it is still loaded, else nullptr.
  Window* LoadedOwner();

  virtual void Yes() = 0;
  virtual void No() = 0;

 private:
  std::u16string caption_;
  Window* owner_ = nullptr;
};

// Asked before the program ends while typed data would be lost (the title bar's close
// button, the end buttons, "Нет" on the error dialogs):
// "Да" ends the program, "Нет" (also Escape or closing the question) changes nothing,
// "Сохранить" saves the data to a file and then ends the program (or, when the data
// were not saved, changes nothing).
class EndConfirmation : public YesNoDialog {
 public:
  explicit EndConfirmation(Application& app);
  // Opens the question over the window being closed.
  void Open(Window& owner);
  void CloseByUser() override { No(); }

  Control& saveButton;  // Command3 "Сохранить"

 private:
  void Yes() override;
  void No() override;
  void Save();
};

// Every way the student ends the program: it ends at once when nothing typed would be
// lost (no data, or the data as last saved or opened), otherwise the student is asked
// over `window`, which stays as it is when the answer is to stay.
void AskBeforeEnding(Window& window);

}  // namespace rc
