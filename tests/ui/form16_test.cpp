// The study window: taking a point's value into the data gives what typing that value on
// the full correction list gives.
#include "ui/form16.h"

#include <gtest/gtest.h>

#include "support/design_fixtures.h"
#include "support/ui_driver.h"
#include "ui/file_message.h"
#include "ui/form9.h"

namespace rc::ui_test {
namespace {

// What a session's data and its tray-by-tray results are after the change.
struct Outcome {
  std::u16string typed, text;
  float value = 0;
  int trays = 0, feedTray = 0;
  bool unsaved = false;
  bool operator==(const Outcome&) const = default;
};

Outcome OutcomeOf(Session& s) {
  const DesignData& d = s.app.data();
  const TrayByTrayRun* run = s.app.runs().TrayByTrayOn(d);
  return {d.Typed.Param.at(kParamWeirHeight), d.ParamText[kParamWeirHeight],
          d.ParamValue[kParamWeirHeight], run ? run->TotalTrays() : -1,
          run ? run->feedTray.value_or(0) : -1, !s.app.SavedAndUnchanged()};
}

// The bubble-cap column on the results menu after its tray-by-tray calculation
// (15 trays, the feed on tray 7, weir 0.05 m).
Form7& MenuAfterTrays(Session& s, bool freshData = true) {
  if (freshData) s.app.data() = BenzeneTolueneBubbleCap();
  s.app.Dispatch([&] { OpenResultsMenu(s.app); });
  Form7& menu = Loaded<Form7>(s.app);
  Click(s.app, menu.trayByTrayButton);
  return menu;
}

TEST(Form16, TakingAPointsValueIsTypingItOnTheCorrectionList) {
  // The weir height typed as 0.02 on the full correction list (row 28: parameter 36).
  Session typed;
  Click(typed.app, MenuAfterTrays(typed).changeButton);
  typed.CorrectRow(Loaded<Form9>(typed.app), 28, {u"0.02"});
  Click(typed.app, Loaded<Form9>(typed.app).endOfCorrectionsButton);

  // The study of the weir height over 0.02..0.08 in 4 points, its first point taken.
  Session studied;
  Click(studied.app, MenuAfterTrays(studied).studyButton);
  Form16& study = Loaded<Form16>(studied.app);
  const auto& inputs = study.Inputs();
  const auto row = std::find(inputs.begin(), inputs.end(), FindInput(kParamWeirHeight));
  ASSERT_NE(row, inputs.end());
  ClickRow(studied.app, study.inputList, static_cast<int>(row - inputs.begin()));
  EXPECT_FLOAT_EQ(static_cast<float>(study.Study().from), 0.025f);  // half of 0.05
  studied.app.Dispatch([&] { study.SetRange(0.02, 0.08, 4); });
  ClickRow(studied.app, study.pointList, 0);
  Click(studied.app, study.acceptButton);

  const Outcome a = OutcomeOf(typed), b = OutcomeOf(studied);
  EXPECT_EQ(a, b);
  // 0.02 m gives a 16th tray and the feed on tray 8 (the runner's study of p36).
  EXPECT_EQ(b, (Outcome{u"0.02", u"0.02", 0.02f, 16, 8, true}));
  EXPECT_TRUE(studied.app.FindForm<Form7>() && !studied.app.FindForm<Form16>());
}


// What the student types at ОТ, ДО or ТОЧКИ that cannot be used is refused with its reason
// in the message window, the study and the buttons' values left as they were.
TEST(Form16, ARangeThatCannotBeUsedIsRefusedWithItsReason) {
  Session s;
  Click(s.app, MenuAfterTrays(s).studyButton);
  Form16& study = Loaded<Form16>(s.app);
  // The reflux ratio 2.5 over 1.25 .. 3.75 in 41 points.
  ASSERT_EQ(study.fromButton.caption, u"ОТ 1.25");
  const struct {
    Control& button;
    std::u16string typed, reason;
  } cases[] = {
      {study.fromButton, u"abc", u"«abc» не число: значение не изменено."},
      {study.toButton, u"1.25", u"ОТ и ДО равны: задайте разные значения."},
      {study.fromButton, u"3.4e38", u"ОТ и ДО должны лежать от -200 до 400."},
      {study.pointsButton, u"1", u"ТОЧКИ: целое число от 2 до 201."},
      {study.pointsButton, u"500", u"ТОЧКИ: целое число от 2 до 201."},
  };
  for (const auto& c : cases) {
    s.kit.Answer(c.typed);
    Click(s.app, c.button);
    const FileMessage* message = s.app.FindForm<FileMessage>();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->reason.caption, c.reason);
    Click(s.app, message->goOnButton);
    EXPECT_EQ(study.Study().points.size(), 41u);
    EXPECT_EQ(study.Study().from, 0.5 * 2.5f);
    EXPECT_EQ(study.Study().to, 1.5 * 2.5f);
  }
  EXPECT_EQ(std::make_tuple(study.fromButton.caption, study.toButton.caption, study.pointsButton.caption),
            std::make_tuple(u"ОТ 1.25", u"ДО 3.75", u"ТОЧКИ 41"));
  // A usable number of points is taken and shown.
  s.kit.Answer(u"5");
  Click(s.app, study.pointsButton);
  EXPECT_EQ(s.app.FindForm<FileMessage>(), nullptr);
  EXPECT_EQ(study.Study().points.size(), 5u);
  EXPECT_EQ(study.pointsButton.caption, u"ТОЧКИ 5");
}

// With the column computed, the lower plot's button steps through φmax, ΣΔP, H and Qr and
// back to φmax; the point list writes each with the decimals of the column's lines.
TEST(Form16, QuantityButtonStepsThroughTheColumnsQuantities) {
  Session s;
  s.app.data() = BenzeneTolueneBubbleCap();
  SetBenzeneTolueneColumnStage(s.app.data());
  s.app.data().ColumnDataAccepted = kTrue;
  Form7& menu = MenuAfterTrays(s, false);
  Click(s.app, menu.studyButton);
  Form16& study = Loaded<Form16>(s.app);
  std::vector<std::u16string> captions;
  std::vector<std::size_t> decimals;
  for (int i = 0; i < 8; ++i) {
    captions.push_back(study.quantityButton.caption);
    const std::u16string& row = study.pointList.items.at(20);  // a completed point: R = 2.5
    decimals.push_back(row.size() - row.find_last_of(u".,") - 1);
    Click(s.app, study.quantityButton);
  }
  EXPECT_EQ(captions, (std::vector<std::u16string>{u"ГРАФИК: % захлебывания", u"ГРАФИК: ΣΔP, Па",
                                                   u"ГРАФИК: H, м", u"ГРАФИК: Qr, кВт",
                                                   u"ГРАФИК: ψ наибольший", u"ГРАФИК: запас до провала",
                                                   u"ГРАФИК: hb, мм", u"ГРАФИК: % захлебывания"}));
  // The bubble-cap trays' weep margin is not computed: its column stays blank.
  EXPECT_EQ(decimals[4], 4u);
  EXPECT_EQ(decimals[6], 1u);
  decimals.erase(decimals.begin() + 4, decimals.begin() + 7);
  EXPECT_EQ(decimals, (std::vector<std::size_t>{1, 1, 3, 2, 1}));
}

}  // namespace
}  // namespace rc::ui_test
