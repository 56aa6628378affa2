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
