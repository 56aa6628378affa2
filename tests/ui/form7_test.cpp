#include <tuple>

#include "calc/calculations.h"
#include "report/screen_tables.h"
#include "support/ui_driver.h"

namespace rc::ui_test {
namespace {

// A results menu opened the way the tray-type window opens it. The design data are
// all zero, which no calculation accepts (the feed equals the bottoms composition).
struct Form7Menu : SessionTest {
  Form7& Open() { return OpenMenu(app.data()); }
};

TEST_F(Form7Menu, LoadsWithItsDesignedPlaceColoursAndFont) {
  Form7& f = app.Form<Form7>();
  EXPECT_EQ(Place(f), std::make_tuple(100, 100, 12000, 10395));
  EXPECT_EQ(f.caption, u"РЕЗУЛЬТАТЫ РАСЧЕТА");
  EXPECT_EQ(f.backColor, Rgb(255, 255, 0));
  EXPECT_EQ(f.surface().ForeColor, Rgb(0, 0, 192));
  EXPECT_EQ(f.font.name, u"Courier");
  EXPECT_EQ(f.font.sizePt, 9.75);
  EXPECT_EQ(f.surface().LineHeight(), 195);  // the toolkit's line height for that font
}

TEST_F(Form7Menu, ButtonsAreStackedCentredAndTabbedFromCommand1) {
  struct Expected {
    const char* name;
    const char16_t* caption;
    int left, top, width;
    Colour back;
    int tabIndex;
  };
  const Expected buttons[] = {
      {"Command2", u"РАСЧЕТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ", 3592, 7320, 4815, Rgb(192, 192, 255), 1},
      {"Command3", u"ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННОЙ КОЛОННЫ", 3112, 7915, 5775, Rgb(255, 128, 255), 2},
      {"Command5", u"ПЕЧАТЬ РЕЗУЛЬТАТА", 4432, 8510, 3135, Rgb(192, 192, 0), 4},
      {"Command4", u"ИЗМЕНЕНИЕ ИСХОДНОЙ ИНФОРМАЦИИ", 3712, 9105, 4575, Rgb(0, 255, 0), 3},
      {"Command1", u"ОКОНЧАНИЕ РАБОТЫ С ПРОГРАММОЙ", 4012, 9700, 3975, Rgb(255, 128, 128), 0},
      // The diagram button, in the right margin beside the first button.
      {"Command6", u"ДИАГРАММА Y–X", 9243, 7320, 2400, Rgb(128, 255, 255), 5},
      // The column's button under it, in the second row.
      {"Command7", u"РАЗМЕРЫ, ГИДРАВЛИКА И ТЕПЛОВОЙ БАЛАНС", 9243, 7915, 2400, Rgb(255, 192, 128), 6},
      // The save button, in the same margin in the third row.
      {"Command8", u"СОХРАНИТЬ ДАННЫЕ В ФАЙЛ", 9243, 8510, 2400, Rgb(128, 255, 192), 7},
  };
  Form7& f = app.Form<Form7>();
  EXPECT_EQ(f.Controls().size(), 8u);
  for (const Expected& e : buttons) {
    const Control& c = f.control(e.name);
    SCOPED_TRACE(e.name);
    EXPECT_EQ(c.kind, ControlKind::Button);
    EXPECT_EQ(c.caption, e.caption);
    EXPECT_EQ(Place(c), std::make_tuple(e.left, e.top, e.width, 495));
    EXPECT_EQ(c.backColor, e.back);
    EXPECT_EQ(c.tabIndex, e.tabIndex);
    EXPECT_EQ(c.font.name, u"MS Sans Serif");
    EXPECT_EQ(c.font.sizePt, 8.25);
  }
  // The last button ends 200 above the bottom of the client area.
  EXPECT_EQ(f.control("Command1").top + 495, f.height - 200);
}

TEST_F(Form7Menu, OpensAloneWithThePrintButtonHidden) {
  app.Form<Form1>();
  app.Form<Form5>().Show();
  Form7& f = Open();
  ASSERT_EQ(app.LoadedWindows(), std::vector<Window*>{&f});
  EXPECT_TRUE(f.visible);
  EXPECT_EQ(ShownControls(f), "Command1 Command2 Command3 Command4 Command6 Command7 Command8");
}

TEST_F(Form7Menu, OpensAloneEvenWhenAnotherWindowWasLoadedAfterIt) {
  app.Form<Form7>();
  app.Form<Form9>();
  Form7& f = Open();
  EXPECT_EQ(app.LoadedWindows(), std::vector<Window*>{&f});
  EXPECT_FALSE(f.printButton.visible);
}

TEST_F(Form7Menu, RefusedKineticLineShowsOnlyItsMessageAndHidesTheOtherButtons) {
  Form7& f = Open();
  f.ShowKineticResults(KineticRunOfRecord(app.data()));  // an earlier table and printing
  ASSERT_TRUE(f.printButton.visible);
  Click(app, f.kineticLineButton);

  const DesignData& data = app.data();
  EXPECT_EQ(data.InputError, kTrue);
  EXPECT_EQ(data.ShownResult, kShownKineticLine);
  ASSERT_EQ(f.surface().Ops().size(), 1u);
  const DrawOp& message = f.surface().Ops()[0];
  EXPECT_EQ(message.text, kInputErrorMessage);
  EXPECT_EQ(std::make_tuple(message.x1, message.y1, message.bold, message.colour),
            std::make_tuple(3500.0, 3500.0, true, Rgb(255, 0, 0)));
  EXPECT_EQ(kit.beeps, 1);
  // The calculation hides its own button, the menu the other calculation, and nothing of
  // the refused data can be printed.
  EXPECT_EQ(ShownControls(f), "Command1 Command4 Command6 Command7 Command8");
  EXPECT_FALSE(f.surface().FontBold);
  EXPECT_EQ(f.surface().ForeColor, Rgb(0, 0, 255));
}

TEST_F(Form7Menu, RefusedTrayByTrayHidesTheKineticButtonAndPrinting) {
  Form7& f = Open();
  app.data().ShownResult = kShownKineticLine;
  f.ShowTrayResults(TrayRunOfRecord(app.data()));
  Click(app, f.trayByTrayButton);
  EXPECT_EQ(app.data().InputError, kTrue);
  EXPECT_EQ(app.data().ShownResult, kShownTrayByTray);  // set before the calculation runs
  EXPECT_EQ(f.surface().Texts().size(), 1u);
  EXPECT_EQ(ShownControls(f), "Command1 Command3 Command4 Command6 Command7 Command8");

  // A later completed calculation brings printing back.
  f.ShowTrayResults(TrayRunOfRecord(app.data()));
  EXPECT_TRUE(f.printButton.visible);
}

TEST_F(Form7Menu, RefusalThatSparesTheKineticButtonStillSetsTheErrorAndHidesPrinting) {
  Form7& f = Open();
  f.Hide();
  f.printButton.visible = true;
  f.ShowCalculationRefusal(Refusal{RefusalKind::TooManyTrays});
  EXPECT_TRUE(f.visible);
  EXPECT_EQ(f.surface().Texts(), std::vector<std::u16string>{u"ОБЩЕЕ ЧИСЛО ТАРЕЛОК БОЛЬШЕ 120 !"});
  EXPECT_TRUE(f.kineticLineButton.visible);
  EXPECT_FALSE(f.printButton.visible);
  EXPECT_EQ(app.data().InputError, kTrue);
}

TEST_F(Form7Menu, KineticResultsAreTheTableInTheToolkitsDecimalSeparator) {
  kit.decimalSeparator = u',';
  Form7& f = Open();
  app.data().KineticPoints.ClearLiquidHeight[1] = 0.25f;
  const KineticLineRun run = KineticRunOfRecord(app.data());
  f.ShowKineticResults(run);
  Surface expected;
  DrawKineticTable(expected, run, 12000, u',');
  EXPECT_EQ(f.surface().Texts(), expected.Texts());
  EXPECT_EQ(f.surface().Ops().size(), expected.Ops().size());
  EXPECT_EQ(f.surface().Texts().at(4).substr(0, 12), u"1     0,2500");
  EXPECT_TRUE(f.printButton.visible);
}

TEST_F(Form7Menu, TrayResultsShowTheFirstTrayFromItsRecordThenTheTopTrayAndTheSummary) {
  Form7& f = Open();
  TrayByTrayRun run;
  run.trays.resize(9);
  TrayResult first{};
  first.ClearLiquidHeight = 0.011f;
  first.NOY = 1.5f;
  run.trays[0].result = first;
  run.trays[0].x = 0.02f;
  run.trays[0].yOut = 0.03f;
  const TrayResult top{0.077f, 0.5f, 0.1f, 0.2f, 0.3f, 2.5f, 0.6f, 0.7f};
  run.trays[8] = TrayStep{0.8f, 0.9f, 0.96f, 0.95f, top, Section::AboveFeed};
  run.feedTray = 4;

  f.ShowTrayResults(run);

  const auto texts = f.surface().Texts();
  ASSERT_GE(texts.size(), 19u);
  EXPECT_EQ(texts[1], u"НОМЕР ТАРЕЛКИ - 1");
  EXPECT_EQ(texts[5], TrayFirstRow(first, u'.'));
  EXPECT_EQ(texts[9], TraySecondRow(first, 0.02f, 0.03f, u'.'));
  EXPECT_EQ(texts[10], u"НОМЕР ТАРЕЛКИ - 9");
  EXPECT_EQ(texts[14], TrayFirstRow(top, u'.'));
  EXPECT_EQ(texts[18], TraySecondRow(top, 0.8f, 0.95f, u'.'));

  // The summary line: 100 below the top tray's last row, centred over 9000 twips.
  const Surface& s = f.surface();
  const std::u16string summary = TraySummaryText(9, 4);
  EXPECT_EQ(s.CurrentY, 6000 + 195 + 100 + 195);
  ASSERT_FALSE(summary.empty());
  const DrawOp& line = s.Ops().back();
  EXPECT_EQ(line.text, summary);
  EXPECT_EQ(std::make_tuple(line.x1, line.y1, line.bold, line.colour),
            std::make_tuple(1500.0, 6295.0, true, Rgb(255, 0, 0)));
  EXPECT_FALSE(s.FontBold);
  EXPECT_EQ(s.ForeColor, Rgb(0, 0, 255));
  EXPECT_TRUE(f.printButton.visible);
}

TEST_F(Form7Menu, EndAndChangeButtons) {
  Form7& f = Open();
  Click(app, f.changeButton);
  ASSERT_NE(app.FindForm<Form9>(), nullptr);
  EXPECT_TRUE(app.FindForm<Form9>()->visible);

  Form7& again = Open();
  Click(app, again.endButton);
  EXPECT_TRUE(app.Ended());
  EXPECT_TRUE(kit.ended);
}

// Whole calculations through the buttons, on complete design data sets.

using CompletedCalculations = SessionTest;

TEST_F(CompletedCalculations, KineticLineButtonDrawsTheTableAndOffersPrinting) {
  Form7& f = OpenMenu(BenzeneTolueneSieve());
  Click(app, f.kineticLineButton);
  ASSERT_EQ(app.data().InputError, kFalse);
  Surface expected;
  DrawKineticTable(expected, KineticRunOfRecord(app.data()), 12000, u'.');
  EXPECT_EQ(f.surface().Texts(), expected.Texts());
  EXPECT_EQ(f.surface().Texts().at(1), u"                      ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ");
  EXPECT_EQ(kit.beeps, 0);
  EXPECT_EQ(ShownControls(f), "Command1 Command2 Command3 Command4 Command5 Command6 Command7 Command8");
}

TEST_F(CompletedCalculations, TrayByTrayButtonDrawsFirstAndTopTraysAndTheSummary) {
  Form7& f = OpenMenu(BenzeneTolueneBubbleCap());
  Click(app, f.trayByTrayButton);
  const DesignData& data = app.data();
  ASSERT_EQ(data.InputError, kFalse);
  const int total = data.RecordedTrays.TrayNo[3];
  const auto texts = f.surface().Texts();
  ASSERT_EQ(texts.size(), 1u + 9 + 9 + 1);
  EXPECT_EQ(texts[1], u"НОМЕР ТАРЕЛКИ - 1");
  EXPECT_EQ(texts[5], TrayFirstRow(TrayResultAt(data.RecordedTrays, 1), u'.'));
  EXPECT_EQ(texts[9], TraySecondRow(TrayResultAt(data.RecordedTrays, 1),
                                    data.RecordedTrays.LiquidX[1], data.RecordedTrays.VapourY[1], u'.'));
  EXPECT_EQ(texts[10], u"НОМЕР ТАРЕЛКИ - " + DecimalText(total));
  EXPECT_EQ(texts[14], TrayFirstRow(TrayResultAt(data.RecordedTrays, 3), u'.'));
  const DrawOp& summary = f.surface().Ops().back();
  EXPECT_EQ(summary.text, TraySummaryText(total, data.FeedTray));
  EXPECT_NE(summary.text.find(u"НОМЕР ТАРЕЛКИ ПИТАНИЯ"), std::u16string::npos);
  EXPECT_EQ(std::make_tuple(summary.x1, summary.y1, summary.bold, summary.colour),
            std::make_tuple(1500.0, 6295.0, true, Rgb(255, 0, 0)));
  EXPECT_EQ(data.TrayTableRow, 1);
  EXPECT_TRUE(f.printButton.visible);
}

TEST_F(CompletedCalculations, RefusalAfterACompletedRunTakesPrintingAwayUntilTheNextCompletion) {
  Form7& f = OpenMenu(BenzeneTolueneDualFlow());
  Click(app, f.kineticLineButton);
  ASSERT_TRUE(f.printButton.visible);
  const DesignData sound = app.data();
  app.data().ParamValue[kParamXF] = app.data().ParamValue[kParamXW];  // no feed section
  Click(app, f.kineticLineButton);
  EXPECT_EQ(app.data().InputError, kTrue);
  EXPECT_FALSE(f.printButton.visible);
  app.data() = sound;
  f.RunKineticLine();  // as the correction window re-runs it
  EXPECT_EQ(app.data().InputError, kFalse);
  EXPECT_TRUE(f.printButton.visible);
}

}  // namespace
}  // namespace rc::ui_test
