// The diagram window as the student meets it: opened from the results menu before and
// after the calculations, following them, closed by a change of window, and never
// showing results of data since corrected.
#include "report/yx_diagram.h"
#include "support/ui_driver.h"

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

}  // namespace
}  // namespace rc::ui_test
