#include "report/format.h"

#include <gtest/gtest.h>

#include "support/recording_toolkit.h"

namespace rc {
namespace {

TEST(FormatFixed, RendersRightAlignedWithFixedDecimals) {
  struct Case {
    float value;
    int width, decimals;
    std::u16string expected;
  };
  const Case cases[] = {
      {0.05123f, 10, 4, u"    0.0512"},
      {-1.5f, 6, 2, u" -1.50"},
      {123456.5f, 10, 4, u"123456.5000"},
      {0.0f, 10, 3, u"     0.000"},
      {0.125f, 6, 2, u"  0.13"},
      {-0.125f, 6, 2, u" -0.13"},
      {1.0f, 6, 4, u"1.0000"},
      {9.99996f, 9, 4, u"  10.0000"},
      {0.00005f, 8, 4, u"  0.0001"},
      {0.00004f, 8, 4, u"  0.0000"},
      {-0.00004f, 8, 4, u"  0.0000"},
      {1e30f, 0, 1, u"1000000000000000000000000000000.0"},
      {1e-30f, 0, 3, u"0.000"},
      {2.5f, 0, 0, u"3"},
      {100000.0f, 10, 4, u"100000.0000"},
      // At most 7 significant digits, whatever the size. 2991022.2f is 2991022.25 and
      // reads back only from 8 digits: 7 give 2991022.
      {2991022.2f, 10, 1, u" 2991022.0"},
      {-2991022.2f, 10, 1, u"-2991022.0"},
      {1234567.0f, 10, 1, u" 1234567.0"},  // 7 digits: unchanged
      // 1234.5678f is 1234.5677490234375, shortest 1234.5677: 7 digits give 1234.568.
      {1234.5678f, 10, 4, u" 1234.5680"},
      // 2^24 + 1 is stored as 16777216: 7 digits give 16777220.
      {16777217.0f, 1, 0, u"16777220"},
      // 8.6e9f is 8600000512, which "8.6e9" reads back as: the shortest form wins over
      // the 7 digits of the exact value (8600001000).
      {8.6e9f, 1, 0, u"8600000000"},
      // The largest 32-bit value, 3.4028235e38 at 8 digits, with 7.
      {3.4028235e38f, 1, 0, u"340282300000000000000000000000000000000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFixed(c.value, static_cast<std::uint8_t>(c.width),
                          static_cast<std::uint8_t>(c.decimals)),
              c.expected)
        << c.value;
  }
}

TEST(FormatFixed, UsesTheRegionalDecimalSeparator) {
  EXPECT_EQ(FormatFixed(0.5f, 8, 3, u','), u"   0,500");
  EXPECT_EQ(FormatFixed(0.5f, 8, 3, u'.'), u"   0.500");
}

TEST(PadWidthAndSpaces, GiveTheMissingBlanksOnly) {
  EXPECT_EQ(PadWidth(u"", 30), std::u16string(30, u' '));
  EXPECT_EQ(PadWidth(std::u16string(30, u'x'), 30), u"");
  EXPECT_EQ(PadWidth(std::u16string(31, u'x'), 30), u"");
  EXPECT_EQ(PadWidth(u"Иванов", 10), u"    ");  // characters, not bytes
  EXPECT_EQ(Spaces(0), u"");
  EXPECT_EQ(Spaces(10), u"          ");
}

}  // namespace
}  // namespace rc
