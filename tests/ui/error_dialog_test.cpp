// The three "Внимание !" dialogs, laid out over a correction window in its fault display.
#include "support/ui_driver.h"

namespace rc {
namespace {

// Opens the dialog over Form9 as its fault display leaves it: the list hidden, the data
// printed on the window.
template <class Dialog>
Dialog& OpenOver(Application& app) {
  Form9& owner = app.Form<Form9>();
  owner.list.visible = false;
  owner.surface().Print(u"printed row");
  owner.Show();
  Dialog& dialog = app.Form<Dialog>();
  dialog.Open(owner);
  return dialog;
}

TEST(ErrorDialog, LaidOutCentredOverItsOwner) {
  RecordingToolkit tk;
  Application app(tk);
  const struct {
    ErrorDialog* dialog;
    int top;
  } dialogs[] = {{&OpenOver<Form4>(app), 4500},
                 {&OpenOver<Form6>(app), 6000},
                 {&OpenOver<Form10>(app), 8000}};
  for (const auto& entry : dialogs) {
    ErrorDialog& d = *entry.dialog;
    EXPECT_TRUE(d.visible) << d.Name();
    EXPECT_EQ(d.caption, u"Внимание !");
    EXPECT_EQ(d.top, entry.top) << d.Name();
    EXPECT_EQ(d.left, 3600);
    EXPECT_EQ(d.width, 4800);
    EXPECT_EQ(d.height, 1800);
    const Control& l1 = d.control("Label1");
    const Control& l2 = d.control("Label2");
    const Control& yes = d.yesButton;
    const Control& no = d.noButton;
    EXPECT_EQ(l1.caption, u"Ошибка в исходной информации.");
    EXPECT_EQ(l1.foreColor, kRed);
    EXPECT_TRUE(l1.font.bold);
    EXPECT_EQ(l2.caption, u"Изменяете исходную информацию?");
    EXPECT_FALSE(l2.font.bold);
    EXPECT_EQ(l1.left * 2 + l1.width, 4800);
    EXPECT_EQ(l2.left * 2 + l2.width, 4800);
    EXPECT_EQ(l1.top, 180);
    EXPECT_EQ(l2.top, 480);
    EXPECT_EQ(yes.caption, u"Да");
    EXPECT_EQ(no.caption, u"Нет");
    EXPECT_EQ(yes.top, 850);
    EXPECT_EQ(no.top, 850);
    EXPECT_TRUE(yes.tabStop);
    // Three equal gaps: before, between and after the buttons.
    const int gap = yes.left;
    EXPECT_EQ(no.left - (yes.left + yes.width), gap);
    EXPECT_NEAR(4800 - (no.left + no.width), gap, 1);
  }
}

}  // namespace
}  // namespace rc
