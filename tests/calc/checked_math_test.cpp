#include "calc/checked_math.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace rc {
namespace {

TEST(Guard, NoticesEveryKindOfArithmeticFault) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::pair<const char*, std::function<void(Guard&)>> faults[] = {
      {"1 / 0", [](Guard& g) { g.Div(1, 0); }},
      {"0 / 0", [](Guard& g) { g.Div(0, 0); }},
      {"overflowing quotient", [](Guard& g) { g.Div(1e300, 1e-300); }},
      {"1 / inf", [inf](Guard& g) { g.Div(1, inf); }},
      {"ln 0", [](Guard& g) { g.Ln(0); }},
      {"ln -1", [](Guard& g) { g.Ln(-1); }},
      {"sqrt -1", [](Guard& g) { g.Sqrt(-1e-12); }},
      {"sqrt nan", [nan](Guard& g) { g.Sqrt(nan); }},
      {"exp 1000", [](Guard& g) { g.Exp(1000); }},
      {"0 ^ 0.5", [](Guard& g) { g.Pow(0, 0.5); }},
      {"(-2) ^ 0.5", [](Guard& g) { g.Pow(-2, 0.5); }},
      {"float overflow", [](Guard& g) { g.Store(1e39); }},
      {"float nan", [nan](Guard& g) { g.Store(nan); }},
  };
  for (const auto& [what, op] : faults) {
    Guard g;
    op(g);
    EXPECT_TRUE(g.faulted()) << what;
  }
}

TEST(Guard, SoundArithmeticPassesUnchanged) {
  Guard g;
  EXPECT_EQ(g.Div(1, 4), 0.25);
  EXPECT_DOUBLE_EQ(g.Pow(8, 1.0 / 3), 2.0);
  EXPECT_EQ(g.PowWhole(-2, 3), -8.0);
  EXPECT_EQ(g.Sqrt(0), 0.0);
  EXPECT_EQ(g.Exp(-1000), 0.0);  // underflow to 0 is a sound result
  EXPECT_EQ(g.Store(0.1), 0.1f);
  EXPECT_FALSE(g.faulted());
}

}  // namespace
}  // namespace rc
