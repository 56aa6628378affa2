#include "ui/form9.h"

#include <gtest/gtest.h>

#include "support/ui_driver.h"

namespace rc::ui_test {
namespace {

class Form9Test : public SessionTest {
 protected:
  // A sound data set as the results menu holds it, then the change button.
  Form9& Open(std::int32_t trayType, const std::u16string& areaRatio = u"0.83") {
    return Form9Over(*this, trayType, areaRatio);
  }
  std::vector<std::u16string> Rows(Form9& f) { return f.list.items; }
};

TEST_F(Form9Test, OpensWithEveryRowAndTheButtonsInPlace) {
  app.Dispatch([&] { app.Form<Form7>().Show(); });
  Form9& f = Open(kTraysWithoutCaps, u"0.83");
  const DesignData& data = app.data();
  const auto rows = Rows(f);
  ASSERT_EQ(rows.size(), 35u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(rows[static_cast<std::size_t>(i)], EquilibriumRowText(data, i));
  EXPECT_EQ(rows[8], ParameterRowText(data, 16));
  EXPECT_EQ(rows[10], ParameterRowText(data, 18));
  EXPECT_EQ(rows[11], Blanks(26) + u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ");
  EXPECT_EQ(rows[12], ParameterRowText(data, 19));
  EXPECT_EQ(rows[24], ParameterRowText(data, 31));
  EXPECT_EQ(rows[25], ParameterRowText(data, 33));
  EXPECT_EQ(rows[32], ParameterRowText(data, 40));
  EXPECT_EQ(rows[33], ParameterRowText(data, kParamFeedCondition));
  EXPECT_EQ(rows[34].substr(0, 25), u"   Фамилия и номер группы");

  // 35 rows of 195 twips and one more for the frame: 7020 (33 rows had 6630).
  EXPECT_EQ(std::make_pair(f.list.top, f.list.height), std::make_pair(500, 7020));
  EXPECT_EQ(std::make_tuple(f.endOfCorrectionsButton.top, f.capsButton->top, f.noCapsButton->top),
            std::make_tuple(500 + 7020 + 200, 2900, 2900));
}

// The name is corrected as any typed value: the entry's prompt, kept as typed and in
// proper case, the data changed since they were saved; Cancel keeps the name.
TEST_F(Form9Test, TheLastRowCorrectsTheStudentsName) {
  Form9& f = Open(kBubbleCapTrays);
  app.data().Typed.Name = u"иванов гр 1";
  app.NoteSaved(DataFileOf(app.data()));
  const std::size_t prompts = kit.prompts.size();
  CorrectRow(f, 34, {u"петров-сидоров хт 12"});
  ASSERT_EQ(kit.prompts.size(), prompts + 1);
  EXPECT_EQ(kit.prompts.back().title, u"ВВОД ФАМИЛИИ");
  EXPECT_EQ(kit.prompts.back().prompt, u"  ВВЕДИТЕ ФАМИЛИЮ И НОМЕР ГРУППЫ ");
  EXPECT_EQ(kit.prompts.back().defaultText, u"иванов гр 1");
  EXPECT_EQ(app.data().Typed.Name, u"петров-сидоров хт 12");
  EXPECT_EQ(app.data().StudentName, u"Петров-Сидоров Хт 12");
  EXPECT_EQ(f.list.items[34], u"   Фамилия и номер группы" + std::u16string(18 + 4, u' ') +
                                  u"петров-сидоров хт 12");
  EXPECT_FALSE(app.SavedAndUnchanged());
  EXPECT_TRUE(f.endOfCorrectionsButton.visible);

  CorrectRow(f, 34, {u""});  // Cancel
  EXPECT_EQ(app.data().Typed.Name, u"петров-сидоров хт 12");

}

TEST_F(Form9Test, ReopeningReplacesAnEarlierCorrectionWindow) {
  Form9& first = Open(kBubbleCapTrays);
  const auto serial = first.Serial();
  app.Dispatch([&] { OpenFullCorrection(app); });
  ASSERT_EQ(app.LoadedWindows().size(), 1u);
  EXPECT_NE(app.Form<Form9>().Serial(), serial);
}

TEST_F(Form9Test, HeaderTextFollowsTheTrayKind) {
  EXPECT_EQ(Rows(Open(kBubbleCapTrays, u"1"))[11], Blanks(32) + u"ТАРЕЛКИ КОЛПАЧКОВЫЕ");
  EXPECT_EQ(Rows(Open(kTraysWithoutCaps, u"1"))[11], Blanks(32) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ");
}

TEST_F(Form9Test, EquilibriumValueOutsideZeroToOneIsRefused) {
  Form9& f = Open(kBubbleCapTrays);
  CorrectRow(f, 2, {u"0.2", u"-0.1"});
  EXPECT_EQ(kit.beeps, 1);
  EXPECT_EQ(app.data().EqYText[2], u"???");
  EXPECT_EQ(app.data().EqY[2], 0.0f);
  EXPECT_EQ(f.endOfCorrectionsButton.backColor, kRed);
}

TEST_F(Form9Test, HeaderClickOffersTheClassButtonsWithoutAnyCheck) {
  struct Case {
    std::int32_t trayType;
    std::u16string areaRatio;
    std::u16string secondCaption;
    Control* ListWindow::*focus;
  };
  const Case cases[] = {
      {kBubbleCapTrays, u"1", u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ", &ListWindow::noCapsButton},
      {kTraysWithoutCaps, u"1", u"ТАРЕЛКИ ПРОВАЛЬНЫЕ", &ListWindow::capsButton},
      {kTraysWithoutCaps, u"0.5", u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ", &ListWindow::capsButton},
  };
  for (const Case& c : cases) {
    Form9& f = Open(c.trayType, c.areaRatio);
    app.data().ErrorRow = 99;  // a check would overwrite it
    ClickRow(app, f, 11);
    EXPECT_TRUE(f.capsButton->visible && f.noCapsButton->visible);
    EXPECT_EQ(f.capsButton->caption, u"ТАРЕЛКИ КОЛПАЧКОВЫЕ");
    EXPECT_EQ(f.noCapsButton->caption, c.secondCaption);
    EXPECT_EQ(f.Focus(), f.*c.focus);
    EXPECT_FALSE(f.endOfCorrectionsButton.visible);
    EXPECT_FALSE(f.instruction.visible);
    EXPECT_EQ(app.data().ErrorRow, 99);
    EXPECT_TRUE(kit.prompts.empty());
  }
}

TEST_F(Form9Test, ClassButtonsSwitchTheClassWithoutAskingAnything) {
  Form9& f = Open(kBubbleCapTrays, u"1");
  ClickRow(app, f, 11);
  Click(app, *f.noCapsButton);
  EXPECT_EQ(app.data().TrayType, kTraysWithoutCaps);
  EXPECT_EQ(Rows(f)[11], Blanks(32) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ");
  EXPECT_TRUE(kit.prompts.empty());
  EXPECT_TRUE(f.endOfCorrectionsButton.visible);
  EXPECT_FALSE(f.capsButton->visible || f.noCapsButton->visible);

  app.data().ParamValue[34] = 0.5f;
  ClickRow(app, f, 11);
  Click(app, *f.noCapsButton);
  EXPECT_EQ(Rows(f)[11], Blanks(26) + u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ");
  ClickRow(app, f, 11);
  Click(app, *f.capsButton);
  EXPECT_EQ(app.data().TrayType, kBubbleCapTrays);
  EXPECT_EQ(Rows(f)[11], Blanks(32) + u"ТАРЕЛКИ КОЛПАЧКОВЫЕ");
  EXPECT_TRUE(kit.prompts.empty());
}

TEST_F(Form9Test, SoundDataShowTheResultsMenuAndRedoTheLastCalculation) {
  for (std::int32_t shown : {kShownNothing, kShownKineticLine, kShownTrayByTray}) {
    SCOPED_TRACE(shown);
    Session r;
    Application& run = r.app;
    Form9& f = Form9Over(r, kTraysWithoutCaps, u"0.83", shown);
    r.CorrectRow(f, 12, {u"3"});
    ASSERT_EQ(f.endOfCorrectionsButton.backColor, kGreen);
    Click(run, f.endOfCorrectionsButton);

    EXPECT_EQ(r.kit.beeps, 0);
    EXPECT_EQ(run.FindForm<Form10>(), nullptr);
    Form7* menu = run.FindForm<Form7>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->visible);
    EXPECT_EQ(run.FindForm<Form9>(), nullptr);  // closed: a later change opens it afresh
    EXPECT_EQ(run.data().ShownResult, shown);

    // The menu shows what its own button gives on the corrected data: the calculation
    // last shown, and no other.
    RecordingToolkit directKit;
    Application direct(directKit);
    direct.data() = run.data();
    Form7& reference = direct.Form<Form7>();
    direct.Dispatch([&] {
      if (shown == kShownKineticLine) reference.RunKineticLine();
      if (shown == kShownTrayByTray) reference.RunTrayByTray();
    });
    EXPECT_EQ(menu->surface().Texts(), reference.surface().Texts());
    // Printing is offered only for a result computed on these data.
    EXPECT_EQ(menu->printButton.visible, shown != kShownNothing);
    if (shown != kShownNothing) {
      EXPECT_FALSE(menu->surface().Texts().empty());
    }
  }
}

}  // namespace
}  // namespace rc::ui_test
