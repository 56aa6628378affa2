#include "ui/error_dialog.h"

#include "ui/application.h"
#include "ui/correction_window.h"

namespace rc {
namespace {

// Where the owner's instruction label goes on Form5 when it returns to correction mode.
constexpr int kForm5InstructionTop = 6000;

}  // namespace

ErrorDialog::ErrorDialog(Application& app, std::string name, int dialogTop)
    : YesNoDialog(app, std::move(name), u"Внимание !", u"Ошибка в исходной информации.",
                  u"Изменяете исходную информацию?"),
      dialogTop_(dialogTop) {}

void ErrorDialog::Open(Window& owner) { OpenOver(owner, dialogTop_, true); }

// Back to the owner's correction mode: the list as it was, the instruction shown, no
// button until a row is clicked.
void ErrorDialog::Yes() {
  Window* owner = LoadedOwner();
  if (owner != nullptr) {
    if (Control* instruction = owner->FindControl("Label3");
        instruction != nullptr && owner->Name() == "Form5") {
      instruction->top = kForm5InstructionTop;
    }
    EnterCorrectionMode(*owner);
  }
  Hide();
  app().Unload(*this);
  if (owner != nullptr) owner->Show();
}

// The end of the program: the faulty data are given up.
void ErrorDialog::No() {
  Window* owner = LoadedOwner();
  app().Unload(*this);
  if (owner != nullptr) app().Unload(*owner);
  Hide();
  if (owner != nullptr) owner->Hide();
  app().UnloadAllForms();
  app().End();
}

}  // namespace rc
