#include "ui/error_dialog.h"

#include "ui/application.h"
#include "ui/list_window.h"

namespace rc {

ErrorDialog::ErrorDialog(Application& app, std::string name, int dialogTop)
    : YesNoDialog(app, std::move(name), u"Внимание !", u"Ошибка в исходной информации.",
                  u"Изменяете исходную информацию?"),
      dialogTop_(dialogTop) {}

void ErrorDialog::Open(ListWindow& owner) {
  owner_ = &owner;
  OpenOver(owner, dialogTop_, true);
}

// Back to the owner's correction mode: the list as it was, the instruction shown, no
// button until a row is clicked.
void ErrorDialog::Yes() {
  ListWindow* owner = LoadedOwner() ? owner_ : nullptr;
  if (owner != nullptr) owner->ReturnFromErrorDialog();
  Hide();
  app().Unload(*this);
  if (owner != nullptr) owner->Show();
}

// The end of the program: the faulty data are given up. Typed data not yet saved are
// not given up unasked: the end question opens over the dialog, which stays if the
// student stays.
void ErrorDialog::No() {
  if (app().TypedDataWouldBeLost()) {
    app().Form<EndConfirmation>().Open(*this);
    return;
  }
  Window* owner = LoadedOwner();
  app().Unload(*this);
  if (owner != nullptr) app().Unload(*owner);
  Hide();
  if (owner != nullptr) owner->Hide();
  app().UnloadAllForms();
  app().End();
}

}  // namespace rc
