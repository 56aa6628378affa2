// The diagram window as the student meets it: opened from the results menu before and
// after the calculations, following them, closed by a change of window, and never
// showing results of data since corrected; and the reflux study as its second view.
#include <algorithm>

#include "report/reflux_texts.h"
#include "report/yx_diagram.h"
#include "support/ui_driver.h"
#include "ui/reflux_view.h"

namespace rc::ui_test {
namespace {

struct DiagramFixture : SessionTest {
  Form7& Menu() { return app.Form<Form7>(); }
  Form11* Diagram() { return app.FindForm<Form11>(); }
  bool Shows(const std::u16string& text) { return Contains(Diagram()->surface().Texts(), text); }
  std::size_t ProfileRows() { return Diagram()->control("List1").items.size(); }
};

TEST_F(DiagramFixture, FollowsTheResultsAndClosesWithTheResultsMenu) {
  OpenMenu(BenzeneTolueneBubbleCap());

  // Before any calculation: the data alone, no profile.
  Click(app, Menu().diagramButton);
  ASSERT_NE(Diagram(), nullptr);
  EXPECT_TRUE(Diagram()->visible);
  EXPECT_FALSE(Diagram()->Content().kineticLine || Diagram()->Content().trays);
  EXPECT_EQ(ProfileRows(), 1u);  // the line saying the calculation has not been made

  // The open window follows each calculation.
  Click(app, Menu().trayByTrayButton);
  ASSERT_TRUE(app.runs().trayByTray);
  const TrayByTrayRun run = *app.runs().trayByTray;
  const int trays = run.Count();
  ASSERT_GT(trays, 0);
  EXPECT_TRUE(Shows(DiagramSummaryText(run)));
  EXPECT_EQ(ProfileRows(), static_cast<std::size_t>(trays));
  Click(app, Menu().kineticLineButton);
  EXPECT_TRUE(Diagram()->Content().kineticLine && Diagram()->Content().trays);

  // The button again brings up a fresh window with the same results.
  Click(app, Menu().diagramButton);
  EXPECT_EQ(ProfileRows(), static_cast<std::size_t>(trays));

  // A change of window closes it.
  Click(app, Menu().changeButton);
  EXPECT_EQ(Diagram(), nullptr);

  // A correction of the reflux ratio: the results menu redoes the kinetic line, the
  // calculation shown last; the trays of the old reflux ratio are not shown.
  Form9& correction = *app.FindForm<Form9>();
  CorrectRow(correction, 12, {u"3.5"});
  Click(app, correction.endOfCorrectionsButton);
  Click(app, Menu().diagramButton);
  ASSERT_NE(Diagram(), nullptr);
  EXPECT_GT(app.data().RecordedTrays.TrayNo[3], 0);  // the record still holds the old trays
  EXPECT_TRUE(Diagram()->Content().kineticLine);
  EXPECT_FALSE(Diagram()->Content().trays);
  EXPECT_FALSE(Shows(DiagramSummaryText(run)));
  EXPECT_EQ(ProfileRows(), 1u);
}

TEST_F(DiagramFixture, ARefusedCalculationShowsOnlyItsMessage) {
  OpenMenu(WithParameter(BenzeneTolueneBubbleCap(), 19, u"0.3"));  // never reaches the top
  Click(app, Menu().diagramButton);
  Click(app, Menu().trayByTrayButton);
  EXPECT_TRUE(Shows(u"ОБЩЕЕ ЧИСЛО ТАРЕЛОК БОЛЬШЕ 120 !"));
  EXPECT_FALSE(Diagram()->Content().trays);
  EXPECT_EQ(ProfileRows(), 1u);
  for (const DrawOp& op : Diagram()->surface().Ops()) {
    EXPECT_FALSE(op.kind == DrawOp::Kind::Polyline && op.colour == kStaircaseColour && op.points.size() > 2);
  }
}

// The reflux study as the diagram window's second view: worked out on the data as they
// are, again after a correction round trip, and printed on one page.
class RefluxViewTest : public SessionTest {
 protected:
  // The results menu on the bubble-cap column, then the diagram window on the study.
  Form11& OpenStudy() {
    Click(app, Loaded<Form7>(app).diagramButton);
    Form11& window = Loaded<Form11>(app);
    Click(app, *window.ViewButtons().at(1));
    EXPECT_EQ(window.ShownView(), 1u);
    return window;
  }
  void SetUp() override { OpenMenu(BenzeneTolueneBubbleCap()); }
};

TEST_F(RefluxViewTest, FollowsTheDataThroughACorrectionRoundTrip) {
  Form11& before = OpenStudy();
  const std::u16string firstLine = RefluxSummaryLine(SweepRefluxRatio(CalculationInputs::Of(app.data())));
  EXPECT_TRUE(Contains(before.surface().Texts(), firstLine));
  EXPECT_NE(firstLine.find(u"ваше R = 2.5000"), std::u16string::npos) << ToUtf8(firstLine);

  // The reflux ratio corrected to 4: the change closes the diagram window, the end of
  // the correction reopens the results menu.
  Click(app, Loaded<Form7>(app).changeButton);
  EXPECT_EQ(app.FindForm<Form11>(), nullptr);
  CorrectRow(Loaded<Form9>(app), 12, {u"4"});  // parameter 19
  ASSERT_EQ(app.data().ParamValue[19], 4.0f);
  Click(app, Loaded<Form9>(app).endOfCorrectionsButton);
  ASSERT_NE(app.FindForm<Form7>(), nullptr);

  const std::vector<std::u16string> texts = OpenStudy().surface().Texts();
  const std::u16string line = RefluxSummaryLine(SweepRefluxRatio(CalculationInputs::Of(app.data())));
  EXPECT_NE(line, firstLine);
  EXPECT_NE(line.find(u"ваше R = 4.0000"), std::u16string::npos) << ToUtf8(line);
  EXPECT_TRUE(Contains(texts, line));
  EXPECT_FALSE(Contains(texts, firstLine));
}

TEST_F(RefluxViewTest, PrintsOnOnePageWithTheHeaderInVectorOperations) {
  OpenStudy();
  const std::size_t before = kit.printed.size();
  Click(app, Loaded<Form11>(app).printButton);
  ASSERT_EQ(kit.printed.size(), before + 1);
  const PrintedDocument& doc = kit.printed.back();
  ASSERT_EQ(doc.pages.size(), 1u);
  const std::vector<std::u16string> texts = PageTexts(doc.pages);
  int paths = 0, markers = 0;
  for (const DrawOp& op : doc.pages[0].ops) {
    paths += op.kind == DrawOp::Kind::Polyline;
    markers += op.kind == DrawOp::Kind::Marker;
  }
  ASSERT_GE(texts.size(), 2u);
  EXPECT_NE(texts[0].find(app.data().StudentName), std::u16string::npos);
  EXPECT_EQ(texts[1], kRefluxStudyTitle);
  EXPECT_TRUE(Contains(texts, RefluxSummaryLine(SweepRefluxRatio(CalculationInputs::Of(app.data())))));
  // A curve per plot and a marker per completed point in each.
  const RefluxSweep sweep = SweepRefluxRatio(CalculationInputs::Of(app.data()));
  const auto completed =
      std::count_if(sweep.points.begin(), sweep.points.end(), [](const RefluxPoint& p) {
        return p.outcome == RefluxPoint::Outcome::Completed;
      });
  EXPECT_GE(paths, 2);
  EXPECT_GE(markers, 2 * completed);
}

}  // namespace
}  // namespace rc::ui_test
