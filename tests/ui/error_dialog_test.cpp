// The three "Внимание !" dialogs, opened over correction windows in their fault display.
#include "ui/error_dialog.h"

#include <gtest/gtest.h>

#include "support/recording_toolkit.h"
#include "support/ui_driver.h"
#include "ui/form5.h"
#include "ui/form9.h"

namespace rc {
namespace {

// A correction window in its fault display, as the dialogs find it: the list hidden
// and disabled, the instruction hidden, the data printed on the window.
template <class OwnerWindow>
OwnerWindow& FaultyOwner(Application& app) {
  OwnerWindow& owner = app.Form<OwnerWindow>();
  owner.caption = u"Контроль исходной информации";
  owner.list.Clear();
  owner.list.AddItem(u"row");
  owner.list.visible = false;
  owner.list.enabled = false;
  owner.instruction.visible = false;
  owner.instruction.top = 100;
  owner.surface().Print(u"printed row");
  owner.Show();
  return owner;
}
using OwnerForm5 = Form5;
using OwnerForm9 = Form9;

template <class Dialog, class OwnerWindow>
Dialog& OpenOver(Application& app) {
  OwnerWindow& owner = FaultyOwner<OwnerWindow>(app);
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
  } dialogs[] = {{&OpenOver<Form4, OwnerForm9>(app), 4500},
                 {&OpenOver<Form6, OwnerForm9>(app), 6000},
                 {&OpenOver<Form10, OwnerForm9>(app), 8000}};
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
    const Control& yes = d.control("Command1");
    const Control& no = d.control("Command2");
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

TEST(ErrorDialog, YesPutsTheOwnerBackIntoCorrectionMode) {
  RecordingToolkit tk;
  Application app(tk);
  OpenOver<Form10, OwnerForm9>(app);
  ui_test::Click(app, "Form10", "Command1");

  EXPECT_EQ(ui_test::LoadedNames(app), std::vector<std::string>{"Form9"});
  Window& owner = *ui_test::FindWindow(app, "Form9");
  EXPECT_TRUE(owner.visible);
  EXPECT_EQ(owner.caption, u"Коррекция исходной информации");
  EXPECT_TRUE(owner.surface().Ops().empty());
  EXPECT_TRUE(owner.control("List1").visible);
  EXPECT_TRUE(owner.control("List1").enabled);
  EXPECT_EQ(owner.control("List1").items.size(), 1u);
  EXPECT_TRUE(owner.control("Label3").visible);
  EXPECT_EQ(owner.control("Label3").top, 100);  // moved on Form5 only
  for (const char* hidden : {"Command1", "Command2", "Command3", "Label1", "Label2"}) {
    EXPECT_FALSE(owner.control(hidden).visible) << hidden;
  }
}

TEST(ErrorDialog, YesOnForm6MovesForm5sInstructionTo6000) {
  RecordingToolkit tk;
  Application app(tk);
  OpenOver<Form6, OwnerForm5>(app);
  ui_test::Click(app, "Form6", "Command1");
  Window& owner = *ui_test::FindWindow(app, "Form5");
  EXPECT_EQ(owner.control("Label3").top, 6000);
  EXPECT_TRUE(owner.control("Label3").visible);
  EXPECT_EQ(ui_test::FindWindow(app, "Form6"), nullptr);
}

TEST(ErrorDialog, NoEndsTheProgramWithoutAnotherWindow) {
  RecordingToolkit tk;
  Application app(tk);
  OpenOver<Form6, OwnerForm5>(app);
  ui_test::Click(app, "Form6", "Command2");
  EXPECT_TRUE(tk.ended);
  EXPECT_TRUE(app.Ended());
  EXPECT_TRUE(app.LoadedWindows().empty());
}

}  // namespace
}  // namespace rc
