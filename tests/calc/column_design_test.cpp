// The column's design: every correlation on its own, then a whole column worked by hand.
// The inputs are unequal on purpose (MA ≠ MB, ρA ≠ ρB, cA ≠ cB, rA ≠ rB, f ≠ 1, σ ≠ 20),
// so that swapped components or a dropped factor change the answer.
#include "calc/column_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "calc/calculations.h"
#include "calc/column_input.h"

#include "support/design_fixtures.h"

namespace rc {
namespace {

// The light component of molar mass 40 and density 800, the heavy one of 120 and 1000;
// a column of 1.6 m at 390 K. Only what the column's design reads is set.
ColumnParameters WorkedParameters() {
  ColumnParameters c{};
  c.XW = 0.3, c.XF = 0.5, c.XP = 0.9, c.R = 2, c.F = 5;
  c.MA = 40, c.MB = 120, c.rhoA = 800, c.rhoB = 1000;
  c.T = 390, c.D = 1.6, c.f = 0.8, c.F0 = 0.1;
  c.q = 1;
  c.hydraulics = Hydraulics::SieveOrValve;
  return c;
}

TEST(ColumnCorrelations, EachQuantityWorkedByHand) {
  Guard g;
  const ColumnParameters c = WorkedParameters();
  const ProductFlows products = MassBalance(g, 5, 0.125, 0.25, 0.75);
  struct Worked {
    const char* what;
    double value, expected;
  };
  const Worked cases[] = {
      // My = 0.3*120 + 0.7*40 = 64; 64*273 / (22.4*390) = 17472/8736
      {"vapour density", VapourDensity(g, c, 0.7), 2.0},
      // Mx = 0.5*120 + 0.5*40 = 80; Vm = 0.5*120/1000 + 0.5*40/800 = 0.085; 80/0.085
      {"liquid density", LiquidDensity(g, c, 0.5), 941.17647058823},
      // 0.99 / (0.8*0.1)
      {"hole velocity", HoleVelocity(g, 0.99, 0.8, 0.1), 12.375},
      // 1.6 * 2 * 12.5^2 / 2 = 1.6 * 156.25
      {"dry-tray drop", DryTrayDrop(1.6, 2.0, 12.5), 250.0},
      // 4 * 0.025 N/m / 0.004 m; 4 * 0.038 / 0.005
      {"surface-tension drop", SurfaceTensionDrop(g, 25, 0.004), 25.0},
      {"surface-tension drop, 38 mN/m", SurfaceTensionDrop(g, 38, 0.005), 30.4},
      // 9.81 * 875 * 0.04
      {"liquid-layer drop", LiquidLayerDrop(875, 0.04), 343.35},
      // (80/64) / 0.5 * sqrt(2/800) = 2.5 * 0.05
      {"flow parameter", FlowParameter(g, 80, 64, 0.5, 2, 800), 0.125},
      // 0.0105 + 8.127e-4 * 450^0.755 * exp(-1.463 * 0.1^0.842)
      //   = 0.0105 + 8.127e-4 * 100.73385 * exp(-1.463 * 0.1438799)
      //   = 0.0105 + 0.0818660 * 0.8101821
      {"flooding constant", FloodingConstant(g, 0.1, 0.45), 0.0768266947409},
      // 0.08 * (32/20)^0.2 * sqrt((802 - 2)/2) = 0.08 * 1.0985605 * 20
      {"flooding velocity", FloodingVelocity(g, 0.08, 32, 802, 2), 1.75769686929},
      // 100 * 0.99 / ((1 + 0.8)/2 * 1.5) = 99 / 1.35
      {"per cent of flooding", PercentOfFlooding(g, 0.99, 0.8, 1.5), 73.3333333333},
      // 1.6 * sqrt(45/80) = 1.6 * 0.75
      {"diameter for 80 %", DiameterForFlooding(g, 1.6, 45, 80), 1.2},
      // 11 * 0.45 + 1.2 + 2.5
      {"height of 12 trays", ColumnHeight(12, 0.45, 1.2, 2.5), 8.65},
      // 0.5*40 / (0.5*40 + 0.5*120) = 20/80; 0.9*40 / (36 + 0.1*120) = 36/48
      {"mass fraction at 0.5", MassFraction(g, 0.5, 40, 120), 0.25},
      {"mass fraction at 0.9", MassFraction(g, 0.9, 40, 120), 0.75},
      // 5 * (0.25 - 0.125)/(0.75 - 0.125) = 5 * 0.2; 5 - 1
      {"distillate", products.distillate, 1.0},
      {"bottoms", products.bottoms, 4.0},
      // 0.75*400 + 0.25*300
      {"heat of vaporisation of the distillate", MixedByMass(0.75, 400, 300), 375.0},
      // 1 kg/s * (2 + 1) * 375 kJ/kg
      {"condenser duty", CondenserDuty(1, 2, 375), 1125.0},
      // 4 kg/s * 1.65 kJ/(kg K) * 110 °C
      {"heat of the bottoms", StreamHeat(4, 1.65, 110), 726.0},
      // (1 + 10/100) * (1125 + 152 + 726 - 765) = 1.1 * 1238
      {"reboiler duty", ReboilerDuty({1125, 152, 726, 765, 0}, 10), 1361.8},
      // (1 + 10/100) * (1125 + 152 + 726 - 765 + 601.25) = 1.1 * 1839.25
      {"reboiler duty, cold feed", ReboilerDuty({1125, 152, 726, 765, 601.25}, 10), 2023.175},
      // (1.37 - 1) * 5 kg/s * 325 kJ/kg; (0.4 - 1) * 5 * 325
      {"heat of a cold feed", FeedConditionHeat(1.37, 5, 325), 601.25},
      {"heat of a partly vapour feed", FeedConditionHeat(0.4, 5, 325), -975.0},
      // 90 - (1.37 - 1) * 325 / 1.7 = 90 - 120.25/1.7 = 90 - 70.7352941
      {"cold feed's temperature", LiquidFeedTemperature(g, 90, 1.37, 325, 1.7), 19.2647058824},
      // 100 * (1 - 0.4); a liquid feed has no vapour
      {"vapour share of q 0.4", FeedVapourShare(0.4), 60.0},
      {"vapour share of q 1.37", FeedVapourShare(1.37), 0.0},
      // 1125 / (4.19 * 10)
      {"cooling water", CoolingWaterFlow(g, 1125, 10), 26.8496420048},
      // 1361.8 / 2000
      {"heating steam", HeatingSteamFlow(g, 1361.8, 2000), 0.6809},
  };
  for (const Worked& w : cases) {
    EXPECT_NEAR(w.value, w.expected, 1e-9 * std::fabs(w.expected)) << w.what;
  }
  EXPECT_FALSE(g.faulted());
}

// Trays 1 and 3 alike below the feed, tray 2 above it; every value exact in 32 bits.
ColumnDesignInput WorkedColumn() {
  ColumnDesignInput in{WorkedParameters(), {}, {}, 2};
  ColumnStageValues& s = in.stage;
  s.HT = 0.5, s.Zt = 1.2, s.Zb = 2.5;
  s.sigma = 25, s.xi = 1.6, s.d0 = 0.004;
  s.rA = 400, s.rB = 300, s.cA = 2.0, s.cB = 1.6;
  s.tb = 90, s.tP = 80, s.tW = 110;
  s.rs = 2000, s.dtw = 10, s.loss = 10;
  in.trays = {{0.5f, 0.75f, 0.0625f, Section::BelowFeed},
              {0.75f, 0.875f, 0.046875f, Section::AboveFeed},
              {0.5f, 0.75f, 0.0625f, Section::BelowFeed}};
  return in;
}

TEST(ColumnDesign, WorkedColumnOfThreeTrays) {
  // Both sections: MF = 0.5*120 + 0.5*40 = 80;
  //   w = 0.2*5*22.4*3*390 / (80*0.6*1.6^2*214.305) = 26208/26333.7984 = 0.99522293 m/s,
  //   w0 = w/(0.8*0.1) = 12.440287 m/s; ΔPσ = 4*0.025/0.004 = 25 Pa.
  // Tray 1, below the feed (x 0.5, y 0.75, hcl 0.0625):
  //   My = 60, ρy = 60*273/(22.4*390) = 1.875; Mx = 80, Vm = 0.085, ρx = 941.17647;
  //   ΔPd = 1.6*1.875*12.440287^2/2 = 232.14110 Pa; ΔPl = 9.81*941.17647*0.0625 = 577.05882 Pa;
  //   V/L = 3/(3 + 2) = 0.6 (Fbar = 0.6/0.2 = 3); FLV = (80/60)/0.6*sqrt(1.875/941.17647)
  //   = 0.0991865; C = 0.0105 + 8.127e-4*500^0.755*exp(-1.463*FLV^0.842) = 0.0824220;
  //   uf = C*(25/20)^0.2*sqrt((941.17647 - 1.875)/1.875) = 1.9289772;
  //   φ = 100*w/((1 + 0.8)/2*uf) = 57.325886 %.
  // Tray 2, above the feed (x 0.75, y 0.875, hcl 0.046875):
  //   My = 50, ρy = 1.5625; Mx = 60, Vm = 0.0675, ρx = 888.88889;
  //   ΔPd = 1.6*1.5625*12.440287^2/2 = 193.45091 Pa; ΔPl = 9.81*888.88889*0.046875 = 408.75 Pa;
  //   V/L = 1 + 1/2 = 1.5; FLV = (60/50)/1.5*sqrt(1.5625/888.88889) = 0.0335410;
  //   C = 0.0920106; uf = 2.2927216; φ = 48.231031 %.
  const ColumnDesignResult r = DesignColumn(WorkedColumn());
  ASSERT_EQ(r.trays.size(), 3u);
  struct TrayExpectation {
    double dry, liquid, flooding;
  };
  const TrayExpectation below{232.14109693852, 577.05882352941, 57.325885951023};
  const TrayExpectation above{193.45091411543, 408.75, 48.231030630943};
  const TrayExpectation expected[] = {below, above, below};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i + 1);
    const ColumnTrayResult& t = r.trays[i];
    ASSERT_TRUE(t.dryDrop && t.surfaceDrop && t.liquidDrop && t.totalDrop && t.flooding);
    EXPECT_NEAR(*t.dryDrop, expected[i].dry, 1e-9);
    EXPECT_NEAR(*t.surfaceDrop, 25.0, 1e-12);
    EXPECT_NEAR(*t.liquidDrop, expected[i].liquid, 1e-9);
    EXPECT_NEAR(*t.totalDrop, expected[i].dry + 25.0 + expected[i].liquid, 1e-9);
    EXPECT_NEAR(*t.flooding, expected[i].flooding, 1e-9);
  }
  // ΣΔP = 2*834.19992 + 627.20091; H = 2*0.5 + 1.2 + 2.5; the largest φ, on trays 1 and 3
  // alike, is named by the lower; D80 = 1.6*sqrt(57.325886/80).
  EXPECT_NEAR(*r.totalDrop, 2295.6007550513, 1e-8);
  EXPECT_NEAR(*r.height, 4.7, 1e-12);
  EXPECT_NEAR(*r.floodingMax, 57.325885951023, 1e-9);
  EXPECT_EQ(r.floodingMaxTray, 1);
  EXPECT_NEAR(*r.diameterFor80, 1.3544107022734, 1e-9);

  // Mass fractions a = x/(3 - 2x): aW 0.125, aF 0.25, aP 0.75; P = 5*0.125/0.625 = 1,
  // W = 4 kg/s. rP = 0.75*400 + 0.25*300 = 375: Qc = 1*3*375 = 1125 kW.
  // cP = 0.75*2 + 0.25*1.6 = 1.9, cW = 0.125*2 + 0.875*1.6 = 1.65, cF = 0.25*2 + 0.75*1.6 = 1.7:
  // Qr = 1.1*(1125 + 1*1.9*80 + 4*1.65*110 - 5*1.7*90) = 1.1*(1125 + 152 + 726 - 765) = 1361.8 kW;
  // steam 1361.8/2000; water 1125/(4.19*10).
  EXPECT_NEAR(*r.distillate, 1.0, 1e-12);
  EXPECT_NEAR(*r.bottoms, 4.0, 1e-12);
  EXPECT_NEAR(*r.condenserDuty, 1125.0, 1e-9);
  EXPECT_NEAR(*r.reboilerDuty, 1361.8, 1e-9);
  EXPECT_NEAR(*r.steam, 0.6809, 1e-12);
  EXPECT_NEAR(*r.coolingWater, 26.849642004773, 1e-9);
  EXPECT_EQ(r.reboilerRefusal, ReboilerRefusal::None);
  // A boiling feed: its own temperature is its boiling point, none of it vapour.
  EXPECT_EQ(*r.feedTemperature, 90.0);
  EXPECT_EQ(*r.feedVapourShare, 0.0);
}

TEST(ColumnDesign, TheFeedConditionLoadsTheTraysBelowTheFeedAndTheReboiler) {
  // Fbar = 3: below the feed V' = R + 1 + (q - 1) Fbar, L' = q Fbar + R, w' = w V'/(R + 1).
  // The tray above the feed (tray 2) keeps its boiling-feed values: 193.45091 Pa, 48.231031 %.
  // rF = aF rA + (1 - aF) rB = 0.25*400 + 0.75*300 = 325, cF = 1.7 (the worked column).
  struct Case {
    double q;
    double dryBelow, floodingBelow;   // trays 1 and 3 [Pa], [%]
    double totalDrop, floodingMax;    // [Pa], [%]
    int floodingMaxTray;
    double reboiler;                  // [kW]
    std::optional<double> feedTemperature;
    double vapourShare;               // [%]
  };
  const Case cases[] = {
      // Cold feed q 1.37: V' = 3 + 0.37*3 = 4.11, L' = 4.11 + 2 = 6.11;
      //   w' = 0.99522293*4.11/3 = 1.3634554, w0' = 17.043193, ΔPd = 1.6*1.875*17.043193^2/2
      //   = 435.70562; V/L = 4.11/6.11 = 0.6726678, FLV = (80/60)/0.6726678*0.0446339 = 0.0884715,
      //   C = 0.0838152, uf = 1.9615820, φ = 100*1.3634554/(0.9*1.9615820) = 77.231052;
      //   ΣΔP = 2*(435.70562 + 25 + 577.05882) + 193.45091 + 25 + 408.75;
      //   Qr = 1.1*(1238 + 0.37*5*325) = 1.1*1839.25; tF = 90 - 0.37*325/1.7.
      {1.37, 435.70562484390, 77.231052494758, 2702.7298108621, 77.231052494758, 1, 2023.175,
       19.264705882353, 0.0},
      // Partly vapour q 0.4: V' = 3 - 0.6*3 = 1.2, L' = 1.2 + 2 = 3.2; w' = 0.99522293*0.4 =
      //   0.39808917, w0' = 4.9761146, ΔPd = 1.6*1.875*4.9761146^2/2 = 37.142576;
      //   V/L = 0.375, FLV = 0.1586984, C = 0.0754806, uf = 1.7665238,
      //   φ = 100*0.39808917/(0.9*1.7665238) = 25.039080: the largest is tray 2's 48.231031;
      //   ΣΔP = 2*(37.142576 + 25 + 577.05882) + 627.20091;
      //   Qr = 1.1*(1238 - 0.6*5*325) = 1.1*263; no liquid temperature; 60 % vapour.
      {0.4, 37.142575510163, 25.039079633231, 1905.6037121946, 48.231030630943, 2, 289.3,
       std::nullopt, 60.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.q);
    ColumnDesignInput in = WorkedColumn();
    in.column.q = c.q;
    const ColumnDesignResult r = DesignColumn(in);
    for (const std::size_t i : {0u, 2u}) {
      ASSERT_TRUE(r.trays[i].dryDrop && r.trays[i].flooding);
      EXPECT_NEAR(*r.trays[i].dryDrop, c.dryBelow, 1e-9);
      EXPECT_NEAR(*r.trays[i].flooding, c.floodingBelow, 1e-9);
    }
    EXPECT_NEAR(*r.trays[1].dryDrop, 193.45091411543, 1e-9);
    EXPECT_NEAR(*r.trays[1].flooding, 48.231030630943, 1e-9);
    EXPECT_NEAR(*r.totalDrop, c.totalDrop, 1e-8);
    EXPECT_NEAR(*r.floodingMax, c.floodingMax, 1e-9);
    EXPECT_EQ(r.floodingMaxTray, c.floodingMaxTray);
    ASSERT_TRUE(r.reboilerDuty);
    EXPECT_NEAR(*r.reboilerDuty, c.reboiler, 1e-9);
    EXPECT_NEAR(*r.condenserDuty, 1125.0, 1e-9);  // the top does not see the feed
    ASSERT_EQ(r.feedTemperature.has_value(), c.feedTemperature.has_value());
    if (c.feedTemperature) {
      EXPECT_NEAR(*r.feedTemperature, *c.feedTemperature, 1e-9);
    }
    EXPECT_NEAR(*r.feedVapourShare, c.vapourShare, 1e-12);
  }
}

TEST(ColumnDesign, TheBubbleCapVariantWithAFeedAt20Degrees) {
  // The benzene-toluene bubble-cap column of the example variants (its column stage:
  // HT 0.5 m, 1.2 m above, 2.5 m below, 21 mN/m, ξ 4.5, slots 0.02 m) with q = 1.37, a
  // feed at about 20 °C: the trays, the column and the heat balance as the variant runner
  // writes them in its column section.
  DesignData d = WithParameter(BenzeneTolueneBubbleCap(), kParamFeedCondition, u"1.37");
  SetBenzeneTolueneColumnStage(d);
  SetParameter(d, kParamTraySpacing, u"0.5");
  SetParameter(d, kParamTopSpace, u"1.2");
  SetParameter(d, kParamBottomSpace, u"2.5");
  SetParameter(d, kParamDryTrayResistance, u"4.5");
  SetParameter(d, kParamHoleDiameter, u"0.02");
  const TrayByTrayRun run = Compute(RunTrayByTray, d);
  ASSERT_FALSE(run.refusal.has_value());
  EXPECT_EQ(run.TotalTrays(), 14);
  EXPECT_EQ(d.FeedTray, 7);
  const ColumnDesignResult r = DesignColumn(ColumnDesignInputOf(d, run));
  ASSERT_TRUE(r.totalDrop && r.floodingMax && r.reboilerDuty && r.feedTemperature);
  EXPECT_NEAR(*r.totalDrop, 10332.0, 0.05);
  EXPECT_NEAR(*r.floodingMax, 53.0, 0.05);
  EXPECT_EQ(r.floodingMaxTray, 1);
  EXPECT_NEAR(*r.reboilerDuty, 1446.68, 0.005);
  EXPECT_NEAR(*r.feedTemperature, 19.51, 0.005);
  EXPECT_EQ(*r.feedVapourShare, 0.0);
}

TEST(ColumnDesign, AFeedHotterThanTheProductsIsRefusedOnTheReboilerLinesAlone) {
  // The reboiler would have to cool: 1.1*(1125 + 1*1.9*(-50) + 4*1.65*(-50) - 5*1.7*300) < 0.
  ColumnDesignInput in = WorkedColumn();
  in.stage.tb = 300;
  in.stage.tP = in.stage.tW = -50;
  const ColumnDesignResult cold = DesignColumn(in);
  EXPECT_EQ(cold.reboilerRefusal, ReboilerRefusal::DutyNotPositive);
  EXPECT_FALSE(cold.reboilerDuty || cold.steam);
  EXPECT_TRUE(cold.condenserDuty && cold.coolingWater && cold.distillate && cold.bottoms);
}

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

TEST(ColumnDesign, TheSieveColumnAtItsSuggestedDiameterFloodsBy80PerCent) {
  ColumnDesignInput in = SieveColumn();
  const ColumnDesignResult a = DesignColumn(in);
  ASSERT_TRUE(a.floodingApplies);
  ASSERT_TRUE(a.floodingMax && a.diameterFor80 && a.totalDrop);
  // Liquid layer: g ρx hcl, ρx of the mixture between toluene's 790 and benzene's 815,
  // near toluene's on the lowest tray.
  const double rhoX = *a.trays[0].liquidDrop / (9.81 * 0.031f);
  EXPECT_GT(rhoX, 790);
  EXPECT_LT(rhoX, 793);
  EXPECT_NEAR(*a.totalDrop, *a.trays[0].totalDrop + *a.trays[1].totalDrop + *a.trays[2].totalDrop,
              1e-9);

  // φ falls as 1/D².
  const double d1 = in.column.D;
  in.column.D = 2.3;
  const ColumnDesignResult b = DesignColumn(in);
  for (std::size_t i = 0; i < a.trays.size(); ++i) {
    ASSERT_TRUE(a.trays[i].flooding && b.trays[i].flooding);
    EXPECT_NEAR(*a.trays[i].flooding * d1 * d1, *b.trays[i].flooding * 2.3 * 2.3, 1e-9);
  }
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
