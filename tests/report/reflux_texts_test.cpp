#include "report/reflux_texts.h"

#include <gtest/gtest.h>

namespace rc {
namespace {

using Outcome = RefluxPoint::Outcome;

RefluxPoint Point(float r, Outcome o, int trays = 0, std::optional<int> feed = {},
                  float volume = 0) {
  RefluxPoint p;
  p.reflux = r;
  p.outcome = o;
  p.trays = trays;
  p.feedTray = feed;
  p.traysTimesRefluxPlusOne = volume;
  return p;
}

TEST(RefluxSweepRow, KeepsItsColumnsForEveryOutcome) {
  struct Case {
    RefluxPoint point;
    std::u16string row;
  };
  const Case cases[] = {
      {Point(2.125f, Outcome::Completed, 16, 8, 50.0f), u"    2.1250    16     8       50.00"},
      {Point(10.0f, Outcome::Completed, 120, 57, 1320.0f), u"   10.0000   120    57     1320.00"},
      {Point(0.3f, Outcome::Completed, 1, {}, 1.3f), u"    0.3000     1              1.30"},
      {Point(1.25f, Outcome::TooManyTrays), u"    1.2500  >120                  "},
      {Point(7.5f, Outcome::Refused), u"    7.5000 ERROR                  "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RefluxSweepRow(c.point), c.row);
    EXPECT_EQ(c.row.size(), 34u);
  }
  EXPECT_EQ(RefluxSweepRow(cases[0].point, u','), u"    2,1250    16     8       50,00");
}

TEST(RefluxSummaryLine, NamesTheOptimumAndTheStudentsOwnColumn) {
  RefluxSweep sweep;
  sweep.points[kOwnRefluxPoint] = Point(2.5f, Outcome::Completed, 15, 7, 52.5f);
  sweep.points[7] = Point(2.125f, Outcome::Completed, 16, 8, 50.0f);
  sweep.optimum = 7;
  EXPECT_EQ(RefluxSummaryLine(sweep),
            u"R опт = 2.1250, N = 16, N·(R+1) = 50.00;  ваше R = 2.5000, N = 15");

  sweep.points[kOwnRefluxPoint] = Point(2.5f, Outcome::TooManyTrays);
  EXPECT_EQ(RefluxSummaryLine(sweep, u','),
            u"R опт = 2,1250, N = 16, N·(R+1) = 50,00;  ваше R = 2,5000, N > 120");

  sweep.points[kOwnRefluxPoint] = Point(2.5f, Outcome::Refused);
  sweep.optimum.reset();
  EXPECT_EQ(RefluxSummaryLine(sweep), u"R опт не найдено;  ваше R = 2.5000, N не найдено");
}

}  // namespace
}  // namespace rc
