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

// Asked when the student closes a window that holds typed data from its title bar:
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

// What a window holding the student's data does on its title bar's close button: the
// program ends at once when the data have been saved and not changed since, otherwise
// the student is asked.
void AskBeforeEnding(Window& window);

}  // namespace rc
