#include "calc/column_design.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/design_fixtures.h"

namespace rc {
namespace {

// Three trays of the benzene-toluene sieve column, the lowest two below the feed.
ColumnDesignInput SieveColumn() {
  DesignData d = BenzeneTolueneSieve();
  SetBenzeneTolueneColumnStage(d);
  ColumnDesignInput in{ColumnParameters::From(d), ColumnStageValues::From(d), {}, 2};
  in.trays = {{0.08f, 0.05f, 0.031f, Section::BelowFeed},
              {0.30f, 0.14f, 0.029f, Section::BelowFeed},
              {0.62f, 0.55f, 0.027f, Section::AboveFeed}};
  return in;
}

TEST(ColumnDesign, SurfaceTensionDropIsFourSigmaOverHoleDiameter) {
  ColumnDesignInput in = SieveColumn();
  in.stage.sigma = 38;
  in.stage.d0 = 0.005;
  const ColumnDesignResult r = DesignColumn(in);
  for (const ColumnTrayResult& t : r.trays) {
    ASSERT_TRUE(t.surfaceDrop && t.dryDrop && t.liquidDrop && t.totalDrop);
    EXPECT_NEAR(*t.surfaceDrop, 30.4, 1e-9);
    EXPECT_NEAR(*t.totalDrop, *t.dryDrop + *t.surfaceDrop + *t.liquidDrop, 1e-9);
  }
  // Liquid layer: g ρx hcl, ρx of the mixture between toluene's 790 and benzene's 815,
  // near toluene's on the lowest tray.
  const double rhoX = *r.trays[0].liquidDrop / (9.81 * 0.031f);
  EXPECT_GT(rhoX, 790);
  EXPECT_LT(rhoX, 793);
  EXPECT_NEAR(*r.totalDrop, *r.trays[0].totalDrop + *r.trays[1].totalDrop + *r.trays[2].totalDrop,
              1e-9);
  EXPECT_NEAR(*r.height, 2 * 0.45 + 1 + 2, 1e-6);
}

TEST(ColumnDesign, FloodingConstantAtFlv01AndSpacing450mm) {
  // 0.0105 + 8.127e-4 * 450^0.755 * exp(-1.463 * 0.1^0.842), worked by hand.
  Guard g;
  EXPECT_NEAR(FloodingConstant(g, 0.1, 0.45), 0.076827, 1e-6);
  EXPECT_FALSE(g.faulted());
}

TEST(ColumnDesign, HeatBalanceOfEqualMolarMasses) {
  // MA = MB: mass fractions are the mole fractions. XW 0.1, XF 0.5, XP 0.9, F 2 kg/s:
  // P = W = 1 kg/s. R 2, rP = 0.9*400 + 0.1*300 = 390: Qc = 1*3*390 = 1170 kW.
  // Qr = 1.1 * (1170 + 1*2*80 + 1*2*110 - 2*2*90) = 1309 kW; steam 1309/2000;
  // water 1170 / (4.19*10).
  ColumnDesignInput in = SieveColumn();
  ColumnParameters& c = in.column;
  c.MA = c.MB = 100;
  c.XW = 0.1, c.XF = 0.5, c.XP = 0.9, c.F = 2, c.R = 2;
  ColumnStageValues& s = in.stage;
  s.rA = 400, s.rB = 300, s.cA = s.cB = 2;
  s.tF = 90, s.tP = 80, s.tW = 110;
  s.loss = 10, s.rs = 2000, s.dtw = 10;
  const ColumnDesignResult r = DesignColumn(in);
  EXPECT_NEAR(*r.distillate, 1.0, 1e-12);
  EXPECT_NEAR(*r.bottoms, 1.0, 1e-12);
  EXPECT_NEAR(*r.condenserDuty, 1170, 1e-9);
  EXPECT_NEAR(*r.reboilerDuty, 1309, 1e-9);
  EXPECT_NEAR(*r.steam, 0.6545, 1e-12);
  EXPECT_NEAR(*r.coolingWater, 27.923628, 1e-6);
  EXPECT_EQ(r.reboilerRefusal, ReboilerRefusal::None);

  // A feed far hotter than the products: the reboiler would have to cool. Refused on
  // its two lines alone.
  s.tF = 300;
  s.tP = s.tW = -50;
  const ColumnDesignResult cold = DesignColumn(in);
  EXPECT_EQ(cold.reboilerRefusal, ReboilerRefusal::DutyNotPositive);
  EXPECT_FALSE(cold.reboilerDuty);
  EXPECT_FALSE(cold.steam);
  EXPECT_TRUE(cold.condenserDuty && cold.coolingWater && cold.distillate);
}

TEST(ColumnDesign, FloodingFallsAsOneOverDiameterSquaredAndD80TypedBackGives80) {
  ColumnDesignInput in = SieveColumn();
  const ColumnDesignResult a = DesignColumn(in);
  ASSERT_TRUE(a.floodingApplies);
  ASSERT_TRUE(a.floodingMax && a.diameterFor80);
  const double d1 = in.column.D;
  in.column.D = 2.3;
  const ColumnDesignResult b = DesignColumn(in);
  for (std::size_t i = 0; i < a.trays.size(); ++i) {
    ASSERT_TRUE(a.trays[i].flooding && b.trays[i].flooding);
    EXPECT_NEAR(*a.trays[i].flooding * d1 * d1, *b.trays[i].flooding * 2.3 * 2.3, 1e-9);
    EXPECT_GT(*a.trays[i].flooding, 0);
  }
  // The largest is named with its tray.
  for (const ColumnTrayResult& t : a.trays) EXPECT_LE(*t.flooding, *a.floodingMax);
  EXPECT_EQ(*a.trays[static_cast<std::size_t>(a.floodingMaxTray - 1)].flooding, *a.floodingMax);

  // D80 as shown (three decimals, a 32-bit float) typed back as the diameter.
  const float shown = std::round(static_cast<float>(*a.diameterFor80) * 1000.0f) / 1000.0f;
  in.column.D = shown;
  const ColumnDesignResult sized = DesignColumn(in);
  EXPECT_NEAR(*sized.floodingMax, 80.0, 0.1);
  EXPECT_NEAR(*sized.diameterFor80, shown, 0.001);
}

TEST(ColumnDesign, DualFlowTraysHaveNoFloodingAndAbsurdDensitiesAreRefusedPerLine) {
  ColumnDesignInput dual = SieveColumn();
  dual.column.hydraulics = Hydraulics::DualFlow;
  dual.column.f = 1;
  const ColumnDesignResult d = DesignColumn(dual);
  EXPECT_FALSE(d.floodingApplies);
  EXPECT_FALSE(d.floodingMax || d.diameterFor80);
  EXPECT_TRUE(d.totalDrop && d.height && d.reboilerDuty);

  // Liquid no denser than its vapour (a column at absurd temperature): flooding refused
  // on every tray and so for the column; the pressure drops still come out.
  ColumnDesignInput absurd = SieveColumn();
  absurd.column.T = 0.05;
  const ColumnDesignResult a = DesignColumn(absurd);
  for (const ColumnTrayResult& t : a.trays) {
    EXPECT_FALSE(t.flooding);
    ASSERT_TRUE(t.totalDrop);
    EXPECT_TRUE(std::isfinite(*t.totalDrop));
  }
  EXPECT_FALSE(a.floodingMax || a.diameterFor80);

  // Zero hole area: the dry drop divides by zero and is refused with the tray's and the
  // column's sums; the other lines stand.
  ColumnDesignInput closed = SieveColumn();
  closed.column.F0 = 0;
  const ColumnDesignResult z = DesignColumn(closed);
  EXPECT_FALSE(z.trays[0].dryDrop || z.trays[0].totalDrop || z.totalDrop);
  EXPECT_TRUE(z.trays[0].surfaceDrop && z.trays[0].liquidDrop && z.height);
}

}  // namespace
}  // namespace rc
