#include "session/student_session.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "model/text.h"
#include "qt/data_files.h"
#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/form5.h"
#include "ui/list_window.h"
#include "ui/program.h"

namespace rc {

Answers AnswersFor(const Variant& variant, const std::vector<std::string>& keys) {
  Answers answers;
  for (const std::string& key : keys) {
    const auto it = variant.answers.find(key);
    answers.push_back(it == variant.answers.end() ? std::nullopt
                                                  : std::optional<std::u16string>(it->second));
  }
  return answers;
}

StudentSession::StudentSession() {
  StartProgram(app);
  toolkit.Sync();
}

StudentSession::Click StudentSession::ClickButton(const Control& control) {
  const Window* w = toolkit.OwnerOf(control);
  if (!w || app.Ended()) return Click::Failed;
  if (!w->visible || !control.visible) return Click::Hidden;
  const bool clicked = toolkit.ClickButton(control);
  LetGoOfUnloadedWidgets();
  return clicked ? Click::Done : Click::Failed;
}

bool StudentSession::ClickRow(const Control& list, int row) {
  if (!toolkit.OwnerOf(list) || app.Ended()) return false;
  const bool clicked = toolkit.ClickListRow(list, row);
  LetGoOfUnloadedWidgets();
  return clicked;
}

bool StudentSession::Screenshot(const std::string& window, const QString& pngPath) const {
  const Window* w = Loaded(window);
  if (!w) return false;
  const QImage image = toolkit.Grab(*w);
  return WritePng(image, pngPath);
}

bool StudentSession::ScreenshotWithDialog(const std::string& window, const std::string& dialog,
                                          const QString& pngPath) const {
  const Window* d = Loaded(dialog);
  return d && ScreenshotWithWidget(window, toolkit.WidgetFor(*d), pngPath);
}

bool StudentSession::ScreenshotWithWidget(const std::string& window, QWidget* over,
                                          const QString& pngPath) const {
  const Window* w = Loaded(window);
  QWidget* under = w ? toolkit.WidgetFor(*w) : nullptr;
  if (!under || !over) return false;
  QImage image = toolkit.Grab(*w);
  const QImage top = over->grab().toImage();
  if (image.isNull() || top.isNull()) return false;
  // Both grabs are client areas; place the one over the other by where they stand on
  // the screen, and give it the outline and title bar a client area has not.
  const QPoint offset = over->mapToGlobal(QPoint(0, 0)) - under->mapToGlobal(QPoint(0, 0));
  QPainter painter(&image);
  painter.drawImage(offset, top);
  painter.setPen(Qt::black);
  painter.drawRect(QRect(offset, top.size()).adjusted(0, 0, -1, -1));
  const QString title = over->windowTitle();
  if (!title.isEmpty()) {
    const int height = painter.fontMetrics().height() + 6;
    const QRect bar(offset.x(), offset.y() - height, top.width(), height);
    painter.fillRect(bar, QColor(0, 0, 128));
    painter.setPen(Qt::white);
    painter.drawText(bar.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
  }
  painter.end();
  return WritePng(image, pngPath);
}

namespace {

EntryOutcome Failed(std::string error) {
  EntryOutcome out;
  out.stage = EntryOutcome::Stage::Failed;
  out.error = std::move(error);
  return out;
}

// The data were not accepted: the fault display names its row and the dialog is up.
EntryOutcome Fault(StudentSession& s, const std::string& window, const std::string& dialog) {
  EntryOutcome out;
  if (!s.Loaded(dialog)) return Failed("the data were neither accepted nor refused on " + window);
  out.stage = EntryOutcome::Stage::Fault;
  out.faultLine = u"== fault " + FromUtf8(window) + u" ErrorRow " +
                  FromUtf8(std::to_string(s.app.data().ErrorRow));
  if (const auto* w = dynamic_cast<const ListWindow*>(s.Loaded(window));
      w && w->faultMarker.visible) {
    out.faultRow = w->faultMarker.caption;
  }
  return out;
}

bool AllAnswersUsed(const StudentSession& s) {
  return s.toolkit.PendingAnswers() == 0 && s.toolkit.UnscriptedPrompts() == 0;
}

}  // namespace

EntryOutcome EnterVariant(StudentSession& s, const Variant& variant) {
  s.toolkit.Script(AnswersFor(variant, FirstStageKeys()));
  if (!s.Clicked<Form1>([](Form1& f) { return &f.entryButton; })) {
    return Failed("the start screen's entry button could not be clicked");
  }
  if (!AllAnswersUsed(s)) return Failed("the first stage did not ask the expected prompts");
  if (!s.Clicked<Form3>([](Form3& f) { return &f.acceptButton; })) {
    return Failed("the first stage did not end in its review");
  }
  if (!s.Loaded("Form5")) return Fault(s, "Form3", "Form4");

  s.toolkit.Script(AnswersFor(variant, ParameterKeys()));
  const bool caps = variant.bubbleCap;
  if (!s.Clicked<Form5>([caps](Form5& f) { return caps ? f.capsButton : f.noCapsButton; })) {
    return Failed("the tray-type question could not be answered");
  }
  if (!AllAnswersUsed(s)) return Failed("the second stage did not ask the expected prompts");
  if (!s.Clicked<Form5>([](Form5& f) { return &f.acceptButton; })) {
    return Failed("the second stage did not end in its review");
  }
  if (!s.Loaded("Form7")) return Fault(s, "Form5", "Form6");
  EntryOutcome out;
  out.stage = EntryOutcome::Stage::ResultsMenu;
  return out;
}

}  // namespace rc
