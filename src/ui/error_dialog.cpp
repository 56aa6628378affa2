#include "ui/error_dialog.h"

#include "ui/application.h"
#include "ui/correction_window.h"

namespace rc {
namespace {

constexpr char16_t kCaption[] = u"Внимание !";
constexpr char16_t kErrorText[] = u"Ошибка в исходной информации.";
constexpr char16_t kQuestion[] = u"Изменяете исходную информацию?";
constexpr char16_t kYes[] = u"Да";
constexpr char16_t kNo[] = u"Нет";

// Where the owner's instruction label goes on Form5 when it returns to correction mode.
constexpr int kForm5InstructionTop = 6000;

const FontSpec kDialogFont{u"Courier", 9.75, false};

}  // namespace

ErrorDialog::ErrorDialog(Application& app, std::string name, int dialogTop)
    : Window(app, std::move(name)), dialogTop_(dialogTop) {}

void ErrorDialog::Load() {
  caption = kCaption;
  width = kWidth;
  height = kHeight;
  SetFont(kDialogFont);

  // The two centred lines of text: the error in bold red, the question below it.
  auto addText = [this](const char* name, const char16_t* text) -> Control& {
    Control& label = Add(name, ControlKind::Label);
    label.caption = text;
    label.font = kDialogFont;
    label.backColor = backColor;
    label.centred = true;
    label.width = 4000;
    label.height = 255;
    return label;
  };
  Control& error = addText("Label1", kErrorText);
  error.font.bold = true;
  error.foreColor = kRed;
  addText("Label2", kQuestion);

  Control& yes = Add("Command1", ControlKind::Button);
  yes.caption = kYes;
  yes.width = 1215;
  yes.height = 495;
  yes.onClick = [this] { Yes(); };

  Control& no = Add("Command2", ControlKind::Button);
  no.caption = kNo;
  no.width = 1215;
  no.height = 495;
  no.onClick = [this] { No(); };
}

void ErrorDialog::Open(Window& owner) {
  owner_ = &owner;
  top = dialogTop_;
  left = RoundTwips((owner.width - kWidth) / 2.0);
  width = kWidth;
  height = kHeight;

  Control& yes = control("Command1");
  Control& no = control("Command2");
  Control& label1 = control("Label1");
  Control& label2 = control("Label2");
  yes.tabStop = true;
  label1.left = RoundTwips((width - label1.width) / 2.0);
  label2.left = RoundTwips((width - label2.width) / 2.0);
  PlaceSideBySide(*this, yes, no);
  label1.top = 180;
  label2.top = 480;
  yes.top = 850;
  no.top = yes.top;
  Show();
  SetFocus(yes);
}

Window* ErrorDialog::LoadedOwner() {
  for (Window* w : app().LoadedWindows()) {
    if (w == owner_) return w;
  }
  return nullptr;
}

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
