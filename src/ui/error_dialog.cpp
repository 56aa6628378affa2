#include "ui/error_dialog.h"

#include "ui/application.h"

namespace rc {

ErrorDialog::ErrorDialog(Application& app, std::string name, int dialogTop)
    : Window(app, std::move(name)), dialogTop_(dialogTop) {}

void ErrorDialog::Open(Window& owner) {
  owner_ = &owner;
  top = dialogTop_;
  caption = u"Внимание !";
  Show();
}

void ErrorDialog::Yes() {}
void ErrorDialog::No() {}

}  // namespace rc
