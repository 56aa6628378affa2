#include "qt/qt_toolkit.h"

#include <QApplication>
#include <QDate>
#include <QInputDialog>
#include <QLocale>
#include <QTime>

namespace rc {

std::u16string QtToolkit::InputBox(const std::u16string& prompt, const std::u16string& title,
                                   const std::u16string& defaultText, int, int) {
  bool ok = false;
  const QString text = QInputDialog::getText(nullptr, QString::fromStdU16String(title),
                                             QString::fromStdU16String(prompt), QLineEdit::Normal,
                                             QString::fromStdU16String(defaultText), &ok);
  return ok ? text.toStdU16String() : std::u16string{};
}
void QtToolkit::Beep() { QApplication::beep(); }
void QtToolkit::ActivateKeyboardLayout(std::uint32_t) {}
std::u16string QtToolkit::ShortDateText() {
  return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdU16String();
}
std::u16string QtToolkit::TimeText() {
  return QLocale().toString(QTime::currentTime(), QLocale::LongFormat).toStdU16String();
}
CalendarDate QtToolkit::Today() {
  const QDate d = QDate::currentDate();
  return {d.year(), d.month(), d.day()};
}
char16_t QtToolkit::DecimalSeparator() { return QLocale().decimalPoint().at(0).unicode(); }
double QtToolkit::LineHeightTwips(const FontSpec&) { return 195; }
double QtToolkit::PrinterPageHeightTwips() { return 15000; }
void QtToolkit::PrintDocument(const PrintedDocument&) {}
void QtToolkit::End() { QApplication::quit(); }

}  // namespace rc
