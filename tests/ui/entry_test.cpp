// The start of a run and the first entry stage, driven end to end through the start
// screen's entry button with the student's typing scripted.
#include "ui/entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/ui_driver.h"

namespace rc::ui_test {
namespace {

const std::u16string kXW = ParameterCaption(16);

using StartDataEntry = SessionTest;
// Notes the first-stage list's rows as each prompt opens (empty while Form3 is not
// loaded): what the student sees while typing.
struct EnterEquilibriumData : SessionTest {
  std::vector<std::vector<std::u16string>> listAtPrompt;
  EnterEquilibriumData() {
    kit.onPrompt = [this] {
      Form3* f = app.FindForm<Form3>();
      listAtPrompt.push_back(f != nullptr ? f->list.items : std::vector<std::u16string>{});
    };
  }
};

TEST_F(StartDataEntry, StoresTheNameInProperCaseWithTheRussianLayoutActive) {
  Run({.name = u"студент группы к-41"});

  EXPECT_EQ(app.data().StudentName, u"Студент Группы К-41");
  ASSERT_FALSE(kit.prompts.empty());
  const PromptRecord& p = kit.prompts.front();
  ExpectPrompt(p, u"  ВВЕДИТЕ ФАМИЛИЮ И НОМЕР ГРУППЫ ", u"ВВОД ФАМИЛИИ", 500, 400);
  EXPECT_EQ(p.defaultText, u"");
  EXPECT_EQ(kit.layouts, (std::vector<std::uint32_t>{kRussianLayout, kEnglishUsLayout}));
}

TEST_F(StartDataEntry, ResetsTheRunStateAndFillsCaptionsAndLimits) {
  app.data().TrayType = 0;
  app.data().ShownResult = 1;
  app.data().FeedTray = 7;
  Run();

  const DesignData& d = app.data();
  EXPECT_EQ(std::make_tuple(d.TrayType, d.ShownResult, d.FeedTray), std::make_tuple(2, 2, 200));
  EXPECT_EQ(d.ParamCaption[16].size(), 64u);
  EXPECT_EQ(d.ParamMax[33], 12.0f);
  EXPECT_EQ(d.ParamMin[20], 0.01f);
}

TEST_F(StartDataEntry, LeavesOnlyTheEntryWindowOpen) {
  // A trip to the rules and back first leaves the rules screen loaded behind the start
  // screen; the entry closes it too.
  Click(app, Start().rulesButton);
  Click(app, Loaded<Form2>(app).continueButton);
  for (const auto& a : FirstStage{}.Answers()) kit.Answer(a);
  Click(app, Loaded<Form1>(app).entryButton);

  EXPECT_EQ(LoadedNames(app), std::vector<std::string>{"Form3"});
  EXPECT_TRUE(Loaded<Form3>(app).visible);
  EXPECT_EQ(kit.unansweredPrompts, 0);
}

TEST_F(EnterEquilibriumData, PromptsWithTheirTextsTitlesAndPositions) {
  Run();
  ASSERT_EQ(kit.prompts.size(), 20u);

  for (int i = 0; i < 8; ++i) {
    ExpectPairPrompts(&kit.prompts[1 + 2 * static_cast<std::size_t>(i)], i, 1500 + 195 * i);
    EXPECT_EQ(kit.prompts[1 + 2 * static_cast<std::size_t>(i)].defaultText, u"");
  }
  for (int n = 16; n <= 18; ++n) {
    ExpectParameterPrompt(kit.prompts[static_cast<std::size_t>(n + 1)], n, 1500 + 195 * (n - 8));
  }
}

TEST_F(EnterEquilibriumData, SoundDataEndInTheReviewStateWithCommand1Green) {
  Form3& f3 = Run();

  EXPECT_EQ(f3.caption, u"Ввод равновесной зависимости");
  EXPECT_EQ(app.data().InputError, kFalse);
  EXPECT_EQ(app.data().ErrorRow, 55);
  EXPECT_EQ(ShownControls(f3), "List1 Command1 Command2");
  EXPECT_EQ(std::make_pair(f3.acceptButton.backColor, f3.correctButton.backColor),
            std::make_pair(65280u, 65280u));
  EXPECT_EQ(f3.Focus(), &f3.acceptButton);
  const Control& list = f3.list;
  EXPECT_TRUE(list.visible && list.enabled);
  EXPECT_EQ(list.height, 2340);
  ASSERT_EQ(list.items.size(), 11u);
  EXPECT_EQ(list.items[8], u"   " + kXW + u"    0.05");
  EXPECT_EQ(kit.beeps, 0);

  // The heading in blue, then black again.
  const auto& ops = f3.surface().Ops();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].text, u"ВВЕДИТЕ РАВНОВЕСНЫЕ ДАННЫЕ (Концентрации в мольных долях)");
  EXPECT_EQ(std::make_tuple(ops[0].x1, ops[0].y1, ops[0].colour), std::make_tuple(1500.0, 500.0, Rgb(0, 0, 255)));
  EXPECT_EQ(f3.surface().ForeColor, kBlack);
}

TEST_F(EnterEquilibriumData, DecimalCommaBecomesAPoint) {
  FirstStage stage;
  stage.x[3] = u"0,35";
  Form3& f3 = Run(stage);

  EXPECT_EQ(app.data().EqXText[3], u"0.35");
  EXPECT_EQ(app.data().EqX[3], 0.35f);
  const auto& row = f3.list.items[3];
  EXPECT_EQ(row.substr(0, 23), u"   X[3] /мольн.д/ =0.35");
}

TEST_F(EnterEquilibriumData, ValueOutsideZeroToOneIsRejectedWithABeep) {
  FirstStage stage{.xf = u"-0.1"};
  stage.y[2] = u"1,5";
  Form3& f3 = Run(stage);

  const DesignData& d = app.data();
  EXPECT_EQ(kit.beeps, 2);
  EXPECT_EQ(d.EqYText[2], u"???");
  EXPECT_EQ(d.EqY[2], 0.0f);
  EXPECT_EQ(d.ParamText[17], u"???");
  EXPECT_EQ(d.ParamValue[17], 0.0f);
  const auto& rows = f3.list.items;
  EXPECT_TRUE(rows[2].ends_with(u"Y[2] /мольн.д/ =???"));
  EXPECT_TRUE(rows[9].ends_with(u"    ???"));
  // Y*[2] = 0 is below X*[2]: the check flags pair 2.
  EXPECT_EQ(d.ErrorRow, 2);
}

TEST_F(EnterEquilibriumData, ExactlyZeroAndOneAreAcceptedWithoutABeep) {
  FirstStage stage;  // X*[0] = 0, X*[7] = 1
  stage.y[7] = u"1.0";
  Run(stage);
  EXPECT_EQ(kit.beeps, 0);
  EXPECT_EQ(app.data().EqYText[7], u"1.0");
  EXPECT_EQ(app.data().EqX[0], 0.0f);
}

TEST_F(EnterEquilibriumData, TheXHalfIsListedWhileYIsAsked) {
  Run();

  // Prompt 2k + 2 asks Y*[k]: the list then holds the full rows 0..k-1 and the X half
  // of row k.
  for (int k = 0; k < 8; ++k) {
    const auto& rows = listAtPrompt[2 * static_cast<std::size_t>(k) + 2];
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(k) + 1);
    EXPECT_EQ(rows.back(), u"   X[" + DecimalText(k) + u"] /мольн.д/ =" +
                               FirstStage{}.x[static_cast<std::size_t>(k)]);
    if (k > 0) {
      EXPECT_NE(rows[0].find(u"Y[0]"), std::u16string::npos);
    }
  }
}

TEST_F(EnterEquilibriumData, PointsTypedDescendingAreListedUnsortedThenSorted) {
  FirstStage stage;
  std::reverse(stage.x.begin(), stage.x.end());
  std::reverse(stage.y.begin(), stage.y.end());
  Run(stage);

  // When XW is asked (prompt 17) the eight points have been sorted.
  const auto& beforeSort = listAtPrompt[15];  // X*[7] asked: rows 0..6 unsorted
  ASSERT_EQ(beforeSort.size(), 7u);
  EXPECT_TRUE(beforeSort[0].starts_with(u"   X[0] /мольн.д/ =1"));
  EXPECT_TRUE(beforeSort[6].starts_with(u"   X[6] /мольн.д/ =0.1"));
  const auto& sorted = listAtPrompt[17];
  ASSERT_EQ(sorted.size(), 8u);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(sorted[static_cast<std::size_t>(i)], EquilibriumRowText(app.data(), i));
  }
  EXPECT_TRUE(sorted[0].starts_with(u"   X[0] /мольн.д/ =0 "));
  EXPECT_TRUE(sorted[7].starts_with(u"   X[7] /мольн.д/ =1 "));
  EXPECT_EQ(app.data().EqY[1], 0.25f);
  EXPECT_EQ(app.data().ErrorRow, 55);
}

TEST_F(EnterEquilibriumData, XWOfZeroPassesEntryButFailsTheCheck) {
  Form3& f3 = Run({.xw = u"0"});
  EXPECT_EQ(kit.beeps, 0);
  EXPECT_EQ(app.data().ParamText[16], u"0");
  ExpectErrorRow(app.data(), 8);
  EXPECT_EQ(std::make_pair(f3.acceptButton.backColor, f3.correctButton.backColor),
            std::make_pair(255u, 65280u));
  // Return accepts, as a click does, and leads to the fault display.
  EXPECT_EQ(f3.Focus(), &f3.acceptButton);
}

TEST_F(EnterEquilibriumData, ACancelledPromptReadsAsZero) {
  // Only the name and X*[0] are typed; every later prompt is cancelled.
  kit.Answer({u"Петров", u"0"});
  Click(app, Start().entryButton);

  EXPECT_EQ(kit.unansweredPrompts, 18);
  EXPECT_EQ(app.data().EqYText[5], u"0");
  EXPECT_EQ(app.data().ParamText[18], u"0");
  EXPECT_EQ(kit.beeps, 0);
  ExpectErrorRow(app.data(), 1);  // Y*[1] = X*[1]
}

TEST_F(EnterEquilibriumData, AnyTypedTextIsHandledWithoutACrash) {
  const std::u16string longDigits(10000, u'9');
  const std::u16string longLetters(10000, u'ж');
  const std::u16string control{u'\x01', u'\x1b', u'\r', u'\n', u'\t', u'\0', u'7'};
  const FirstStage stage{
      .name = longLetters + u" " + control,
      .x = {longDigits, control, longLetters, u"1e999", u"-1e999", u"0.5e-400", u"١", u"."},
      .y = {u"Ъ", u"\xD800", u"0" + longDigits, u",,", u"+", u"1e", u"E5", u"1 2"},
      .xw = longDigits, .xf = control, .xp = u"абв"};
  Form3& f3 = Run(stage);

  const DesignData& d = app.data();
  EXPECT_EQ(d.StudentName.size(), stage.name.size());
  EXPECT_EQ(d.StudentName.substr(0, 2), u"Жж");
  for (int i = 0; i < 8; ++i) {
    EXPECT_TRUE(std::isfinite(d.EqX[static_cast<std::size_t>(i)]));
    EXPECT_TRUE(std::isfinite(d.EqY[static_cast<std::size_t>(i)]));
    EXPECT_GE(d.EqX[static_cast<std::size_t>(i)], 0.0f);
    EXPECT_LE(d.EqY[static_cast<std::size_t>(i)], 1.0f);
  }
  EXPECT_EQ(d.ParamText[16], u"???");  // 10 000 nines read as infinity
  EXPECT_EQ(d.ParamValue[16], 0.0f);
  EXPECT_EQ(d.ParamValue[18], 0.0f);   // no leading number
  EXPECT_EQ(d.InputError, kTrue);
  EXPECT_EQ(f3.list.items.size(), 11u);
}

// Form3 after the first entry stage: correcting a pair, a row click in review, the
// dialog Form4 loaded afresh and any typed text.
using Form3Correction = SessionTest;

TEST_F(Form3Correction, ARowClickInReviewLeavesAllThreeButtonsVisible) {
  Form3& f3 = Run({.xw = u"0"});
  CorrectRow(f3, 8, {u"0.05"});
  for (const Control* shown : {&f3.acceptButton, &f3.correctButton, &f3.endOfCorrectionsButton}) {
    EXPECT_TRUE(shown->visible) << shown->name;
  }
  EXPECT_EQ(f3.endOfCorrectionsButton.backColor, 65280u);
  EXPECT_EQ(app.data().InputError, kFalse);
}

TEST_F(Form3Correction, RepeatedFaultDisplaysLoadTheDialogAfresh) {
  Form3& f3 = Run({.xw = u"0"});
  Click(app, f3.acceptButton);
  const std::uint64_t first = Form(app, "Form4").Serial();
  Click(app, Loaded<Form4>(app).yesButton);
  CorrectRow(f3, 8, {u"0"});
  Click(app, f3.endOfCorrectionsButton);
  EXPECT_NE(Form(app, "Form4").Serial(), first);
  EXPECT_EQ(kit.beeps, 2);
}

TEST_F(Form3Correction, AnyTypedTextInACorrectionIsHandled) {
  Form3& f3 = Run();
  Click(app, f3.correctButton);
  CorrectRow(f3, 0, {std::u16string(10000, u'5'), u"\x01\x02", u"Ж", u"\t", std::u16string(10000, u',')});
  const DesignData& d = app.data();
  EXPECT_EQ(kit.beeps, 1);  // the 10 000 fives read as infinity
  EXPECT_EQ(d.EqX[0], 0.0f);
  EXPECT_EQ(d.ParamText[18].size(), 10000u);
  EXPECT_EQ(d.ParamText[18][0], u'.');
  EXPECT_EQ(f3.list.items.size(), 11u);
  EXPECT_EQ(d.InputError, kTrue);
}

}  // namespace
}  // namespace rc::ui_test
