// The keyboard layout around the prompt for the student's name, on a real X server: the
// keyboard is given its layout groups with setxkbmap, the entry button of the start
// screen is clicked, and the current XKB group is read while the prompt is open and
// after the student has answered it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QProcess>
#include <QTimer>
#include <optional>

#include "qt/keyboard_layout.h"
#include "qt/qt_session.h"
#include "real_windows.h"
#include "support/design_fixtures.h"
#include "ui/program.h"
#include "ui/form1.h"

namespace rc::acceptance {
namespace {

struct Keyboard {
  const char* name;
  const char* layouts;  // for setxkbmap -layout
  int groupBefore;      // locked before the entry button is clicked
  int groupDuringPrompt;
  int groupAfter;
};
// Without an English (US) group the Russian one stays; without a Russian one nothing changes.
const Keyboard kKeyboards[] = {
    {"UsRu", "us,ru", 0, 1, 0},
    {"RuUs", "ru,us", 1, 0, 1},
    {"UsOnly", "us", 0, 0, 0},
    {"DeRu", "de,ru", 0, 1, 1},
    {"DeFrUs", "de,fr,us", 1, 1, 2},
};
void PrintTo(const Keyboard& keyboard, std::ostream* os) { *os << keyboard.name; }

bool SetLayouts(const char* layouts) {
  return QProcess::execute(QStringLiteral("setxkbmap"),
                           {QStringLiteral("-layout"), QString::fromLatin1(layouts)}) == 0;
}

class NamePromptLayout : public ::testing::TestWithParam<Keyboard> {
 protected:
  void TearDown() override {
    SetLayouts("us");
    LockKeyboardGroup(0);
  }
  testing::QtSession s;
  Student student{s.toolkit, s.app, QStringLiteral("keyboard")};
};

TEST_P(NamePromptLayout, RussianGroupWhileTheNameIsTypedEnglishAfter) {
  const Keyboard& keyboard = GetParam();
  if (!CurrentKeyboardGroup()) GTEST_SKIP() << "not on an X11 display";
  ASSERT_TRUE(SetLayouts(keyboard.layouts)) << "setxkbmap (x11-xkb-utils) failed";
  ASSERT_TRUE(LockKeyboardGroup(keyboard.groupBefore));
  ASSERT_EQ(CurrentKeyboardGroup(), keyboard.groupBefore);

  StartProgram(s.app);
  s.toolkit.Sync();
  const DesignData typed = BenzeneTolueneBubbleCap();
  std::optional<int> duringPrompt;
  QTimer watch;
  watch.setInterval(20);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    if (!prompt || prompt->windowTitle() != QStringLiteral("ВВОД ФАМИЛИИ")) return;
    watch.stop();
    duringPrompt = CurrentKeyboardGroup();
    // The prompts of the equilibrium entry that follow are answered straight away.
    student.TypeFirstStage(typed);
    prompt->setTextValue(QStringLiteral("петров петр х-31"));
    prompt->accept();
  });
  watch.start();
  student.Click(student.Form<Form1>().entryButton);

  EXPECT_EQ(duringPrompt, keyboard.groupDuringPrompt);
  EXPECT_EQ(CurrentKeyboardGroup(), keyboard.groupAfter);
  EXPECT_EQ(s.app.data().StudentName, u"Петров Петр Х-31");
  EXPECT_EQ(s.toolkit.Prompts().size(), 20u);
}

INSTANTIATE_TEST_SUITE_P(Keyboards, NamePromptLayout, ::testing::ValuesIn(kKeyboards),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rc::acceptance
