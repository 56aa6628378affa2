// The reflux study as the diagram window's second view: worked out on the data as they
// are, again after a correction round trip, and printed on one page.
#include <algorithm>

#include "report/reflux_texts.h"
#include "ui/reflux_view.h"
#include "support/ui_driver.h"

namespace rc::ui_test {
namespace {

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
