// The feed's thermal condition q in the data: a boiling feed until one is given, checked
// after parameter 40 against its limits and against a feed with no vapour below it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/checks.h"
#include "model/input_catalogue.h"
#include "model/number_text.h"

namespace rc {
namespace {

// Sound parameters around exact binary compositions: XW 0.125, XF 0.375, XP 0.875, R 0.5,
// so (R + 1)(XF - XW) = 1.5 * 0.25 = 0.375 and (1 - q)(XP - XW) = (1 - q) 0.75: the
// vapour below the feed vanishes at q = 0.5 exactly.
DesignData WithFeed(float q) {
  DesignData d;
  PrepareForEntry(d);
  for (int n = 19; n <= 40; ++n) d.ParamValue[n] = (d.ParamMin[n] + d.ParamMax[n]) / 2;
  d.ParamValue[kParamXW] = 0.125f;
  d.ParamValue[kParamXF] = 0.375f;
  d.ParamValue[kParamXP] = 0.875f;
  d.ParamValue[kParamReflux] = 0.5f;
  d.ParamValue[kParamFeedCondition] = q;
  return d;
}

TEST(FeedConditionCheck, LimitsAndVapourBelowTheFeed) {
  const struct {
    const char* what;
    float q;
    bool sound;
  } cases[] = {
      {"boiling", 1, true},
      {"cold, at the upper limit", 2, true},
      {"above the upper limit", std::nextafter(2.0f, 3.0f), false},
      {"below the lower limit", -std::numeric_limits<float>::denorm_min(), false},
      {"no vapour below the feed", 0.5f, false},
      {"a little vapour below it", std::nextafter(0.5f, 1.0f), true},
      {"saturated vapour", 0, false},
  };
  for (const auto& c : cases) {
    DesignData d = WithFeed(c.q);
    CheckParameterLimits(d);
    EXPECT_EQ(d.InputError, c.sound ? kFalse : kTrue) << c.what;
    EXPECT_EQ(d.ErrorRow, c.sound ? kNoErrorRow : 23) << c.what;
  }
  // A saturated vapour is sound with reflux enough: 3.5 * 0.25 > 1 * 0.75.
  DesignData d = WithFeed(0);
  d.ParamValue[kParamReflux] = 2.5f;
  CheckParameterLimits(d);
  EXPECT_EQ(d.ErrorRow, kNoErrorRow);
  // Parameter 40 is still checked first, with its own row.
  d = WithFeed(3);
  d.ParamValue[40] = 2;
  CheckParameterLimits(d);
  EXPECT_EQ(d.ErrorRow, 22);
}

// A word typed for q reads as 0, which with reflux enough would pass as a saturated
// vapour: a text holding no number is refused on q's row. An empty answer is a boiling
// feed; a number with text after it is read as the other parameters read it.
TEST(FeedConditionCheck, AWordIsNoNumber) {
  const struct {
    const char16_t* typed;
    bool sound;
    float q;
  } cases[] = {
      {u"nan", false, 0},  {u"abc", false, 0}, {u"один", false, 0}, {u"-", false, 0},
      {u"e5", false, 0},   {u"", true, 1},     {u"0", true, 0},     {u",8", true, 0.8f},
      {u"2 abc", true, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    DesignData d = WithFeed(1);
    d.ParamValue[kParamReflux] = 2.5f;  // vapour enough below the feed even at q = 0
    KeepTypedNumber(ParameterAnswerText(kParamFeedCondition, c.typed), false,
                    d.ParamText[kParamFeedCondition], d.ParamValue[kParamFeedCondition]);
    CheckParameterLimits(d);
    EXPECT_EQ(d.ParamValue[kParamFeedCondition], c.q);
    EXPECT_EQ(d.InputError, c.sound ? kFalse : kTrue);
    EXPECT_EQ(d.ErrorRow, c.sound ? kNoErrorRow : FindInput(kParamFeedCondition)->errorRow);
  }
}

TEST(FeedConditionCheck, DataWithoutQHoldABoilingFeed) {
  DesignData d;
  EXPECT_EQ(d.ParamValue[kParamFeedCondition], 1.0f);
  d.ParamValue[kParamFeedCondition] = 0.3f;  // from an earlier entry
  PrepareForEntry(d);
  EXPECT_EQ(d.ParamValue[kParamFeedCondition], ReadNumber(d.ParamText[kParamFeedCondition]));
  EXPECT_EQ(d.ParamValue[kParamFeedCondition], 1.0f);
}

}  // namespace
}  // namespace rc
