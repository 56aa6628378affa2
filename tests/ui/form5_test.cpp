#include "ui/form5.h"

#include <gtest/gtest.h>

#include "form5_fixture.h"
#include "ui/error_dialog.h"
#include "ui/form7.h"
#include "report/input_rows.h"

namespace rc::tray_test {
namespace {

Form5& AskTypeOn(Application& run) {
  run.Dispatch([&] { AskTrayType(run); });
  return run.Form<Form5>();
}

class Form5Test : public WindowTest {
 protected:
  void SetUp() override { FillSoundData(app.data(), kTrayTypeNotChosen); }

  Form5& AskType() { return AskTypeOn(app); }
  // Asks the tray type, answers it with the button and the 21 parameters with texts.
  Form5& EnterWith(const char* button, std::vector<std::u16string> texts) {
    Form5& f = AskType();
    for (const auto& t : texts) kit.Answer(t);
    Click(f, button);
    return f;
  }
  static std::vector<std::u16string> WithParameter(int n, const std::u16string& text) {
    auto texts = SoundParameterTexts();
    for (int index = 0; index < 21; ++index) {
      if (ListedParameter(index) == n) texts[static_cast<std::size_t>(index)] = text;
    }
    return texts;
  }
  Form5& CorrectionMode(const char* button, std::vector<std::u16string> texts) {
    Form5& f = EnterWith(button, std::move(texts));
    Click(f, "Command2");
    kit.prompts.clear();
    return f;
  }
};

TEST_F(Form5Test, TrayTypeQuestionShowsOnlyTheQuestionAndTheTwoClassButtons) {
  Form5& f = AskType();
  EXPECT_TRUE(f.visible);
  EXPECT_EQ(f.caption, u"Продолжение ввода исходной информации");
  EXPECT_EQ(f.left, 100);
  EXPECT_EQ(f.top, 100);
  Control& question = f.control("Label1");
  EXPECT_TRUE(question.visible);
  EXPECT_EQ(question.caption, u"НАЗОВИТЕ ТИП ТАРЕЛОК");
  EXPECT_EQ(question.foreColor, 0xFF0000u);
  EXPECT_EQ(question.backColor, 0x00FFFFu);
  for (const char* name : {"Command1", "Command2", "Command3", "Label2", "Label3", "List1"}) {
    EXPECT_FALSE(f.control(name).visible) << name;
  }
  Control& caps = f.control("Command4");
  Control& noCaps = f.control("Command5");
  EXPECT_TRUE(caps.visible && noCaps.visible);
  EXPECT_EQ(caps.caption, u"ТАРЕЛКИ КОЛПАЧКОВЫЕ");
  EXPECT_EQ(noCaps.caption, u"ТАРЕЛКИ НЕ КОЛПАЧКОВЫЕ");
  EXPECT_EQ(caps.top, question.top + question.height + 300);
  EXPECT_EQ(noCaps.top, caps.top);
  // Equal gaps left of, between and right of the two buttons.
  const int gap = caps.left;
  EXPECT_GT(gap, 0);
  EXPECT_EQ(noCaps.left - (caps.left + caps.width), gap);
  EXPECT_NEAR(f.width - (noCaps.left + noCaps.width), gap, 1);
  EXPECT_EQ(f.control("List1").top, 500);
  EXPECT_EQ(f.control("List1").height, 4400);
}

TEST_F(Form5Test, EntryAsksTheTwentyOneParametersAtTheirRows) {
  Form5& f = EnterWith("Command4", SoundParameterTexts());
  const DesignData& data = app.data();
  ASSERT_EQ(kit.prompts.size(), 21u);
  EXPECT_EQ(kit.unansweredPrompts, 0);
  for (int index = 0; index < 21; ++index) {
    const int n = ListedParameter(index);
    const PromptRecord& p = kit.prompts[static_cast<std::size_t>(index)];
    EXPECT_EQ(p.prompt, data.ParamCaption[n]) << n;
    EXPECT_EQ(p.title, u" Ввод " + data.ParamCaption[n]) << n;
    EXPECT_EQ(p.defaultText, u"");
    EXPECT_EQ(p.x, 1000);
    EXPECT_EQ(p.y, 1100 + 195 * (index + 1)) << n;
  }
  EXPECT_EQ(data.TrayType, kBubbleCapTrays);
  Control& list = f.control("List1");
  ASSERT_EQ(list.items.size(), 22u);
  EXPECT_EQ(list.items[14], ParameterRowText(data, 33));
  EXPECT_EQ(list.items[13], ParameterRowText(data, 31));
  EXPECT_TRUE(list.visible);
  EXPECT_FALSE(list.enabled);
  EXPECT_TRUE(f.control("Command1").visible && f.control("Command2").visible);
  EXPECT_EQ(f.control("Command1").backColor, kGreen);
  EXPECT_EQ(f.control("Command2").backColor, kGreen);
  EXPECT_EQ(f.FocusName(), "Command1");
  EXPECT_EQ(data.InputError, kFalse);
}

TEST_F(Form5Test, TypedTextsAreTidiedButNotRangeChecked) {
  auto texts = WithParameter(20, u"2,5");
  texts[2] = u"";  // parameter 21 cancelled
  texts[3] = u"999";  // parameter 22 far above its limit
  Form5& f = EnterWith("Command4", texts);
  const DesignData& data = app.data();
  EXPECT_EQ(data.ParamText[20], u"2.5");
  EXPECT_EQ(data.ParamValue[20], 2.5f);
  EXPECT_EQ(data.ParamText[21], u"0");
  EXPECT_EQ(data.ParamText[22], u"999");
  EXPECT_EQ(kit.beeps, 0);
  // Parameter 21 (0, below 2) is the first fault.
  EXPECT_EQ(data.ErrorRow, 4);
  EXPECT_EQ(f.control("Command1").backColor, kRed);
  EXPECT_EQ(f.FocusName(), "Command2");
}

TEST_F(Form5Test, HeaderRowNamesTheClassAndAfterParameter34TheKind) {
  struct Case {
    const char* button;
    std::u16string areaRatio;
    std::u16string atStart, atEnd;
  };
  const Case cases[] = {
      {"Command5", u"1", Blanks(10) + u"ТАРЕЛКИ НЕ КОЛПАЧКОВЫЕ", Blanks(11) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ"},
      {"Command5", u"0.83", Blanks(10) + u"ТАРЕЛКИ НЕ КОЛПАЧКОВЫЕ",
       Blanks(11) + u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ"},
      {"Command4", u"1", Blanks(10) + u"ТАРЕЛКИ КОЛПАЧКОВЫЕ", Blanks(10) + u"ТАРЕЛКИ КОЛПАЧКОВЫЕ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button + std::string(" ") + ToUtf8(c.areaRatio));
    WatchingToolkit toolkit;
    Application run(toolkit);
    FillSoundData(run.data(), kTrayTypeNotChosen);
    Form5& f = AskTypeOn(run);
    std::u16string headerAtFirstPrompt;
    toolkit.onPrompt = [&] {
      if (toolkit.prompts.empty()) headerAtFirstPrompt = f.control("List1").items.at(0);
    };
    for (const auto& t : WithParameter(34, c.areaRatio)) toolkit.Answer(t);
    ClickOn(run, f, c.button);
    EXPECT_EQ(headerAtFirstPrompt, c.atStart);
    EXPECT_EQ(f.control("List1").items.at(0), c.atEnd);
    EXPECT_EQ(f.control("List1").items.size(), 22u);
  }
}

TEST_F(Form5Test, CorrectionModeShowsTheEnabledListAndTheInstruction) {
  Form5& f = CorrectionMode("Command4", SoundParameterTexts());
  EXPECT_EQ(f.caption, u"Коррекция исходной информации");
  EXPECT_TRUE(f.control("List1").visible && f.control("List1").enabled);
  Control& instruction = f.control("Label3");
  EXPECT_TRUE(instruction.visible);
  EXPECT_EQ(instruction.top, 6000);
  EXPECT_EQ(instruction.caption,
            u" Подведите указатель мыши к   строке, информацию которой   Вы будете исправлять и  "
            u"щёлкните левой кнопкой");
  for (const char* name : {"Label1", "Label2", "Command1", "Command2", "Command3"}) {
    EXPECT_FALSE(f.control(name).visible) << name;
  }
}

TEST_F(Form5Test, Row14AsksParameter33AloneAndColoursTheEndButton) {
  Form5& f = CorrectionMode("Command4", SoundParameterTexts());
  const auto before = f.control("List1").items;
  kit.Answer(u"12,5");
  ClickRow(f, 14);
  ASSERT_EQ(kit.prompts.size(), 1u);
  EXPECT_EQ(kit.prompts[0].prompt, app.data().ParamCaption[33]);
  EXPECT_EQ(kit.prompts[0].x, 1000);
  EXPECT_EQ(kit.prompts[0].y, 4025);
  EXPECT_EQ(app.data().ParamText[33], u"12.5");
  EXPECT_EQ(kit.beeps, 0);
  const auto& after = f.control("List1").items;
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t r = 0; r < after.size(); ++r) {
    if (r == 14) {
      EXPECT_EQ(after[r], ParameterRowText(app.data(), 33));
    } else {
      EXPECT_EQ(after[r], before[r]) << r;
    }
  }
  Control& done = f.control("Command3");
  EXPECT_TRUE(done.visible);
  EXPECT_EQ(done.backColor, kRed);
  EXPECT_EQ(app.data().ErrorRow, 15);
  EXPECT_FALSE(f.control("Label3").visible);
  EXPECT_FALSE(f.control("List1").tabStop);

  kit.Answer(u"1.2");
  ClickRow(f, 14);
  EXPECT_EQ(done.backColor, kGreen);
  EXPECT_EQ(app.data().InputError, kFalse);
}

TEST_F(Form5Test, CorrectingParameter34RewritesTheHeaderOnlyOnTraysWithoutCaps) {
  {
    Form5& f = CorrectionMode("Command5", WithParameter(34, u"1"));
    ASSERT_EQ(f.control("List1").items[0], Blanks(11) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ");
    kit.Answer(u"0.5");
    ClickRow(f, 15);  // parameter 34
    EXPECT_EQ(kit.prompts.at(0).prompt, app.data().ParamCaption[34]);
    EXPECT_EQ(f.control("List1").items[0], Blanks(30) + u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ");
    kit.Answer(u"1");
    ClickRow(f, 15);
    EXPECT_EQ(f.control("List1").items[0], Blanks(30) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ");
  }
  WatchingToolkit toolkit;
  Application run(toolkit);
  FillSoundData(run.data(), kTrayTypeNotChosen);
  Form5& f = AskTypeOn(run);
  for (const auto& t : WithParameter(34, u"1")) toolkit.Answer(t);
  ClickOn(run, f, "Command4");
  ClickOn(run, f, "Command2");
  toolkit.Answer(u"0.5");
  ClickRowOn(run, f, 15);
  EXPECT_EQ(run.data().ParamText[34], u"0.5");
  EXPECT_EQ(f.control("List1").items[0], Blanks(10) + u"ТАРЕЛКИ КОЛПАЧКОВЫЕ");
}

TEST_F(Form5Test, ChangeOfClassAsksAllAgainAndEndsInReviewWithTheListDisabled) {
  Form5& f = CorrectionMode("Command4", SoundParameterTexts());
  ClickRow(f, 0);
  EXPECT_TRUE(kit.prompts.empty());
  EXPECT_TRUE(f.control("Command4").visible && f.control("Command5").visible);
  EXPECT_EQ(f.FocusName(), "Command5");  // bubble-cap now: the other class has the focus
  EXPECT_FALSE(f.control("Command3").visible);

  for (const auto& t : WithParameter(34, u"1")) kit.Answer(t);
  Click(f, "Command5");
  EXPECT_EQ(kit.prompts.size(), 21u);
  EXPECT_EQ(app.data().TrayType, kTraysWithoutCaps);
  Control& list = f.control("List1");
  EXPECT_EQ(list.items.size(), 22u);
  EXPECT_EQ(list.items[0], Blanks(11) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ");
  EXPECT_FALSE(list.enabled);
  EXPECT_TRUE(f.control("Command1").visible && f.control("Command2").visible);
  for (const char* name : {"Command3", "Command4", "Command5", "Label3"}) {
    EXPECT_FALSE(f.control(name).visible) << name;
  }

  Click(f, "Command2");
  ClickRow(f, 0);
  EXPECT_EQ(f.FocusName(), "Command4");
}

TEST_F(Form5Test, AcceptingFaultyDataShowsTheFaultyRowAndForm6) {
  struct Case {
    const char* button;
    std::u16string areaRatio;
    std::u16string header;
  };
  const Case cases[] = {
      {"Command4", u"1", Blanks(10) + u"ТАРЕЛКИ КОЛПАЧКОВЫЕ"},
      {"Command5", u"1", Blanks(8) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ"},
      {"Command5", u"0.83", Blanks(8) + u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button + std::string(" ") + ToUtf8(c.areaRatio));
    WatchingToolkit toolkit;
    Application run(toolkit);
    FillSoundData(run.data(), kTrayTypeNotChosen);
    Form5& f = AskTypeOn(run);
    auto texts = WithParameter(34, c.areaRatio);
    texts[13] = u"12.5";  // parameter 33, error code 15
    for (const auto& t : texts) toolkit.Answer(t);
    ClickOn(run, f, c.button);
    ASSERT_EQ(run.data().ErrorRow, 15);
    ClickOn(run, f, "Command1");

    EXPECT_EQ(toolkit.beeps, 1);
    EXPECT_EQ(f.caption, u"Контроль исходной информации");
    EXPECT_TRUE(DrewAt(f, c.header, 530, 1210));
    EXPECT_TRUE(DrewAt(f, ParameterRowText(run.data(), 19), 530, 1210 + 195));
    EXPECT_TRUE(DrewAt(f, ParameterRowText(run.data(), 33), 530, 1210 + 195 * 14));
    EXPECT_TRUE(DrewAt(f, ParameterRowText(run.data(), 40), 530, 1210 + 195 * 21));
    EXPECT_EQ(DrawnTexts(f).size(), 22u);
    Control& marker = f.control("Label2");
    EXPECT_TRUE(marker.visible);
    EXPECT_EQ(marker.caption, ParameterRowText(run.data(), 33));
    EXPECT_EQ(marker.left, 530);
    EXPECT_EQ(marker.top, 3930);
    EXPECT_EQ(marker.width, 10000);
    EXPECT_EQ(marker.height, 200);
    for (const char* name : {"List1", "Command1", "Command2"}) {
      EXPECT_FALSE(f.control(name).visible) << name;
    }
    Form6* dialog = run.FindForm<Form6>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->visible);
    EXPECT_EQ(run.FindForm<Form7>(), nullptr);
  }
}

TEST_F(Form5Test, MarkerFollowsTheErrorCodeOnBothSidesOfTheSkippedParameter32) {
  // Code c marks list row c - 1: parameter 19 (code 2) row 1, 31 (14) row 13, 40 (22) row 21.
  const std::pair<int, int> cases[] = {{19, 1}, {31, 13}, {40, 21}};
  for (const auto& [n, row] : cases) {
    WatchingToolkit toolkit;
    Application run(toolkit);
    FillSoundData(run.data(), kTrayTypeNotChosen);
    Form5& f = AskTypeOn(run);
    for (const auto& t : WithParameter(n, u"-1")) toolkit.Answer(t);
    ClickOn(run, f, "Command4");
    ClickOn(run, f, "Command1");
    EXPECT_EQ(f.control("Label2").top, 1200 + 195 * row) << n;
    EXPECT_EQ(f.control("Label2").caption, ParameterRowText(run.data(), n)) << n;
  }
}

TEST_F(Form5Test, EndOfCorrectionsActsOnTheLastCheck) {
  Form5& f = CorrectionMode("Command4", SoundParameterTexts());
  kit.Answer(u"0");
  ClickRow(f, 1);  // parameter 19 = 0: lower bound is exclusive
  ASSERT_EQ(f.control("Command3").backColor, kRed);
  Click(f, "Command3");
  EXPECT_FALSE(f.control("Command3").visible);
  EXPECT_EQ(f.control("Label2").top, 1200 + 195);
  EXPECT_NE(app.FindForm<Form6>(), nullptr);
}

TEST_F(Form5Test, SoundDataOpenTheResultsMenuAndCloseThisWindow) {
  for (const char* button : {"Command1", "Command3"}) {
    SCOPED_TRACE(button);
    WatchingToolkit toolkit;
    Application run(toolkit);
    FillSoundData(run.data(), kTrayTypeNotChosen);
    Form5& f = AskTypeOn(run);
    for (const auto& t : SoundParameterTexts()) toolkit.Answer(t);
    ClickOn(run, f, "Command5");
    if (std::string(button) == "Command3") {
      ClickOn(run, f, "Command2");
      toolkit.Answer(u"3");
      ClickRowOn(run, f, 1);
      ASSERT_EQ(f.control("Command3").backColor, kGreen);
    }
    ClickOn(run, f, button);
    EXPECT_EQ(toolkit.beeps, 0);
    EXPECT_EQ(run.FindForm<Form5>(), nullptr);
    EXPECT_EQ(run.FindForm<Form6>(), nullptr);
    Form7* menu = run.FindForm<Form7>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->visible);
    EXPECT_EQ(run.LoadedWindows().size(), 1u);
  }
}

}  // namespace
}  // namespace rc::tray_test
