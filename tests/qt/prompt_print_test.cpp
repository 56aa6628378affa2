// The real prompt answered by the automation queue, and printed documents as PDF and
// in the print preview.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "qt_session.h"

namespace rc {
namespace {

using testing::PdfText;
using testing::QtSession;

class EntryForm : public Window {
 public:
  explicit EntryForm(Application& app) : Window(app, "EntryForm") {}
  void Load() override {
    caption = u"ВВОД";
    width = 6000;
    height = 4500;
    Control& list = Add("List1", ControlKind::List);
    list.left = 150, list.top = 150, list.width = 5000, list.height = 3000;
    Control& go = Add("Command1", ControlKind::Button);
    go.caption = u"ВВОД";
    go.left = 150, go.top = 3300, go.width = 1500, go.height = 450;
    go.onClick = [this] { Enter(); };
  }
  // Two prompts; each answer becomes a list row, as the entry windows do.
  void Enter() {
    for (int i = 0; i < 2; ++i) {
      if (beforePrompt) beforePrompt();
      const std::u16string answer =
          this->app().toolkit().InputBox(u"ВВЕДИТЕ X", u"ВВОД ДАННЫХ", u"0", 500, 400);
      control("List1").AddItem(answer);
    }
  }
  std::function<void()> beforePrompt;
};

TEST(QtPrompt, QueuedAnswersAreTypedIntoTheDialogAndCancelGivesTheEmptyText) {
  QtSession s;
  s.toolkit.QueuePromptAnswer(u"Иванов И.И. гр. 41");
  s.toolkit.QueuePromptAnswer(std::nullopt);
  EXPECT_EQ(s.toolkit.InputBox(u"  ВВЕДИТЕ ФАМИЛИЮ И НОМЕР ГРУППЫ ", u"ВВОД ФАМИЛИИ", u"", 500, 400),
            u"Иванов И.И. гр. 41");
  EXPECT_EQ(s.toolkit.InputBox(u"ВВЕДИТЕ X", u"ВВОД", u"0.5", 1500, 3000), u"");
  ASSERT_EQ(s.toolkit.Prompts().size(), 2u);
  EXPECT_EQ(s.toolkit.Prompts()[0].title, u"ВВОД ФАМИЛИИ");
  EXPECT_EQ(s.toolkit.Prompts()[0].position, QPoint(33, 27));
  EXPECT_EQ(s.toolkit.Prompts()[1].defaultText, u"0.5");
  EXPECT_EQ(s.toolkit.Prompts()[1].position, QPoint(100, 200));
}

TEST(QtPrompt, TheListShowsEveryRowEnteredBeforeTheNextPrompt) {
  QtSession s;
  EntryForm& form = s.Show<EntryForm>();
  QListWidget* list = s.toolkit.ListFor(form, "List1");
  // What the list shows while each prompt is open (read inside the prompt's own loop).
  std::vector<int> rowsWhilePrompting;
  form.beforePrompt = [&] {
    QTimer::singleShot(0, [&] { rowsWhilePrompting.push_back(list->count()); });
  };
  s.toolkit.QueuePromptAnswer(u"0.1");
  s.toolkit.QueuePromptAnswer(u"0.2");
  QTest::mouseClick(s.toolkit.ButtonFor(form, "Command1"), Qt::LeftButton);
  EXPECT_EQ(form.control("List1").items, (std::vector<std::u16string>{u"0.1", u"0.2"}));
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(rowsWhilePrompting, (std::vector<int>{0, 1}));
  EXPECT_EQ(s.toolkit.Prompts().size(), 2u);
}

PrintedDocument TwoPageReport() {
  PrintedDocument document;
  document.font = {u"Courier New Cyr", 8.25, false};
  Surface printer;
  printer.SetLineHeight(180);
  printer.FontBold = true;
  printer.Print(u"ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННОЙ КОЛОННЫ");
  printer.FontBold = false;
  printer.Print(u"Студент: Иванов И.И.   |   X*= 0.1234");
  printer.Print(u"Тарелка                |   Y*= 0.5678");
  printer.Line(0, 600, 9000, 600, kBlack);
  printer.NewPage();
  printer.Print(u"Вторая страница отчёта");
  document.pages = printer.Pages();
  return document;
}

TEST(QtPrinting, DocumentsGoToNumberedPdfFilesWithTheirCyrillicText) {
  QtSession s;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("report.pdf"));
  s.toolkit.SetPdfOutput(path);
  s.toolkit.PrintDocument(TwoPageReport());
  s.toolkit.PrintDocument(TwoPageReport());
  ASSERT_EQ(s.toolkit.WrittenPdfs(),
            (QStringList{path, dir.filePath(QStringLiteral("report-2.pdf"))}));
  QFile::remove(testing::OutputPath(QStringLiteral("qt_report.pdf")));
  QFile::copy(path, testing::OutputPath(QStringLiteral("qt_report.pdf")));
  const QString text = PdfText(path);
  EXPECT_TRUE(text.contains(QStringLiteral("ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННОЙ КОЛОННЫ"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Вторая страница отчёта")));
  EXPECT_TRUE(text.contains(QLatin1Char('\f')));  // two pages
  // Fixed pitch: the bars of the two rows stand in the same column.
  const QStringList lines = text.split(QLatin1Char('\n'));
  int first = -1, second = -1;
  for (const QString& line : lines) {
    if (line.contains(QStringLiteral("Студент"))) first = line.indexOf(QLatin1Char('|'));
    if (line.contains(QStringLiteral("Тарелка"))) second = line.indexOf(QLatin1Char('|'));
  }
  EXPECT_GT(first, 0);
  EXPECT_EQ(first, second);
}

TEST(QtPrinting, AnUnwritablePdfPathWritesNothing) {
  QtSession s;
  s.toolkit.SetPdfOutput(QStringLiteral("/nonexistent-folder/report.pdf"));
  s.toolkit.PrintDocument(TwoPageReport());
  EXPECT_TRUE(s.toolkit.WrittenPdfs().isEmpty());
}

TEST(QtPrinting, ThePreviewOpensWithoutAPrinterAndShowsEveryPage) {
  QtSession s;
  int pagesShown = -1;
  bool sawPreview = false;
  QTimer::singleShot(0, [&] {
    auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    if (!preview) return;
    sawPreview = true;
    if (auto* view = preview->findChild<QPrintPreviewWidget*>()) pagesShown = view->pageCount();
    preview->reject();
  });
  s.toolkit.PrintDocument(TwoPageReport());
  EXPECT_TRUE(sawPreview);
  EXPECT_EQ(pagesShown, 2);
}

TEST(QtPrinting, ThePrintableA4PageIsTallerThanTheReportFrame) {
  QtSession s;
  const double height = s.toolkit.PrinterPageHeightTwips();
  EXPECT_GT(height, 14000);  // A4 less its margins
  EXPECT_LT(height, 16838);  // whole A4
}

}  // namespace
}  // namespace rc
