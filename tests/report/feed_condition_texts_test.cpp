// What the student reads of the feed's thermal condition: the variant runner's section,
// the diagram's legend entry and the minimum reflux ratio under the diagram.
#include "report/feed_condition_texts.h"

#include <gtest/gtest.h>

#include "report/yx_diagram.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

std::u16string BelowMinimum(double minimum, char16_t separator) {
  return BelowMinimumRefluxText(Refusal{RefusalKind::TooManyTrays, minimum}, separator);
}

std::vector<std::u16string> LinesAt(float q) {
  DesignData d = BenzeneTolueneBubbleCap();  // bubble-cap.txt: XW 0.05, XF 0.44, XP 0.95, R 2.5
  d.ParamValue[kParamFeedCondition] = q;
  const std::optional<FeedCondition> f = FeedConditionOf(CalculationInputs::Of(d));
  return f ? FeedConditionTranscriptLines(*f, u'.') : std::vector<std::u16string>{};
}

// The section of bubble-cap.txt with p57 = 1.37 as published with the feature: 14 trays,
// the feed on tray 7.
TEST(FeedConditionTexts, TheColdFeedOfTheBubbleCapVariantReadsAsPublished) {
  const std::vector<std::u16string> expected = {
      u"q                   1.3700", u"q-line slope        3.7027", u"cross x             0.4888",
      u"cross y             0.6205", u"L/V above           0.7143", u"L/V below           1.3004",
      u"w above, m/s        0.5302", u"w below, m/s        0.6595", u"pinch x             0.5151",
      u"pinch y             0.7179", u"R min               1.1443 feed",
      u"R / R min           2.1848"};
  EXPECT_EQ(LinesAt(1.37f), expected);
}

// The lines that change with q, over the feeds from a saturated vapour to a cold liquid.
// By hand (Fbar = 0.9/0.39 = 2.307692): slope q/(q - 1); x_q = 0.44 + (q - 1) 0.51/(2.5 + q);
// L'/V' = (q Fbar + 2.5)/(3.5 + (q - 1) Fbar).
TEST(FeedConditionTexts, TheSlopeTheCrossingAndTheLowerFlowsFollowQ) {
  struct Case {
    float q;
    const char16_t* slope;    // q/(q - 1); a saturated vapour's line is flat, not -0
    const char16_t* crossX;
    const char16_t* liquidToVapourBelow;
  };
  const Case cases[] = {
      {0.0f, u"q-line slope        0.0000", u"cross x             0.2360", u"L/V below           2.0968"},
      // 0.33/-0.67 = -0.492537; 0.44 - 0.67 * 0.51/2.83 = 0.319258; 3.261538/1.953846
      {0.33f, u"q-line slope       -0.4925", u"cross x             0.3193", u"L/V below           1.6693"},
      // 0.8/-0.2 = -4; 0.44 - 0.2 * 0.51/3.3 = 0.409091; 4.346154/3.038462
      {0.8f, u"q-line slope       -4.0000", u"cross x             0.4091", u"L/V below           1.4304"},
      // the vertical line at XF; 4.807692/3.5
      {1.0f, u"q-line slope      vertical", u"cross x             0.4400", u"L/V below           1.3736"},
      // 2/1; 0.44 + 0.51/4.5 = 0.553333; 7.115385/5.807692
      {2.0f, u"q-line slope        2.0000", u"cross x             0.5533", u"L/V below           1.2252"},
  };
  for (const Case& c : cases) {
    const std::vector<std::u16string> lines = LinesAt(c.q);
    ASSERT_EQ(lines.size(), 12u) << c.q;
    EXPECT_EQ(lines[1], c.slope) << c.q;
    EXPECT_EQ(lines[2], c.crossX) << c.q;
    EXPECT_EQ(lines[4], u"L/V above           0.7143") << c.q;  // 2.5/3.5 whatever q
    EXPECT_EQ(lines[5], c.liquidToVapourBelow) << c.q;
    for (const std::u16string& line : lines) EXPECT_GE(line.size(), 26u) << c.q;
  }
}

// The diagram writes q and the minimum reflux ratio whatever the feed.
TEST(FeedConditionTexts, TheDiagramWritesQAndTheMinimumRefluxRatio) {
  EXPECT_EQ(FeedLineLegend(1.37, u','), u"линия питания, q = 1,37");
  DesignData d = BenzeneTolueneBubbleCap();
  // A boiling feed's pinch is the feed point: y*(0.44) = 0.652883 on the parabola through
  // (0.4, 0.6154), (0.55, 0.7458), (0.7, 0.8485); R_min = (0.95 - 0.652883)/(0.652883 - 0.44)
  // = 1.3957, R/R_min = 2.5/1.3957 = 1.7913.
  EXPECT_EQ(DiagramMinimumRefluxLine(CalculationInputs::Of(d), u'.'),
            u"R мин = 1.40 (пинч у питания), R/R мин = 1.79");
  d.ParamValue[kParamFeedCondition] = 1.37f;
  // R_min 1.1443 and R/R_min = 2.5/1.1443 = 2.1848 as in the runner's section.
  EXPECT_EQ(DiagramMinimumRefluxLine(CalculationInputs::Of(d), u'.'),
            u"R мин = 1.14 (пинч у питания), R/R мин = 2.18");
}

// Under a refusal at a reflux ratio below the minimum, why; nothing under any other.
TEST(FeedConditionTexts, ARefusalBelowTheMinimumRefluxSaysSo) {
  EXPECT_EQ(BelowMinimum(2.6449, u'.'),
            u"R меньше минимального флегмового числа R мин = 2.64: разделение невозможно");
  EXPECT_EQ(BelowMinimum(12.346, u','),
            u"R меньше минимального флегмового числа R мин = 12,35: разделение невозможно");
  EXPECT_EQ(BelowMinimumRefluxText(Refusal{RefusalKind::TooManyTrays}, u'.'), u"");
}

}  // namespace
}  // namespace rc
