// Regional texts, keyboard layouts, tab order and closing a window from its title bar.
#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QWidget>

#include "qt_session.h"

namespace rc {
namespace {

using testing::QtSession;

TEST(QtServices, DateTimeAndDecimalSeparatorComeFromTheRegionalSettings) {
  QtSession s;
  const QString time = QString::fromStdU16String(s.toolkit.TimeText());
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{1,2}:\\d{2}:\\d{2}")).match(time).hasMatch())
      << time.toStdString();
  EXPECT_EQ(QString::fromStdU16String(s.toolkit.ShortDateText()),
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
  EXPECT_EQ(QString(QChar(s.toolkit.DecimalSeparator())), QLocale::system().decimalPoint());
  const CalendarDate today = s.toolkit.Today();
  EXPECT_EQ(QDate(today.year, today.month, today.day), QDate::currentDate());
}

TEST(QtServices, KeyboardLayoutRequestsAreRecorded) {
  QtSession s;
  EXPECT_EQ(s.toolkit.KeyboardLayouts().Current(), 0u);
  s.toolkit.ActivateKeyboardLayout(kRussianLayout);
  s.toolkit.ActivateKeyboardLayout(kEnglishUsLayout);
  EXPECT_EQ(s.toolkit.KeyboardLayouts().Requested(),
            (std::vector<std::uint32_t>{kRussianLayout, kEnglishUsLayout}));
  EXPECT_EQ(s.toolkit.KeyboardLayouts().Current(), kEnglishUsLayout);
}

class ButtonsForm : public Window {
 public:
  explicit ButtonsForm(Application& app) : Window(app, "ButtonsForm") {}
  void Load() override {
    for (const char* name : {"Command1", "Command2", "Command3"}) {
      Control& b = Add(name, ControlKind::Button);
      b.width = 1500;
      b.height = 450;
    }
    // The tab order Command1, Command3, Command2.
    control("Command3").tabIndex = 1;
    control("Command2").tabIndex = 2;
    control("Command1").left = 0;
    control("Command2").left = 1600;
    control("Command3").left = 3200;
  }
};

TEST(QtServices, TabOrderFollowsTheTabIndexes) {
  QtSession s;
  ButtonsForm& form = s.Show<ButtonsForm>();
  const auto widget = [&](const char* name) { return s.toolkit.ControlWidget(form, name); };
  EXPECT_EQ(widget("Command1")->nextInFocusChain(), widget("Command3"));
  EXPECT_EQ(widget("Command3")->nextInFocusChain(), widget("Command2"));
}

TEST(QtServices, ClosingTheLastShownWindowEndsTheProgram) {
  QtSession s;
  QPointer<QWidget> widget = s.toolkit.WidgetFor(s.Show<ButtonsForm>());
  widget->close();
  EXPECT_EQ(s.app.FindForm<ButtonsForm>(), nullptr);
  EXPECT_TRUE(s.app.Ended());
  EXPECT_EQ(s.toolkit.MirrorCount(), 0);
}

}  // namespace
}  // namespace rc
