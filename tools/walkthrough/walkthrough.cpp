#include "walkthrough/walkthrough.h"

#include <algorithm>
#include <initializer_list>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QWidget>

#include "session/student_session.h"
#include "ui/error_dialog.h"
#include "ui/form1.h"
#include "ui/form11.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form5.h"
#include "ui/form7.h"
#include "ui/form9.h"

namespace rc {
namespace {

class Walk {
 public:
  Walk(const QString& outDir) : out_(outDir) {}

  // Saves the window as it is now under the next number.
  bool Shot(const std::string& window, const QString& label) {
    return Keep(session_.Screenshot(window, NextPath(label)), label);
  }
  bool ShotWithDialog(const std::string& window, const std::string& dialog,
                      const QString& label) {
    return Keep(session_.ScreenshotWithDialog(window, dialog, NextPath(label)), label);
  }
  bool ShotWithPrompt(const std::string& window, QWidget* prompt, const QString& label) {
    return Keep(session_.ScreenshotWithWidget(window, prompt, NextPath(label)), label);
  }
  // Clicks the role member pick(window) of the loaded window of type W.
  template <class W, class Pick>
  bool Click(Pick pick) {
    W* w = session_.app.FindForm<W>();
    if (!w) return Fail("cannot click a button of a window that is not loaded");
    const Control* control = pick(*w);
    if (!control) return Fail("cannot click a button " + w->Name() + " does not have");
    const std::string what = w->Name() + "." + control->name;  // the click may unload w
    if (session_.ClickButton(*control) == StudentSession::Click::Done) return true;
    return Fail("cannot click " + what);
  }
  template <class W>
  bool Row(int row) {
    return session_.ClickRow<W>(row) ||
           Fail("cannot click row " + std::to_string(row) + " of the list window");
  }
  // Prints the result shown on the results menu to OUT-DIR/<stem>.pdf and turns its
  // pages into pictures.
  bool Print(const QString& stem) {
    const QString pdf = out_.filePath(stem + QStringLiteral(".pdf"));
    session_.toolkit.SetPdfOutput(pdf);
    if (!Click<Form7>([](Form7& f) { return &f.printButton; })) return false;
    if (session_.toolkit.WrittenPdfs().isEmpty()) return Fail("no PDF written for " + stem.toStdString());
    const QString prefix = out_.filePath(QStringLiteral("%1-%2").arg(++count_, 2, 10, QLatin1Char('0')).arg(stem));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"),
                                                QStringLiteral("80"), pdf, prefix});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0) {
      return Fail("pdftoppm could not turn " + pdf.toStdString() + " into pictures");
    }
    const QFileInfo info(prefix);
    const QStringList pages = QDir(info.path()).entryList(
        {info.fileName() + QStringLiteral("-*.png")}, QDir::Files, QDir::Name);
    if (pages.isEmpty()) return Fail("no page pictures for " + pdf.toStdString());
    for (const QString& page : pages) result_.pictures.append(out_.filePath(page));
    return true;
  }
  // Clicks pick(W) with the answers scripted; at the prompts numbered in `at` (from 1)
  // the window is pictured with the open prompt as "<label>-<number>".
  template <class W, class Pick>
  bool TypeWithPictures(Pick pick, const Answers& answers, std::initializer_list<int> at,
                        const std::string& window, const QString& label) {
    session_.toolkit.Script(answers);
    int prompt = 0;
    session_.toolkit.beforePrompt = [&](const std::u16string&) { ++prompt; };
    session_.toolkit.whilePromptOpen = [&](QWidget* dialog) {
      if (std::find(at.begin(), at.end(), prompt) != at.end()) {
        ShotWithPrompt(window, dialog, QStringLiteral("%1-%2").arg(label).arg(prompt));
      }
    };
    const bool clicked = Click<W>(pick);
    session_.toolkit.beforePrompt = nullptr;
    session_.toolkit.whilePromptOpen = nullptr;
    return clicked;
  }
  bool Fail(const std::string& message) {
    if (result_.message.empty()) result_.message = message;
    return false;
  }

  StudentSession& session() { return session_; }
  WalkthroughResult& result() { return result_; }

 private:
  QString NextPath(const QString& label) {
    return out_.filePath(QStringLiteral("%1-%2.png").arg(++count_, 2, 10, QLatin1Char('0')).arg(label));
  }
  bool Keep(bool saved, const QString& label) {
    if (!saved) return Fail("cannot take the picture " + label.toStdString());
    result_.pictures.append(out_.filePath(
        QStringLiteral("%1-%2.png").arg(count_, 2, 10, QLatin1Char('0')).arg(label)));
    return true;
  }

  QDir out_;
  StudentSession session_;
  WalkthroughResult result_;
  int count_ = 0;
};

// Start screen, rules screen and back; the first stage typed with XW 0; the faulty
// acceptance, its dialog, correction of XW and the end of corrections.
bool FirstStage(Walk& w, const Variant& variant) {
  StudentSession& s = w.session();
  if (!w.Shot("Form1", QStringLiteral("start-screen")) ||
      !w.Click<Form1>([](auto& f) { return &f.rulesButton; }) ||
      !w.Shot("Form2", QStringLiteral("rules-screen")) ||
      !w.Click<Form2>([](auto& f) { return &f.continueButton; }) ||
      !w.Shot("Form1", QStringLiteral("start-screen-again"))) {
    return false;
  }
  Answers answers = AnswersFor(variant, FirstStageKeys());
  answers[answers.size() - 3].emplace(1, u'0');  // XW "0": accepted as typed, refused by the check
  // The list as it grows: half a pair, four pairs, the compositions coming.
  const bool entered = w.TypeWithPictures<Form1>([](auto& f) { return &f.entryButton; }, answers,
                                                 {5, 10, 19}, "Form3", QStringLiteral("entry-prompt"));
  if (!entered || !w.Shot("Form3", QStringLiteral("entry-review-faulty"))) return false;
  if (!w.Click<Form3>([](auto& f) { return &f.acceptButton; })) return false;
  if (!s.Loaded("Form4")) return w.Fail("typing XW as 0 did not give a faulty acceptance");
  if (!w.ShotWithDialog("Form3", "Form4", QStringLiteral("fault-display-with-dialog")) ||
      !w.Shot("Form4", QStringLiteral("error-dialog")) ||
      !w.Click<Form4>([](auto& f) { return &f.yesButton; }) ||
      !w.Shot("Form3", QStringLiteral("correction-mode"))) {
    return false;
  }
  s.toolkit.Script(AnswersFor(variant, {"xw"}));
  if (!w.Row<Form3>(8) || !w.Shot("Form3", QStringLiteral("corrected")) ||
      !w.Click<Form3>([](auto& f) { return &f.endOfCorrectionsButton; })) {
    return false;
  }
  return s.Loaded("Form5") || w.Fail("the corrected first stage was not accepted");
}

// The tray-type question, the 22 parameters and their acceptance.
bool SecondStage(Walk& w, const Variant& variant) {
  StudentSession& s = w.session();
  if (!w.Shot("Form5", QStringLiteral("tray-type-question"))) return false;
  const bool entered = w.TypeWithPictures<Form5>(
      [caps = variant.bubbleCap](Form5& f) { return caps ? f.capsButton : f.noCapsButton; },
      AnswersFor(variant, ParameterKeys()), {12}, "Form5", QStringLiteral("parameters-prompt"));
  if (!entered || !w.Shot("Form5", QStringLiteral("parameters-review")) ||
      !w.Click<Form5>([](auto& f) { return &f.acceptButton; })) {
    return false;
  }
  return s.Loaded("Form7") || w.Fail("the variant's parameters were not accepted");
}

// The diagram window opened from the results menu, pictured and closed again.
bool Diagram(Walk& w, const QString& label) {
  return w.Click<Form7>([](auto& f) { return &f.diagramButton; }) && w.Shot("Form11", label) &&
         w.Click<Form11>([](auto& f) { return &f.closeButton; });
}

// The diagram window's reflux study of the present data, pictured; back to the y–x
// diagram, which the window shows when it is opened next.
bool RefluxStudy(Walk& w) {
  return w.Click<Form7>([](auto& f) { return &f.diagramButton; }) &&
         w.Click<Form11>([](auto& f) { return f.ViewButtons()[1]; }) &&
         w.Shot("Form11", QStringLiteral("reflux-study")) &&
         w.Click<Form11>([](auto& f) { return f.ViewButtons()[0]; }) &&
         w.Click<Form11>([](auto& f) { return &f.closeButton; });
}

// One calculation on the results menu, pictured with its diagram, and its report
// printed. A button hidden by an earlier refusal is left alone, as the student would
// have to.
bool Calculation(Walk& w, Control* (*button)(Form7&), const QString& table, const QString& diagram,
                 const QString& report) {
  StudentSession& s = w.session();
  switch (s.ClickButton<Form7>(button)) {
    case StudentSession::Click::Hidden:
      return true;
    case StudentSession::Click::Failed:
      return w.Fail("cannot click a calculation button of the results menu");
    case StudentSession::Click::Done:
      break;
  }
  if (!w.Shot("Form7", table) || !Diagram(w, diagram)) return false;
  const Form7* form7 = s.app.FindForm<Form7>();
  const Control* print = form7 ? &form7->printButton : nullptr;
  // A refused calculation leaves nothing to print.
  return !print || !print->visible || w.Print(report);
}

// Both calculations with their reports, then the full correction of one parameter and
// the recomputation.
bool Results(Walk& w, const Variant& variant) {
  StudentSession& s = w.session();
  if (!w.Shot("Form7", QStringLiteral("results-menu")) ||
      !Calculation(
          w, [](Form7& f) { return &f.kineticLineButton; }, QStringLiteral("kinetic-line-table"),
          QStringLiteral("diagram-kinetic"), QStringLiteral("report-kinetic")) ||
      !Calculation(
          w, [](Form7& f) { return &f.trayByTrayButton; }, QStringLiteral("tray-by-tray-table"),
          QStringLiteral("diagram-tray-by-tray"), QStringLiteral("report-tray-by-tray")) ||
      !RefluxStudy(w) || !w.Click<Form7>([](auto& f) { return &f.changeButton; }) ||
      !w.Shot("Form9", QStringLiteral("full-correction"))) {
    return false;
  }
  s.toolkit.Script(AnswersFor(variant, {"p19"}));
  if (!w.Row<Form9>(12) || !w.Shot("Form9", QStringLiteral("full-correction-row-asked")) ||
      !w.Click<Form9>([](auto& f) { return &f.endOfCorrectionsButton; })) {
    return false;
  }
  return w.Shot("Form7", QStringLiteral("results-after-correction")) &&
         Diagram(w, QStringLiteral("diagram-after-correction"));
}

}  // namespace

WalkthroughResult RunWalkthrough(const Variant& variant, const QString& outDir) {
  OffscreenApplication();
  if (!QDir().mkpath(outDir)) {
    WalkthroughResult failed;
    failed.message = "cannot create the folder " + outDir.toStdString();
    return failed;
  }
  Walk walk(outDir);
  walk.result().ok = FirstStage(walk, variant) && SecondStage(walk, variant) &&
                     Results(walk, variant);
  return walk.result();
}

}  // namespace rc
