#include "qt/automation/qt_automation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "qt/data_files.h"
#include "qt/printing.h"
#include "qt/window_mirror.h"

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

void LetGoOfUnloadedWidgets() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

QApplication& OffscreenApplication() {
  static int argc = 1;
  static char name[] = "rectification-automation";
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

void QtAutomation::MirrorMade(WindowMirror& mirror) { mirrors_[mirror.Serial()] = &mirror; }
void QtAutomation::MirrorGone(WindowMirror& mirror) { mirrors_.erase(mirror.Serial()); }

WindowMirror* QtAutomation::MirrorFor(const Window& window) const {
  const auto it = mirrors_.find(window.Serial());
  return it == mirrors_.end() ? nullptr : it->second;
}

QWidget* QtAutomation::WidgetFor(const Window& window) const { return MirrorFor(window); }

QWidget* QtAutomation::ControlWidget(const Window& window, const std::string& control) const {
  WindowMirror* mirror = MirrorFor(window);
  if (!mirror) return nullptr;
  for (const auto& c : window.Controls()) {
    if (c->name == control) return mirror->ControlWidget(*c);
  }
  return nullptr;
}

QAbstractButton* QtAutomation::ButtonFor(const Window& window, const std::string& control) const {
  return qobject_cast<QAbstractButton*>(ControlWidget(window, control));
}

QLabel* QtAutomation::LabelFor(const Window& window, const std::string& control) const {
  return qobject_cast<QLabel*>(ControlWidget(window, control));
}

QListWidget* QtAutomation::ListFor(const Window& window, const std::string& control) const {
  return qobject_cast<QListWidget*>(ControlWidget(window, control));
}

Window* QtAutomation::LoadedWindow(const std::string& name) const {
  if (!app_) return nullptr;
  for (Window* w : app_->LoadedWindows()) {
    if (w->Name() == name) return w;
  }
  return nullptr;
}

Window* QtAutomation::OwnerOf(const Control& control) const {
  if (!app_) return nullptr;
  for (Window* w : app_->LoadedWindows()) {
    for (const auto& c : w->Controls()) {
      if (c.get() == &control) return w;
    }
  }
  return nullptr;
}

QImage QtAutomation::Grab(const Window& window) const {
  WindowMirror* mirror = MirrorFor(window);
  if (!mirror || !mirror->isVisible()) return {};
  return mirror->grab().toImage();
}

bool QtAutomation::SaveScreenshot(const Window& window, const QString& pngPath) const {
  const QImage image = Grab(window);
  return WritePng(image, pngPath);
}

QWidget* QtAutomation::WidgetOf(const Control& control) const {
  const Window* window = OwnerOf(control);
  WindowMirror* mirror = window ? MirrorFor(*window) : nullptr;
  return mirror ? mirror->ControlWidget(control) : nullptr;
}

bool QtAutomation::ClickButton(const Control& button) {
  auto* widget = qobject_cast<QAbstractButton*>(WidgetOf(button));
  if (!widget || !widget->isVisibleTo(widget->window()) || !widget->isEnabled()) return false;
  widget->click();
  return true;
}

bool QtAutomation::ClickListRow(const Control& list, int row) {
  auto* widget = qobject_cast<QListWidget*>(WidgetOf(list));
  if (!widget || !widget->isVisibleTo(widget->window()) || !widget->isEnabled()) return false;
  QListWidgetItem* item = widget->item(row);
  if (!item) return false;
  widget->setCurrentItem(item);
  emit widget->itemClicked(item);
  return true;
}

void QtAutomation::QueuePromptAnswer(std::optional<std::u16string> answer) {
  answers_.push_back(std::move(answer));
}

std::u16string QtAutomation::InputBox(const std::u16string& prompt, const std::u16string& title,
                                      const std::u16string& defaultText, int x, int y) {
  PromptSeen seen{prompt, title, defaultText, x, y, {}, {}};
  seen.answer = QtToolkit::InputBox(prompt, title, defaultText, x, y);
  seen.position = lastPromptPosition_;
  prompts_.push_back(seen);
  return seen.answer;
}

// A queued answer is typed into the open dialog and OK pressed (Cancel for none).
void QtAutomation::PromptOpening(QInputDialog& dialog) {
  if (answers_.empty()) return;
  const std::optional<std::u16string> answer = answers_.front();
  answers_.pop_front();
  QPointer<QInputDialog> target(&dialog);
  QTimer::singleShot(0, &dialog, [target, answer] {
    if (!target) return;
    auto* box = target->findChild<QDialogButtonBox*>();
    if (answer) {
      if (auto* edit = target->findChild<QLineEdit*>()) {
        edit->clear();
        edit->insert(QString::fromStdU16String(*answer));
      }
    }
    QAbstractButton* button =
        box ? box->button(answer ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel) : nullptr;
    if (button) {
      button->click();
    } else if (answer) {
      target->accept();
    } else {
      target->reject();
    }
  });
}

void QtAutomation::PromptClosed(const QInputDialog& dialog) { lastPromptPosition_ = dialog.pos(); }

void QtAutomation::Beep() {
  ++beeps_;
  QtToolkit::Beep();
}

void QtAutomation::ActivateKeyboardLayout(std::uint32_t layout) {
  layouts_.Activate(layout);
  QtToolkit::ActivateKeyboardLayout(layout);
}

QString QtAutomation::NextPdfPath() const {
  if (writtenPdfs_.isEmpty()) return pdfPath_;
  const QFileInfo info(pdfPath_);
  const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName();
  return QStringLiteral("%1-%2.pdf").arg(stem).arg(writtenPdfs_.size() + 1);
}

void QtAutomation::PrintDocument(const PrintedDocument& document) {
  if (pdfPath_.isEmpty()) {
    QtToolkit::PrintDocument(document);
    return;
  }
  Sync();
  const QString path = NextPdfPath();
  if (WritePdf(document, path)) writtenPdfs_.append(path);
}

void QtAutomation::SetPdfOutput(const QString& path) {
  pdfPath_ = path;
  writtenPdfs_.clear();
}

}  // namespace rc
