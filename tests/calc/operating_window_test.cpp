// The tray's operating window: the book functions against Towler & Sinnott's Example
// 11.11 (bottom plate), each tray's values worked by hand from the column's own tray at a
// cold feed, how the inputs move them, the weep point's root, the tray kinds, and the
// performance diagram's lines against their definitions.
#include "calc/operating_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc/calculations.h"
#include "calc/column_input.h"
#include "calc/performance_diagram.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

// Towler & Sinnott, Example 11.11, bottom plate: liquid 4.06 kg/s of density 954 kg/m³
// over a 0.60 m weir 50 mm high, apron 40 mm, downcomer 0.12 of 0.49 m², plates 0.5 m apart.
TEST(OperatingWindowBook, TheBottomPlateOfTheWorkedExampleWithinFourPerCent) {
  Guard g;
  const double lv = 4.06 / 954, lw = 0.60, ad = 0.12 * 0.49;
  const double hdc = DowncomerHeadLoss(g, lv, 0.040 * lw);
  const double hb = DowncomerBackup(0.050, WeirCrest(g, lv, lw), 138.0, hdc);  // the book's ht
  const struct {
    const char* what;
    double value, book;
  } rows[] = {
      {"how at the design load, mm", WeirCrest(g, lv, lw), 27},
      {"how at 70 %, mm", WeirCrest(g, 0.7 * lv, lw), 22},
      {"hdc, mm", hdc, 5.2},
      {"hb, mm", hb, 221},
      {"backup limit, mm", BackupLimit(0.5, 0.050), 275},
      {"residence time, s", ResidenceTime(g, ad, hb, lv), 3.1},
      {"psi at FLV 0.14 and 76 %", FairEntrainment(g, 0.14, 76), 0.018},
  };
  for (const auto& r : rows) EXPECT_NEAR(r.value / r.book, 1.0, 0.04) << r.what << " " << r.value;
  EXPECT_FALSE(g.faulted());
  // The fit is bounded by 1 and marked outside its readings.
  EXPECT_EQ(FairEntrainment(g, 0.05, 180), 1.0);
  EXPECT_TRUE(EntrainmentFitHolds(0.14, 76));
  EXPECT_FALSE(EntrainmentFitHolds(0.15, 76));
  EXPECT_FALSE(EntrainmentFitHolds(0.05, 96));
  // e = ψ/(1 − ψ)·L/V.
  EXPECT_NEAR(EntrainmentOfPsi(g, 0.2, 0.5), 0.125, 1e-15);
}

struct Column {
  DesignData data;
  ColumnDesignInput in;
  ColumnDesignResult result;
};

// The benzene-toluene column's trays and third stage, q as given.
Column ColumnOf(DesignData d, const std::u16string& q) {
  SetParameter(d, kParamFeedCondition, q);
  SetBenzeneTolueneColumnStage(d);
  const TrayByTrayRun run = Compute(RunTrayByTray, d);
  EXPECT_FALSE(run.refusal.has_value());
  Column c{d, ColumnDesignInputOf(d, run), {}};
  c.result = DesignColumn(c.in);
  return c;
}

// Below a cold feed the tray's loads are those of V' and L', worked here from the
// inputs alone; the window's crest, backup, residence time and ψ follow from them and the
// column's own ΔP and φ of that tray.
TEST(OperatingWindow, EachTrayWorkedByHandFromTheColumnsOwnTrayAtAColdFeed) {
  const Column col = ColumnOf(BenzeneTolueneSieve(), u"1.37");
  const OperatingWindowValues v{0.03, 0.6};
  const OperatingWindowResult w = OperatingWindow(col.in, col.result, v);
  ASSERT_TRUE(w.computed && w.weepApplies);
  ASSERT_EQ(w.trays.size(), col.in.trays.size());
  const ColumnParameters& c = col.in.column;
  const double fbar = (c.XP - c.XW) / (c.XF - c.XW);
  const double mf = c.XF * c.MA + (1 - c.XF) * c.MB;
  bool sawBelow = false, sawAbove = false;
  for (std::size_t i = 0; i < w.trays.size(); ++i) {
    SCOPED_TRACE(i + 1);
    const ColumnTrayInput& tray = col.in.trays[i];
    const ColumnTrayResult& t = col.result.trays[i];
    const bool below = tray.section == Section::BelowFeed;
    (below ? sawBelow : sawAbove) = true;
    const double x = tray.x, y = tray.yIn;
    const double vapour = below ? c.R + 1 + (c.q - 1) * fbar : c.R + 1;
    const double liquid = below ? c.q * fbar + c.R : c.R;
    const double vm = x * c.MA / c.rhoA + (1 - x) * c.MB / c.rhoB;
    const double lv = c.F * (vapour * c.e + liquid) / fbar * vm / mf;
    const double speed = (c.XF - c.XW) * c.F * 22.4 * vapour * c.T /
                         (mf * (c.XP - c.XW) * c.D * c.D * 214.305);
    const double mx = x * c.MA + (1 - x) * c.MB, my = y * c.MA + (1 - y) * c.MB;
    const double rhoX = mx / vm, rhoY = my * 273 / (22.4 * c.T);
    ASSERT_TRUE(t.state.liquidLoad && t.state.velocity && t.totalDrop && t.flooding);
    EXPECT_NEAR(*t.state.liquidLoad / lv, 1, 1e-6);
    EXPECT_NEAR(*t.state.velocity / speed, 1, 1e-12);

    const double perPass = lv / c.n, lw = 0.7 * c.D;
    const double ad = (1 - c.f) / 2 * std::numbers::pi * c.D * c.D / 4 / c.n;
    const double am = std::min(ad, 0.03 * lw);
    const double hb = 1000 * c.hw + 750 * std::pow(perPass / lw, 2.0 / 3) +
                      1000 * *t.totalDrop / (9.81 * rhoX) + 166 * std::pow(perPass / am, 2);
    const double flv = mx / my * liquid / vapour * std::sqrt(rhoY / rhoX);
    const double psi =
        std::min(1.0, std::pow(10, -4.5287 - 1.0571 * std::log10(flv) + 2.4947 * *t.flooding / 100));
    const WindowTray& r = w.trays[i];
    ASSERT_TRUE(r.crestAtMinimum && r.backup && r.residence && r.entrainment && r.weepMargin);
    EXPECT_NEAR(*r.crestAtMinimum, 750 * std::pow(0.6 * perPass / lw, 2.0 / 3), 1e-5);
    EXPECT_NEAR(*r.backup / hb, 1, 1e-6);
    EXPECT_NEAR(*r.residence / (ad * hb / 1000 / perPass), 1, 1e-6);
    EXPECT_NEAR(*r.entrainment / psi, 1, 1e-6);
    EXPECT_NEAR(*r.weepMargin, 0.6 * speed / r.weep.velocity, 1e-9);
  }
  EXPECT_TRUE(sawBelow && sawAbove);
  EXPECT_EQ(w.backupLimit, 500 * (c.hw + col.in.stage.HT));
}

// The weep point is where the dry and surface-tension drops just hold the liquid's head.
TEST(OperatingWindow, AtTheWeepPointTheDryAndSurfaceDropsEqualTheLiquidsHead) {
  const Column col = ColumnOf(BenzeneTolueneSieve(), u"1");
  const ColumnTrayState& t = col.result.trays.front().state;
  const auto h = TrayHydraulics::Of(col.in, t, 0.04);
  ASSERT_TRUE(h);
  const double lv = 0.7 * h->DesignLoad();
  const WeepPoint weep = h->Weep(lv);
  ASSERT_EQ(weep.outcome, WeepPoint::Outcome::Found);
  Guard g;
  const ColumnParameters& c = col.in.column;
  const ColumnStageValues& s = col.in.stage;
  const double w0 = weep.velocity / (c.f * c.F0);
  const double held = s.xi * *t.vapourDensity * w0 * w0 / 2 + 4 * s.sigma / 1000 / s.d0;
  const double head = 9.81 * *t.liquidDensity * h->ClearLiquid(g, lv, weep.velocity);
  EXPECT_NEAR(held / head, 1, 1e-6);
  // Just above it the tray holds its liquid, just below it does not; and it is the largest
  // such velocity of the search's range.
  EXPECT_GT(h->WeepShortfall(g, lv, weep.velocity * 1.001), 0);
  EXPECT_LT(h->WeepShortfall(g, lv, weep.velocity * 0.999), 0);
  for (double k = 1.01; k < 5 * h->DesignVelocity() / weep.velocity; k *= 1.1) {
    EXPECT_GT(h->WeepShortfall(g, lv, weep.velocity * k), 0) << k;
  }
}

TEST(OperatingWindow, TheInputsMoveOnlyWhatTheyShould) {
  Column col = ColumnOf(BenzeneTolueneSieve(), u"1.2");
  const OperatingWindowResult base = OperatingWindow(col.in, col.result, {0.04, 0.7});
  // A narrower apron gap raises the backup and so the residence time.
  const OperatingWindowResult narrow = OperatingWindow(col.in, col.result, {0.01, 0.7});
  // A gap wider than the downcomer itself changes nothing.
  const OperatingWindowResult wide = OperatingWindow(col.in, col.result, {0.19, 0.7});
  const OperatingWindowResult wider = OperatingWindow(col.in, col.result, {0.2, 0.7});
  // A larger minimum load lifts the weep margin.
  const OperatingWindowResult fuller = OperatingWindow(col.in, col.result, {0.04, 0.9});
  ColumnDesignInput spaced = col.in;
  spaced.stage.HT += 0.1;
  const OperatingWindowResult tall = OperatingWindow(spaced, DesignColumn(spaced), {0.04, 0.7});
  for (std::size_t i = 0; i < base.trays.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_GT(*narrow.trays[i].backup, *base.trays[i].backup);
    EXPECT_GT(*narrow.trays[i].residence, *base.trays[i].residence);
    EXPECT_EQ(*wide.trays[i].backup, *wider.trays[i].backup);
    EXPECT_GT(*fuller.trays[i].weepMargin, *base.trays[i].weepMargin);
    EXPECT_EQ(*fuller.trays[i].backup, *base.trays[i].backup);
    EXPECT_EQ(*tall.trays[i].backup, *base.trays[i].backup);
    EXPECT_EQ(*tall.trays[i].residence, *base.trays[i].residence);
    EXPECT_EQ(*tall.trays[i].weepMargin, *base.trays[i].weepMargin);
    EXPECT_EQ(*tall.trays[i].crestAtMinimum, *base.trays[i].crestAtMinimum);
  }
  EXPECT_EQ(tall.backupLimit, base.backupLimit + 50);
  // The extremes name their trays, the lowest on a tie (the crest rises with the liquid).
  ASSERT_TRUE(base.backupMax.value && base.residenceMin.value && base.crestMin.value);
  for (std::size_t i = 0; i < base.trays.size(); ++i) {
    EXPECT_LE(*base.trays[i].backup, *base.backupMax.value);
    EXPECT_GE(*base.trays[i].residence, *base.residenceMin.value);
  }
  EXPECT_EQ(*base.trays[static_cast<std::size_t>(base.backupMax.tray - 1)].backup, *base.backupMax.value);
  ASSERT_TRUE(base.entrainmentAtMax);
  const double psi = *base.entrainmentMax.value;
  const ColumnTrayState& at = col.result.trays[static_cast<std::size_t>(base.entrainmentMax.tray - 1)].state;
  EXPECT_NEAR(*base.entrainmentAtMax, psi / (1 - psi) / *at.vapourToLiquid, 1e-12);
}

TEST(OperatingWindow, CapsDoNotWeepAndTraysWithoutDowncomersHaveNoWindow) {
  const Column caps = ColumnOf(BenzeneTolueneBubbleCap(), u"1");
  const OperatingWindowResult w = OperatingWindow(caps.in, caps.result, {});
  EXPECT_TRUE(w.computed);
  EXPECT_FALSE(w.weepApplies);
  EXPECT_FALSE(w.weepMarginMin.value || w.noTrayWeeps);
  ASSERT_FALSE(w.trays.empty());
  EXPECT_FALSE(w.trays.front().weepMargin);
  EXPECT_EQ(w.trays.front().weep.outcome, WeepPoint::Outcome::NotComputed);
  EXPECT_TRUE(w.backupMax.value && w.entrainmentMax.value);

  const Column dual = ColumnOf(BenzeneTolueneDualFlow(), u"1");
  const OperatingWindowResult none = OperatingWindow(dual.in, dual.result, {});
  EXPECT_FALSE(none.computed);
  EXPECT_TRUE(none.trays.empty());
  // Its diagram: the points alone.
  const PerformanceDiagram d = PerformanceDiagramOf(dual.in, dual.result, {});
  EXPECT_TRUE(d.below.design && !d.below.limits && d.below.flooding.empty());
}

// Each line of the diagram passes through its definition, at the critical tray of each
// section, whose velocity is its own section's.
TEST(PerformanceDiagram, EachLineMeetsItsDefinition) {
  const Column col = ColumnOf(BenzeneTolueneSieve(), u"1.37");
  const OperatingWindowValues v{0.04, 0.7};
  const PerformanceDiagram d = PerformanceDiagramOf(col.in, col.result, v);
  for (const DiagramPanel* p : {&d.below, &d.above}) {
    SCOPED_TRACE(p->section == Section::BelowFeed ? "below" : "above");
    ASSERT_GT(p->tray, 0);
    EXPECT_EQ(p->tray, CriticalTray(col.result, p->section));
    const ColumnTrayResult& t = col.result.trays[static_cast<std::size_t>(p->tray - 1)];
    EXPECT_EQ(t.state.section, p->section);
    ASSERT_TRUE(p->design && p->minimum);
    EXPECT_EQ(p->design->velocity, *t.state.velocity);
    EXPECT_NEAR(p->minimum->load, 0.7 * p->design->load, 1e-12);
    const auto h = TrayHydraulics::Of(col.in, t.state, v.apronClearance);
    ASSERT_TRUE(h);
    Guard g;
    const double lv = p->design->load / 3600;
    EXPECT_NEAR(h->Flooding(g, lv, p->design->velocity), *t.flooding, 1e-9);
    for (const auto& [line, what] : {std::pair{&p->flooding, 100.0}, std::pair{&p->flooding85, 85.0}}) {
      EXPECT_GT(line->size(), 40u);
      for (const DiagramPoint& q : *line) EXPECT_NEAR(h->Flooding(g, q.load / 3600, q.velocity), what, 1e-6);
    }
    EXPECT_GT(p->entrainment.size(), 20u);
    for (const DiagramPoint& q : p->entrainment) {
      EXPECT_NEAR(h->Entrainment(g, q.load / 3600, q.velocity), 0.1, 1e-8);
    }
    EXPECT_GT(p->backup.size(), 20u);
    for (const DiagramPoint& q : p->backup) {
      EXPECT_NEAR(h->Backup(g, q.load / 3600, q.velocity), h->BackupLimitMm(), 1e-6);
    }
    for (const DiagramPoint& q : p->residence) {
      EXPECT_NEAR(h->Residence(g, q.load / 3600, q.velocity), 3.0, 1e-6);
    }
    EXPECT_GT(p->weep.size(), 40u);
    for (const DiagramPoint& q : p->weep) {
      EXPECT_NEAR(h->WeepShortfall(g, q.load / 3600, q.velocity), 0, 1e-6);
    }
    ASSERT_TRUE(p->crestLoad);
    EXPECT_NEAR(WeirCrest(g, *p->crestLoad / 3600 / col.in.column.n, 0.7 * col.in.column.D), 10, 1e-9);
    EXPECT_FALSE(g.faulted());
  }
  // The cold feed: the stripping section runs faster than the rectifying one.
  EXPECT_GT(d.below.design->velocity, 1.2 * d.above.design->velocity);
}

}  // namespace
}  // namespace rc
