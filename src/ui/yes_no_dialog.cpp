#include "ui/yes_no_dialog.h"

#include "ui/application.h"
#include "ui/data_file_actions.h"
#include "ui/list_window.h"
#include "ui/look.h"
#include "ui/window_parts.h"

namespace rc {
namespace {

constexpr char16_t kYes[] = u"Да";
constexpr char16_t kNo[] = u"Нет";

constexpr int kLabelWidth = 4000;     // [twips]
constexpr int kLabelHeight = 255;     // [twips]
constexpr int kButtonWidth = 1215;    // [twips]
constexpr int kStatementTop = 180;    // [twips]
constexpr int kQuestionTop = 480;     // [twips]
constexpr int kButtonTop = 850;       // [twips]


Control& DialogText(Window& dialog, const char* name, std::u16string text) {
  Control& label = AddDialogText(dialog, name, kLabelWidth, kLabelHeight);
  label.caption = std::move(text);
  return label;
}

Control& DialogButton(Window& dialog, const char* name, const char16_t* caption) {
  Control& button = dialog.Add(name, ControlKind::Button);
  button.caption = caption;
  button.width = kButtonWidth;
  button.height = kButtonHeight;
  return button;
}

}  // namespace

YesNoDialog::YesNoDialog(Application& app, std::string name, std::u16string caption,
                         std::u16string statementText, std::u16string questionText)
    : Window(app, std::move(name)),
      statement(DialogText(*this, "Label1", std::move(statementText))),
      question(DialogText(*this, "Label2", std::move(questionText))),
      yesButton(DialogButton(*this, "Command1", kYes)),
      noButton(DialogButton(*this, "Command2", kNo)),
      caption_(std::move(caption)) {
  escapeCloses = true;
  statement.font.bold = true;
  statement.foreColor = kRed;
  yesButton.onClick = [this] { Yes(); };
  noButton.onClick = [this] { No(); };
}

void YesNoDialog::Load() {
  caption = caption_;
  width = kWidth;
  height = kHeight;
  SetFont(kWindowFont);
}

void YesNoDialog::OpenOver(Window& owner, int dialogTop, bool focusOnYes) {
  owner_ = &owner;
  // Above its owner and the only window taking input while it is shown: a click on the
  // owner can never bury the one way on.
  ownerSerial = owner.Serial();
  modal = true;
  top = dialogTop;
  left = RoundTwips((owner.width - kWidth) / 2.0);
  width = kWidth;
  height = kHeight;

  yesButton.tabStop = true;
  statement.left = RoundTwips((width - statement.width) / 2.0);
  question.left = RoundTwips((width - question.width) / 2.0);
  PlaceSideBySide(*this, yesButton, noButton);
  statement.top = kStatementTop;
  question.top = kQuestionTop;
  yesButton.top = kButtonTop;
  noButton.top = yesButton.top;
  Show();
  SetFocus(focusOnYes ? yesButton : noButton);
}

Window* YesNoDialog::LoadedOwner() {
  for (Window* w : app().LoadedWindows()) {
    if (w == owner_) return w;
  }
  return nullptr;
}

EndConfirmation::EndConfirmation(Application& app)
    : YesNoDialog(app, "EndConfirmation", u"Внимание !", u"Завершить работу?",
                  u"Введённые данные будут потеряны."),
      saveButton(DialogButton(*this, "Command3", u"Сохранить")) {
  saveButton.onClick = [this] { Save(); };
}

void EndConfirmation::Open(Window& owner) {
  // Over the middle of the window being closed; its left as the error dialogs take it.
  OpenOver(owner, owner.top + RoundTwips((owner.height - kHeight) / 2.0), false);
  left += owner.left;
  // Three buttons with equal gaps: "Да", "Сохранить", "Нет".
  const int gap = RoundTwips((width - 3 * kButtonWidth) / 4.0);
  yesButton.left = gap;
  saveButton.left = yesButton.left + kButtonWidth + gap;
  noButton.left = saveButton.left + kButtonWidth + gap;
  saveButton.top = yesButton.top;
}

void EndConfirmation::Yes() { app().End(); }

void EndConfirmation::No() {
  Hide();
  app().Unload(*this);
}

void EndConfirmation::Save() {
  Window* owner = LoadedOwner();
  // The question goes first, so that a failure's message stands over the window.
  No();
  if (owner != nullptr && SaveDataToFile(app(), *owner)) app().End();
}

void AskBeforeEnding(Window& window) {
  Application& app = window.app();
  if (!app.TypedDataWouldBeLost()) {
    app.End();
    return;
  }
  app.Form<EndConfirmation>().Open(window);
}

}  // namespace rc
