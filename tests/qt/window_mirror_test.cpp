// The real widgets follow the windows: place, size, colours, drawing, state after
// events, list clicks, unloading, focus.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include "qt/font_map.h"
#include "qt/program_icon.h"
#include "qt_session.h"
#include "ui/form1.h"
#include "ui/program.h"

namespace rc {
namespace {

using testing::QtSession;

class TestForm : public Window {
 public:
  explicit TestForm(Application& app) : Window(app, "TestForm") {}
  void Load() override {
    caption = u"ПРОВЕРКА ОКНА";
    left = 300;
    top = 450;
    width = 6000;   // 400 px
    height = 4500;  // 300 px
    backColor = Rgb(255, 255, 0);
    SetFont({u"Courier", 9.75, false});

    const auto add = [this](const char* name, ControlKind kind, int l, int t, int w, int h,
                            Colour back) -> Control& {
      Control& c = Add(name, kind);
      c.left = l, c.top = t, c.width = w, c.height = h, c.backColor = back;
      return c;
    };
    Control& go = add("Command1", ControlKind::Button, 150, 3000, 2400, 600, Rgb(255, 0, 0));
    go.caption = u"ВВОД ИСХОДНОЙ ИНФОРМАЦИИ";
    go.onClick = [this] { Go(); };
    Control& other = add("Command2", ControlKind::Button, 3000, 3000, 1500, 600, Rgb(0, 255, 0));
    other.caption = u"ДРУГАЯ";
    other.onClick = [this] { this->app().Unload(*this); };
    Control& label = add("Label1", ControlKind::Label, 3000, 150, 2700, 900, Rgb(0, 255, 255));
    label.caption = u"\rПЕРВАЯ СТРОКА\rВТОРАЯ";
    label.foreColor = Rgb(0, 0, 192);
    label.centred = true;
    Control& list = add("List1", ControlKind::List, 3000, 1200, 2700, 1500, kGreen);
    list.foreColor = 0x800000;
    list.font = {u"Courier", 9.75, false};
    for (const char16_t* row : {u"X*[1]= 0.1", u"X*[2]= 0.2", u"X*[3]= 0.3", u"X*[4]= 0.4"})
      list.AddItem(row);
    list.onClick = [this] { clickedRows.push_back(control("List1").listIndex); };

    surface().FilledBox(150, 150, 1500, 1500, Rgb(0, 0, 255));
    surface().Box(1650, 150, 2700, 1500, kRed);
    surface().CurrentX = 150;
    surface().CurrentY = 1650;
    surface().Print(u"Текст пера");
  }
  void Go() {
    ++clicks;
    control("Command2").enabled = false;
    control("Label1").caption = u"НАЖАТО";
    control("List1").AddItem(u"X*[5]= 0.5");
    surface().FilledBox(150, 150, 1500, 1500, Rgb(0, 128, 0));
    SetFocus(control("List1"));
  }
  int clicks = 0;
  std::vector<int> clickedRows;
};

QColor Pixel(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

TEST(QtWindows, FirstWindowOfTheProgramIsShownWithItsSizeAndCaption) {
  QtSession s;
  StartProgram(s.app);
  s.toolkit.Sync();
  Form1* form = s.app.FindForm<Form1>();
  ASSERT_NE(form, nullptr);
  QWidget* widget = s.toolkit.WidgetFor(*form);
  ASSERT_NE(widget, nullptr);
  EXPECT_TRUE(widget->isVisible());
  EXPECT_EQ(widget->windowTitle(), QStringLiteral("НАЧАЛО РАБОТЫ С ПРОГРАММОЙ"));
  const QImage image = s.toolkit.Grab(*form);
  testing::SavePng(image, "qt_form1");
  EXPECT_EQ(image.size(), QSize(800, 600));
  EXPECT_EQ(widget->pos(), QPoint(33, 33));  // 500 twips
  // The program's own icon, not Qt's generic one.
  const QImage icon = widget->windowIcon().pixmap(48).toImage();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon, ProgramIcon().pixmap(48).toImage());
  EXPECT_GT(qAlpha(icon.pixel(24, 24)), 0);  // the column stands in the middle
}

// The icon reads its pictures only when asked; asked at twice the pixels (a high
// resolution screen), it gives twice the device pixels, not four times.
TEST(QtWindows, TheProgramIconGivesItsPicturesAtTheScreensPixelRatio) {
  testing::TestApp();
  const QPixmap plain = ProgramIcon().pixmap(QSize(48, 48), 1.0);
  const QPixmap sharp = ProgramIcon().pixmap(QSize(48, 48), 2.0);
  EXPECT_EQ(plain.size(), QSize(48, 48));
  EXPECT_EQ(sharp.size(), QSize(96, 96));
  EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
  EXPECT_EQ(ProgramIcon().actualSize(QSize(48, 48)), QSize(48, 48));
  EXPECT_GT(qAlpha(sharp.toImage().pixel(48, 48)), 0);  // the column stands in the middle
}

TEST(QtWindows, PlaceSizeColoursAndDrawingFollowTheWindow) {
  QtSession s;
  TestForm& form = s.Show<TestForm>();
  QWidget* widget = s.toolkit.WidgetFor(form);
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->pos(), QPoint(20, 30));
  EXPECT_EQ(widget->size(), QSize(400, 300));
  EXPECT_EQ(widget->windowTitle(), QStringLiteral("ПРОВЕРКА ОКНА"));

  QAbstractButton* button = s.toolkit.ButtonFor(form, "Command1");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->geometry(), QRect(10, 200, 160, 40));
  QLabel* label = s.toolkit.LabelFor(form, "Label1");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("\nПЕРВАЯ СТРОКА\nВТОРАЯ"));
  EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
  QListWidget* list = s.toolkit.ListFor(form, "List1");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->count(), 4);
  EXPECT_EQ(list->font().family(), QStringLiteral("Liberation Mono"));

  const QImage image = s.toolkit.Grab(form);
  testing::SavePng(image, "qt_test_window");
  struct Sample {
    const char* what;
    QPoint at;
    QColor colour;
  };
  for (const Sample& sample : {
           Sample{"window background", {390, 290}, QColor(255, 255, 0)},
           Sample{"filled box", {50, 50}, QColor(0, 0, 255)},
           Sample{"box outline", {110, 60}, QColor(255, 0, 0)},
           Sample{"box inside", {140, 60}, QColor(255, 255, 0)},
           Sample{"red button", {10 + 6, 200 + 6}, QColor(255, 0, 0)},
           Sample{"green button", {200 + 6, 200 + 6}, QColor(0, 255, 0)},
           Sample{"label background", {200 + 4, 10 + 55}, QColor(0, 255, 255)},
           Sample{"list background", {200 + 170, 80 + 90}, QColor(0, 255, 0)},
       }) {
    EXPECT_EQ(Pixel(image, sample.at.x(), sample.at.y()), sample.colour) << sample.what;
  }
  // The pen text is drawn in black from its top-left corner at (10, 110).
  bool dark = false;
  for (int x = 10; x < 100 && !dark; ++x)
    for (int y = 110; y < 123 && !dark; ++y) dark = Pixel(image, x, y).lightness() < 100;
  EXPECT_TRUE(dark);
}

TEST(QtWindows, AClickRunsTheHandlerAndTheWidgetsFollowTheModel) {
  QtSession s;
  TestForm& form = s.Show<TestForm>();
  QAbstractButton* button = s.toolkit.ButtonFor(form, "Command1");
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(form.clicks, 1);
  EXPECT_FALSE(s.toolkit.ButtonFor(form, "Command2")->isEnabled());
  EXPECT_EQ(s.toolkit.LabelFor(form, "Label1")->text(), QStringLiteral("НАЖАТО"));
  EXPECT_EQ(s.toolkit.ListFor(form, "List1")->count(), 5);
  EXPECT_EQ(s.toolkit.WidgetFor(form)->focusWidget(), s.toolkit.ListFor(form, "List1"));
  const QImage image = s.toolkit.Grab(form);
  EXPECT_EQ(Pixel(image, 50, 50), QColor(0, 128, 0));  // the box drawn by the click

  s.Dispatch([&] { form.control("Command1").visible = false; });
  EXPECT_TRUE(button->isHidden());
  s.Dispatch([&] { form.Hide(); });
  EXPECT_FALSE(s.toolkit.WidgetFor(form)->isVisible());
}

TEST(QtWindows, AListClickSetsTheRowBeforeTheHandlerRuns) {
  QtSession s;
  TestForm& form = s.Show<TestForm>();
  QListWidget* list = s.toolkit.ListFor(form, "List1");
  for (int row : {2, 0, 3}) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }
  EXPECT_EQ(form.clickedRows, (std::vector<int>{2, 0, 3}));
  EXPECT_EQ(form.control("List1").listIndex, 3);
}

TEST(QtWindows, EnterOnAListRowActsAsItsClick) {
  QtSession s;
  TestForm& form = s.Show<TestForm>();
  QListWidget* list = s.toolkit.ListFor(form, "List1");
  list->setCurrentRow(2);
  QTest::keyClick(list, Qt::Key_Down);  // moving the selection asks nothing
  EXPECT_TRUE(form.clickedRows.empty());
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(form.clickedRows, std::vector<int>{3});

  // A list that works as a cursor (the study's points) clicks the row an arrow key moves
  // to, and stays on its last row (3) at the bottom and on its first at the top.
  s.Dispatch([&] { form.control("List1").clicksOnArrowKeys = true; });
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}) {
    QTest::keyClick(list, key);
  }
  EXPECT_EQ(form.clickedRows, (std::vector<int>{3, 2, 1, 0}));
  EXPECT_EQ(form.control("List1").listIndex, 0);
}

// A list that grows while the student types shows its newest row; a list filled whole
// to be read (the tray profile) opens at its first.
TEST(QtWindows, AGrowingListShowsItsLastRowAndAListFilledWholeItsFirst) {
  QtSession s;
  Control* rows = nullptr;
  const auto fill = [&](bool showsNewRows, const std::u16string& text) {
    s.Dispatch([&] {
      TestForm& form = s.app.Form<TestForm>();
      form.Show();
      rows = &form.control("List1");
      rows->showsNewRows = showsNewRows;
      rows->Clear();
      for (int i = 0; i < 60; ++i) rows->AddItem(text + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)));
    });
  };
  fill(true, u"строка ");
  QListWidget* list = s.toolkit.ListFor(*s.app.FindForm<TestForm>(), "List1");
  ASSERT_NE(list, nullptr);
  ASSERT_GT(list->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
  fill(false, u"тарелка ");
  EXPECT_EQ(list->verticalScrollBar()->value(), 0);
}

TEST(QtWindows, ListRowsAreOneCellLineApartAndEightPixelsPerCharacter) {
  QtSession s;
  QListWidget* list = s.toolkit.ListFor(s.Show<TestForm>(), "List1");
  EXPECT_LE(list->visualItemRect(list->item(1)).top() - list->visualItemRect(list->item(0)).top(),
            14);
  const QFontMetricsF metrics(list->font());
  EXPECT_NEAR(metrics.horizontalAdvance(QString(68, QLatin1Char('0'))), 68 * 8, 0.5);
}

TEST(QtWindows, ScriptedClicksGoThroughTheRealWidgetsOnlyWhenTheyCanBeClicked) {
  QtSession s;
  s.Show<TestForm>();
  Window* found = s.toolkit.LoadedWindow("TestForm");
  ASSERT_NE(found, nullptr);
  TestForm& form = static_cast<TestForm&>(*found);
  EXPECT_TRUE(s.toolkit.ClickListRow(form.control("List1"), 1));
  EXPECT_FALSE(s.toolkit.ClickListRow(form.control("List1"), 9));
  EXPECT_TRUE(s.toolkit.ClickButton(form.control("Command1")));  // disables Command2
  EXPECT_FALSE(s.toolkit.ClickButton(form.control("Command2")));
  const Control stray{};  // of no window
  EXPECT_FALSE(s.toolkit.ClickButton(stray));
  EXPECT_EQ(form.clicks, 1);
  EXPECT_EQ(form.clickedRows, std::vector<int>{1});
  EXPECT_TRUE(s.toolkit.SaveScreenshot(form, testing::OutputPath(QStringLiteral("qt_test_window_clicked.png"))));
}

TEST(QtWindows, EnterOnAFocusedButtonClicksIt) {
  QtSession s;
  TestForm& form = s.Show<TestForm>();
  QAbstractButton* button = s.toolkit.ButtonFor(form, "Command1");
  QTest::keyClick(button, Qt::Key_Return);
  // The press is shown briefly before the click comes.
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.clicks == 1; }, 5000));
}

TEST(QtWindows, AnUnloadedWindowDisappears) {
  QtSession s;
  TestForm& form = s.Show<TestForm>();
  QPointer<QWidget> widget = s.toolkit.WidgetFor(form);
  QTest::mouseClick(s.toolkit.ButtonFor(form, "Command2"), Qt::LeftButton);
  EXPECT_EQ(s.app.FindForm<TestForm>(), nullptr);
  EXPECT_EQ(s.toolkit.MirrorCount(), 0);
  LetGoOfUnloadedWidgets();
  EXPECT_TRUE(widget.isNull());
}

TEST(QtWindows, AWindowLoadedAfreshIsANewWidget) {
  QtSession s;
  QPointer<QWidget> first = s.toolkit.WidgetFor(s.Show<TestForm>());
  s.Dispatch([&] {
    s.app.Unload(*s.app.FindForm<TestForm>());
    s.app.Form<TestForm>().Show();
  });
  QWidget* second = s.toolkit.WidgetFor(*s.app.FindForm<TestForm>());
  EXPECT_NE(second, first.data());
  EXPECT_TRUE(second->isVisible());
  EXPECT_EQ(s.toolkit.MirrorCount(), 1);
}

TEST(QtWindows, EndClosesEveryWindow) {
  QtSession s;
  QPointer<QWidget> widget = s.toolkit.WidgetFor(s.Show<TestForm>());
  s.app.End();
  EXPECT_EQ(s.toolkit.MirrorCount(), 0);
  LetGoOfUnloadedWidgets();
  EXPECT_TRUE(widget.isNull());
}

}  // namespace
}  // namespace rc
