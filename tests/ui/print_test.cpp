// The print button of the results menu.
#include "report/printed_reports.h"
#include "report/screen_tables.h"
#include "support/ui_driver.h"

namespace rc::ui_test {
namespace {

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
