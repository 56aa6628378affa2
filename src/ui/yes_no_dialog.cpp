#include "ui/yes_no_dialog.h"

#include "ui/application.h"
#include "ui/correction_window.h"

namespace rc {
namespace {

constexpr char16_t kYes[] = u"Да";
constexpr char16_t kNo[] = u"Нет";
const FontSpec kDialogFont{u"Courier", 9.75, false};

constexpr int kLabelWidth = 4000;     // [twips]
constexpr int kLabelHeight = 255;     // [twips]
constexpr int kButtonWidth = 1215;    // [twips]
constexpr int kButtonHeight = 495;    // [twips]
constexpr int kStatementTop = 180;    // [twips]
constexpr int kQuestionTop = 480;     // [twips]
constexpr int kButtonTop = 850;       // [twips]

}  // namespace

YesNoDialog::YesNoDialog(Application& app, std::string name, std::u16string caption,
                         std::u16string statement, std::u16string question)
    : Window(app, std::move(name)),
      caption_(std::move(caption)),
      statement_(std::move(statement)),
      question_(std::move(question)) {
  escapeCloses = true;
}

void YesNoDialog::Load() {
  caption = caption_;
  width = kWidth;
  height = kHeight;
  SetFont(kDialogFont);

  // The two centred lines of text: the statement in bold red, the question below it.
  auto addText = [this](const char* name, const std::u16string& text) -> Control& {
    Control& label = Add(name, ControlKind::Label);
    label.caption = text;
    label.font = kDialogFont;
    label.backColor = backColor;
    label.centred = true;
    label.width = kLabelWidth;
    label.height = kLabelHeight;
    return label;
  };
  Control& statement = addText("Label1", statement_);
  statement.font.bold = true;
  statement.foreColor = kRed;
  addText("Label2", question_);

  Control& yes = Add("Command1", ControlKind::Button);
  yes.caption = kYes;
  yes.width = kButtonWidth;
  yes.height = kButtonHeight;
  yes.onClick = [this] { Yes(); };

  Control& no = Add("Command2", ControlKind::Button);
  no.caption = kNo;
  no.width = kButtonWidth;
  no.height = kButtonHeight;
  no.onClick = [this] { No(); };
}

void YesNoDialog::OpenOver(Window& owner, int dialogTop, bool focusOnYes) {
  owner_ = &owner;
  top = dialogTop;
  left = RoundTwips((owner.width - kWidth) / 2.0);
  width = kWidth;
  height = kHeight;

  Control& yes = control("Command1");
  Control& no = control("Command2");
  Control& statement = control("Label1");
  Control& question = control("Label2");
  yes.tabStop = true;
  statement.left = RoundTwips((width - statement.width) / 2.0);
  question.left = RoundTwips((width - question.width) / 2.0);
  PlaceSideBySide(*this, yes, no);
  statement.top = kStatementTop;
  question.top = kQuestionTop;
  yes.top = kButtonTop;
  no.top = yes.top;
  Show();
  SetFocus(focusOnYes ? yes : no);
}

Window* YesNoDialog::LoadedOwner() {
  for (Window* w : app().LoadedWindows()) {
    if (w == owner_) return w;
  }
  return nullptr;
}

EndConfirmation::EndConfirmation(Application& app)
    : YesNoDialog(app, "EndConfirmation", u"Внимание !", u"Завершить работу?",
                  u"Введённые данные будут потеряны.") {
  modal = true;
}

void EndConfirmation::Open(Window& owner) {
  // Over the middle of the window being closed; its left as the error dialogs take it.
  OpenOver(owner, owner.top + RoundTwips((owner.height - kHeight) / 2.0), false);
  left += owner.left;
}

void EndConfirmation::Yes() { app().End(); }

void EndConfirmation::No() {
  Hide();
  app().Unload(*this);
}

void AskBeforeEnding(Window& window) { window.app().Form<EndConfirmation>().Open(window); }

}  // namespace rc
