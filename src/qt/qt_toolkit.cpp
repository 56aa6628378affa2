#include "qt/qt_toolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTime>
#include <QTimer>
#include <cmath>
#include <set>

#include "qt/font_map.h"
#include "qt/printing.h"
#include "qt/window_mirror.h"
#include "ui/program.h"

namespace rc {
namespace {

constexpr int kPromptMinWidthPx = 360;  // room for a surname and group

}  // namespace

QtToolkit::QtToolkit() = default;

QtToolkit::~QtToolkit() {
  for (auto& [serial, mirror] : mirrors_) delete mirror;
}

void QtToolkit::Attach(Application& app) { app_ = &app; }

void QtToolkit::RemoveMirror(std::map<std::uint64_t, WindowMirror*>::iterator it) {
  WindowMirror* mirror = it->second;
  mirror->Detach();
  mirror->hide();
  // Later: the click that unloaded the window may still be running in one of its buttons.
  mirror->deleteLater();
  mirrors_.erase(it);
}

void QtToolkit::Sync() {
  if (!app_) return;
  const std::vector<Window*> loaded = app_->LoadedWindows();
  std::set<std::uint64_t> serials;
  for (const Window* w : loaded) serials.insert(w->Serial());
  for (auto it = mirrors_.begin(); it != mirrors_.end();) {
    auto next = std::next(it);
    if (!serials.count(it->first)) RemoveMirror(it);
    it = next;
  }
  // In load order, so that a window shown later comes on top.
  for (Window* w : loaded) {
    WindowMirror*& mirror = mirrors_[w->Serial()];
    if (!mirror) mirror = new WindowMirror(*this, *w);
    mirror->Sync(*w);
  }
}

void QtToolkit::RunEvent(const std::function<void()>& event) {
  if (!app_ || app_->Ended()) return;
  app_->Dispatch(event);
  Sync();
}

void QtToolkit::WindowClosedByUser(std::uint64_t serial) {
  if (!app_ || app_->Ended()) return;
  for (Window* w : app_->LoadedWindows()) {
    if (w->Serial() == serial) {
      RunEvent([w] { w->CloseByUser(); });
      return;
    }
  }
}

std::u16string QtToolkit::InputBox(const std::u16string& prompt, const std::u16string& title,
                                   const std::u16string& defaultText, int x, int y) {
  // Let the student see the windows as they are now (a list that has grown) while typing.
  Sync();
  QInputDialog dialog;
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(QString::fromStdU16String(title));
  dialog.setLabelText(QString::fromStdU16String(prompt));
  dialog.setTextValue(QString::fromStdU16String(defaultText));
  dialog.setOkButtonText(QStringLiteral("ОК"));
  dialog.setCancelButtonText(QStringLiteral("Отмена"));
  // The dialog's layout fixes its size from its contents: widen the text field.
  if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setMinimumWidth(kPromptMinWidthPx);
  dialog.move(static_cast<int>(std::lround(x / kTwipsPerPixel)),
              static_cast<int>(std::lround(y / kTwipsPerPixel)));

  PromptSeen seen{prompt, title, defaultText, x, y, {}, {}};
  if (!answers_.empty()) {
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
  const bool accepted = dialog.exec() == QDialog::Accepted;
  seen.position = dialog.pos();
  seen.answer = accepted ? dialog.textValue().toStdU16String() : std::u16string{};
  prompts_.push_back(seen);
  return seen.answer;
}

void QtToolkit::Beep() {
  ++beeps_;
  QApplication::beep();
}

void QtToolkit::ActivateKeyboardLayout(std::uint32_t layout) {
  layouts_.Activate(layout);
  SwitchKeyboardLayout(layout);
}

std::u16string QtToolkit::ShortDateText() {
  const QLocale locale = QLocale::system();
  return locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdU16String();
}

std::u16string QtToolkit::TimeText() {
  const QLocale locale = QLocale::system();
  // The long time format with seconds, without the time zone some locales append.
  QString format = locale.timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t'));
  return locale.toString(QTime::currentTime(), format.trimmed()).toStdU16String();
}

CalendarDate QtToolkit::Today() {
  const QDate d = QDate::currentDate();
  return {d.year(), d.month(), d.day()};
}

char16_t QtToolkit::DecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  return point.isEmpty() ? u'.' : point.at(0).unicode();
}

double QtToolkit::LineHeightTwips(const FontSpec& font) { return FontLineHeightTwips(font); }

double QtToolkit::PrinterPageHeightTwips() { return PrintablePageHeightTwips(); }

double QtToolkit::PrinterPageWidthTwips() { return PrintablePageWidthTwips(); }

double QtToolkit::CharWidthTwips(const FontSpec& font) { return FontCharWidthTwips(font); }

QString QtToolkit::NextPdfPath() const {
  if (writtenPdfs_.isEmpty()) return pdfPath_;
  const QFileInfo info(pdfPath_);
  const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName();
  return QStringLiteral("%1-%2.pdf").arg(stem).arg(writtenPdfs_.size() + 1);
}

void QtToolkit::PrintDocument(const PrintedDocument& document) {
  Sync();
  if (!pdfPath_.isEmpty()) {
    const QString path = NextPdfPath();
    if (WritePdf(document, path)) writtenPdfs_.append(path);
    return;
  }
  PreviewDocument(document, QApplication::activeWindow());
}

void QtToolkit::SetPdfOutput(const QString& path) {
  pdfPath_ = path;
  writtenPdfs_.clear();
}

void QtToolkit::End() {
  for (auto it = mirrors_.begin(); it != mirrors_.end();) {
    auto next = std::next(it);
    RemoveMirror(it);
    it = next;
  }
  // Queued, so that an end asked for before the event loop runs still ends it.
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void QtToolkit::QueuePromptAnswer(std::optional<std::u16string> answer) {
  answers_.push_back(std::move(answer));
}

WindowMirror* QtToolkit::MirrorFor(const Window& window) const {
  const auto it = mirrors_.find(window.Serial());
  return it == mirrors_.end() ? nullptr : it->second;
}

QWidget* QtToolkit::WidgetFor(const Window& window) const { return MirrorFor(window); }

QWidget* QtToolkit::ControlWidget(const Window& window, const std::string& control) const {
  WindowMirror* mirror = MirrorFor(window);
  return mirror ? mirror->ControlWidget(control) : nullptr;
}

QAbstractButton* QtToolkit::ButtonFor(const Window& window, const std::string& control) const {
  return qobject_cast<QAbstractButton*>(ControlWidget(window, control));
}

QLabel* QtToolkit::LabelFor(const Window& window, const std::string& control) const {
  return qobject_cast<QLabel*>(ControlWidget(window, control));
}

QListWidget* QtToolkit::ListFor(const Window& window, const std::string& control) const {
  return qobject_cast<QListWidget*>(ControlWidget(window, control));
}

Window* QtToolkit::LoadedWindow(const std::string& name) const {
  if (!app_) return nullptr;
  for (Window* w : app_->LoadedWindows()) {
    if (w->Name() == name) return w;
  }
  return nullptr;
}

bool QtToolkit::SaveScreenshot(const Window& window, const QString& pngPath) const {
  const QImage image = Grab(window);
  return !image.isNull() && image.save(pngPath, "PNG");
}

bool QtToolkit::ClickButton(const Window& window, const std::string& control) {
  QAbstractButton* button = ButtonFor(window, control);
  if (!button || !button->isVisibleTo(button->window()) || !button->isEnabled()) return false;
  button->click();
  return true;
}

bool QtToolkit::ClickListRow(const Window& window, const std::string& control, int row) {
  QListWidget* list = ListFor(window, control);
  if (!list || !list->isVisibleTo(list->window()) || !list->isEnabled()) return false;
  QListWidgetItem* item = list->item(row);
  if (!item) return false;
  list->setCurrentItem(item);
  emit list->itemClicked(item);
  return true;
}

QImage QtToolkit::Grab(const Window& window) const {
  WindowMirror* mirror = MirrorFor(window);
  if (!mirror || !mirror->isVisible()) return {};
  return mirror->grab().toImage();
}

int RunProgram() {
  QtToolkit toolkit;
  Application app(toolkit);
  toolkit.Attach(app);
  StartProgram(app);
  toolkit.Sync();
  return QApplication::exec();
}

}  // namespace rc
