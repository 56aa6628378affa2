// Three whole student sessions at the real windows, one for each tray kind: every click
// is a mouse click on the widget shown, every answer is typed into the real prompt, and
// each step is checked by what the windows show and what the printed PDFs say.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "calc/calculations.h"
#include "model/input_catalogue.h"
#include "model/text.h"
#include "qt/qt_session.h"
#include "real_windows.h"
#include "report/screen_tables.h"
#include "support/design_fixtures.h"
#include "support/recording_toolkit.h"
#include "support/ui_driver.h"
#include "ui/list_window.h"
#include "ui/program.h"
#include "report/input_rows.h"
#include "ui/error_dialog.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form5.h"
#include "ui/form7.h"
#include "ui/form9.h"

namespace rc::acceptance {
namespace {

struct Column {
  const char* name;
  DesignData (*make)();
  Control* ListWindow::*trayButton;  // on the tray-type question
  const char16_t* kindText;
};
const Column kColumns[] = {
    {"BubbleCap", BenzeneTolueneBubbleCap, &ListWindow::capsButton, u"ТАРЕЛКИ КОЛПАЧКОВЫЕ"},
    {"Sieve", BenzeneTolueneSieve, &ListWindow::noCapsButton, u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ"},
    {"DualFlow", BenzeneTolueneDualFlow, &ListWindow::noCapsButton, u"ТАРЕЛКИ ПРОВАЛЬНЫЕ"}};
void PrintTo(const Column& column, std::ostream* os) { *os << column.name; }

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kYellow(255, 255, 0);

bool Has(const std::vector<std::u16string>& texts, const std::u16string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The results window's texts after the tray-by-tray calculation when the same data are
// typed straight through, without the real toolkit.
std::vector<std::u16string> RecordedTrayTable(const DesignData& typed, Control* ListWindow::*trayButton,
                                              char16_t separator) {
  RecordingToolkit kit;
  kit.decimalSeparator = separator;
  Application app(kit);
  kit.Answer(typed.StudentName);
  for (std::size_t i = 0; i < 8; ++i) kit.Answer({typed.EqXText[i], typed.EqYText[i]});
  for (int n = kParamXW; n <= kParamXP; ++n) kit.Answer(typed.ParamText[n]);
  StartProgram(app);
  ui_test::Click(app, ui_test::Loaded<Form1>(app).entryButton);
  ui_test::Click(app, ui_test::Loaded<Form3>(app).acceptButton);
  for (int n : InputNumbers(InputStage::TrayData)) kit.Answer(typed.ParamText[n]);
  ui_test::Click(app, *(ui_test::Loaded<Form5>(app).*trayButton));
  ui_test::Click(app, ui_test::Loaded<Form5>(app).acceptButton);
  ui_test::Click(app, ui_test::Loaded<Form7>(app).trayByTrayButton);
  Window* menu = app.FindForm<Form7>();
  return menu ? menu->surface().Texts() : std::vector<std::u16string>{};
}

class RealWindows : public ::testing::TestWithParam<Column> {
 protected:
  testing::QtSession s;
  Student student{s.toolkit, s.app, QString::fromLatin1(GetParam().name)};
  DesignData typed = GetParam().make();
  QTemporaryDir pdfDir;

  void SetUp() override {
    ASSERT_TRUE(pdfDir.isValid());
    // The reports are kept beside the screenshots when those are asked for.
    const QString shots = qEnvironmentVariable("RC_ACCEPTANCE_SHOTS");
    const QDir folder(shots.isEmpty() ? pdfDir.path() : shots);
    QDir().mkpath(folder.path());
    s.toolkit.SetPdfOutput(folder.filePath(QString::fromLatin1(GetParam().name) + QStringLiteral("-report.pdf")));
  }

  QString Text(const std::string& window, const std::string& control) {
    Window* w = student.Shown(window);
    if (!w) return {};
    if (QAbstractButton* b = s.toolkit.ButtonFor(*w, control)) return b->text();
    if (QLabel* l = s.toolkit.LabelFor(*w, control)) return l->text();
    return {};
  }
  QColor ButtonColour(const std::string& window, const std::string& control) {
    return Painted(student.Button(window, control));
  }
  std::vector<std::u16string> Drawn(const std::string& window) {
    Window* w = student.Shown(window);
    return w ? w->surface().Texts() : std::vector<std::u16string>{};
  }
  const std::u16string& Param(int n) const { return typed.ParamText[n]; }

  // The last PDF written, as text; empty (and a failure) when the click printed nothing.
  QString PrintedText(int expectedCount) {
    const QStringList& pdfs = s.toolkit.WrittenPdfs();
    if (pdfs.size() != expectedCount) {
      ADD_FAILURE() << "PDFs written: " << pdfs.size() << ", expected " << expectedCount;
      return {};
    }
    return PdfText(pdfs.back());
  }

  // "Y[" and the parameter values stand in one column of the list, in pixels too.
  void ExpectColumnsLineUp(const std::string& window, int firstParameterRow) {
    QListWidget* list = student.List(window);
    ASSERT_NE(list, nullptr);
    const QFontMetrics metrics(list->font());
    std::vector<int> yAt, valueAt;
    for (int i = 0; i < list->count(); ++i) {
      const QString row = list->item(i)->text();
      const int y = row.indexOf(QStringLiteral("Y["));
      if (y > 0) yAt.push_back(metrics.horizontalAdvance(row.left(y)));
      if (i >= firstParameterRow && row.size() > 71 && !row.contains(QStringLiteral("ТАРЕЛКИ"))) {
        EXPECT_NE(row.at(71), QLatin1Char(' ')) << row.toStdString();  // the value, column 72
        valueAt.push_back(metrics.horizontalAdvance(row.left(71)));
      }
    }
    if (!yAt.empty()) {
      EXPECT_EQ(*std::min_element(yAt.begin(), yAt.end()), *std::max_element(yAt.begin(), yAt.end()));
    }
    if (!valueAt.empty()) {
      EXPECT_EQ(*std::min_element(valueAt.begin(), valueAt.end()),
                *std::max_element(valueAt.begin(), valueAt.end()));
    }
  }

  // The list of faulty data just typed: its columns lined up, the accept button red,
  // the change button green.
  void ExpectFaultyDataListed(const std::string& window, int firstParameterRow) {
    ExpectColumnsLineUp(window, firstParameterRow);
    EXPECT_EQ(ButtonColour(window, "Command1"), kRed);
    EXPECT_EQ(ButtonColour(window, "Command2"), kGreen);
    student.Shot(window, "entered");
  }

  void StartScreenAndRules();
  void EquilibriumWithOneRejectedValue();
  void TrayDataWithOneValueOutOfLimits();
  void BothCalculationsPrinted();
  void FullCorrectionRecomputedAndPrinted();
  void EndOfTheProgram();
};

void RealWindows::StartScreenAndRules() {
  StartProgram(s.app);
  s.toolkit.Sync();
  EXPECT_EQ(student.Title("Form1"), QStringLiteral("НАЧАЛО РАБОТЫ С ПРОГРАММОЙ"));
  EXPECT_EQ(Text("Form1", "Command1"), QStringLiteral("ПРАВИЛА ВВОДА РАВНОВЕСНОЙ ЛИНИИ"));
  EXPECT_EQ(Text("Form1", "Command2"), QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ"));
  EXPECT_EQ(ButtonColour("Form1", "Command1"), kYellow);
  EXPECT_EQ(ButtonColour("Form1", "Command2"), kGreen);
  EXPECT_EQ(ButtonColour("Form1", "Command3"), QColor(255, 128, 128));
  EXPECT_TRUE(Text("Form1", "Label1").contains(QStringLiteral("ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ")));
  student.Shot("Form1", "start");

  student.Click(student.Form<Form1>().rulesButton);
  EXPECT_EQ(s.toolkit.LoadedWindow("Form1"), nullptr);
  EXPECT_EQ(student.Title("Form2"), QStringLiteral("Правила построения равновесной зависимости"));
  EXPECT_EQ(Text("Form2", "Command1"), QStringLiteral("ПРОДОЛЖЕНИЕ РАБОТЫ"));
  EXPECT_EQ(ButtonColour("Form2", "Command1"), kGreen);
  student.Shot("Form2", "rules");
  student.Click(student.Form<Form2>().continueButton);
  // The rules stay loaded, hidden, until data entry closes every other window.
  Window* rules = s.toolkit.LoadedWindow("Form2");
  EXPECT_TRUE(rules == nullptr || !s.toolkit.WidgetFor(*rules)->isVisible());
  EXPECT_TRUE(student.Visible("Form1", "Command2"));
}

void RealWindows::EquilibriumWithOneRejectedValue() {
  student.Type({u"иванов иван х-31"});
  for (int i = 0; i < 8; ++i) {
    const std::u16string x = i == 2 ? u"0,25" : typed.EqXText[i];  // a decimal comma
    const std::u16string y = i == 3 ? u"1,5" : typed.EqYText[i];   // above 1: rejected
    student.Type({x, y});
  }
  student.Type({Param(16), Param(17), Param(18)});
  student.Click(student.Form<Form1>().entryButton);

  EXPECT_EQ(s.toolkit.Beeps(), 1);
  EXPECT_EQ(s.toolkit.Prompts().size(), 20u);
  EXPECT_EQ(s.app.data().StudentName, u"Иванов Иван Х-31");
  EXPECT_EQ(student.Title("Form3"), QStringLiteral("Ввод равновесной зависимости"));
  const auto rows = student.Rows("Form3");
  ASSERT_EQ(rows.size(), 11u);
  EXPECT_EQ(rows[2], EquilibriumRowText(typed, 2));  // "0,25" listed as 0.25
  EXPECT_NE(rows[3].find(u"Y[3] /мольн.д/ =???"), std::u16string::npos);
  EXPECT_EQ(rows[9], ParameterRowText(typed, 17));
  ExpectFaultyDataListed("Form3", 8);

  // Accepting faulty data shows the fault and the dialog; "Да" leads to correction.
  student.Click(student.Form<Form3>().acceptButton);
  EXPECT_EQ(s.toolkit.Beeps(), 2);  // the fault display beeps too
  EXPECT_EQ(student.Title("Form3"), QStringLiteral("Контроль равновесной зависимости"));
  EXPECT_FALSE(student.Visible("Form3", "List1"));
  EXPECT_TRUE(Has(Drawn("Form3"), rows[3]));
  EXPECT_EQ(student.Title("Form4"), QStringLiteral("Внимание !"));
  EXPECT_EQ(Text("Form4", "Label1"), QStringLiteral("Ошибка в исходной информации."));
  EXPECT_EQ(Text("Form4", "Command1"), QStringLiteral("Да"));
  EXPECT_EQ(Text("Form4", "Command2"), QStringLiteral("Нет"));
  student.Shot("Form3", "fault");
  student.Shot("Form4", "dialog");
  student.Click(student.Form<Form4>().yesButton);
  EXPECT_EQ(s.toolkit.LoadedWindow("Form4"), nullptr);
  EXPECT_EQ(student.Title("Form3"), Q(kCorrectionCaption));
  EXPECT_TRUE(student.Visible("Form3", "Label3"));
  student.Shot("Form3", "correction");

  // The row of the rejected value: the pair again, then XW, XF, XP again.
  student.Type({typed.EqXText[3], typed.EqYText[3], Param(16), Param(17), Param(18)});
  student.ClickRow<Form3>(3);
  EXPECT_EQ(s.toolkit.Prompts().size(), 25u);
  EXPECT_EQ(student.Rows("Form3")[3], EquilibriumRowText(typed, 3));
  EXPECT_EQ(ButtonColour("Form3", "Command3"), kGreen);
  EXPECT_EQ(s.app.data().EqX, typed.EqX);
  EXPECT_EQ(s.app.data().EqY, typed.EqY);
  student.Shot("Form3", "corrected");
  student.Click(student.Form<Form3>().endOfCorrectionsButton);
}

void RealWindows::TrayDataWithOneValueOutOfLimits() {
  EXPECT_EQ(s.toolkit.LoadedWindow("Form3"), nullptr);
  EXPECT_EQ(student.Title("Form5"), QStringLiteral("Продолжение ввода исходной информации"));
  EXPECT_EQ(Text("Form5", "Label1"), QStringLiteral("НАЗОВИТЕ ТИП ТАРЕЛОК"));
  EXPECT_TRUE(student.Visible("Form5", "Command4"));
  EXPECT_TRUE(student.Visible("Form5", "Command5"));
  student.Shot("Form5", "tray-type");

  student.Type({u"250"});  // the reflux ratio, above its limit of 200
  student.TypeTrayStage(typed, 20);
  student.Click(*(student.Form<Form5>().*GetParam().trayButton));
  EXPECT_EQ(s.toolkit.Prompts().size(), 25u + 22u);
  auto rows = student.Rows("Form5");
  ASSERT_EQ(rows.size(), 23u);
  EXPECT_NE(rows[0].find(GetParam().kindText), std::u16string::npos);
  EXPECT_NE(rows[1].find(u"Флегмовое число, безразм."), std::u16string::npos);
  EXPECT_EQ(rows[1].substr(71), u"250");
  EXPECT_EQ(rows[21], ParameterRowText(typed, 40));
  EXPECT_EQ(rows[22], ParameterRowText(typed, kParamFeedCondition));
  ExpectFaultyDataListed("Form5", 1);

  student.Click(student.Form<Form5>().correctButton);
  EXPECT_EQ(student.Title("Form5"), Q(kCorrectionCaption));
  student.Shot("Form5", "correction");
  student.Type({Param(19)});
  student.ClickRow<Form5>(1);
  EXPECT_EQ(student.Rows("Form5")[1], ParameterRowText(typed, 19));
  EXPECT_EQ(ButtonColour("Form5", "Command3"), kGreen);
  student.Shot("Form5", "corrected");
  student.Click(student.Form<Form5>().endOfCorrectionsButton);
}

void RealWindows::BothCalculationsPrinted() {
  EXPECT_EQ(s.toolkit.LoadedWindow("Form5"), nullptr);
  EXPECT_EQ(student.Title("Form7"), QStringLiteral("РЕЗУЛЬТАТЫ РАСЧЕТА"));
  EXPECT_FALSE(student.Visible("Form7", "Command5"));
  EXPECT_EQ(Painted(s.toolkit.WidgetFor(*student.Shown("Form7"))), kYellow);
  EXPECT_EQ(ButtonColour("Form7", "Command2"), QColor(192, 192, 255));
  EXPECT_EQ(ButtonColour("Form7", "Command3"), QColor(255, 128, 255));
  EXPECT_EQ(ButtonColour("Form7", "Command4"), kGreen);
  student.Shot("Form7", "menu");
  const char16_t sep = s.toolkit.DecimalSeparator();

  // The kinetic line: every row of its three tables as computed directly on the data.
  student.Click(student.Form<Form7>().kineticLineButton);
  DesignData kinetic = typed;
  const KineticLineRun kineticRun = Compute(RunKineticLine, kinetic);
  ASSERT_FALSE(kineticRun.refusal.has_value());
  const auto kineticTexts = Drawn("Form7");
  for (int table = 1; table <= 3; ++table) {
    for (int i = 1; i <= 6; ++i) {
      EXPECT_TRUE(Has(kineticTexts, KineticTableRow(kineticRun, table, i, sep))) << table << " " << i;
    }
  }
  EXPECT_TRUE(student.Visible("Form7", "Command5"));
  EXPECT_EQ(ButtonColour("Form7", "Command5"), QColor(192, 192, 0));
  student.Shot("Form7", "kinetic");
  student.Click(student.Form<Form7>().printButton);
  const QString kineticPdf = PrintedText(1);
  EXPECT_TRUE(kineticPdf.contains(QStringLiteral("Иванов Иван Х-31")));
  EXPECT_TRUE(kineticPdf.contains(QStringLiteral("КИНЕТИЧЕСКОЙ ЛИНИИ")));
  EXPECT_TRUE(kineticPdf.contains(QStringLiteral("Флегмовое число, безразм. 2.5")));
  EXPECT_TRUE(kineticPdf.contains(Q(GetParam().kindText)));

  // Tray by tray: the first tray's row and the summary line under the table.
  student.Click(student.Form<Form7>().trayByTrayButton);
  DesignData trays = typed;
  const TrayByTrayRun outcome = Compute(RunTrayByTray, trays);
  ASSERT_FALSE(outcome.refusal.has_value());
  const auto trayTexts = Drawn("Form7");
  ASSERT_FALSE(trayTexts.empty());
  EXPECT_EQ(trayTexts.back(), TraySummaryText(outcome.TotalTrays(), trays.FeedTray));
  EXPECT_TRUE(Has(trayTexts, TrayFirstRow(TrayResultAt(trays.RecordedTrays, 1), sep)));
  EXPECT_EQ(trayTexts, RecordedTrayTable(typed, GetParam().trayButton, sep));
  EXPECT_TRUE(student.Visible("Form7", "Command2"));
  student.Shot("Form7", "tray-by-tray");
  student.Click(student.Form<Form7>().printButton);
  const QString trayPdf = PrintedText(2);
  EXPECT_TRUE(trayPdf.contains(QStringLiteral("Иванов Иван Х-31")));
  EXPECT_TRUE(trayPdf.contains(QStringLiteral("ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННЫХ КОЛОНН")));
  EXPECT_TRUE(trayPdf.contains(QStringLiteral("Диаметр колонны, м ") + Q(Param(33))));
  EXPECT_TRUE(trayPdf.contains(QStringLiteral("НОМЕР ТАРЕЛКИ - %1 (ТАРЕЛКА ПИТАНИЯ)").arg(trays.FeedTray)))
      << trayPdf.toStdString();
  EXPECT_TRUE(trayPdf.contains(QStringLiteral("(ПОСЛЕДНЯЯ ТАРЕЛКА)")));
}

void RealWindows::FullCorrectionRecomputedAndPrinted() {
  student.Click(student.Form<Form7>().changeButton);
  EXPECT_EQ(s.toolkit.LoadedWindow("Form7"), nullptr);
  EXPECT_EQ(student.Title("Form9"), Q(kCorrectionCaption));
  ASSERT_EQ(student.Rows("Form9").size(), 35u);
  ExpectColumnsLineUp("Form9", 8);
  student.Shot("Form9", "list");

  student.Type({u"3"});
  student.ClickRow<Form9>(12);  // the reflux ratio
  student.Type({u"0.55", u"0.76"});
  student.ClickRow<Form9>(4);   // equilibrium point 4 keeps its place
  DesignData expected = typed;
  SetParameter(expected, 19, u"3");
  SetEquilibriumPoint(expected, 4, u"0.55", u"0.76");
  const auto rows = student.Rows("Form9");
  EXPECT_EQ(rows[4], EquilibriumRowText(expected, 4));
  EXPECT_EQ(rows[12], ParameterRowText(expected, 19));
  EXPECT_EQ(ButtonColour("Form9", "Command3"), kGreen);
  student.Shot("Form9", "corrected");

  // The end of corrections reopens the results with the tray-by-tray table recomputed.
  student.Click(student.Form<Form9>().endOfCorrectionsButton);
  const TrayByTrayRun outcome = Compute(RunTrayByTray, expected);
  ASSERT_FALSE(outcome.refusal.has_value());
  const auto texts = Drawn("Form7");
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back(), TraySummaryText(outcome.TotalTrays(), expected.FeedTray));
  student.Shot("Form7", "recomputed");
  student.Click(student.Form<Form7>().printButton);
  const QString pdf = PrintedText(3);
  EXPECT_TRUE(pdf.contains(QStringLiteral("Флегмовое число, безразм. 3")));
  EXPECT_TRUE(pdf.contains(QStringLiteral("Y[4] /мольн.д/ =0.76")));
  EXPECT_TRUE(pdf.contains(QStringLiteral("НОМЕР ТАРЕЛКИ - %1 (ТАРЕЛКА ПИТАНИЯ)").arg(expected.FeedTray)));
}

void RealWindows::EndOfTheProgram() {
  // The corrected data are not saved: the end button asks first, "Да" ends.
  student.Click(student.Form<Form7>().endButton);
  ASSERT_TRUE(student.OnScreen("EndConfirmation"));
  student.Click(student.Form<EndConfirmation>().yesButton);
  EXPECT_TRUE(s.app.Ended());
  EXPECT_EQ(s.toolkit.MirrorCount(), 0);
  // The end has asked the event loop to quit: it returns at once, not by the guard.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  guard.start(10000);
  EXPECT_EQ(QApplication::exec(), 0);
  LetGoOfUnloadedWidgets();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(widget->isVisible()) << widget->metaObject()->className() << " "
                                      << widget->windowTitle().toStdString();
  }
}

TEST_P(RealWindows, AStudentTypesComputesCorrectsAndPrints) {
  StartScreenAndRules();
  EquilibriumWithOneRejectedValue();
  TrayDataWithOneValueOutOfLimits();
  BothCalculationsPrinted();
  FullCorrectionRecomputedAndPrinted();
  EndOfTheProgram();
  EXPECT_EQ(s.toolkit.Beeps(), 2);
}

INSTANTIATE_TEST_SUITE_P(TrayKinds, RealWindows, ::testing::ValuesIn(kColumns),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rc::acceptance
