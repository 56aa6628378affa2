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

#include <random>

namespace rc {
namespace {

// Thousands of random texts, long and short, of digits, signs, separators, exponent
// letters, blanks, control characters and Cyrillic: reading never crashes (the suite
// also runs under the address and undefined-behaviour sanitizers) and gives a float
// that is finite, or infinite only for an overflowing exponent.
TEST(ReadNumber, SurvivesRandomTexts) {
  const std::u16string alphabet = u"0123456789+-.,eEdD \t\n\rабвЖ\x01\x7f\uFFFFx";
  std::mt19937 rng(12345);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 40);
  for (int k = 0; k < 20000; ++k) {
    std::u16string text;
    const int n = k % 1000 == 0 ? 100000 : length(rng);
    for (int i = 0; i < n; ++i) text.push_back(alphabet[pick(rng)]);
    const float v = ReadNumber(text);
    EXPECT_FALSE(std::isnan(v));
    const std::u16string normal = NormalizeNumberText(text);
    EXPECT_FALSE(normal.empty());
  }
}

TEST(ReadNumber, HugeTextsReadWithoutTrouble) {
  EXPECT_TRUE(std::isinf(ReadNumber(std::u16string(100000, u'9'))));
  EXPECT_EQ(ReadNumber(u"0." + std::u16string(100000, u'0') + u"1"), 0.0f);
  EXPECT_EQ(ReadNumber(std::u16string(100000, u'-')), 0.0f);
}

TEST(IsOutsideUnitRange, AcceptsZeroToOneInclusive) {
  EXPECT_FALSE(IsOutsideUnitRange(0.0f));
  EXPECT_FALSE(IsOutsideUnitRange(1.0f));
  EXPECT_TRUE(IsOutsideUnitRange(1.0001f));
  EXPECT_TRUE(IsOutsideUnitRange(-0.1f));
  EXPECT_TRUE(IsOutsideUnitRange(ReadNumber(u"1e999")));
}

// What is kept of an answer, at a prompt and from a data file alike.
TEST(KeepTypedNumber, NormalisesReadsAndUnderTheUnitRuleRejects) {
  struct Case {
    std::u16string typed;
    bool unitRange;
    std::u16string text;
    float value;
    bool rejected;
  };
  const Case cases[] = {
      {u"0,35", true, u"0.35", 0.35f, false},
      {u"", true, u"0", 0.0f, false},
      {u"1,5", false, u"1.5", 1.5f, false},
      {u"1,5", true, u"???", 0.0f, true},
      {u"-0.1", true, u"???", 0.0f, true},
      {u"2e3x", false, u"2e3x", 2000.0f, false},
  };
  for (const Case& c : cases) {
    std::u16string text = u"old";
    float value = -7;
    EXPECT_EQ(KeepTypedNumber(c.typed, c.unitRange, text, value), c.rejected);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(value, c.value);
  }
}

}  // namespace
}  // namespace rc
