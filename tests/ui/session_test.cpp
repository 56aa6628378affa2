// Whole student sessions through the windows, typed as a student types them: from the
// start screen to the results menu for each benzene-toluene column, both calculations
// and their reports, and round trips through the full correction window. The results
// shown and printed are compared with the calculations and reports run directly on the
// same data.
#include <gtest/gtest.h>

#include "calc/calculations.h"
#include "report/date_text.h"
#include "report/printed_reports.h"
#include "report/table_texts.h"
#include "support/ui_driver.h"

namespace rc::ui_test {
namespace {

using Column = NamedDesign;
constexpr const auto& kColumns = kBenzeneTolueneColumns;

class StudentSession : public ::testing::TestWithParam<Column>, protected Session {
 protected:
  DesignData typed = GetParam().make();

  void TypeToResultsMenu() { ui_test::TypeToResultsMenu(app, kit, typed); }

  Window& Shown(const std::string& name) { return ui_test::Shown(app, name); }
  // The results menu's shown buttons.
  std::string MenuShows() { return ShownControls(Shown("Form7")); }
  // The last text the results menu drew: the summary line after a tray-by-tray table.
  DrawOp LastDrawn() {
    const auto& ops = Shown("Form7").surface().Ops();
    return ops.empty() ? DrawOp{} : ops.back();
  }

  // The report printing gives after the calculation has run directly on `data`.
  std::vector<std::u16string> ExpectedReport(DesignData data, bool kinetic) {
    Surface printer;
    printer.SetLineHeight(kit.lineHeight);
    printer.SetPageHeight(kit.pageHeight);
    const std::u16string dateTime = DateTimeText(kit.shortDate, kit.time, kit.today);
    if (kinetic) {
      const KineticLineRun run = ComputeKineticLine(data);
      EXPECT_FALSE(run.refusal.has_value());
      PrintKineticReport(printer, data, run, dateTime, u'.');
    } else {
      const TrayByTrayRun run = ComputeTrayByTray(data);
      EXPECT_FALSE(run.refusal.has_value());
      PrintTrayReport(printer, data, run, dateTime, u'.');
    }
    return PageTexts(printer.Pages());
  }

  // The print button: one more document, which is returned as its texts.
  std::vector<std::u16string> PrintNow() {
    const std::size_t before = kit.printed.size();
    Click(app, Loaded<Form7>(app).printButton);
    if (kit.printed.size() != before + 1) {
      ADD_FAILURE() << "nothing printed";
      return {};
    }
    return PageTexts(kit.printed.back().pages);
  }

  // The tray-by-tray table's last line as the results menu shows it for `data`.
  static std::u16string ExpectedSummary(DesignData data) {
    const TrayByTrayRun outcome = ComputeTrayByTray(data);
    EXPECT_FALSE(outcome.refusal.has_value());
    return TraySummaryText(outcome.TotalTrays(), data.FeedTray);
  }
  static KineticPointArrays::Column ExpectedKineticLine(DesignData data) {
    EXPECT_FALSE(ComputeKineticLine(data).refusal.has_value());
    return data.KineticPoints.KineticY;
  }
};

TEST_P(StudentSession, TypedFromTheStartScreenComputesAndPrintsBothResults) {
  TypeToResultsMenu();
  EXPECT_EQ(kit.prompts.size(), 1u + 16u + 3u + 21u);
  EXPECT_EQ(kit.unansweredPrompts, 0);
  EXPECT_EQ(kit.beeps, 0);
  ASSERT_EQ(VisibleNames(app), std::vector<std::string>{"Form7"});
  EXPECT_EQ(MenuShows(), "Command1 Command2 Command3 Command4 Command6 Command7 Command8");

  // The windows stored exactly what was typed.
  const DesignData& data = app.data();
  EXPECT_EQ(std::tie(data.TrayType, data.EqXText, data.EqYText, data.EqX, data.EqY),
            std::tie(typed.TrayType, typed.EqXText, typed.EqYText, typed.EqX, typed.EqY));
  for (int n = kParamXW; n <= 40; ++n) {
    if (n == kParamTrayTypeSlot) continue;
    EXPECT_EQ(data.ParamText[n], typed.ParamText[n]) << n;
    EXPECT_EQ(data.ParamValue[n], typed.ParamValue[n]) << n;
  }

  Click(app, Loaded<Form7>(app).kineticLineButton);
  EXPECT_EQ(data.KineticPoints.KineticY, ExpectedKineticLine(typed));
  // A completed calculation hides nothing and offers printing.
  EXPECT_EQ(MenuShows(), "Command1 Command2 Command3 Command4 Command5 Command6 Command7 Command8");
  const auto kineticReport = PrintNow();
  EXPECT_EQ(kineticReport, ExpectedReport(typed, true));
  ASSERT_GT(kineticReport.size(), 1u);
  EXPECT_NE(kineticReport[1].find(u"РАСЧЕТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ"), std::u16string::npos);

  Click(app, Loaded<Form7>(app).trayByTrayButton);
  const DrawOp summary = LastDrawn();
  EXPECT_EQ(summary.text, ExpectedSummary(typed));
  EXPECT_NE(summary.text.find(u"НОМЕР ТАРЕЛКИ ПИТАНИЯ"), std::u16string::npos);
  EXPECT_TRUE(summary.bold);
  EXPECT_EQ(MenuShows(), "Command1 Command2 Command3 Command4 Command5 Command6 Command7 Command8");
  const auto trayReport = PrintNow();
  EXPECT_EQ(trayReport, ExpectedReport(typed, false));
  EXPECT_TRUE(Contains(trayReport, u"       " + typed.ParamCaption[19] + u"    2.5"));
}

TEST_P(StudentSession, CorrectionsFromTheResultsMenuRecomputeAndReprintWithTheNewData) {
  TypeToResultsMenu();
  Click(app, Loaded<Form7>(app).trayByTrayButton);
  DesignData expected = typed;

  // Round 1 redoes the tray-by-tray calculation; round 2, after the kinetic line has
  // been shown, redoes the kinetic line.
  struct Round {
    std::u16string reflux, pairX, pairY;
    bool kinetic;
  };
  const Round rounds[] = {{u"3", u"0.55", u"0.76", false}, {u"4,5", u"0.55", u"0.7458", true}};
  for (const Round& round : rounds) {
    SCOPED_TRACE(round.kinetic ? "kinetic line" : "tray by tray");
    if (round.kinetic) Click(app, Loaded<Form7>(app).kineticLineButton);
    const std::vector<std::u16string> shownBefore = Shown("Form7").surface().Texts();

    Click(app, Loaded<Form7>(app).changeButton);
    ASSERT_EQ(VisibleNames(app), std::vector<std::string>{"Form9"});
    CorrectRow(Loaded<Form9>(app), 12, {round.reflux});  // parameter 19, the reflux ratio
    CorrectRow(Loaded<Form9>(app), 4, {round.pairX, round.pairY});   // equilibrium point 4 keeps its place
    EXPECT_EQ(Loaded<Form9>(app).endOfCorrectionsButton.backColor, kGreen);
    Click(app, Loaded<Form9>(app).endOfCorrectionsButton);
    EXPECT_EQ(kit.unansweredPrompts, 0);

    SetParameter(expected, 19, round.reflux);
    SetEquilibriumPoint(expected, 4, round.pairX, round.pairY);
    ASSERT_NE(FindWindow(app, "Form9"), nullptr);  // left open behind the results
    Window& menu = Shown("Form7");
    EXPECT_NE(menu.surface().Texts(), shownBefore);
    if (round.kinetic) {
      EXPECT_EQ(app.data().KineticPoints.KineticY, ExpectedKineticLine(expected));
    } else {
      EXPECT_EQ(LastDrawn().text, ExpectedSummary(expected));
    }
    const auto report = PrintNow();
    EXPECT_EQ(report, ExpectedReport(expected, round.kinetic));
    EXPECT_TRUE(Contains(report, u"       " + typed.ParamCaption[19] + u"    " +
                                     expected.ParamText[19]));
  }
}

INSTANTIATE_TEST_SUITE_P(BenzeneToluene, StudentSession, ::testing::ValuesIn(kColumns),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rc::ui_test
