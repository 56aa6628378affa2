#include "calc/column_design.h"

#include <cmath>

#include "model/feed_rule.h"

namespace rc {
namespace {

constexpr double kWaterHeatCapacity = 4.19;  // [kJ/(kg K)]
constexpr double kMilliPerUnit = 1000.0;     // [mN/N], [mm/m]

// The fit of Fair's flooding chart: C = 0.0105 + 8.127e-4 HT^0.755 exp(-1.463 FLV^0.842),
// HT in mm, C in m/s; its surface-tension correction (sigma/20)^0.2, sigma in mN/m.
constexpr double kFairBase = 0.0105;            // [m/s]
constexpr double kFairSpacingCoef = 8.127e-4;   // [m/s / mm^0.755]
constexpr double kFairSpacingExponent = 0.755;  // [-]
constexpr double kFairFlowCoef = 1.463;         // [-]
constexpr double kFairFlowExponent = 0.842;     // [-]
constexpr double kFairSurfaceTension = 20.0;    // [mN/m] of the chart's liquids
constexpr double kFairSurfaceTensionExponent = 0.2;  // [-]

ColumnValue Sum(const ColumnValue& a, const ColumnValue& b) {
  if (!a || !b) return std::nullopt;
  return Checked([&](Guard&) { return *a + *b; });
}


ColumnTrayState TrayStateOf(const ColumnParameters& c, const ColumnTrayInput& tray) {
  const double x = tray.x;
  const double y = tray.yIn;
  ColumnTrayState s;
  s.section = tray.section;
  s.hcl = static_cast<double>(tray.hcl);
  // The vapour velocity in the column's cross-section at the tray: below the feed that of
  // the lower section's vapour V', the same as above it for a boiling feed. [m/s]
  s.velocity = Checked([&](Guard& g) { return VapourVelocity(g, c, FeedMolarMass(c), tray.section); });
  s.vapourToLiquid = Checked([&](Guard& g) { return VapourToLiquidRatio(g, c, tray.section); });
  if (const std::optional<TrayLiquidFlow> liquid = TrayByTrayLiquid(c, x, tray.section)) {
    s.liquidLoad = liquid->load;
    s.liquidViscosity = liquid->viscosity;
  }
  s.vapourDensity = Checked([&](Guard& g) { return VapourDensity(g, c, y); });
  s.liquidDensity = Checked([&](Guard& g) { return LiquidDensity(g, c, x); });
  s.liquidMolarMass = LiquidMolarMass(c, x);
  s.vapourMolarMass = VapourMolarMass(c, y);
  if (s.vapourToLiquid && s.vapourDensity && s.liquidDensity) {
    s.flowParameter = Checked([&](Guard& g) {
      return FlowParameter(g, s.liquidMolarMass, s.vapourMolarMass, *s.vapourToLiquid,
                           *s.vapourDensity, *s.liquidDensity);
    });
  }
  return s;
}

ColumnTrayResult EvaluateColumnTray(const ColumnDesignInput& in, const ColumnTrayInput& tray,
                                    bool floodingApplies) {
  const ColumnParameters& c = in.column;
  const ColumnStageValues& s = in.stage;
  ColumnTrayResult r;
  r.state = TrayStateOf(c, tray);
  const ColumnTrayState& t = r.state;
  if (t.vapourDensity && t.velocity) {
    r.dryDrop = Checked([&](Guard& g) {
      return DryTrayDrop(s.xi, *t.vapourDensity, HoleVelocity(g, *t.velocity, c.f, c.F0));
    });
  }
  r.surfaceDrop = Checked([&](Guard& g) { return SurfaceTensionDrop(g, s.sigma, s.d0); });
  if (t.liquidDensity) {
    r.liquidDrop = Checked([&](Guard&) { return LiquidLayerDrop(*t.liquidDensity, t.hcl); });
  }
  r.totalDrop = Sum(Sum(r.dryDrop, r.surfaceDrop), r.liquidDrop);
  if (floodingApplies && t.flowParameter && t.velocity) {
    r.flooding = Checked([&](Guard& g) {
      const double uf = FloodingVelocity(g, FloodingConstant(g, *t.flowParameter, s.HT), s.sigma,
                                         *t.liquidDensity, *t.vapourDensity);
      return PercentOfFlooding(g, *t.velocity, c.f, uf);
    });
  }
  return r;
}

void SizeColumn(const ColumnDesignInput& in, ColumnDesignResult& r) {
  const int n = static_cast<int>(in.trays.size());
  if (n == 0) return;  // no tray computed: no column to size
  ColumnValue total = 0.0;
  for (const ColumnTrayResult& t : r.trays) total = Sum(total, t.totalDrop);
  r.totalDrop = total;
  r.height =
      Checked([&](Guard&) { return ColumnHeight(n, in.stage.HT, in.stage.Zt, in.stage.Zb); });
  if (!r.floodingApplies) return;
  double largest = 0;
  int tray = 0;
  for (int i = 0; i < n; ++i) {
    const ColumnValue& phi = r.trays[static_cast<std::size_t>(i)].flooding;
    if (!phi) return;  // one tray refused: no largest value can be named
    if (tray == 0 || *phi > largest) {  // the lowest tray on a tie
      largest = *phi;
      tray = i + 1;
    }
  }
  r.floodingMax = largest;
  r.floodingMaxTray = tray;
  r.diameterFor80 = Checked(
      [&](Guard& g) { return DiameterForFlooding(g, in.column.D, largest, kFloodingDesign); });
}

void BalanceHeat(const ColumnDesignInput& in, ColumnDesignResult& r) {
  const ColumnParameters& c = in.column;
  const ColumnStageValues& s = in.stage;
  struct Flows {
    ProductFlows products;
    double aP, aW, aF;  // [-] mass fractions of the light component
  };
  std::optional<Flows> flows;
  {
    Guard g;
    Flows f{};
    f.aW = MassFraction(g, c.XW, c.MA, c.MB);
    f.aF = MassFraction(g, c.XF, c.MA, c.MB);
    f.aP = MassFraction(g, c.XP, c.MA, c.MB);
    f.products = MassBalance(g, c.F, f.aW, f.aF, f.aP);
    if (!g.faulted()) flows = f;
  }
  if (!flows) {
    r.reboilerRefusal = ReboilerRefusal::ArithmeticFault;
    return;
  }
  const double p = flows->products.distillate;
  const double w = flows->products.bottoms;
  // The heat capacity of the liquid of mass fraction a. [kJ/(kg K)]
  auto heatCapacity = [&s](double a) { return MixedByMass(a, s.cA, s.cB); };
  // The heat of vaporisation of the liquid of mass fraction a. [kJ/kg]
  auto heatOfVaporisation = [&s](double a) { return MixedByMass(a, s.rA, s.rB); };
  r.distillate = p;
  r.bottoms = w;
  r.condenserDuty =
      Checked([&](Guard&) { return CondenserDuty(p, c.R, heatOfVaporisation(flows->aP)); });
  if (r.condenserDuty) {
    r.coolingWater =
        Checked([&](Guard& g) { return CoolingWaterFlow(g, *r.condenserDuty, s.dtw); });
    r.reboilerDuty = Checked([&](Guard&) {
      const ReboilerHeats heats{
          .condenser = *r.condenserDuty,
          .distillate = StreamHeat(p, heatCapacity(flows->aP), s.tP),
          .bottoms = StreamHeat(w, heatCapacity(flows->aW), s.tW),
          .feed = StreamHeat(c.F, heatCapacity(flows->aF), s.tb),
          .feedCondition = FeedConditionHeat(c.q, c.F, heatOfVaporisation(flows->aF))};
      return ReboilerDuty(heats, s.loss);
    });
  }
  r.feedVapourShare = Checked([&](Guard&) { return FeedVapourShare(c.q); });
  if (!IsPartlyVapourFeed(c.q)) {
    r.feedTemperature = Checked([&](Guard& g) {
      return LiquidFeedTemperature(g, s.tb, c.q, heatOfVaporisation(flows->aF),
                                   heatCapacity(flows->aF));
    });
  }
  if (!r.reboilerDuty) {
    r.reboilerRefusal = ReboilerRefusal::ArithmeticFault;
    return;
  }
  if (!(*r.reboilerDuty > 0)) {
    // The temperatures typed cannot hold: the reboiler would have to take heat away.
    r.reboilerDuty.reset();
    r.reboilerRefusal = ReboilerRefusal::DutyNotPositive;
    return;
  }
  r.steam = Checked([&](Guard& g) { return HeatingSteamFlow(g, *r.reboilerDuty, s.rs); });
  if (!r.steam) r.reboilerRefusal = ReboilerRefusal::ArithmeticFault;
}

}  // namespace

ColumnStageValues ColumnStageValues::From(const DesignData& d) {
  auto v = [&d](int n) { return static_cast<double>(d.ParamValue[n]); };
  return {.HT = v(kParamTraySpacing),
          .Zt = v(kParamTopSpace),
          .Zb = v(kParamBottomSpace),
          .sigma = v(kParamSurfaceTension),
          .xi = v(kParamDryTrayResistance),
          .d0 = v(kParamHoleDiameter),
          .rA = v(kParamHeatOfVaporisationLight),
          .rB = v(kParamHeatOfVaporisationHeavy),
          .cA = v(kParamHeatCapacityLight),
          .cB = v(kParamHeatCapacityHeavy),
          .tb = v(kParamFeedTemperature),  // read as the feed's boiling temperature
          .tP = v(kParamDistillateTemperature),
          .tW = v(kParamBottomsTemperature),
          .rs = v(kParamSteamHeat),
          .dtw = v(kParamCoolingWaterRise),
          .loss = v(kParamHeatLosses)};
}

double LiquidMolarMass(const ColumnParameters& c, double x) { return (1 - x) * c.MB + x * c.MA; }

double VapourDensity(Guard& g, const ColumnParameters& c, double y) {
  return g.Div(VapourMolarMass(c, y) * kNormalTemperature, kGasMolarVolume * c.T);
}

double LiquidDensity(Guard& g, const ColumnParameters& c, double x) {
  return g.Div(LiquidMolarMass(c, x), LiquidMolarVolume(g, c, x));
}

// ---- Pressure drop ----

double HoleVelocity(Guard& g, double w, double f, double F0) { return g.Div(w, f * F0); }

double DryTrayDrop(double xi, double rhoY, double w0) { return xi * rhoY * w0 * w0 / 2; }

double SurfaceTensionDrop(Guard& g, double sigma, double d0) {
  return g.Div(4 * (sigma / kMilliPerUnit), d0);
}

double LiquidLayerDrop(double rhoX, double hcl) { return kGravity * rhoX * hcl; }

// ---- Flooding ----

double FlowParameter(Guard& g, double mx, double my, double vl, double rhoY, double rhoX) {
  return g.Div(g.Div(mx, my), vl) * g.Sqrt(g.Div(rhoY, rhoX));
}

double FloodingConstant(Guard& g, double flv, double HT) {
  return kFairBase + kFairSpacingCoef * g.Pow(kMilliPerUnit * HT, kFairSpacingExponent) *
                         g.Exp(-kFairFlowCoef * g.Pow(flv, kFairFlowExponent));
}

double FloodingVelocity(Guard& g, double C, double sigma, double rhoX, double rhoY) {
  // ρx ≤ ρy fails here: no root of a negative number, no division by a zero uf later.
  return C * g.Pow(sigma / kFairSurfaceTension, kFairSurfaceTensionExponent) *
         g.Sqrt(g.Div(rhoX - rhoY, rhoY));
}

double PercentOfFlooding(Guard& g, double w, double f, double uf) {
  const double netArea = (1 + f) / 2;  // [-] of the column's cross-section
  return g.Div(100 * w, netArea * uf);
}

double DiameterForFlooding(Guard& g, double D, double phi, double target) {
  return D * g.Sqrt(phi / target);
}

// ---- Height and balances ----

double ColumnHeight(int trays, double HT, double Zt, double Zb) {
  return (trays - 1) * HT + Zt + Zb;
}

double MassFraction(Guard& g, double x, double MA, double MB) {
  return g.Div(x * MA, x * MA + (1 - x) * MB);
}

ProductFlows MassBalance(Guard& g, double F, double aW, double aF, double aP) {
  const double p = g.Finite(F * g.Div(aF - aW, aP - aW));
  return {p, F - p};
}

double MixedByMass(double a, double light, double heavy) { return a * light + (1 - a) * heavy; }

double CondenserDuty(double P, double R, double rP) { return P * (R + 1) * rP; }

double StreamHeat(double G, double c, double t) { return G * c * t; }

double ReboilerDuty(const ReboilerHeats& h, double loss) {
  return (1 + loss / 100) * (h.condenser + h.distillate + h.bottoms - h.feed + h.feedCondition);
}

double FeedConditionHeat(double q, double F, double rF) { return (q - 1) * F * rF; }

double LiquidFeedTemperature(Guard& g, double tb, double q, double rF, double cF) {
  return tb - g.Div((q - 1) * rF, cF);
}

double FeedVapourShare(double q) { return IsPartlyVapourFeed(q) ? 100 * (1 - q) : 0.0; }

double CoolingWaterFlow(Guard& g, double Qc, double dtw) {
  return g.Div(Qc, kWaterHeatCapacity * dtw);
}

double HeatingSteamFlow(Guard& g, double Qr, double rs) { return g.Div(Qr, rs); }

ColumnDesignResult DesignColumn(const ColumnDesignInput& input) {
  ColumnDesignResult r;
  r.feedTray = input.feedTray;
  r.floodingApplies = input.column.hydraulics != Hydraulics::DualFlow;
  r.trays.reserve(input.trays.size());
  for (const ColumnTrayInput& tray : input.trays) {
    r.trays.push_back(EvaluateColumnTray(input, tray, r.floodingApplies));
  }
  SizeColumn(input, r);
  BalanceHeat(input, r);
  return r;
}

}  // namespace rc
