// Form3 after the first entry stage: correcting a pair, a row click in review, the
// dialog Form4 loaded afresh and any typed text.
#include "support/ui_driver.h"

namespace rc::ui_test {
namespace {

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
