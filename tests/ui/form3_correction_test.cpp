// Form3 after the first entry stage: correcting a pair, a row click in review, the
// dialog Form4 loaded afresh and any typed text.
#include "ui/form3.h"

#include <gtest/gtest.h>

#include "first_stage.h"
#include "model/text.h"
#include "ui/row_texts.h"

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
