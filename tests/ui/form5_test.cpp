#include "ui/form5.h"

#include <gtest/gtest.h>

#include "model/input_catalogue.h"
#include "support/ui_driver.h"
#include "ui/error_dialog.h"

namespace rc::ui_test {
namespace {

class Form5Test : public SessionTest {
 protected:
  Form5& AskType() {
    app.data() = PlainSoundData(kTrayTypeNotChosen);
    app.Dispatch([&] { AskTrayType(app); });
    return app.Form<Form5>();
  }
  // The tray type answered with its button, the 22 parameters with the texts.
  Form5& EnterWith(std::int32_t trayType, const std::vector<std::u16string>& texts) {
    return Form5After(*this, trayType, texts);
  }
};

TEST_F(Form5Test, TrayTypeQuestionShowsOnlyTheQuestionAndTheTwoClassButtons) {
  Form5& f = AskType();
  EXPECT_TRUE(f.visible);
  EXPECT_EQ(f.caption, u"Продолжение ввода исходной информации");
  EXPECT_EQ(std::make_pair(f.left, f.top), std::make_pair(100, 100));
  Control& question = f.control("Label1");
  EXPECT_TRUE(question.visible);
  EXPECT_EQ(question.caption, u"НАЗОВИТЕ ТИП ТАРЕЛОК");
  EXPECT_EQ(std::make_pair(question.foreColor, question.backColor), std::make_pair(0xFF0000u, 0x00FFFFu));
  EXPECT_EQ(ShownControls(f), "Command4 Command5 Label1");
  Control& caps = *f.capsButton;
  Control& noCaps = *f.noCapsButton;
  EXPECT_EQ(caps.caption, u"ТАРЕЛКИ КОЛПАЧКОВЫЕ");
  EXPECT_EQ(noCaps.caption, u"ТАРЕЛКИ НЕ КОЛПАЧКОВЫЕ");
  EXPECT_EQ(std::make_pair(caps.top, noCaps.top), std::make_pair(question.top + question.height + 300, caps.top));
  ExpectSideBySide(f, caps, noCaps);
  // 23 rows of 195 twips: the header and 22 parameters, a row more than the third stage.
  EXPECT_EQ(std::make_pair(f.list.top, f.list.height), std::make_pair(500, 4595));
}

TEST_F(Form5Test, EntryAsksTheTwentyTwoParametersAtTheirRows) {
  Form5& f = EnterWith(kBubbleCapTrays, SoundTexts());
  const DesignData& data = app.data();
  ASSERT_EQ(kit.prompts.size(), 22u);
  EXPECT_EQ(kit.unansweredPrompts, 0);
  // 19..31, 33..40 (no tray-type slot 32), then q, asked last at row 22.
  std::vector<int> asked;
  for (int n = 19; n <= 40; ++n) {
    if (n != kParamTrayTypeSlot) asked.push_back(n);
  }
  asked.push_back(kParamFeedCondition);
  EXPECT_EQ(InputNumbers(InputStage::TrayData), asked);
  for (int index = 0; index < 22; ++index) {
    const PromptRecord& p = kit.prompts[static_cast<std::size_t>(index)];
    ExpectParameterPrompt(p, asked[static_cast<std::size_t>(index)], 1100 + 195 * (index + 1));
    EXPECT_EQ(p.defaultText, index == 21 ? u"1" : u"");  // q offers a boiling feed
  }
  EXPECT_EQ(data.TrayType, kBubbleCapTrays);
  Control& list = f.list;
  ASSERT_EQ(list.items.size(), 23u);
  EXPECT_EQ(list.items[14], ParameterRowText(data, 33));
  EXPECT_EQ(list.items[13], ParameterRowText(data, 31));
  EXPECT_TRUE(list.visible);
  EXPECT_FALSE(list.enabled);
  EXPECT_EQ(ShownControls(f), "List1 Command1 Command2");
  EXPECT_EQ(f.acceptButton.backColor, kGreen);
  EXPECT_EQ(f.correctButton.backColor, kGreen);
  EXPECT_EQ(f.Focus(), &f.acceptButton);
  EXPECT_EQ(data.InputError, kFalse);
}

TEST_F(Form5Test, TypedTextsAreTidiedButNotRangeChecked) {
  auto texts = SoundTexts(20, u"2,5");
  texts[2] = u"";  // parameter 21 cancelled
  texts[3] = u"999";  // parameter 22 far above its limit
  texts[21] = u"";  // q cancelled: a boiling feed, not a saturated vapour
  Form5& f = EnterWith(kBubbleCapTrays, texts);
  const DesignData& data = app.data();
  EXPECT_EQ(data.ParamText[kParamFeedCondition], u"1");
  EXPECT_EQ(data.ParamValue[kParamFeedCondition], 1.0f);
  EXPECT_EQ(data.ParamText[20], u"2.5");
  EXPECT_EQ(data.ParamValue[20], 2.5f);
  EXPECT_EQ(data.ParamText[21], u"0");
  EXPECT_EQ(data.ParamText[22], u"999");
  EXPECT_EQ(kit.beeps, 0);
  // Parameter 21 (0, below 2) is the first fault.
  EXPECT_EQ(data.ErrorRow, 4);
  EXPECT_EQ(f.acceptButton.backColor, kRed);
  EXPECT_EQ(f.Focus(), &f.acceptButton);
}

TEST_F(Form5Test, HeaderRowNamesTheClassAndAfterParameter34TheKind) {
  struct Case {
    std::int32_t trayType;
    std::u16string areaRatio;
    std::u16string atStart, atEnd;
  };
  const Case cases[] = {
      {kTraysWithoutCaps, u"1", Blanks(10) + u"ТАРЕЛКИ НЕ КОЛПАЧКОВЫЕ", Blanks(11) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ"},
      {kTraysWithoutCaps, u"0.83", Blanks(10) + u"ТАРЕЛКИ НЕ КОЛПАЧКОВЫЕ",
       Blanks(11) + u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ"},
      {kBubbleCapTrays, u"1", Blanks(10) + u"ТАРЕЛКИ КОЛПАЧКОВЫЕ", Blanks(10) + u"ТАРЕЛКИ КОЛПАЧКОВЫЕ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.trayType) + " " + ToUtf8(c.areaRatio));
    Session r;
    std::u16string headerAtFirstPrompt;
    r.kit.onPrompt = [&] {
      if (r.kit.prompts.empty()) headerAtFirstPrompt = r.app.Form<Form5>().list.items.at(0);
    };
    Form5& f = Form5After(r, c.trayType, SoundTexts(34, c.areaRatio));
    EXPECT_EQ(headerAtFirstPrompt, c.atStart);
    EXPECT_EQ(f.list.items.at(0), c.atEnd);
    EXPECT_EQ(f.list.items.size(), 23u);
  }
}

TEST_F(Form5Test, ChangeOfClassAsksAllAgainAndEndsInReviewWithTheListDisabled) {
  Form5& f = EnterWith(kBubbleCapTrays, SoundTexts());
  Click(app, f.correctButton);
  kit.prompts.clear();
  ClickRow(app, f, 0);
  EXPECT_TRUE(kit.prompts.empty());
  EXPECT_TRUE(f.capsButton->visible && f.noCapsButton->visible);
  EXPECT_EQ(f.Focus(), f.noCapsButton);  // bubble-cap now: the other class has the focus
  EXPECT_FALSE(f.endOfCorrectionsButton.visible);

  for (const auto& t : SoundTexts(34, u"1")) kit.Answer(t);
  Click(app, *f.noCapsButton);
  EXPECT_EQ(kit.prompts.size(), 22u);
  EXPECT_EQ(app.data().TrayType, kTraysWithoutCaps);
  EXPECT_EQ(f.list.items.size(), 23u);
  EXPECT_EQ(f.list.items[0], Blanks(11) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ");
  EXPECT_FALSE(f.list.enabled);
  EXPECT_TRUE(f.acceptButton.visible && f.correctButton.visible);
  for (const Control* c : {&f.endOfCorrectionsButton, f.capsButton, f.noCapsButton, &f.instruction}) {
    EXPECT_FALSE(c->visible) << c->name;
  }

  Click(app, f.correctButton);
  ClickRow(app, f, 0);
  EXPECT_EQ(f.Focus(), f.capsButton);
}

// A q refused because no vapour would rise below the feed ((0.1 + 1)(0.4 - 0.05) = 0.385
// is not above (1 - 0.5)(0.95 - 0.05) = 0.45) or because it is no number: the dialog says
// why. A q beyond its limits keeps the statement alone.
TEST_F(Form5Test, ARefusedQIsExplainedInItsDialog) {
  const struct {
    const char16_t *reflux, *q, *explanation;
  } cases[] = {
      {u"0.1", u"0.5",
       u"При q = 0.5 ниже ввода питания не поднимается пар: нужно (R + 1)(XF − XW) > "
       u"(1 − q)(XP − XW), а при R = 0.1, XW = 0.05, XF = 0.4, XP = 0.95 это не так. "
       u"Увеличьте R или q."},
      {u"2", u"abc", u"q должно быть числом от 0 до 2, а «abc» — не число."},
      {u"2", u"2.5", u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    Session r;
    auto texts = SoundTexts(kParamReflux, c.reflux);
    texts.back() = c.q;  // q, asked last
    Form5& f = Form5After(r, kBubbleCapTrays, texts);
    Click(r.app, f.acceptButton);
    EXPECT_EQ(r.app.data().ErrorRow, 23);
    Form6* dialog = r.app.FindForm<Form6>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->explanation.visible, *c.explanation != u'\0');
    if (dialog->explanation.visible) {
      EXPECT_EQ(dialog->explanation.caption, c.explanation);
    }
  }
}

}  // namespace
}  // namespace rc::ui_test
