#include "ui/file_message.h"

#include "ui/application.h"
#include "ui/look.h"
#include "ui/window_parts.h"

namespace rc {
namespace {

constexpr int kLabelWidth = 6200;   // [twips]
constexpr int kLabelHeight = 255;   // [twips]
constexpr int kLabelTops[] = {180, 520, 820};
constexpr int kButtonWidth = 1815;  // [twips]
constexpr int kButtonTop = 1250;    // [twips]

Control& MessageText(Window& window, const char* name) {
  return AddDialogText(window, name, kLabelWidth, kLabelHeight);
}

}  // namespace

FileMessage::FileMessage(Application& app)
    : Window(app, "FileMessage"),
      statement(MessageText(*this, "Label1")),
      fileName(MessageText(*this, "Label2")),
      reason(MessageText(*this, "Label3")),
      goOnButton(Add("Command1", ControlKind::Button)) {
  modal = true;
  escapeCloses = true;
  statement.font.bold = true;
  statement.foreColor = kRed;
  goOnButton.caption = u"Продолжить";
  goOnButton.width = kButtonWidth;
  goOnButton.height = kButtonHeight;
  goOnButton.onClick = [this] { Close(); };
}

void FileMessage::Load() {
  caption = u"Внимание !";
  width = kWidth;
  height = kHeight;
  SetFont(kWindowFont);
}

void FileMessage::Open(Window& owner, const std::u16string& statementText,
                       const std::u16string& name, const std::u16string& reasonText) {
  Tell(owner, statementText, u"«" + name + u"»", reasonText);
}

void FileMessage::Tell(Window& owner, const std::u16string& statementText,
                       const std::u16string& detail, const std::u16string& reasonText) {
  statement.caption = statementText;
  fileName.caption = detail;
  reason.caption = reasonText;
  int i = 0;
  for (Control* label : {&statement, &fileName, &reason}) {
    label->left = (kWidth - kLabelWidth) / 2;
    label->top = kLabelTops[i++];
  }
  goOnButton.left = (kWidth - kButtonWidth) / 2;
  goOnButton.top = kButtonTop;
  // Above the window it speaks of, as every "Внимание !" dialog stands.
  ownerSerial = owner.Serial();
  left = owner.left + RoundTwips((owner.width - kWidth) / 2.0);
  top = owner.top + RoundTwips((owner.height - kHeight) / 2.0);
  Show();
  SetFocus(goOnButton);
}

void FileMessage::Close() {
  Hide();
  app().Unload(*this);
}

}  // namespace rc
