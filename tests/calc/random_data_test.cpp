// Thousands of data sets, inside and outside the limits of the input checks, through both
// calculations: each either completes with finite results or refuses; nothing crashes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "calc/calculations.h"
#include "result_checks.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

class RandomDesignData {
 public:
  explicit RandomDesignData(unsigned seed) : rng_(seed) {}

  DesignData Next() {
    switch (Pick(3)) {
      case 0: return Perturbed();
      case 1: return WithinLimits();
      default: return Anything();
    }
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  float Uniform(double lo, double hi) {
    return static_cast<float>(std::uniform_real_distribution<double>(lo, hi)(rng_));
  }
  float Odd() {
    const float values[] = {0.0f, -1.0f, 1.0f, 1e-30f, 1e30f, -1e30f, 2.0f, 0.5f,
                            std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::denorm_min()};
    return values[Pick(static_cast<int>(std::size(values)))];
  }

  // A fixture with a few values scaled or replaced.
  DesignData Perturbed() {
    DesignData d = Pick(3) == 0 ? BenzeneTolueneBubbleCap()
                   : Pick(2) == 0 ? BenzeneTolueneSieve()
                                  : BenzeneTolueneDualFlow();
    for (int changes = 1 + Pick(3); changes > 0; --changes) {
      const int n = 16 + Pick(25);
      if (Pick(4) == 0) {
        d.ParamValue[n] = Odd();
      } else {
        d.ParamValue[n] *= Uniform(0.2, 5.0);
      }
    }
    if (Pick(5) == 0) d.EqY[1 + Pick(6)] *= Uniform(0.5, 1.5);
    return d;
  }

  // Equilibrium points of a constant volatility and parameters inside their limits.
  DesignData WithinLimits() {
    DesignData d;
    PrepareForEntry(d);
    const double alpha = Uniform(1.05, 12.0);
    std::array<float, 8> x{};
    for (int i = 1; i < 7; ++i) x[i] = Uniform(0.01, 0.99);
    x[7] = 1;
    std::sort(x.begin() + 1, x.begin() + 7);
    for (int i = 0; i < 8; ++i) {
      d.EqX[i] = x[i];
      d.EqY[i] = static_cast<float>(alpha * x[i] / (1 + (alpha - 1) * x[i]));
    }
    std::array<float, 3> c{Uniform(0.001, 0.999), Uniform(0.001, 0.999), Uniform(0.001, 0.999)};
    std::sort(c.begin(), c.end());
    for (int i = 0; i < 3; ++i) d.ParamValue[16 + i] = c[i];
    for (int n = kParamReflux; n <= kParamBypass; ++n) {
      d.ParamValue[n] = Uniform(d.ParamMin[n], d.ParamMax[n]);
    }
    if (Pick(3) == 0) d.ParamValue[kParamAreaRatio] = 1.0f;
    d.TrayType = Pick(3);
    return d;
  }

  // Anything at all, sorted or not.
  DesignData Anything() {
    DesignData d;
    PrepareForEntry(d);
    for (int i = 0; i < 8; ++i) {
      d.EqX[i] = Pick(8) == 0 ? Odd() : Uniform(-0.2, 1.2);
      d.EqY[i] = Pick(8) == 0 ? Odd() : Uniform(-0.2, 1.2);
    }
    if (Pick(2) == 0) std::sort(d.EqX.begin(), d.EqX.end());
    for (int n = kParamXW; n <= kParamBypass; ++n) {
      d.ParamValue[n] = Pick(6) == 0 ? Odd() : Uniform(-0.1, n <= 19 ? 1.1 : 2.0 * d.ParamMax[n]);
    }
    d.TrayType = Pick(4) - (Pick(10) == 0 ? 5 : 0);
    return d;
  }

  std::mt19937 rng_;
};

void ExpectInputRefusal(const Refusal& r) {
  EXPECT_EQ(r.Message(), kInputErrorMessage);
  EXPECT_TRUE(r.HidesKineticButton());
}

TEST(RandomDesignData, EveryOutcomeIsFiniteResultsOrARefusal) {
  RandomDesignData source(20261208);
  int kineticDone = 0, columnsDone = 0, tooManyTrays = 0;
  for (int run = 0; run < 3000; ++run) {
    DesignData d = source.Next();
    SCOPED_TRACE(run);

    d.InputError = kFalse;
    if (const std::optional<Refusal> r = Compute(RunKineticLine, d).refusal) {
      ExpectInputRefusal(*r);
      EXPECT_EQ(d.InputError, kTrue);
    } else {
      ++kineticDone;
      EXPECT_EQ(d.InputError, kFalse);
    }
    ASSERT_TRUE(AllResultsFinite(d));

    d.InputError = kFalse;
    const TrayByTrayRun out = Compute(RunTrayByTray, d);
    ASSERT_TRUE(AllResultsFinite(d));
    EXPECT_EQ(d.TrayTableRow, 1);
    if (out.refusal) {
      EXPECT_EQ(d.InputError, kTrue);
      if (out.refusal->kind == RefusalKind::TooManyTrays) {
        ++tooManyTrays;
        EXPECT_FALSE(out.refusal->HidesKineticButton());
      } else {
        ExpectInputRefusal(*out.refusal);
      }
      continue;
    }
    ++columnsDone;
    ASSERT_GE(out.TotalTrays(), 1);
    ASSERT_LE(out.TotalTrays(), kMaxTrays);
    EXPECT_GE(d.TrayY[out.TotalTrays()], d.ParamValue[kParamXP]);
    EXPECT_EQ(d.RecordedTrays.TrayNo[3], out.TotalTrays());
    EXPECT_TRUE(d.FeedTray == kFeedTrayNotFound ||
                (d.FeedTray >= 0 && d.FeedTray < out.TotalTrays()));
  }
  // The mix exercises every outcome.
  EXPECT_GT(kineticDone, 300);
  EXPECT_GT(columnsDone, 300);
  EXPECT_GT(tooManyTrays, 10);
}

}  // namespace
}  // namespace rc
