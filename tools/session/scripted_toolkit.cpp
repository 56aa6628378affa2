#include "session/scripted_toolkit.h"

#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace rc {
namespace {

// The offscreen platform warns on every dialog that it cannot pass on size hints; that
// says nothing about the session, so it is left out of the tool's output.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QStringLiteral("propagateSizeHints"))) return;
  std::fputs(qPrintable(qFormatLogMessage(type, context, message)), stderr);
  std::fputc('\n', stderr);
}

}  // namespace

QApplication& OffscreenApplication() {
  static int argc = 1;
  static char name[] = "rectification-tool";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietMessages);
    QApplication* existing = qobject_cast<QApplication*>(QCoreApplication::instance());
    QApplication* a = existing ? existing : new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return a;
  }();
  return *app;
}

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
