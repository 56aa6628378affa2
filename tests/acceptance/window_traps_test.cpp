// The ways a student at the real windows could lose what was typed or reach a result
// with faulty data: each is tried as the student would (mouse, keys, the title bar's
// close button) and must leave the data and a way on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QInputDialog>
#include <QProcess>
#include <QTimer>
#include <QStandardPaths>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWindow>

#include "model/design_data.h"
#include "qt/qt_session.h"
#include "report/date_text.h"
#include "real_windows.h"
#include "support/design_fixtures.h"
#include "ui/program.h"
#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/form5.h"
#include "ui/form7.h"
#include "ui/form9.h"
#include "ui/form11.h"
#include "ui/yes_no_dialog.h"

namespace rc::acceptance {
namespace {

constexpr int kColumnDiameter = 33;

class WindowTraps : public ::testing::Test {
 protected:
  testing::QtSession s;
  Student student{s.toolkit, s.app, QStringLiteral("traps")};
  DesignData typed = BenzeneTolueneBubbleCap();
  QTemporaryDir pdfDir;

  void SetUp() override {
    ASSERT_TRUE(pdfDir.isValid());
    s.toolkit.SetPdfOutput(pdfDir.filePath(QStringLiteral("report.pdf")));
  }

  // The name and the first-stage data typed, the list in review.
  void ToReview() {
    student.Type({typed.StudentName});
    student.TypeFirstStage(typed);
    StartProgram(s.app);
    s.toolkit.Sync();
    student.Click(student.Form<Form1>().entryButton);
  }
  // From the review: accepted, bubble-cap trays, the 22 parameters typed and accepted.
  void ToResults() {
    ToReview();
    ToTrayList();
    student.Click(student.Form<Form5>().acceptButton);
    ASSERT_TRUE(student.OnScreen("Form7"));
  }
  // From the review: accepted, bubble-cap trays and the 22 parameters typed, in review.
  void ToTrayList() {
    student.Click(student.Form<Form3>().acceptButton);
    student.TypeTrayStage(typed);
    student.Click(*student.Form<Form5>().capsButton);
  }
  // The first stage typed with Y[3] out of range, accepted: the fault display and Form4.
  void ToFaultDisplay() {
    typed.EqYText[3] = u"1,5";
    ToReview();
    student.Click(student.Form<Form3>().acceptButton);
    ASSERT_TRUE(student.OnScreen("Form4"));
  }
};

// The full correction list takes the results away, so neither calculation nor print can
// run on data no check has passed; only a sound end of corrections brings them back.
TEST_F(WindowTraps, ACorrectionTakesTheResultsAway) {
  ToResults();
  student.Click(student.Form<Form7>().trayByTrayButton);
  student.Click(student.Form<Form7>().changeButton);
  student.Type({typed.ParamText[kColumnDiameter]});
  student.ClickRow<Form9>(25);
  student.Click(student.Form<Form9>().endOfCorrectionsButton);
  ASSERT_TRUE(student.OnScreen("Form7"));
  EXPECT_EQ(s.toolkit.LoadedWindow("Form9"), nullptr);
  student.Click(student.Form<Form7>().changeButton);

  student.Type({u"12.5"});  // above the diameter's limit of 12
  student.ClickRow<Form9>(25);
  EXPECT_EQ(s.toolkit.LoadedWindow("Form7"), nullptr);
  EXPECT_EQ(Painted(student.Button("Form9", "Command3")), QColor(255, 0, 0));
  student.Click(student.Form<Form9>().endOfCorrectionsButton);
  EXPECT_TRUE(student.OnScreen("Form10"));
  EXPECT_EQ(s.toolkit.LoadedWindow("Form7"), nullptr);
  EXPECT_TRUE(s.toolkit.WrittenPdfs().isEmpty());
}

// Closing "Внимание !" any way but "Нет" is "Да": the owner back in correction mode.
struct DialogClosing {
  const char* name;
  void (*close)(QWidget& dialog);
};
void PrintTo(const DialogClosing& way, std::ostream* os) { *os << way.name; }

class ErrorDialogClosed : public WindowTraps, public ::testing::WithParamInterface<DialogClosing> {};

TEST_P(ErrorDialogClosed, ReturnsTheOwnerToCorrection) {
  ToFaultDisplay();
  GetParam().close(*student.Widget("Form4"));

  EXPECT_EQ(s.toolkit.LoadedWindow("Form4"), nullptr);
  EXPECT_FALSE(s.app.Ended());
  ASSERT_TRUE(student.OnScreen("Form3"));
  EXPECT_EQ(student.Title("Form3"), QStringLiteral("Коррекция исходной информации"));
  EXPECT_TRUE(student.Visible("Form3", "List1"));
  EXPECT_TRUE(student.Visible("Form3", "Label3"));
  EXPECT_EQ(student.Rows("Form3").size(), 11u);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ErrorDialogClosed,
    ::testing::Values(DialogClosing{"TitleBar", [](QWidget& dialog) { dialog.close(); }},
                      DialogClosing{"Escape", [](QWidget& dialog) {
                                      QWidget* target = dialog.focusWidget();
                                      QTest::keyClick(target ? target : &dialog, Qt::Key_Escape);
                                    }}),
    [](const auto& info) { return std::string(info.param.name); });

// "Внимание !" belongs to its owner: it stays above it and takes all input while it is
// shown. After "Да" the keyboard alone reaches the rows: the marked row is the current
// one, Down picks the next, Return opens its prompt.
TEST_F(WindowTraps, TheFaultDialogStaysAboveItsOwnerAndTheKeyboardGoesOnFromIt) {
  ToFaultDisplay();
  QWidget* dialog = student.Widget("Form4");
  QWidget* owner = student.Widget("Form3");
  ASSERT_NE(dialog->windowHandle(), nullptr);
  EXPECT_EQ(dialog->windowHandle()->transientParent(), owner->windowHandle());
  EXPECT_TRUE(dialog->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), dialog);

  QTest::keyClick(dialog->focusWidget(), Qt::Key_Space);
  ASSERT_TRUE(QTest::qWaitFor([this] { return s.toolkit.LoadedWindow("Form4") == nullptr; }));
  QListWidget* list = student.List("Form3");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(owner->focusWidget(), list);
  const std::size_t promptsBefore = s.toolkit.Prompts().size();
  // The keyboard starts on the row that was marked.
  const int marked = s.app.data().ErrorRow;
  EXPECT_EQ(list->currentRow(), marked);
  QTest::keyClick(list, Qt::Key_Down);
  const int row = list->currentRow();
  ASSERT_EQ(row, marked + 1);
  ASSERT_LT(row, 8);
  // The pair, then the three compositions, as a click on the row asks them.
  const auto r = static_cast<std::size_t>(row);
  student.Type({typed.EqXText[r], typed.EqYText[r], typed.ParamText[16], typed.ParamText[17],
                typed.ParamText[18]});
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(s.toolkit.Prompts().size(), promptsBefore + 5);
}

// The fault display hides "ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ", which had the focus: neither
// Return on the window nor a key reaching the hidden button may act.
TEST_F(WindowTraps, AHiddenButtonNeverActs) {
  ToFaultDisplay();
  QWidget* form3 = student.Widget("Form3");
  ASSERT_NE(form3, nullptr);
  QWidget* change = s.toolkit.ControlWidget(*s.toolkit.LoadedWindow("Form3"), "Command2");
  ASSERT_NE(change, nullptr);
  EXPECT_FALSE(change->isVisible());
  QWidget* focused = form3->focusWidget();
  EXPECT_TRUE(focused == nullptr || (focused->isVisible() && focused->isEnabled()));

  QTest::keyClick(focused ? focused : form3, Qt::Key_Return);
  QTest::keyClick(change, Qt::Key_Return);
  QTest::keyClick(change, Qt::Key_Space);
  QTest::qWait(300);  // a button pressed from the keyboard clicks a moment later
  EXPECT_EQ(student.Title("Form3"), QStringLiteral("Контроль равновесной зависимости"));
  EXPECT_TRUE(student.OnScreen("Form4"));
}

// The results menu opens with the focus on the kinetic line: a reflex Enter computes.
TEST_F(WindowTraps, EnterOnTheResultsMenuComputesTheKineticLine) {
  ToResults();
  QWidget* form7 = student.Widget("Form7");
  QWidget* kinetic = s.toolkit.ControlWidget(*s.toolkit.LoadedWindow("Form7"), "Command2");
  ASSERT_NE(form7, nullptr);
  EXPECT_EQ(form7->focusWidget(), kinetic);
  QTest::keyClick(form7->focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(QTest::qWaitFor([this] { return s.app.data().ShownResult == kShownKineticLine; }));
  EXPECT_FALSE(s.app.Ended());
  EXPECT_TRUE(student.Visible("Form7", "Command5"));
}

// The title bar's close button on a window holding typed data asks first; "Нет" (or
// Escape) leaves everything as it was, "Да" ends. Every window keeps its designed size.
TEST_F(WindowTraps, ClosingAWindowWithDataAsksFirst) {
  auto expectFixedSize = [this](const std::string& window) {
    QWidget* widget = student.Widget(window);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->minimumSize(), widget->maximumSize()) << window;
    EXPECT_FALSE(widget->windowFlags() & Qt::WindowMaximizeButtonHint) << window;
  };
  auto closeAndRefuse = [this, &expectFixedSize](const std::string& window, bool byEscape) {
    SCOPED_TRACE(window);
    const auto rows = student.Rows(window);
    student.Widget(window)->close();
    ASSERT_TRUE(student.OnScreen("EndConfirmation"));
    student.Shot("EndConfirmation", window.c_str());
    expectFixedSize("EndConfirmation");
    EXPECT_TRUE(student.Widget("EndConfirmation")->isModal());
    Window* question = s.toolkit.LoadedWindow("EndConfirmation");
    EXPECT_EQ(s.toolkit.LabelFor(*question, "Label1")->text(), QStringLiteral("Завершить работу?"));
    EXPECT_EQ(s.toolkit.LabelFor(*question, "Label2")->text(),
              QStringLiteral("Введённые данные будут потеряны."));
    if (byEscape) {
      QTest::keyClick(student.Widget("EndConfirmation")->focusWidget(), Qt::Key_Escape);
    } else {
      student.Click(student.Form<EndConfirmation>().noButton);
    }
    EXPECT_EQ(s.toolkit.LoadedWindow("EndConfirmation"), nullptr);
    EXPECT_FALSE(s.app.Ended());
    EXPECT_TRUE(student.OnScreen(window));
    EXPECT_EQ(student.Rows(window), rows);
  };

  ToReview();
  expectFixedSize("Form3");
  closeAndRefuse("Form3", false);
  ToTrayList();
  closeAndRefuse("Form5", true);
  student.Click(student.Form<Form5>().acceptButton);
  expectFixedSize("Form7");
  closeAndRefuse("Form7", false);
  student.Click(student.Form<Form7>().changeButton);
  closeAndRefuse("Form9", false);

  student.Widget("Form9")->close();
  student.Click(student.Form<EndConfirmation>().yesButton);
  EXPECT_TRUE(s.app.Ended());
}

// A 61-character name and a 300-character typed value: the list shows the row whole
// with a sideways scroll bar, and the printed report keeps every character on paper.
TEST_F(WindowTraps, LongTextsAreShownWholeAndPrintedWhole) {
  typed.StudentName = u"Константинопольский-Бессмертных Александр Вениаминович ХТ-301";
  ASSERT_EQ(typed.StudentName.size(), 61u);
  typed.EqXText[1] = u"0.1" + std::u16string(297, u'0');
  ToReview();

  QListWidget* list = student.List("Form3");
  ASSERT_NE(list, nullptr);
  QListWidgetItem* longRow = list->item(1);
  ASSERT_NE(longRow, nullptr);
  EXPECT_GE(list->visualItemRect(longRow).width(),
            list->fontMetrics().horizontalAdvance(longRow->text()));
  EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);
  // The bar takes no row out of sight: the first and the last are both shown whole.
  for (int row : {0, list->count() - 1}) {
    const QRect rect = list->visualItemRect(list->item(row));
    EXPECT_GE(rect.top(), 0) << row;
    EXPECT_LE(rect.bottom(), list->viewport()->height() - 1) << row;
  }
  student.Shot("Form3", "long-row");

  ToTrayList();
  student.Click(student.Form<Form5>().acceptButton);
  student.Click(student.Form<Form7>().trayByTrayButton);
  student.Click(student.Form<Form7>().printButton);
  ASSERT_EQ(s.toolkit.WrittenPdfs().size(), 1);

  QString printed = PdfText(s.toolkit.WrittenPdfs().front());
  printed.remove(QLatin1Char(' '));
  auto without = [](std::u16string text) {
    return QString::fromStdU16String(text).remove(QLatin1Char(' '));
  };
  EXPECT_TRUE(printed.contains(without(s.app.data().StudentName)));
  const std::u16string dateTime =
      DateTimeText(s.toolkit.ShortDateText(), s.toolkit.TimeText(), s.toolkit.Today());
  EXPECT_TRUE(printed.contains(without(dateTime.substr(0, dateTime.find(u"        ")))));
  EXPECT_TRUE(printed.contains(QStringLiteral("X[1]/мольн.д/=") + without(typed.EqXText[1]) +
                               QStringLiteral("Y[1]/мольн.д/=") + without(typed.EqYText[1])));
}

// A window stays where it is, whether the window system placed it or the student moved
// it: a row's prompt does not send the full correction list back to the corner.
TEST_F(WindowTraps, AWindowStaysWhereItIsAfterAPrompt) {
  ToResults();
  student.Click(student.Form<Form7>().changeButton);
  QWidget* form9 = student.Widget("Form9");
  ASSERT_NE(form9, nullptr);
  const QPoint moved = form9->pos() + QPoint(140, 90);
  form9->move(moved);
  student.Type({typed.ParamText[kColumnDiameter]});
  student.ClickRow<Form9>(25);
  ASSERT_FALSE(s.toolkit.Prompts().empty());
  EXPECT_EQ(student.Widget("Form9"), form9);
  EXPECT_EQ(form9->pos(), moved);
}

// The diagram window: its caption names the view shown, after printing the focus stays
// on the print button, so a second Enter prints again, and Escape closes it.
TEST_F(WindowTraps, TheDiagramWindowNamesItsViewAndKeepsTheFocusOnPrinting) {
  ToResults();
  student.Click(student.Form<Form7>().trayByTrayButton);
  student.Click(student.Form<Form7>().diagramButton);
  ASSERT_TRUE(student.OnScreen("Form11"));
  EXPECT_EQ(student.Title("Form11"), QStringLiteral("ДИАГРАММА Y–X"));

  QAbstractButton* print = student.Button("Form11", "Command1");
  ASSERT_NE(print, nullptr);
  print->setFocus();
  QTest::keyClick(print, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([this] { return s.toolkit.WrittenPdfs().size() == 1; }));
  EXPECT_EQ(student.Widget("Form11")->focusWidget(), print);
  QTest::keyClick(student.Widget("Form11")->focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(QTest::qWaitFor([this] { return s.toolkit.WrittenPdfs().size() == 2; }));
  EXPECT_TRUE(student.OnScreen("Form11"));

  student.Click(*student.Form<Form11>().ViewButtons().at(1));
  EXPECT_EQ(student.Title("Form11"), QStringLiteral("ЧИСЛО ТАРЕЛОК И ФЛЕГМОВОЕ ЧИСЛО"));

  // Escape, wherever the focus is, closes the window as its ✕ does: back to the menu.
  QTest::keyClick(student.Widget("Form11")->focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(student.OnScreen("Form11"));
  EXPECT_TRUE(student.OnScreen("Form7"));
  EXPECT_FALSE(s.app.Ended());
}

// The actions the window manager offers on a window (_NET_WM_ALLOWED_ACTIONS), as xprop
// reads them.
QString AllowedActions(QWidget& window) {
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                        QStringLiteral("_NET_WM_ALLOWED_ACTIONS")});
  return xprop.waitForFinished(5000) ? QString::fromLatin1(xprop.readAllStandardOutput()) : QString();
}

// Under a window manager no window of the program offers to maximise: each keeps its
// designed size, so the button would do nothing.
TEST_F(WindowTraps, NoWindowOffersToMaximiseUnderAWindowManager) {
  if (QGuiApplication::platformName() != QLatin1String("xcb") ||
      QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty() ||
      QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty()) {
    GTEST_SKIP() << "needs X11, openbox and xprop";
  }
  QProcess openbox;
  openbox.start(QStringLiteral("openbox"), {});
  ASSERT_TRUE(openbox.waitForStarted());
  QTest::qWait(700);
  // What the manager offers once it has taken the window on.
  const auto offered = [](QWidget& window) {
    QString actions;
    (void)QTest::qWaitFor(
        [&] { return (actions = AllowedActions(window)).contains(QStringLiteral("CLOSE")); });
    return actions.toStdString();
  };
  ToResults();
  EXPECT_EQ(offered(*student.Widget("Form7")).find("MAXIMIZE"), std::string::npos);

  // A row's prompt, left waiting for the student: looked at, then answered as typed.
  std::string prompt;
  QTimer::singleShot(300, [&] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    prompt = offered(*dialog);
    dialog->setTextValue(Q(typed.ParamText[kColumnDiameter]));
    dialog->accept();
  });
  student.Click(student.Form<Form7>().changeButton);
  student.ClickRow<Form9>(25);
  EXPECT_NE(prompt.find("CLOSE"), std::string::npos) << prompt;
  EXPECT_EQ(prompt.find("MAXIMIZE"), std::string::npos) << prompt;
  openbox.terminate();
  openbox.waitForFinished(3000);
}

}  // namespace
}  // namespace rc::acceptance
