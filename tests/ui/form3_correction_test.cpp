// Form3 after the first entry stage: accepting, correcting rows, the fault display and
// its dialog Form4.
#include "ui/form3.h"

#include <gtest/gtest.h>

#include "first_stage.h"
#include "model/text.h"
#include "report/input_rows.h"

namespace rc {
namespace {

using ui_test::Click;
using ui_test::ClickRow;
using ui_test::FirstStage;
using ui_test::Form;

struct Session {
  RecordingToolkit tk;
  Application app{tk};
  explicit Session(const FirstStage& stage = {}) { ui_test::RunFirstStage(tk, app, stage); }
  Window& f3() { return Form(app, "Form3"); }
  std::size_t promptsSoFar() const { return tk.prompts.size(); }
};

FirstStage FaultyXW() {
  FirstStage s;
  s.xw = u"0";
  return s;
}

TEST(Form3Accept, SoundDataGoStraightToTheTrayTypeQuestion) {
  Session s;
  Click(s.app, "Form3", "Command1");
  EXPECT_EQ(ui_test::LoadedNames(s.app), std::vector<std::string>{"Form5"});
  EXPECT_TRUE(Form(s.app, "Form5").visible);
  EXPECT_EQ(s.tk.beeps, 0);
}

TEST(Form3Accept, FaultyDataShowTheFaultDisplayAndForm4) {
  Session s(FaultyXW());
  Click(s.app, "Form3", "Command1");

  Window& f3 = s.f3();
  EXPECT_EQ(s.tk.beeps, 1);
  EXPECT_EQ(f3.caption, u"Контроль равновесной зависимости");
  const auto& ops = f3.surface().Ops();
  ASSERT_EQ(ops.size(), 11u);  // the heading is gone, the 11 rows printed
  for (int k = 0; k < 11; ++k) {
    const DrawOp& op = ops[static_cast<std::size_t>(k)];
    EXPECT_EQ(op.x1, 530);
    EXPECT_EQ(op.y1, 1210 + 195 * k);
    EXPECT_EQ(op.text, f3.control("List1").items[static_cast<std::size_t>(k)]);
  }
  for (const char* hidden : {"List1", "Command1", "Command2", "Command3"}) {
    EXPECT_FALSE(f3.control(hidden).visible) << hidden;
  }
  const Control& marker = f3.control("Label2");
  EXPECT_TRUE(marker.visible);
  EXPECT_EQ(marker.caption, ParameterRowText(s.app.data(), 16));
  EXPECT_EQ(marker.left, 530);
  EXPECT_EQ(marker.top, 1200 + 195 * 8);
  EXPECT_EQ(marker.height, 200);
  EXPECT_EQ(marker.width, 10000);
  EXPECT_EQ(marker.foreColor, kRed);
  EXPECT_EQ(marker.backColor, kGreen);

  Window& dialog = Form(s.app, "Form4");
  EXPECT_TRUE(dialog.visible);
  EXPECT_EQ(dialog.top, 4500);
  EXPECT_EQ(ui_test::VisibleNames(s.app), (std::vector<std::string>{"Form3", "Form4"}));
}

TEST(Form3Correction, CorrectionModeShowsTheInstructionAndNoButton) {
  Session s(FaultyXW());
  Click(s.app, "Form3", "Command2");
  Window& f3 = s.f3();
  EXPECT_EQ(f3.caption, u"Коррекция исходной информации");
  EXPECT_TRUE(f3.surface().Ops().empty());
  EXPECT_TRUE(f3.control("List1").visible);
  EXPECT_TRUE(f3.control("List1").enabled);
  EXPECT_TRUE(f3.control("Label3").visible);
  for (const char* hidden : {"Command1", "Command2", "Command3", "Label1", "Label2"}) {
    EXPECT_FALSE(f3.control(hidden).visible) << hidden;
  }
}

TEST(Form3Correction, ACompositionRowAsksOnlyThatComposition) {
  struct Case {
    int row;
    const char16_t* title;
    int y;
  };
  const Case cases[] = {{8, u"Ввод XW", 3300}, {9, u"Ввод XF", 3500}, {10, u"Ввод FP", 3700}};
  for (const Case& c : cases) {
    Session s(FaultyXW());
    Click(s.app, "Form3", "Command2");
    const auto before = s.f3().control("List1").items;
    const std::size_t asked = s.promptsSoFar();
    s.tk.Answer(u"0,06");
    ClickRow(s.app, "Form3", c.row);

    ASSERT_EQ(s.tk.prompts.size(), asked + 1) << c.row;
    const PromptRecord& p = s.tk.prompts.back();
    EXPECT_EQ(p.prompt, ParameterCaption(c.row + 8));
    EXPECT_EQ(p.title, c.title);
    EXPECT_EQ(p.x, 1000);
    EXPECT_EQ(p.y, c.y);
    const auto& after = s.f3().control("List1").items;
    ASSERT_EQ(after.size(), 11u);
    for (int r = 0; r < 11; ++r) {
      if (r == c.row) {
        EXPECT_TRUE(after[static_cast<std::size_t>(r)].ends_with(u"    0.06"));
      } else {
        EXPECT_EQ(after[static_cast<std::size_t>(r)], before[static_cast<std::size_t>(r)]);
      }
    }
  }
}

TEST(Form3Correction, APointRowAsksThePairThenAllThreeCompositions) {
  Session s;
  Click(s.app, "Form3", "Command2");
  const std::size_t asked = s.promptsSoFar();
  // Point 3 moves past point 4 when it is given X* 0.6.
  s.tk.Answer({u"0.6", u"0.75", u"0.05", u"0.4", u"0.95"});
  ClickRow(s.app, "Form3", 3);

  ASSERT_EQ(s.tk.prompts.size(), asked + 5);
  const PromptRecord* p = &s.tk.prompts[asked];
  EXPECT_EQ(p[0].prompt, u" X [ 3 ] /мольн.д/ = ");
  EXPECT_EQ(p[0].title, u"ВВОД X РАВНОВЕСНОГО ");
  EXPECT_EQ(p[0].x, 1000);
  EXPECT_EQ(p[0].y, 1695 + 195 * 3);
  EXPECT_EQ(p[1].prompt, u" Y [ 3 ] /мольн.д/  = ");
  EXPECT_EQ(p[1].title, u"ВВОД Y РАВНОВЕСНОГО");
  EXPECT_EQ(p[1].x, 4000);
  EXPECT_EQ(p[1].y, 1695 + 195 * 3);
  for (int n = 16; n <= 18; ++n) {
    const PromptRecord& c = p[n - 14];
    EXPECT_EQ(c.prompt, ParameterCaption(n));
    EXPECT_EQ(c.title, u" Ввод " + ParameterCaption(n));
    EXPECT_EQ(c.x, 1000);
    EXPECT_EQ(c.y, 1400 + 195 * (n - 8));
  }

  const DesignData& d = s.app.data();
  EXPECT_EQ(d.EqX[3], 0.5f);
  EXPECT_EQ(d.EqX[4], 0.6f);
  EXPECT_EQ(d.EqYText[4], u"0.75");
  const auto& rows = s.f3().control("List1").items;
  ASSERT_EQ(rows.size(), 11u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(rows[static_cast<std::size_t>(i)], EquilibriumRowText(d, i));
  for (int n = 16; n <= 18; ++n) {
    EXPECT_EQ(rows[static_cast<std::size_t>(n - 8)], ParameterRowText(d, n));
  }
  // Y* 0.75 lies between its neighbours 0.7 and 0.85: the data stay sound.
  EXPECT_EQ(d.InputError, kFalse);
  EXPECT_EQ(s.f3().control("Command3").backColor, 65280u);
  EXPECT_FALSE(s.f3().control("Label3").visible);
  EXPECT_FALSE(s.f3().control("List1").tabStop);
}

TEST(Form3Correction, OutOfRangeCorrectionsBeepAndZeroAndOneDoNot) {
  struct Case {
    const char16_t* typed;
    bool rejected;
  };
  const Case cases[] = {{u"1.0001", true}, {u"-0.1", true}, {u"0", false}, {u"1", false}};
  for (const Case& c : cases) {
    Session s;
    Click(s.app, "Form3", "Command2");
    s.tk.Answer(c.typed);
    ClickRow(s.app, "Form3", 9);
    EXPECT_EQ(s.tk.beeps, c.rejected ? 1 : 0) << ToUtf8(c.typed);
    EXPECT_EQ(s.app.data().ParamText[17], c.rejected ? u"???" : std::u16string(c.typed));
    if (c.rejected) {
      EXPECT_EQ(s.app.data().ParamValue[17], 0.0f);
    }
  }
}

TEST(Form3Correction, ARowClickInReviewLeavesAllThreeButtonsVisible) {
  Session s(FaultyXW());
  s.tk.Answer(u"0.05");
  ClickRow(s.app, "Form3", 8);
  Window& f3 = s.f3();
  for (const char* shown : {"Command1", "Command2", "Command3"}) {
    EXPECT_TRUE(f3.control(shown).visible) << shown;
  }
  EXPECT_EQ(f3.control("Command3").backColor, 65280u);
  EXPECT_EQ(s.app.data().InputError, kFalse);
}

TEST(Form3Correction, EndOfCorrectionsWithFaultyDataMarksTheXFRow) {
  FirstStage stage;
  stage.xf = u"0.97";  // above XP
  Session s(stage);
  ASSERT_EQ(s.app.data().ErrorRow, 9);
  Click(s.app, "Form3", "Command2");
  s.tk.Answer(u"0.96");  // still above XP
  ClickRow(s.app, "Form3", 9);
  EXPECT_EQ(s.f3().control("Command3").backColor, 255u);

  Click(s.app, "Form3", "Command3");
  const Control& marker = s.f3().control("Label2");
  EXPECT_TRUE(marker.visible);
  EXPECT_EQ(marker.top, 2955);
  EXPECT_EQ(marker.caption, ParameterRowText(s.app.data(), 17));
  EXPECT_FALSE(s.f3().control("Command3").visible);
  EXPECT_TRUE(Form(s.app, "Form4").visible);
}

TEST(Form3Correction, EndOfCorrectionsWithSoundDataAsksTheTrayType) {
  Session s(FaultyXW());
  Click(s.app, "Form3", "Command2");
  s.tk.Answer(u"0.05");
  ClickRow(s.app, "Form3", 8);
  Click(s.app, "Form3", "Command3");
  EXPECT_EQ(ui_test::LoadedNames(s.app), std::vector<std::string>{"Form5"});
  EXPECT_EQ(s.app.data().ParamValue[16], 0.05f);
}

TEST(Form3Correction, AcceptActsOnTheLastCheckOnly) {
  // Sound data made faulty by a correction in review: Command1 stays green but the
  // last check decides.
  Session s;
  s.tk.Answer(u"0");
  ClickRow(s.app, "Form3", 8);
  EXPECT_EQ(s.f3().control("Command1").backColor, 65280u);
  Click(s.app, "Form3", "Command1");
  EXPECT_TRUE(Form(s.app, "Form4").visible);
  EXPECT_EQ(s.f3().control("Label2").top, 1200 + 195 * 8);
}

TEST(Form3Correction, Form4YesReturnsToCorrectionModeAndNoEndsTheProgram) {
  {
    Session s(FaultyXW());
    Click(s.app, "Form3", "Command1");
    const auto rows = s.f3().control("List1").items;
    Click(s.app, "Form4", "Command1");
    Window& f3 = s.f3();
    EXPECT_EQ(ui_test::LoadedNames(s.app), std::vector<std::string>{"Form3"});
    EXPECT_EQ(f3.caption, u"Коррекция исходной информации");
    EXPECT_TRUE(f3.visible);
    EXPECT_TRUE(f3.surface().Ops().empty());
    EXPECT_TRUE(f3.control("List1").visible);
    EXPECT_TRUE(f3.control("List1").enabled);
    EXPECT_EQ(f3.control("List1").items, rows);
    EXPECT_TRUE(f3.control("Label3").visible);
    for (const char* hidden : {"Command1", "Command2", "Command3", "Label1", "Label2"}) {
      EXPECT_FALSE(f3.control(hidden).visible) << hidden;
    }
    // The fault can now be corrected and the data accepted.
    s.tk.Answer(u"0.05");
    ClickRow(s.app, "Form3", 8);
    Click(s.app, "Form3", "Command3");
    EXPECT_EQ(ui_test::VisibleNames(s.app), std::vector<std::string>{"Form5"});
  }
  {
    Session s(FaultyXW());
    Click(s.app, "Form3", "Command1");
    Click(s.app, "Form4", "Command2");
    EXPECT_TRUE(s.tk.ended);
    EXPECT_TRUE(s.app.LoadedWindows().empty());
  }
}

TEST(Form3Correction, RepeatedFaultDisplaysLoadTheDialogAfresh) {
  Session s(FaultyXW());
  Click(s.app, "Form3", "Command1");
  const std::uint64_t first = Form(s.app, "Form4").Serial();
  Click(s.app, "Form4", "Command1");
  s.tk.Answer(u"0");
  ClickRow(s.app, "Form3", 8);
  Click(s.app, "Form3", "Command3");
  EXPECT_NE(Form(s.app, "Form4").Serial(), first);
  EXPECT_EQ(s.tk.beeps, 2);
}

TEST(Form3Correction, AnyTypedTextInACorrectionIsHandled) {
  Session s;
  Click(s.app, "Form3", "Command2");
  s.tk.Answer({std::u16string(10000, u'5'), u"\x01\x02", u"Ж", u"\t", std::u16string(10000, u',')});
  ClickRow(s.app, "Form3", 0);
  const DesignData& d = s.app.data();
  EXPECT_EQ(s.tk.beeps, 1);  // the 10 000 fives read as infinity
  EXPECT_EQ(d.EqX[0], 0.0f);
  EXPECT_EQ(d.ParamText[18].size(), 10000u);
  EXPECT_EQ(d.ParamText[18][0], u'.');
  EXPECT_EQ(s.f3().control("List1").items.size(), 11u);
  EXPECT_EQ(d.InputError, kTrue);
}

}  // namespace
}  // namespace rc
