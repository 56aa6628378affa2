#pragma once
// What a student does and sees at the real windows: mouse clicks through QTest on the
// widgets the toolkit shows, the colours as painted, the texts of printed PDFs, and
// screenshots of every step when RC_ACCEPTANCE_SHOTS names a folder.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QString>
#include <QTest>
#include <map>
#include <stdexcept>
#include <string>

#include "model/design_data.h"
#include "qt/automation/qt_automation.h"
#include "qt/qt_session.h"
#include "ui/application.h"

namespace rc::acceptance {

inline QString Q(const std::u16string& text) { return QString::fromStdU16String(text); }

// The colour that covers most of the image: a button's or a window's background.
inline QColor DominantColour(const QImage& image) {
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y) | 0xFF000000u];
  }
  QRgb best = 0;
  int most = -1;
  for (const auto& [rgb, count] : counts) {
    if (count > most) best = rgb, most = count;
  }
  return QColor::fromRgb(best);
}

inline QColor Painted(QWidget* widget) {
  return widget ? DominantColour(widget->grab().toImage()) : QColor();
}

// The text of a PDF as pdftotext lays it out, every run of blanks made one blank.
inline QString PdfText(const QString& path) { return testing::PdfText(path).simplified(); }

class Student {
 public:
  Student(QtAutomation& toolkit, Application& app, QString shotPrefix)
      : toolkit_(toolkit), app_(app), shotPrefix_(std::move(shotPrefix)) {}

  // The loaded window of that name, shown on the screen; nullptr (and a failure) if not.
  Window* Shown(const std::string& name) {
    Window* w = toolkit_.LoadedWindow(name);
    QWidget* widget = w ? toolkit_.WidgetFor(*w) : nullptr;
    if (!widget || !widget->isVisible()) {
      ADD_FAILURE() << name << " is not on the screen";
      return nullptr;
    }
    return w;
  }

  // The widget of the loaded window of that name (shown or not), or nullptr.
  QWidget* Widget(const std::string& window) {
    Window* w = toolkit_.LoadedWindow(window);
    return w ? toolkit_.WidgetFor(*w) : nullptr;
  }
  bool OnScreen(const std::string& window) {
    QWidget* widget = Widget(window);
    return widget && widget->isVisible();
  }
  // The caption of the window on the screen; empty (and a failure) when it is not shown.
  QString Title(const std::string& window) {
    return Shown(window) ? Widget(window)->windowTitle() : QString();
  }

  QAbstractButton* Button(const std::string& window, const std::string& control) {
    Window* w = Shown(window);
    return w ? toolkit_.ButtonFor(*w, control) : nullptr;
  }
  QListWidget* List(const std::string& window) {
    Window* w = Shown(window);
    return w ? toolkit_.ListFor(*w, "List1") : nullptr;
  }
  bool Visible(const std::string& window, const std::string& control) {
    Window* w = Shown(window);
    QWidget* c = w ? toolkit_.ControlWidget(*w, control) : nullptr;
    return c && c->isVisible();
  }

  // The loaded window of class W; when there is none the test fails (by an exception).
  template <class W>
  W& Form() {
    if (W* w = app_.FindForm<W>()) return *w;
    throw std::runtime_error("a window clicked on is not loaded");
  }

  // A left click on the button, as the mouse gives it, on a window's role member:
  // student.Click(student.Form<Form7>().printButton).
  void Click(const Control& control) {
    const Window* w = toolkit_.OwnerOf(control);
    QAbstractButton* button = w ? Button(w->Name(), control.name) : nullptr;
    if (!button || !button->isVisible() || !button->isEnabled()) {
      ADD_FAILURE() << (w ? w->Name() : "no loaded window") << "." << control.name << " cannot be clicked";
      return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // A left click in the middle of row `row` of the list of window W, scrolled into view
  // first: student.ClickRow<Form9>(25).
  template <class W>
  void ClickRow(int row) {
    QListWidget* list = List(Form<W>().Name());
    QListWidgetItem* item = list ? list->item(row) : nullptr;
    if (!item || !list->isVisible() || !list->isEnabled()) {
      ADD_FAILURE() << Form<W>().Name() << " row " << row << " cannot be clicked";
      return;
    }
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }

  void Type(std::initializer_list<std::u16string> answers) {
    for (const auto& a : answers) toolkit_.QueuePromptAnswer(a);
  }
  // Types the first stage's answers after the name: the eight equilibrium points, XW, XF, XP.
  void TypeFirstStage(const DesignData& data) {
    for (std::size_t i = 0; i < 8; ++i) Type({data.EqXText[i], data.EqYText[i]});
    TypeParameters(data, kParamXW, kParamXP);
  }
  // Types parameters first..last of the data as the second stage asks them (the tray
  // kind's slot is a button, not a prompt).
  void TypeParameters(const DesignData& data, int first, int last) {
    for (int n = first; n <= last; ++n) {
      if (n != kParamTrayTypeSlot) toolkit_.QueuePromptAnswer(data.ParamText[n]);
    }
  }
  // The second stage from parameter `first` on: up to 40, then the feed's thermal condition.
  void TypeTrayStage(const DesignData& data, int first = kParamReflux) {
    TypeParameters(data, first, 40);
    toolkit_.QueuePromptAnswer(data.ParamText[kParamFeedCondition]);
  }

  std::vector<std::u16string> Rows(const std::string& window) {
    std::vector<std::u16string> rows;
    if (QListWidget* list = List(window)) {
      for (int i = 0; i < list->count(); ++i) rows.push_back(list->item(i)->text().toStdU16String());
    }
    return rows;
  }

  // Saves the window as it is on the screen, numbered in the order of the steps.
  void Shot(const std::string& window, const char* step) {
    static const QString folder = qEnvironmentVariable("RC_ACCEPTANCE_SHOTS");
    if (folder.isEmpty()) return;
    Window* w = toolkit_.LoadedWindow(window);
    if (!w) return;
    QDir().mkpath(folder);
    const QString name = QStringLiteral("%1-%2-%3-%4.png")
                             .arg(shotPrefix_)
                             .arg(++shots_, 2, 10, QLatin1Char('0'))
                             .arg(QString::fromStdString(window), QString::fromLatin1(step));
    toolkit_.SaveScreenshot(*w, QDir(folder).filePath(name));
  }

 private:
  QtAutomation& toolkit_;
  Application& app_;
  QString shotPrefix_;
  int shots_ = 0;
};

}  // namespace rc::acceptance
