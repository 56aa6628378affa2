// Form3 after the first entry stage: correcting a pair, a row click in review, the
// dialog Form4 loaded afresh and any typed text.
#include "ui/form3.h"

#include <gtest/gtest.h>

#include "first_stage.h"
#include "ui/error_dialog.h"

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
};

FirstStage FaultyXW() { return {.xw = u"0"}; }

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
  Click(s.app, ui_test::Loaded<Form3>(s.app).acceptButton);
  const std::uint64_t first = Form(s.app, "Form4").Serial();
  Click(s.app, ui_test::Loaded<Form4>(s.app).yesButton);
  s.tk.Answer(u"0");
  ClickRow(s.app, "Form3", 8);
  Click(s.app, ui_test::Loaded<Form3>(s.app).endOfCorrectionsButton);
  EXPECT_NE(Form(s.app, "Form4").Serial(), first);
  EXPECT_EQ(s.tk.beeps, 2);
}

TEST(Form3Correction, AnyTypedTextInACorrectionIsHandled) {
  Session s;
  Click(s.app, ui_test::Loaded<Form3>(s.app).correctButton);
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
