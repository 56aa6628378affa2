// The plots' pictures on disk and the clipboard: a PNG of the printed plot's size at
// 300 dpi on white, a save that cannot be written leaving nothing, a table's two
// flavours on the clipboard, and the copy button's keys, even from a list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include "qt/pictures.h"
#include "qt_session.h"
#include "model/text.h"
#include "report/printed_reports.h"

namespace rc {
namespace {

using testing::QtSession;

PlotPicture Diagonal() {
  Surface s;
  s.Polyline({{1440, 1440}, {8640, 5760}}, kBlue, 30);
  s.TextAt(1440, 6000, u"рабочие линии", kBlack);
  return PlotPicture{FontSpec{kReportFontName, kReportFontSizePt}, s.Ops(), 10200, 7200};
}

TEST(QtPictures, APngIsThePrintedPlotsSizeAt300DpiOnWhite) {
  QtSession s;
  QTemporaryDir dir;
  std::u16string error;
  const QString png = dir.filePath(QStringLiteral("plot.png"));
  ASSERT_TRUE(s.toolkit.WritePicture(png.toStdU16String(), Diagonal(), error));
  const QImage image(png);
  // 10200 × 7200 twips (7.083 × 5 inches) at 300 dots per inch.
  EXPECT_EQ(image.size(), QSize(2125, 1500));
  EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 300.0, 0.5);
  EXPECT_NEAR(image.dotsPerMeterY() * 0.0254, 300.0, 0.5);
  EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::white));
  // The line's middle, (5040, 3600) twips: 1050, 750 pixels.
  EXPECT_EQ(image.pixelColor(1050, 750), QColor(Qt::blue));
}

TEST(QtPictures, APictureThatCannotBeWrittenSaysWhyAndLeavesNothing) {
  QtSession s;
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("plot.svg")));
  for (const QString& path : {dir.filePath(QStringLiteral("missing/plot.svg")),
                              dir.filePath(QStringLiteral("plot.svg")),
                              dir.filePath(QStringLiteral("missing/plot.png"))}) {
    SCOPED_TRACE(path.toStdString());
    std::u16string error;
    EXPECT_FALSE(s.toolkit.WritePicture(path.toStdU16String(), Diagonal(), error));
    EXPECT_FALSE(error.empty());
    // Said in Russian.
    EXPECT_TRUE(!error.empty() && error[0] >= u'а' && error[0] <= u'я') << ToUtf8(error);
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{QStringLiteral("plot.svg")});
  EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("plot.svg"))).isEmpty());
}

TEST(QtPictures, ATableGoesOnTheClipboardAsTextAndAsHtml) {
  QtSession s;
  s.toolkit.CopyTable(u"N\tX\n1\t0,0500\n", u"<table><tr><td>1</td></tr></table>");
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), QStringLiteral("N\tX\n1\t0,0500\n"));
  ASSERT_TRUE(data->hasHtml());
  EXPECT_EQ(data->html(), QStringLiteral("<table><tr><td>1</td></tr></table>"));
  s.toolkit.CopyPicture(Diagonal());
  ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());
  EXPECT_EQ(qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData()).size(),
            QSize(2125, 1500));
}

class CopyForm : public Window {
 public:
  explicit CopyForm(Application& app) : Window(app, "CopyForm") {}
  void Load() override {
    Control& b = Add("Command1", ControlKind::Button);
    b.width = 1500;
    b.height = 450;
    b.shortcut = "Ctrl+C";
    b.onClick = [this] { ++clicks; };
    // The keys reach the button from a list that has the focus, as the study window's table.
    Control& list = Add("List1", ControlKind::List);
    list.top = 600;
    list.width = 3000;
    list.height = 1500;
    list.AddItem(u"0.05 15 7");
    SetFocus(list);
  }
  int clicks = 0;
};

TEST(QtPictures, TheCopyKeysClickTheCopyButton) {
  QtSession s;
  CopyForm& form = s.Show<CopyForm>();
  QWidget* window = s.toolkit.WidgetFor(form);
  QApplication::setActiveWindow(window);
  QWidget* list = s.toolkit.ControlWidget(form, "List1");
  ASSERT_NE(list, nullptr);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
  QTest::qWait(300);  // the button's click is animated
  EXPECT_EQ(form.clicks, 1);
}

}  // namespace
}  // namespace rc
