#include "session/scripted_toolkit.h"

#include <QTimer>
#include <QWidget>

namespace rc {
void ScriptedToolkit::Script(const std::vector<std::optional<std::u16string>>& answers) {
  script_.insert(script_.end(), answers.begin(), answers.end());
}

std::u16string ScriptedToolkit::InputBox(const std::u16string& prompt, const std::u16string& title,
                                         const std::u16string& defaultText, int x, int y) {
  if (script_.empty()) {
    ++unscripted_;
    return {};
  }
  Sync();
  if (beforePrompt) beforePrompt(prompt);
  if (whilePromptOpen) {
    // Queued ahead of the typed answer, so it runs first inside the dialog's own loop.
    QTimer::singleShot(0, [this] {
      if (QWidget* dialog = QApplication::activeModalWidget()) whilePromptOpen(dialog);
    });
  }
  QueuePromptAnswer(script_.front());
  script_.pop_front();
  return QtAutomation::InputBox(prompt, title, defaultText, x, y);
}

std::optional<std::u16string> ScriptedToolkit::AskSavePath(const std::u16string& proposedPath) {
  proposedSavePaths_.push_back(proposedPath);
  if (savePaths_.empty()) return std::nullopt;
  std::u16string path = savePaths_.front();
  savePaths_.pop_front();
  return path;
}

void ScriptedToolkit::PrintDocument(const PrintedDocument& document) {
  printed_.push_back(document);
  QtAutomation::PrintDocument(document);
}

std::vector<std::u16string> PrintedTexts(const PrintedDocument& document) {
  std::vector<std::u16string> texts;
  for (const Page& page : document.pages) {
    for (const DrawOp& op : page.ops) {
      if (op.kind == DrawOp::Kind::Text) texts.push_back(op.text);
    }
  }
  return texts;
}

}  // namespace rc
