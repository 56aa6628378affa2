// The start of a run and the first entry stage, driven end to end through the start
// screen's entry button with the student's typing scripted.
#include "ui/entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "first_stage.h"
#include "model/text.h"
#include "report/input_rows.h"
#include "ui/form1.h"
#include "ui/form2.h"

namespace rc {
namespace {

using ui_test::FirstStage;
using ui_test::Form;
using ui_test::RunFirstStage;

const std::u16string kXW = ParameterCaption(16);

TEST(StartDataEntry, StoresTheNameInProperCaseWithTheRussianLayoutActive) {
  RecordingToolkit tk;
  Application app(tk);
  FirstStage stage;
  stage.name = u"студент группы к-41";
  RunFirstStage(tk, app, stage);

  EXPECT_EQ(app.data().StudentName, u"Студент Группы К-41");
  ASSERT_FALSE(tk.prompts.empty());
  const PromptRecord& p = tk.prompts.front();
  EXPECT_EQ(p.prompt, u"  ВВЕДИТЕ ФАМИЛИЮ И НОМЕР ГРУППЫ ");
  EXPECT_EQ(p.title, u"ВВОД ФАМИЛИИ");
  EXPECT_EQ(p.defaultText, u"");
  EXPECT_EQ(p.x, 500);
  EXPECT_EQ(p.y, 400);
  EXPECT_EQ(tk.layouts, (std::vector<std::uint32_t>{kRussianLayout, kEnglishUsLayout}));
}

TEST(StartDataEntry, ResetsTheRunStateAndFillsCaptionsAndLimits) {
  RecordingToolkit tk;
  Application app(tk);
  app.data().TrayType = 0;
  app.data().ShownResult = 1;
  app.data().FeedTray = 7;
  RunFirstStage(tk, app);

  const DesignData& d = app.data();
  EXPECT_EQ(d.TrayType, 2);
  EXPECT_EQ(d.ShownResult, 2);
  EXPECT_EQ(d.FeedTray, 200);
  EXPECT_EQ(d.ParamCaption[16].size(), 64u);
  EXPECT_EQ(d.ParamMax[33], 12.0f);
  EXPECT_EQ(d.ParamMin[20], 0.01f);
}

TEST(StartDataEntry, LeavesOnlyTheEntryWindowOpen) {
  RecordingToolkit tk;
  Application app(tk);
  StartProgram(app);
  // A trip to the rules and back first leaves the rules screen loaded behind the start
  // screen; the entry closes it too.
  ui_test::Click(app, ui_test::Loaded<Form1>(app).rulesButton);
  ui_test::Click(app, ui_test::Loaded<Form2>(app).continueButton);
  for (const auto& a : FirstStage{}.Answers()) tk.Answer(a);
  ui_test::Click(app, ui_test::Loaded<Form1>(app).entryButton);

  EXPECT_EQ(ui_test::LoadedNames(app), std::vector<std::string>{"Form3"});
  EXPECT_TRUE(Form(app, "Form3").visible);
  EXPECT_EQ(tk.unansweredPrompts, 0);
}

TEST(EnterEquilibriumData, PromptsWithTheirTextsTitlesAndPositions) {
  RecordingToolkit tk;
  Application app(tk);
  RunFirstStage(tk, app);
  ASSERT_EQ(tk.prompts.size(), 20u);

  for (int i = 0; i < 8; ++i) {
    const PromptRecord& x = tk.prompts[1 + 2 * static_cast<std::size_t>(i)];
    const PromptRecord& y = tk.prompts[2 + 2 * static_cast<std::size_t>(i)];
    const std::u16string n = DecimalText(i);
    EXPECT_EQ(x.prompt, u" X [ " + n + u" ] /мольн.д/ = ");
    EXPECT_EQ(x.title, u"ВВОД X РАВНОВЕСНОГО ");
    EXPECT_EQ(x.x, 1000);
    EXPECT_EQ(x.y, 1500 + 195 * i);
    EXPECT_EQ(y.prompt, u" Y [ " + n + u" ] /мольн.д/  = ");
    EXPECT_EQ(y.title, u"ВВОД Y РАВНОВЕСНОГО");
    EXPECT_EQ(y.x, 4000);
    EXPECT_EQ(y.y, 1500 + 195 * i);
    EXPECT_EQ(x.defaultText, u"");
  }
  for (int n = 16; n <= 18; ++n) {
    const PromptRecord& p = tk.prompts[static_cast<std::size_t>(n + 1)];
    EXPECT_EQ(p.prompt, ParameterCaption(n));
    EXPECT_EQ(p.title, u" Ввод " + ParameterCaption(n));
    EXPECT_EQ(p.x, 1000);
    EXPECT_EQ(p.y, 1500 + 195 * (n - 8));
  }
}

TEST(EnterEquilibriumData, SoundDataEndInTheReviewStateWithCommand1Green) {
  RecordingToolkit tk;
  Application app(tk);
  RunFirstStage(tk, app);

  Window& f3 = Form(app, "Form3");
  EXPECT_EQ(f3.caption, u"Ввод равновесной зависимости");
  EXPECT_EQ(app.data().InputError, kFalse);
  EXPECT_EQ(app.data().ErrorRow, 55);
  EXPECT_TRUE(f3.control("Command1").visible);
  EXPECT_TRUE(f3.control("Command2").visible);
  EXPECT_FALSE(f3.control("Command3").visible);
  EXPECT_FALSE(f3.control("Label1").visible);
  EXPECT_FALSE(f3.control("Label3").visible);
  EXPECT_EQ(f3.control("Command1").backColor, 65280u);
  EXPECT_EQ(f3.control("Command2").backColor, 65280u);
  EXPECT_EQ(f3.FocusName(), "Command1");
  const Control& list = f3.control("List1");
  EXPECT_TRUE(list.visible);
  EXPECT_TRUE(list.enabled);
  EXPECT_EQ(list.height, 2340);
  ASSERT_EQ(list.items.size(), 11u);
  EXPECT_EQ(list.items[8], u"   " + kXW + u"    0.05");
  EXPECT_EQ(tk.beeps, 0);

  // The heading in blue, then black again.
  const auto& ops = f3.surface().Ops();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].text, u"ВВЕДИТЕ РАВНОВЕСНЫЕ ДАННЫЕ (Концентрации в мольных долях)");
  EXPECT_EQ(ops[0].x1, 1500);
  EXPECT_EQ(ops[0].y1, 500);
  EXPECT_EQ(ops[0].colour, Rgb(0, 0, 255));
  EXPECT_EQ(f3.surface().ForeColor, kBlack);
}

TEST(EnterEquilibriumData, DecimalCommaBecomesAPoint) {
  RecordingToolkit tk;
  Application app(tk);
  FirstStage stage;
  stage.x[3] = u"0,35";
  RunFirstStage(tk, app, stage);

  EXPECT_EQ(app.data().EqXText[3], u"0.35");
  EXPECT_EQ(app.data().EqX[3], 0.35f);
  const auto& row = Form(app, "Form3").control("List1").items[3];
  EXPECT_EQ(row.substr(0, 23), u"   X[3] /мольн.д/ =0.35");
}

TEST(EnterEquilibriumData, ValueOutsideZeroToOneIsRejectedWithABeep) {
  RecordingToolkit tk;
  Application app(tk);
  FirstStage stage;
  stage.y[2] = u"1,5";
  stage.xf = u"-0.1";
  RunFirstStage(tk, app, stage);

  const DesignData& d = app.data();
  EXPECT_EQ(tk.beeps, 2);
  EXPECT_EQ(d.EqYText[2], u"???");
  EXPECT_EQ(d.EqY[2], 0.0f);
  EXPECT_EQ(d.ParamText[17], u"???");
  EXPECT_EQ(d.ParamValue[17], 0.0f);
  const auto& rows = Form(app, "Form3").control("List1").items;
  EXPECT_TRUE(rows[2].ends_with(u"Y[2] /мольн.д/ =???"));
  EXPECT_TRUE(rows[9].ends_with(u"    ???"));
  // Y*[2] = 0 is below X*[2]: the check flags pair 2.
  EXPECT_EQ(d.ErrorRow, 2);
}

TEST(EnterEquilibriumData, ExactlyZeroAndOneAreAcceptedWithoutABeep) {
  RecordingToolkit tk;
  Application app(tk);
  FirstStage stage;  // X*[0] = 0, X*[7] = 1
  stage.y[7] = u"1.0";
  RunFirstStage(tk, app, stage);
  EXPECT_EQ(tk.beeps, 0);
  EXPECT_EQ(app.data().EqYText[7], u"1.0");
  EXPECT_EQ(app.data().EqX[0], 0.0f);
}

TEST(EnterEquilibriumData, TheXHalfIsListedWhileYIsAsked) {
  ui_test::ListWatchingToolkit tk;
  Application app(tk);
  tk.app = &app;
  RunFirstStage(tk, app);

  // Prompt 2k + 2 asks Y*[k]: the list then holds the full rows 0..k-1 and the X half
  // of row k.
  for (int k = 0; k < 8; ++k) {
    const auto& rows = tk.listAtPrompt[2 * static_cast<std::size_t>(k) + 2];
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(k) + 1);
    EXPECT_EQ(rows.back(), u"   X[" + DecimalText(k) + u"] /мольн.д/ =" +
                               FirstStage{}.x[static_cast<std::size_t>(k)]);
    if (k > 0) {
      EXPECT_NE(rows[0].find(u"Y[0]"), std::u16string::npos);
    }
  }
}

TEST(EnterEquilibriumData, PointsTypedDescendingAreListedUnsortedThenSorted) {
  ui_test::ListWatchingToolkit tk;
  Application app(tk);
  tk.app = &app;
  FirstStage stage;
  std::reverse(stage.x.begin(), stage.x.end());
  std::reverse(stage.y.begin(), stage.y.end());
  RunFirstStage(tk, app, stage);

  // When XW is asked (prompt 17) the eight points have been sorted.
  const auto& beforeSort = tk.listAtPrompt[15];  // X*[7] asked: rows 0..6 unsorted
  ASSERT_EQ(beforeSort.size(), 7u);
  EXPECT_TRUE(beforeSort[0].starts_with(u"   X[0] /мольн.д/ =1"));
  EXPECT_TRUE(beforeSort[6].starts_with(u"   X[6] /мольн.д/ =0.1"));
  const auto& sorted = tk.listAtPrompt[17];
  ASSERT_EQ(sorted.size(), 8u);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(sorted[static_cast<std::size_t>(i)], EquilibriumRowText(app.data(), i));
  }
  EXPECT_TRUE(sorted[0].starts_with(u"   X[0] /мольн.д/ =0 "));
  EXPECT_TRUE(sorted[7].starts_with(u"   X[7] /мольн.д/ =1 "));
  EXPECT_EQ(app.data().EqY[1], 0.25f);
  EXPECT_EQ(app.data().ErrorRow, 55);
}

TEST(EnterEquilibriumData, XWOfZeroPassesEntryButFailsTheCheck) {
  RecordingToolkit tk;
  Application app(tk);
  FirstStage stage;
  stage.xw = u"0";
  RunFirstStage(tk, app, stage);

  Window& f3 = Form(app, "Form3");
  EXPECT_EQ(tk.beeps, 0);
  EXPECT_EQ(app.data().ParamText[16], u"0");
  EXPECT_EQ(app.data().InputError, kTrue);
  EXPECT_EQ(app.data().ErrorRow, 8);
  EXPECT_EQ(f3.control("Command1").backColor, 255u);
  EXPECT_EQ(f3.control("Command2").backColor, 65280u);
  EXPECT_EQ(f3.FocusName(), "Command2");
}

TEST(EnterEquilibriumData, ACancelledPromptReadsAsZero) {
  RecordingToolkit tk;
  Application app(tk);
  // Only the name and X*[0] are typed; every later prompt is cancelled.
  tk.Answer({u"Петров", u"0"});
  StartProgram(app);
  ui_test::Click(app, ui_test::Loaded<Form1>(app).entryButton);

  EXPECT_EQ(tk.unansweredPrompts, 18);
  EXPECT_EQ(app.data().EqYText[5], u"0");
  EXPECT_EQ(app.data().ParamText[18], u"0");
  EXPECT_EQ(tk.beeps, 0);
  EXPECT_EQ(app.data().InputError, kTrue);  // Y*[1] = X*[1]
  EXPECT_EQ(app.data().ErrorRow, 1);
}

TEST(EnterEquilibriumData, AnyTypedTextIsHandledWithoutACrash) {
  const std::u16string longDigits(10000, u'9');
  const std::u16string longLetters(10000, u'ж');
  const std::u16string control{u'\x01', u'\x1b', u'\r', u'\n', u'\t', u'\0', u'7'};
  RecordingToolkit tk;
  Application app(tk);
  FirstStage stage;
  stage.name = longLetters + u" " + control;
  stage.x = {longDigits, control, longLetters, u"1e999", u"-1e999", u"0.5e-400", u"١", u"."};
  stage.y = {u"Ъ", u"\xD800", u"0" + longDigits, u",,", u"+", u"1e", u"E5", u"1 2"};
  stage.xw = longDigits;
  stage.xf = control;
  stage.xp = u"абв";
  RunFirstStage(tk, app, stage);

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
  EXPECT_EQ(Form(app, "Form3").control("List1").items.size(), 11u);
}

}  // namespace
}  // namespace rc
