#include "qt/qt_toolkit.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QToolTip>
#include <QDate>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QTime>
#include <cmath>
#include <set>

#include "qt/data_files.h"
#include "qt/font_map.h"
#include "qt/keyboard_layout.h"
#include "qt/pictures.h"
#include "qt/printing.h"
#include "qt/program_icon.h"
#include "qt/russian_texts.h"
#include "qt/window_mirror.h"
#include "ui/program.h"

namespace rc {
namespace {

constexpr int kPromptMinWidthPx = 360;  // room for a surname and group

}  // namespace

QtToolkit::QtToolkit() {
  // Every window, prompt and print preview carries the program's icon.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    QGuiApplication::setWindowIcon(ProgramIcon());
  }
}

QtToolkit::~QtToolkit() {
  for (auto& [serial, mirror] : mirrors_) delete mirror;
}

void QtToolkit::Attach(Application& app) {
  app_ = &app;
  if (observer_) observer_->Attached(app);
}

void QtToolkit::RemoveMirror(std::map<std::uint64_t, WindowMirror*>::iterator it) {
  WindowMirror* mirror = it->second;
  mirror->Detach();
  mirror->hide();
  // Later: the click that unloaded the window may still be running in one of its buttons.
  mirror->deleteLater();
  mirrors_.erase(it);
  if (observer_) observer_->MirrorGone(*mirror);
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
    if (!mirror) {
      mirror = new WindowMirror(*this, *w);
      if (observer_) observer_->MirrorMade(*mirror);
    }
    const auto owner = w->ownerSerial ? mirrors_.find(w->ownerSerial) : mirrors_.end();
    mirror->StayAbove(owner == mirrors_.end() ? nullptr : owner->second);
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
  // Like every window of the program, the prompt keeps its size: no resize handle, and
  // no maximise button that a window manager would otherwise offer.
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint);
  if (dialog.layout()) dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
  dialog.move(static_cast<int>(std::lround(x / kTwipsPerPixel)),
              static_cast<int>(std::lround(y / kTwipsPerPixel)));

  if (observer_) observer_->PromptOpening(dialog);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (observer_) observer_->PromptClosed(dialog);
  return accepted ? dialog.textValue().toStdU16String() : std::u16string{};
}

void QtToolkit::Beep() { QApplication::beep(); }

void QtToolkit::ActivateKeyboardLayout(std::uint32_t layout) { SwitchKeyboardLayout(layout); }

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

void QtToolkit::PrintDocument(const PrintedDocument& document) {
  Sync();
  PreviewDocument(document, QApplication::activeWindow());
}

namespace {

std::optional<std::u16string> ToU16(const std::optional<QString>& text) {
  if (!text) return std::nullopt;
  return text->toStdU16String();
}

}  // namespace

std::optional<std::u16string> QtToolkit::AskSavePath(const std::u16string& proposedPath) {
  Sync();
  return ToU16(AskSavePathInDialog(QApplication::activeWindow(),
                                   QString::fromStdU16String(proposedPath)));
}

std::optional<std::u16string> QtToolkit::AskOpenPath(const std::u16string& folder) {
  Sync();
  return ToU16(AskOpenPathInDialog(QApplication::activeWindow(), QString::fromStdU16String(folder)));
}

std::u16string QtToolkit::DocumentsFolder() { return UserDocumentsFolder().toStdU16String(); }

std::u16string QtToolkit::RememberedFolder() { return RememberedDialogFolder().toStdU16String(); }

void QtToolkit::RememberFolder(const std::u16string& folder) {
  RememberDialogFolder(QString::fromStdU16String(folder));
}

std::optional<std::string> QtToolkit::ReadFile(const std::u16string& path, std::u16string& error) {
  QString reason;
  auto bytes = ReadWholeFile(QString::fromStdU16String(path), reason);
  error = reason.toStdU16String();
  return bytes;
}

bool QtToolkit::WriteFileAtomically(const std::u16string& path, const std::string& bytes,
                                    std::u16string& error) {
  QString reason;
  const bool done = WriteWholeFile(QString::fromStdU16String(path), bytes, reason);
  error = reason.toStdU16String();
  return done;
}

namespace {

// The clipboard of a running GUI application; nullptr without one.
QClipboard* Clipboard() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                      : nullptr;
}

}  // namespace

void QtToolkit::CopyTable(const std::u16string& tabText, const std::u16string& html) {
  QClipboard* clipboard = Clipboard();
  if (!clipboard) return;
  auto* data = new QMimeData;
  data->setText(QString::fromStdU16String(tabText));
  data->setHtml(QString::fromStdU16String(html));
  clipboard->setMimeData(data);
}

void QtToolkit::CopyPicture(const PlotPicture& picture) {
  QClipboard* clipboard = Clipboard();
  if (!clipboard) return;
  auto* data = new QMimeData;
  data->setImageData(PictureImage(picture));
  // The vector form too, for the programs that paste it.
  QBuffer svg;
  if (svg.open(QIODevice::WriteOnly) && WriteSvg(picture, svg)) {
    data->setData(QStringLiteral("image/svg+xml"), svg.data());
  }
  clipboard->setMimeData(data);
}

void QtToolkit::ShowNote(const std::u16string& text) {
  QWidget* window = QApplication::activeWindow();
  if (!window) return;
  const QPoint place = window->mapToGlobal(QPoint(window->width() / 3, window->height() / 2));
  QToolTip::showText(place, QString::fromStdU16String(text), window, QRect(), 2500);
}

std::optional<std::u16string> QtToolkit::AskPicturePath(const std::u16string& proposedPath) {
  Sync();
  return ToU16(AskPicturePathInDialog(QApplication::activeWindow(),
                                      QString::fromStdU16String(proposedPath)));
}

bool QtToolkit::WritePicture(const std::u16string& path, const PlotPicture& picture,
                             std::u16string& error) {
  QString reason;
  const bool done = WritePictureFile(QString::fromStdU16String(path), picture, reason);
  error = reason.toStdU16String();
  return done;
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

int RunProgram(const std::optional<std::u16string>& dataFile) {
  InstallRussianQtTexts(*QCoreApplication::instance());
  // The program ends by its own end buttons (or when its last window is closed).
  QApplication::setQuitOnLastWindowClosed(false);
  QtToolkit toolkit;
  Application app(toolkit);
  toolkit.Attach(app);
  if (dataFile) {
    StartProgramWithFile(app, *dataFile);
  } else {
    StartProgram(app);
  }
  toolkit.Sync();
  return QApplication::exec();
}

}  // namespace rc
