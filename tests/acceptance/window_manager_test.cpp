// The student's sessions under a window manager (openbox on the virtual display): every
// window framed on the screen, a correction window that was left closed, and no single
// keystroke that undoes what was typed.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "model/design_data.h"
#include "qt/qt_session.h"
#include "real_windows.h"
#include "support/design_fixtures.h"
#include "ui/form1.h"
#include "ui/form12.h"
#include "ui/form3.h"
#include "ui/form5.h"
#include "ui/form7.h"
#include "ui/form9.h"
#include "ui/program.h"

namespace rc::acceptance {
namespace {

constexpr int kQRowOfForm9 = 33;      // 8 pairs, XW, XF, XP, the header, 21 parameters
constexpr int kRefluxRowOfForm9 = 12;

class UnderWindowManager : public ::testing::Test {
 protected:
  testing::QtSession s;
  Student student{s.toolkit, s.app, QStringLiteral("wm")};
  DesignData typed = BenzeneTolueneBubbleCap();
  QProcess openbox;
  QTemporaryDir pdfDir;

  void SetUp() override {
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty()) {
      GTEST_SKIP() << "needs X11 and openbox";
    }
    openbox.start(QStringLiteral("openbox"), {});
    ASSERT_TRUE(openbox.waitForStarted());
    QTest::qWait(700);
    ASSERT_TRUE(pdfDir.isValid());
    s.toolkit.SetPdfOutput(pdfDir.filePath(QStringLiteral("report.pdf")));
    typed.ParamText[kParamFeedCondition] = u"1.2";  // a cold feed: not what "1" offers
  }
  void TearDown() override {
    openbox.terminate();
    openbox.waitForFinished(3000);
  }

  // The frame the manager drew around the window, title bar and all, once it has drawn
  // it; the bare window where it draws none.
  QRect Frame(const std::string& window) {
    QWidget* widget = student.Widget(window);
    if (!widget) return {};
    (void)QTest::qWaitFor([widget] { return widget->frameGeometry() != widget->geometry(); }, 3000);
    QTest::qWait(300);  // the manager may still move it into its place
    return widget->frameGeometry();
  }
  void ExpectFramedOnScreen(const std::string& window) {
    ASSERT_TRUE(student.OnScreen(window)) << window;
    QWidget* widget = student.Widget(window);
    const QRect screen = widget->screen()->geometry();
    // Framed and in its place: a moment on a busy machine.
    (void)QTest::qWaitFor(
        [&] { return widget->frameGeometry() != widget->geometry() && screen.contains(widget->frameGeometry()); },
        5000);
    const QRect frame = Frame(window);
    EXPECT_GT(frame.height(), student.Widget(window)->height()) << window << ": no title bar";
    EXPECT_TRUE(screen.contains(frame))
        << window << " framed at " << frame.x() << "," << frame.y() << " " << frame.width()
        << "x" << frame.height() << " on a screen of " << screen.width() << "x" << screen.height();
    ScreenShot(window);
  }
  // The whole screen, frames and all, when RC_ACCEPTANCE_SHOTS names a folder.
  void ScreenShot(const std::string& window) {
    const QString folder = qEnvironmentVariable("RC_ACCEPTANCE_SHOTS");
    if (folder.isEmpty() || !student.Widget(window)) return;
    QDir().mkpath(folder);
    student.Widget(window)->screen()->grabWindow(0).save(
        QDir(folder).filePath(QStringLiteral("wm-screen-%1.png").arg(QString::fromStdString(window))));
  }

  void ToReview() {
    student.Type({typed.StudentName});
    student.TypeFirstStage(typed);
    StartProgram(s.app);
    s.toolkit.Sync();
    student.Click(student.Form<Form1>().entryButton);
  }
  void ToTrayList() {
    student.Click(student.Form<Form3>().acceptButton);
    student.TypeTrayStage(typed);
    student.Click(*student.Form<Form5>().capsButton);
  }
  void ToResults() {
    ToReview();
    ToTrayList();
    student.Click(student.Form<Form5>().acceptButton);
    ASSERT_TRUE(student.OnScreen("Form7"));
  }
  std::u16string Text(int n) { return s.app.data().ParamText[n]; }
};

// Every window of a session stands with its title bar on the screen, so that it can be
// moved and closed there: the third stage's list and the column's results too.
TEST_F(UnderWindowManager, EveryWindowIsFramedOnTheScreen) {
  ToReview();
  ExpectFramedOnScreen("Form3");
  ToTrayList();
  ExpectFramedOnScreen("Form5");
  student.Click(student.Form<Form5>().acceptButton);
  ExpectFramedOnScreen("Form7");
  student.Click(student.Form<Form7>().trayByTrayButton);
  for (const auto& text : BenzeneTolueneColumnStageTexts()) student.Type({text});
  student.Click(student.Form<Form7>().columnButton);
  ExpectFramedOnScreen("Form12");
  student.Click(student.Form<Form12>().acceptButton);
  ExpectFramedOnScreen("Form13");
}

// "КОНЕЦ ИСПРАВЛЕНИЙ" on sound data: the results menu, and the correction list closed
// (no stale window behind the menu to click on); the change button opens a fresh one
// with the corrected value.
TEST_F(UnderWindowManager, TheCorrectionListClosesAtTheEndOfCorrections) {
  ToResults();
  student.Click(student.Form<Form7>().changeButton);
  student.Type({u"3"});
  student.ClickRow<Form9>(kRefluxRowOfForm9);
  student.Click(student.Form<Form9>().endOfCorrectionsButton);
  ASSERT_TRUE(student.OnScreen("Form7"));
  EXPECT_EQ(s.toolkit.LoadedWindow("Form9"), nullptr);
  for (QWidget* top : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(top->isVisible() && top->objectName() == QLatin1String("Form9"));
  }
  student.Click(student.Form<Form7>().changeButton);
  const auto rows = student.Rows("Form9");
  ASSERT_GT(rows.size(), static_cast<std::size_t>(kRefluxRowOfForm9));
  EXPECT_TRUE(rows[kRefluxRowOfForm9].ends_with(u"    3"));
}

// After "Да" on the second stage's fault dialog the keyboard starts on the marked row,
// and Return there asks that row's value; the tray kind chosen again keeps every value.
TEST_F(UnderWindowManager, TheSecondStagesFaultLeadsTheKeyboardToItsRow) {
  constexpr int kFaulty = 25;  // row 7 of the list
  typed.ParamText[kFaulty] = u"1e9";
  ToReview();
  ToTrayList();
  student.Click(student.Form<Form5>().acceptButton);
  ASSERT_TRUE(student.OnScreen("Form6"));
  const int marked = 7;
  student.Shot("Form6", "fault");
  QTest::keyClick(student.Widget("Form6")->focusWidget(), Qt::Key_Space);
  ASSERT_TRUE(QTest::qWaitFor([this] { return s.toolkit.LoadedWindow("Form6") == nullptr; }));

  QListWidget* list = student.List("Form5");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(student.Widget("Form5")->focusWidget(), list);
  EXPECT_EQ(list->currentRow(), marked);
  const std::size_t before = s.toolkit.Prompts().size();
  const std::u16string sound = BenzeneTolueneBubbleCap().ParamText[kFaulty];
  student.Type({sound});
  QTest::keyClick(list, Qt::Key_Return);
  ASSERT_EQ(s.toolkit.Prompts().size(), before + 1);
  EXPECT_EQ(s.toolkit.Prompts().back().prompt, s.app.data().ParamCaption[kFaulty]);
  EXPECT_EQ(Text(kFaulty), sound);

  // The header's class buttons, and the kind the data hold chosen again: nothing asked,
  // nothing changed.
  const auto rows = student.Rows("Form5");
  student.ClickRow<Form5>(0);
  student.Click(*student.Form<Form5>().capsButton);
  EXPECT_EQ(s.toolkit.Prompts().size(), before + 1);
  EXPECT_EQ(student.Rows("Form5"), rows);
  EXPECT_TRUE(student.Visible("Form5", "Command3"));
}

// A q that leaves no vapour rising below the feed: the dialog says why, naming R, and
// stands clear of the marked row, whose caption stays in view.
TEST_F(UnderWindowManager, TheRefusedQsDialogExplainsAndLeavesItsRowInView) {
  typed.ParamText[kParamReflux] = u"0.1";
  typed.ParamText[kParamFeedCondition] = u"0.1";
  ToReview();
  ToTrayList();
  student.Click(student.Form<Form5>().acceptButton);
  ASSERT_TRUE(student.OnScreen("Form6"));
  QLabel* marker = s.toolkit.LabelFor(*s.toolkit.LoadedWindow("Form5"), "Label2");
  ASSERT_TRUE(marker && marker->isVisible());
  EXPECT_TRUE(marker->text().contains(QStringLiteral("Тепловое состояние питания q")));
  QWidget* form6 = student.Widget("Form6");
  QRect row;
  (void)QTest::qWaitFor(
      [&] {
        row = QRect(marker->mapToGlobal(QPoint(0, 0)), marker->size());
        return form6->frameGeometry() != form6->geometry() && !form6->frameGeometry().intersects(row);
      },
      5000);
  const QRect dialog = Frame("Form6");
  EXPECT_FALSE(dialog.intersects(row)) << dialog.y() << " " << row.y();
  QLabel* why = s.toolkit.LabelFor(*s.toolkit.LoadedWindow("Form6"), "Label3");
  ASSERT_TRUE(why && why->isVisible());
  EXPECT_TRUE(why->text().contains(QStringLiteral("R = 0.1,")));
  ScreenShot("Form6");
}

// On the full correction list a Cancel keeps the value held, and the q prompt offers the
// q held, so a reflex Return keeps it too.
TEST_F(UnderWindowManager, CancelAndReturnOnACorrectionPromptKeepTheValue) {
  ToResults();
  student.Click(student.Form<Form7>().changeButton);
  const std::u16string reflux = Text(kParamReflux);
  s.toolkit.QueuePromptAnswer(std::nullopt);
  student.ClickRow<Form9>(kRefluxRowOfForm9);
  EXPECT_EQ(Text(kParamReflux), reflux);

  s.toolkit.QueuePromptAnswer(std::nullopt);
  student.ClickRow<Form9>(kQRowOfForm9);
  ASSERT_FALSE(s.toolkit.Prompts().empty());
  EXPECT_EQ(s.toolkit.Prompts().back().defaultText, u"1.2");
  EXPECT_EQ(Text(kParamFeedCondition), u"1.2");
  EXPECT_EQ(s.app.data().ParamValue[kParamFeedCondition], 1.2f);
  EXPECT_EQ(Painted(student.Button("Form9", "Command3")), QColor(0, 255, 0));
}

}  // namespace
}  // namespace rc::acceptance
