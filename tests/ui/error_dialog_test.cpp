// The three "Внимание !" dialogs, laid out over a correction window in its fault display.
#include "support/ui_driver.h"

namespace rc::ui_test {
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

// The suite is named after the class it tests: in this file rc::ErrorDialog is spelt out.
using ErrorDialog = SessionTest;

TEST_F(ErrorDialog, LaidOutCentredOverItsOwner) {
  const struct {
    rc::ErrorDialog* dialog;
    int top;
  } dialogs[] = {{&OpenOver<Form4>(app), 4500},
                 {&OpenOver<Form6>(app), 6000},
                 {&OpenOver<Form10>(app), 8000}};
  for (const auto& entry : dialogs) {
    rc::ErrorDialog& d = *entry.dialog;
    EXPECT_TRUE(d.visible) << d.Name();
    EXPECT_EQ(d.caption, u"Внимание !");
    EXPECT_EQ(Place(d), std::make_tuple(3600, entry.top, 4800, 1800)) << d.Name();
    const Control& l1 = d.statement;
    const Control& l2 = d.question;
    const Control& yes = d.yesButton;
    const Control& no = d.noButton;
    EXPECT_EQ(l1.caption, u"Ошибка в исходной информации.");
    EXPECT_EQ(l1.foreColor, kRed);
    EXPECT_TRUE(l1.font.bold);
    EXPECT_EQ(l2.caption, u"Изменяете исходную информацию?");
    EXPECT_FALSE(l2.font.bold);
    EXPECT_EQ(l1.left * 2 + l1.width, 4800);
    EXPECT_EQ(l2.left * 2 + l2.width, 4800);
    EXPECT_EQ(std::make_pair(l1.top, l2.top), std::make_pair(180, 480));
    EXPECT_EQ(std::make_pair(yes.caption, no.caption), std::make_pair(std::u16string(u"Да"), std::u16string(u"Нет")));
    EXPECT_EQ(std::make_pair(yes.top, no.top), std::make_pair(850, 850));
    EXPECT_TRUE(yes.tabStop);
    ExpectSideBySide(d, yes, no);
  }
}

}  // namespace
}  // namespace rc::ui_test
