#include "model/input_catalogue.h"
#include "report/column_texts.h"
#include "report/format.h"
#include "report/input_rows.h"
#include "report/printed_reports.h"
#include "support/ui_driver.h"
#include "ui/form17.h"
#include "ui/printer_page.h"

namespace rc::ui_test {
namespace {

const int kSigmaRow = ColumnStageRow(kParamSurfaceTension);

class ColumnWindowsTest : public SessionTest {
 protected:
  // The benzene-toluene sieve column on the results menu.
  Form7& Menu() {
    DesignData data = BenzeneTolueneSieve();
    data.StudentName = u"Иванов";
    return OpenMenu(data);
  }
  void TypeColumnStage(int faultyRow = -1, const std::u16string& faulty = {}) {
    auto texts = BenzeneTolueneColumnStageTexts();
    if (faultyRow >= 0) texts[static_cast<std::size_t>(faultyRow)] = faulty;
    for (const auto& t : texts) kit.Answer(t);
  }
  Form13* Results() { return app.FindForm<Form13>(); }
  // The menu, the trays computed and the third stage typed and accepted.
  Form7& ToResults() {
    Form7& menu = Menu();
    Click(app, menu.trayByTrayButton);
    TypeColumnStage();
    Click(app, menu.columnButton);
    Click(app, Loaded<Form12>(app).acceptButton);
    return menu;
  }
};

TEST_F(ColumnWindowsTest, AskedBeforeTheTraysAreComputedThenEntryAndResults) {
  Form7& menu = Menu();
  // Before a tray-by-tray calculation the button says what must come first.
  Click(app, menu.columnButton);
  ASSERT_NE(FindWindow(app, "Form15"), nullptr);
  EXPECT_EQ(FindWindow(app, "Form15")->control("Label1").caption,
            u"Потарельчатый расчет не выполнен.");
  Click(app, Loaded<Form15>(app).noButton);  // "Нет"
  EXPECT_EQ(FindWindow(app, "Form15"), nullptr);
  EXPECT_EQ(FindWindow(app, "Form12"), nullptr);
  EXPECT_TRUE(kit.prompts.empty());

  // "Да": the trays are computed and the third stage asks its 18 values one by one, the
  // prompt's y following the row, the list growing.
  TypeColumnStage();
  Click(app, menu.columnButton);
  Click(app, Loaded<Form15>(app).yesButton);
  ASSERT_NE(CompletedTrayByTray(app), nullptr);
  const std::vector<int> column = InputNumbers(InputStage::Column);
  ASSERT_EQ(column.size(), 18u);
  ASSERT_EQ(kit.prompts.size(), 18u);
  for (int r = 0; r < 18; ++r) {
    ExpectParameterPrompt(kit.prompts[static_cast<std::size_t>(r)], column[static_cast<std::size_t>(r)],
                          1100 + 195 * r);
  }
  Form12& entry = app.Form<Form12>();
  EXPECT_EQ(entry.list.items.size(), 18u);
  EXPECT_EQ(entry.list.items[kSigmaRow], ParameterRowText(app.data(), 44));
  EXPECT_EQ(entry.acceptButton.backColor, kGreen);

  // Accepted: the results at once; the third stage's values leave the trays current.
  Click(app, entry.acceptButton);
  EXPECT_EQ(FindWindow(app, "Form12"), nullptr);
  ASSERT_NE(Results(), nullptr);
  ASSERT_NE(CompletedTrayByTray(app), nullptr);
  EXPECT_EQ(static_cast<int>(Results()->list.items.size()), CompletedTrayByTray(app)->Count());
  const std::u16string firstRow = Results()->list.items.front();
  EXPECT_EQ(firstRow.substr(0, 4), u"   1");
  EXPECT_EQ(firstRow.substr(14, 10), u"      16.8");  // ΔPs = 4 * 0.021 / 0.005

  // Closed and opened again: no question asked, the same results.
  Click(app, Results()->closeButton);
  Click(app, menu.columnButton);
  EXPECT_EQ(kit.prompts.size(), 18u);
  ASSERT_NE(Results(), nullptr);
  EXPECT_EQ(Results()->list.items.front(), firstRow);
}

// The results' button opens the trays' performance diagram over them: both sections'
// panels, printed on one page; Escape and the title bar close it, back to the results.
TEST_F(ColumnWindowsTest, TheResultsOpenThePerformanceDiagramOverThem) {
  ToResults();
  ASSERT_NE(Results(), nullptr);
  EXPECT_EQ(Results()->windowButton.caption, u"РАБОЧАЯ ОБЛАСТЬ ТАРЕЛКИ");
  Click(app, Results()->windowButton);
  Form17* diagram = app.FindForm<Form17>();
  ASSERT_NE(diagram, nullptr);
  EXPECT_TRUE(diagram->visible && diagram->modal && diagram->escapeCloses);
  EXPECT_EQ(diagram->ownerSerial, Results()->Serial());
  const std::vector<std::u16string> texts = diagram->surface().Texts();
  for (const char16_t* title : {u"ОТГОННАЯ ЧАСТЬ: тарелка 1, w′ = ", u"УКРЕПЛЯЮЩАЯ ЧАСТЬ: тарелка "}) {
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [&](const std::u16string& t) { return t.starts_with(title); }))
        << ToUtf8(title);
  }
  EXPECT_FALSE(diagram->Diagram().below.flooding.empty());
  Click(app, diagram->printButton);
  ASSERT_EQ(kit.printed.size(), 1u);
  EXPECT_EQ(kit.printed.front().pages.size(), 1u);
  diagram->CloseByUser();
  EXPECT_EQ(app.FindForm<Form17>(), nullptr);
  ASSERT_NE(Results(), nullptr);
  EXPECT_TRUE(Results()->visible);
}

TEST_F(ColumnWindowsTest, FaultyValueIsMarkedAndCorrectedByItsRow) {
  Form7& menu = Menu();
  Click(app, menu.trayByTrayButton);
  TypeColumnStage(kSigmaRow, u"150");  // surface tension above its 100 mN/m
  Click(app, menu.columnButton);
  Form12& entry = app.Form<Form12>();
  EXPECT_EQ(entry.acceptButton.backColor, kRed);
  EXPECT_EQ(app.data().ErrorRow, kSigmaRow);

  // Accepting faulty data: the rows printed, the faulty one marked, the Yes/No dialog.
  const int beeps = kit.beeps;
  Click(app, entry.acceptButton);
  EXPECT_EQ(kit.beeps, beeps + 1);
  EXPECT_FALSE(entry.list.visible);
  EXPECT_TRUE(entry.faultMarker.visible);
  EXPECT_EQ(entry.faultMarker.caption, ParameterRowText(app.data(), 44));
  EXPECT_EQ(entry.faultMarker.top, 1210 - 10 + 195 * kSigmaRow);
  ASSERT_NE(FindWindow(app, "Form14"), nullptr);
  EXPECT_EQ(Results(), nullptr);

  // "Да": correction mode; the row clicked is asked again at its own height.
  Click(app, Loaded<Form14>(app).yesButton);
  EXPECT_TRUE(entry.list.visible && entry.list.enabled && entry.instruction.visible);
  CorrectRow(entry, kSigmaRow, {u"21,5"});  // the reading rule: the comma is a point
  EXPECT_EQ(kit.prompts.back().y, 1295 + 195 * kSigmaRow);
  EXPECT_EQ(app.data().ParamValue[44], 21.5f);
  EXPECT_EQ(entry.list.items[kSigmaRow], ParameterRowText(app.data(), 44));
  EXPECT_EQ(entry.endOfCorrectionsButton.backColor, kGreen);
  Click(app, entry.endOfCorrectionsButton);
  ASSERT_NE(Results(), nullptr);
  EXPECT_EQ(app.data().ColumnDataAccepted, kTrue);

  // Back from the results: the values in review, changed, the results recomputed.
  Click(app, Results()->correctButton);
  Form12& review = app.Form<Form12>();
  EXPECT_EQ(review.list.items.size(), 18u);
  EXPECT_EQ(review.acceptButton.backColor, kGreen);
  Click(app, review.correctButton);
  CorrectRow(review, ColumnStageRow(kParamHoleDiameter), {u"0.0025"});  // hole diameter halved: ΔPs doubles
  Click(app, review.endOfCorrectionsButton);
  ASSERT_NE(Results(), nullptr);
  EXPECT_EQ(Results()->list.items.front().substr(14, 10), u"      34.4");  // 4 * 0.0215 / 0.0025
}

TEST_F(ColumnWindowsTest, FullCorrectionTakesTheResultsAwayAndKeepsTheThirdStage) {
  Form7& menu = ToResults();
  const ColumnDesignResult before = Results()->Result();

  // The change button takes every window away; the reflux ratio (row 12) corrected, the
  // end of corrections brings the menu back over Form9 with the trays recomputed, and the
  // column's button opens the results at once with the values kept.
  Click(app, menu.changeButton);
  EXPECT_EQ(Results(), nullptr);
  CorrectRow(Loaded<Form9>(app), 12, {u"3"});
  Click(app, Loaded<Form9>(app).endOfCorrectionsButton);
  Click(app, app.Form<Form7>().columnButton);
  EXPECT_EQ(kit.prompts.size(), 19u);
  ASSERT_NE(Results(), nullptr);
  const ColumnDesignResult after = Results()->Result();
  EXPECT_GT(*after.trays.front().dryDrop, *before.trays.front().dryDrop);
  EXPECT_GT(*after.condenserDuty, *before.condenserDuty);

  // The end of corrections closed Form9; a first-stage row (XF, row 9) corrected on a
  // new one takes the results window away with the menu.
  EXPECT_EQ(FindWindow(app, "Form9"), nullptr);
  Click(app, app.Form<Form7>().changeButton);
  CorrectRow(Loaded<Form9>(app), 9, {u"0.5"});
  EXPECT_EQ(Results(), nullptr);
  EXPECT_EQ(FindWindow(app, "Form7"), nullptr);
  Click(app, Loaded<Form9>(app).endOfCorrectionsButton);
  Click(app, app.Form<Form7>().columnButton);
  ASSERT_NE(Results(), nullptr);
  EXPECT_EQ(kit.prompts.size(), 20u);
  // A richer feed: more distillate from the same 2 kg/s.
  EXPECT_GT(*Results()->Result().distillate, *after.distillate);
}

TEST_F(ColumnWindowsTest, PrintedPagesRepeatTheHeadingsAndEndWithTheColumn) {
  ToResults();
  const DesignData& data = app.data();
  // The input data head the first page: D, R, F, q, then the third stage's 18 values.
  std::vector<std::u16string> inputs = {Spaces(7) + u"ИСХОДНЫЕ ДАННЫЕ"};
  for (int n : {kParamDiameter, kParamReflux, kParamFeedRate, kParamFeedCondition}) {
    inputs.push_back(ParameterRowText(data, n, kFrameRowLead));
  }
  for (int n : InputNumbers(InputStage::Column)) {
    inputs.push_back(ParameterRowText(data, n, kFrameRowLead));
  }
  const std::u16string headings = Spaces(7) + ColumnTrayHeadings(Results()->Result())[0];

  // On an ordinary page everything fits: no sheet number.
  Click(app, Results()->printButton);
  ASSERT_EQ(kit.printed.size(), 1u);
  ASSERT_EQ(kit.printed.front().pages.size(), 1u);
  const std::vector<std::u16string> single = PageTexts(kit.printed.front().pages);
  EXPECT_EQ(single[1], Spaces(7) + u"РАСЧЕТ КОЛОННЫ (ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ)");
  EXPECT_EQ(std::vector<std::u16string>(single.begin() + 2, single.begin() + 25), inputs);
  EXPECT_EQ(single[25], headings);

  kit.pageHeight = 195 * 30;  // a page of 30 lines
  Click(app, Results()->printButton);
  ASSERT_EQ(kit.printed.size(), 2u);
  const auto& pages = kit.printed.back().pages;
  const int trays = CompletedTrayByTray(app)->Count();
  ASSERT_GE(pages.size(), 2u);
  // The tray rows in order across the pages, each page with the header and headings.
  std::vector<std::u16string> rows;
  for (int i = 1; i <= trays; ++i) {
    rows.push_back(Spaces(7) + ColumnTrayRow(Results()->Result(), i, u'.', u"ОШИБКА"));
  }
  std::size_t next = 0;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const std::vector<std::u16string> texts = PageTexts({pages[p]});
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0], ReportHeaderLine(u"Иванов", PrintedDateTime(kit)));
    const std::u16string sheet = u"   лист " + std::u16string(1, static_cast<char16_t>(u'1' + p));
    EXPECT_EQ(texts[1].substr(texts[1].size() - sheet.size()), sheet);
    const std::size_t firstOnPage = next;
    for (const auto& t : texts) {
      if (next < rows.size() && t == rows[next]) ++next;
    }
    if (p == 0) {
      EXPECT_EQ(texts[2], inputs[0]);
    } else if (next > firstOnPage) {
      EXPECT_EQ(texts[2], headings);
    }
  }
  EXPECT_EQ(next, rows.size());
  std::vector<std::u16string> last;
  for (const Page& page : pages) {
    for (const DrawOp& op : page.ops) last.push_back(op.text);
  }
  // The column's lines, then the block of the trays' operating window.
  const auto share = std::find_if(last.begin(), last.end(), [](const std::u16string& t) {
    return t.find(u"Доля пара в питании") != std::u16string::npos;
  });
  ASSERT_NE(share, last.end());
  ASSERT_GE(last.end() - share, 3);
  EXPECT_NE(std::find(share, last.end(), Spaces(7) + u"РАБОЧАЯ ОБЛАСТЬ ТАРЕЛОК"), last.end());
  EXPECT_NE(last.back().find(u"Время пребывания в сливе"), std::u16string::npos);
}

}  // namespace
}  // namespace rc::ui_test
