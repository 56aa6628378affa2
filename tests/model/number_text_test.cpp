#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rc {
namespace {

TEST(ReadNumber, ReadsTheLongestLeadingNumber) {
  struct Case {
    std::u16string text;
    float expected;
  };
  const Case cases[] = {
      {u"2.5", 2.5f},       {u"abc", 0.0f},    {u"1e-3", 0.001f}, {u"1 2", 12.0f},
      {u"", 0.0f},          {u"-", 0.0f},      {u".", 0.0f},      {u"E5", 0.0f},
      {u" -0.35x", -0.35f}, {u"1D2", 100.0f},  {u"1e", 1.0f},     {u"2,5", 2.0f},
      {u"\t1\n.\n5", 1.5f}, {u"0.01", 0.01f},  {u"+7", 7.0f},     {u"5.", 5.0f},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text), c.expected);
}

TEST(ReadNumber, OverflowReadsAsInfinity) { EXPECT_TRUE(std::isinf(ReadNumber(u"1e999"))); }

TEST(NormalizeNumberText, EmptyIsZeroAndFirstCommaBecomesPoint) {
  EXPECT_EQ(NormalizeNumberText(u""), u"0");
  EXPECT_EQ(NormalizeNumberText(u"0,35"), u"0.35");
  EXPECT_EQ(NormalizeNumberText(u"1,2,3"), u"1.2,3");
  EXPECT_EQ(NormalizeNumberText(u" 1 "), u" 1 ");
}

}  // namespace
}  // namespace rc
