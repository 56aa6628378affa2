#include "variant_run/variant_file.h"

#include <gtest/gtest.h>

namespace rc {
namespace {

TEST(VariantFile, ReadsValuesAsTypedWithCommentsAndBlankLines) {
  Variant v;
  const auto error = ParseVariant(
      "# variant 7\n"
      "\n"
      "name =  иванов хт-41  \n"
      "x3 = 0,35\n"
      "y3 = 1 2 # typed with a blank\n"
      "xw =\n"
      "p34=1\n"
      "trays = no-caps\r\n",
      v);
  ASSERT_FALSE(error) << error->message;
  EXPECT_EQ(v.Answer("name"), u"иванов хт-41");
  EXPECT_EQ(v.Answer("x3"), u"0,35");
  EXPECT_EQ(v.Answer("y3"), u"1 2");
  EXPECT_EQ(v.Answer("xw"), u"");
  EXPECT_EQ(v.Answer("p34"), u"1");
  EXPECT_EQ(v.Answer("p35"), u"");  // missing: typed as Cancel
  EXPECT_FALSE(v.bubbleCap);
}

TEST(VariantFile, ReportsTheFirstBadLine) {
  struct Case {
    std::string text;
    int line;
  };
  const Case cases[] = {
      {"trays = bubble-cap\nx9 = 1\n", 2},
      {"trays = bubble-cap\np32 = 1\n", 2},
      {"x0 0.1\ntrays = bubble-cap\n", 1},
      {"trays = sieve\n", 1},
      {"x0 = 1\nx0 = 2\ntrays = no-caps\n", 2},
      {"= 5\ntrays = no-caps\n", 1},
      {"x0 = 1\n", 0},
  };
  for (const auto& c : cases) {
    Variant v;
    const auto error = ParseVariant(c.text, v);
    ASSERT_TRUE(error) << c.text;
    EXPECT_EQ(error->line, c.line) << c.text;
  }
}

TEST(VariantFile, KeysFollowTheSessionOrder) {
  const auto first = FirstStageKeys();
  ASSERT_EQ(first.size(), 20u);
  EXPECT_EQ(first[0], "name");
  EXPECT_EQ(first[1], "x0");
  EXPECT_EQ(first[2], "y0");
  EXPECT_EQ(first[19], "xp");
  const auto params = ParameterKeys();
  ASSERT_EQ(params.size(), 22u);
  EXPECT_EQ(params[12], "p31");
  EXPECT_EQ(params[13], "p33");
  EXPECT_EQ(params[20], "p40");
  EXPECT_EQ(params[21], "p57");
}

}  // namespace
}  // namespace rc
