// The results menu: its look, its calculations and their refusals, and its print button.
#include <tuple>

#include "calc/calculations.h"
#include "report/printed_reports.h"
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
      // The study of one input, in the fourth row.
      {"Command9", u"ВЛИЯНИЕ ПАРАМЕТРА", 9243, 9105, 2400, Rgb(192, 255, 128), 8},
      // The copy button, in the left margin beside the first button.
      {"Command10", u"КОПИРОВАТЬ ТАБЛИЦУ", 357, 7320, 2400, Rgb(192, 255, 255), 9},
  };
  Form7& f = app.Form<Form7>();
  EXPECT_EQ(f.Controls().size(), 10u);
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
  EXPECT_EQ(ShownControls(f), "Command1 Command2 Command3 Command4 Command6 Command7 Command8 Command9");
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
  EXPECT_EQ(ShownControls(f), "Command1 Command4 Command6 Command7 Command8 Command9");
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
  EXPECT_EQ(ShownControls(f), "Command1 Command3 Command4 Command6 Command7 Command8 Command9");

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

// A reflux ratio below the minimum: the tray limit's message, and under it, centred on
// the window's 120-twip cells, why no number of trays will do.
TEST_F(Form7Menu, ARefusalBelowTheMinimumRefluxSaysWhyUnderItsMessage) {
  kit.charWidth = 120;
  Form7& f = Open();
  f.ShowCalculationRefusal(Refusal{RefusalKind::TooManyTrays, 2.6449});
  const std::u16string reason =
      u"R меньше минимального флегмового числа R мин = 2.64: разделение невозможно";
  EXPECT_EQ(f.surface().Texts(),
            (std::vector<std::u16string>{u"ОБЩЕЕ ЧИСЛО ТАРЕЛОК БОЛЬШЕ 120 !", reason}));
  const std::vector<DrawOp>& ops = f.surface().Ops();
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_GT(ops[1].y1, ops[0].y1);
  EXPECT_EQ(ops[1].x1, (12000 - 120.0 * static_cast<double>(reason.size())) / 2);  // 1560
  EXPECT_TRUE(ops[1].bold);
  EXPECT_EQ(ops[1].colour, kRed);
  EXPECT_FALSE(f.printButton.visible);
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
  EXPECT_EQ(ShownControls(f), "Command1 Command2 Command3 Command4 Command5 Command6 Command7 Command8 Command9 Command10");
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

// The results menu over data whose record holds results, the runs the report prints as
// the application holds them after the calculations; the print button's state noted at
// the moment each document is sent.
struct PrintButton : SessionTest {
  PrintButton() {
    kit.lineHeight = 180;
    DesignData& data = app.data();
    PrepareForEntry(data);
    data.StudentName = u"Орлова";
    data.RecordedTrays.TrayNo = {0, 1, 7, 23};
    for (int i = 1; i <= 6; ++i) data.KineticPoints.KineticY[i] = 0.1f * static_cast<float>(i);
    app.runs().kineticLine = KineticRunOfRecord(data);
    app.runs().trayByTray = TrayRunOfRecord(data);
    kit.onPrint = [this] {
      buttonVisibleWhilePrinting.push_back(form.printButton.visible);
      buttonEnabledWhilePrinting.push_back(form.printButton.enabled);
    };
  }
  void Print(std::int32_t shown) {
    app.data().ShownResult = shown;
    app.Dispatch([this] { form.PrintResult(); });
  }
  // The button is back once the document has gone.
  void ExpectButtonBack() {
    EXPECT_TRUE(form.printButton.visible);
    EXPECT_TRUE(form.printButton.enabled);
  }

  Form7& form = app.Form<Form7>();
  std::vector<bool> buttonVisibleWhilePrinting, buttonEnabledWhilePrinting;
};

TEST_F(PrintButton, PrintsTheKineticReportWithTheButtonHiddenMeanwhile) {
  Print(kShownKineticLine);
  ASSERT_EQ(kit.printed.size(), 1u);
  const PrintedDocument& doc = kit.printed[0];
  EXPECT_EQ(doc.font.name, u"Courier New Cyr");
  EXPECT_EQ(doc.font.sizePt, kReportFontSizePt);
  ASSERT_EQ(doc.pages.size(), 1u);
  ASSERT_GT(doc.pages[0].ops.size(), 1u);
  EXPECT_EQ(doc.pages[0].ops[1].text,
            u"                              РАСЧЕТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ");
  // The header carries the date from the regional settings and the clock.
  EXPECT_NE(doc.pages[0].ops[0].text.find(u" 07 декабря 2026г.        10:15:30"),
            std::u16string::npos);

  EXPECT_EQ(buttonVisibleWhilePrinting, std::vector<bool>{false});
  EXPECT_EQ(buttonEnabledWhilePrinting, std::vector<bool>{false});
  ExpectButtonBack();
}

TEST_F(PrintButton, PrintsTheTrayReportForTheTrayByTrayResult) {
  kit.shortDate = u"3/1/2027";
  kit.time = u"9:05:00 AM";
  Print(kShownTrayByTray);
  ASSERT_EQ(kit.printed.size(), 1u);
  const PrintedDocument& doc = kit.printed[0];
  EXPECT_EQ(doc.font.name, u"Courier New Cyr");
  std::vector<std::u16string> texts;
  for (const Page& page : doc.pages) {
    for (const DrawOp& op : page.ops) texts.push_back(op.text);
  }
  ASSERT_GT(texts.size(), 2u);
  EXPECT_NE(texts[0].find(u" 1 марта 2027г.        9:05:00 AM"), std::u16string::npos);
  EXPECT_EQ(texts[1], u"                           ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННЫХ КОЛОНН ");
  EXPECT_EQ(app.data().TrayTableRow, 4);
  EXPECT_EQ(buttonVisibleWhilePrinting, std::vector<bool>{false});
  ExpectButtonBack();
}

TEST_F(PrintButton, PrintsNothingWhenNoCalculationRan) {
  form.printButton.visible = false;  // as the menu opens
  const std::size_t opsBefore = form.surface().Ops().size();
  Print(kShownNothing);
  EXPECT_TRUE(kit.printed.empty());
  EXPECT_EQ(form.surface().Ops().size(), opsBefore);
  ExpectButtonBack();
}

TEST_F(PrintButton, PrintsAgainEachTimeItIsPressed) {
  Print(kShownKineticLine);
  Print(kShownTrayByTray);
  ASSERT_EQ(kit.printed.size(), 2u);
  EXPECT_EQ(kit.printed[0].pages[0].ops[1].text.substr(30),
            u"РАСЧЕТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ");
  EXPECT_EQ(kit.printed[1].pages[0].ops[1].text.substr(27),
            u"ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННЫХ КОЛОНН ");
}

// The kinetic line table as DrawKineticTable draws it on a window like Form7 whose pen
// stands where Form7's stood.
std::vector<DrawOp> KineticTableOps(const Form7& form, const DesignData& data, double penX,
                                    double penY) {
  Surface reference;
  reference.SetLineHeight(form.surface().LineHeight());
  reference.CurrentX = penX;
  reference.CurrentY = penY;
  reference.ForeColor = form.surface().ForeColor;
  DrawKineticTable(reference, KineticRunOfRecord(data), form.width, u'.');
  return reference.Ops();
}

bool SameOp(const DrawOp& a, const DrawOp& b) {
  return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
         a.colour == b.colour && a.bold == b.bold && a.text == b.text;
}

TEST_F(PrintButton, ShowsTheResultsWindowAndRedrawsTheKineticTableAfterTheKineticReport) {
  form.Hide();
  form.surface().CurrentX = 500;
  form.surface().Print(u"прежнее");  // whatever covers the window stays under the table
  const std::vector<DrawOp> before = form.surface().Ops();
  const double penX = form.surface().CurrentX;
  const double penY = form.surface().CurrentY;

  Print(kShownKineticLine);
  EXPECT_TRUE(form.visible);
  const std::vector<DrawOp> table = KineticTableOps(form, app.data(), penX, penY);
  const std::vector<DrawOp>& after = form.surface().Ops();
  ASSERT_EQ(after.size(), before.size() + table.size());
  for (std::size_t i = 0; i < before.size(); ++i) EXPECT_TRUE(SameOp(after[i], before[i])) << i;
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_TRUE(SameOp(after[before.size() + i], table[i])) << i;
  }
}

TEST_F(PrintButton, DoesNotRedrawTheWindowAfterTheTrayReport) {
  const std::size_t opsBefore = form.surface().Ops().size();
  Print(kShownTrayByTray);
  EXPECT_EQ(form.surface().Ops().size(), opsBefore);
}

}  // namespace
}  // namespace rc::ui_test
