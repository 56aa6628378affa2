#include "calc/column_design.h"

#include <cmath>

namespace rc {
namespace {

constexpr double kWaterHeatCapacity = 4.19;  // [kJ/(kg K)]

// Runs one formula under its own guard: its value, or nothing on a fault.
template <class Formula>
ColumnValue Checked(Formula formula) {
  Guard g;
  const double value = g.Finite(formula(g));
  if (g.faulted()) return std::nullopt;
  return value;
}

ColumnValue Sum(const ColumnValue& a, const ColumnValue& b) {
  if (!a || !b) return std::nullopt;
  return Checked([&](Guard&) { return *a + *b; });
}

ColumnTrayResult EvaluateColumnTray(const ColumnDesignInput& in, const ColumnTrayInput& tray,
                                    bool floodingApplies) {
  const ColumnParameters& c = in.column;
  const ColumnStageValues& s = in.stage;
  const double x = tray.x;
  const double y = tray.yIn;
  ColumnTrayResult r;
  r.dryDrop = Checked([&](Guard& g) {
    const double w0 = g.Div(VapourVelocity(g, c, FeedMolarMass(c)), c.f * c.F0);
    return s.xi * VapourDensity(g, c, y) * w0 * w0 / 2;
  });
  r.surfaceDrop = Checked([&](Guard& g) { return g.Div(4 * (s.sigma / 1000), s.d0); });
  r.liquidDrop = Checked([&](Guard& g) {
    return kGravity * LiquidDensity(g, c, x) * static_cast<double>(tray.hcl);
  });
  r.totalDrop = Sum(Sum(r.dryDrop, r.surfaceDrop), r.liquidDrop);
  if (floodingApplies) {
    r.flooding = Checked([&](Guard& g) {
      const double rhoY = VapourDensity(g, c, y);
      const double rhoX = LiquidDensity(g, c, x);
      const double mx = (1 - x) * c.MB + x * c.MA;
      const double vl = VapourToLiquidRatio(g, c, tray.section);
      const double flv = g.Div(g.Div(mx, VapourMolarMass(c, y)), vl) * g.Sqrt(g.Div(rhoY, rhoX));
      // ρx ≤ ρy fails here: no root of a negative number, no division by a zero Uf.
      const double uf = FloodingConstant(g, flv, s.HT) * g.Pow(s.sigma / 20, 0.2) *
                        g.Sqrt(g.Div(rhoX - rhoY, rhoY));
      const double w = VapourVelocity(g, c, FeedMolarMass(c));
      // On the net area: the column less one downcomer, the downcomers taking 1 - f.
      return g.Div(100 * w, (1 + c.f) / 2 * uf);
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
  r.height = Checked([&](Guard&) { return (n - 1) * in.stage.HT + in.stage.Zt + in.stage.Zb; });
  if (!r.floodingApplies) return;
  double largest = 0;
  int tray = 0;
  for (int i = 0; i < n; ++i) {
    const ColumnValue& phi = r.trays[static_cast<std::size_t>(i)].flooding;
    if (!phi) return;  // one tray refused: no largest value can be named
    if (tray == 0 || *phi > largest) {
      largest = *phi;
      tray = i + 1;
    }
  }
  r.floodingMax = largest;
  r.floodingMaxTray = tray;
  // φ falls as 1/D² and nothing else in it depends on D.
  r.diameterFor80 =
      Checked([&](Guard& g) { return in.column.D * g.Sqrt(largest / kFloodingDesign); });
}

void BalanceHeat(const ColumnDesignInput& in, ColumnDesignResult& r) {
  const ColumnParameters& c = in.column;
  const ColumnStageValues& s = in.stage;
  struct Flows {
    double p, w, aP, aW, aF;
  };
  std::optional<Flows> flows;
  {
    Guard g;
    Flows f{};
    f.aW = MassFraction(g, c, c.XW);
    f.aF = MassFraction(g, c, c.XF);
    f.aP = MassFraction(g, c, c.XP);
    f.p = g.Finite(c.F * g.Div(f.aF - f.aW, f.aP - f.aW));
    f.w = c.F - f.p;
    if (!g.faulted()) flows = f;
  }
  if (!flows) {
    r.reboilerRefusal = ReboilerRefusal::ArithmeticFault;
    return;
  }
  const Flows& f = *flows;
  auto heatCapacity = [&](double a) { return a * s.cA + (1 - a) * s.cB; };
  r.distillate = f.p;
  r.bottoms = f.w;
  r.condenserDuty =
      Checked([&](Guard&) { return f.p * (c.R + 1) * (f.aP * s.rA + (1 - f.aP) * s.rB); });
  if (r.condenserDuty) {
    r.coolingWater = Checked([&](Guard& g) { return g.Div(*r.condenserDuty, kWaterHeatCapacity * s.dtw); });
    r.reboilerDuty = Checked([&](Guard&) {
      return (1 + s.loss / 100) *
             (*r.condenserDuty + f.p * heatCapacity(f.aP) * s.tP +
              f.w * heatCapacity(f.aW) * s.tW - c.F * heatCapacity(f.aF) * s.tF);
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
  r.steam = Checked([&](Guard& g) { return g.Div(*r.reboilerDuty, s.rs); });
  if (!r.steam) r.reboilerRefusal = ReboilerRefusal::ArithmeticFault;
}

}  // namespace

ColumnStageValues ColumnStageValues::From(const DesignData& d) {
  auto v = [&d](int n) { return static_cast<double>(d.ParamValue[n]); };
  return {v(41), v(42), v(43), v(44), v(45), v(46), v(47), v(48),
          v(49), v(50), v(51), v(52), v(53), v(54), v(55), v(56)};
}

double VapourDensity(Guard& g, const ColumnParameters& c, double y) {
  return g.Div(VapourMolarMass(c, y) * kNormalTemperature, kGasMolarVolume * c.T);
}

double LiquidDensity(Guard& g, const ColumnParameters& c, double x) {
  return g.Div((1 - x) * c.MB + x * c.MA, LiquidMolarVolume(g, c, x));
}

double FloodingConstant(Guard& g, double flv, double HT) {
  return 0.0105 + 8.127e-4 * g.Pow(1000 * HT, 0.755) * g.Exp(-1.463 * g.Pow(flv, 0.842));
}

double MassFraction(Guard& g, const ColumnParameters& c, double x) {
  return g.Div(x * c.MA, x * c.MA + (1 - x) * c.MB);
}

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
