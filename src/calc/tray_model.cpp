#include "calc/tray_model.h"

#include <cmath>

namespace rc {
namespace {

constexpr double kWeirLengthPerDiameter = 0.7;  // [m/m] weir length per column diameter
constexpr double kSecondsPerHour = 3600.0;      // [s/h]
constexpr double kPascalSecondsPerCentipoise = 0.001;  // [Pa s/cP]

}  // namespace

ColumnParameters ColumnParameters::From(const DesignData& d) {
  ColumnParameters c{};
  auto v = [&d](int n) { return static_cast<double>(d.ParamValue[n]); };
  c.XW = v(16);
  c.XF = v(17);
  c.XP = v(18);
  c.R = v(19);
  c.F = v(20);
  c.MA = v(21);
  c.MB = v(22);
  c.muxA = v(23);
  c.muxB = v(24);
  c.muyA = v(25);
  c.muyB = v(26);
  c.Dy = v(27);
  c.rhoA = v(28);
  c.rhoB = v(29);
  c.Dx = v(30);
  c.T = v(31);
  c.D = v(33);
  c.f = v(34);
  c.n = v(35);
  c.hw = v(36);
  c.F0 = v(37);
  c.S = v(38);
  c.e = v(39);
  c.theta = v(40);
  if (AreaRatioIsOne(d)) {
    c.hydraulics = Hydraulics::DualFlow;
  } else {
    c.hydraulics = d.TrayType == kBubbleCapTrays ? Hydraulics::BubbleCap : Hydraulics::SieveOrValve;
  }
  c.withoutCaps = d.TrayType == kTraysWithoutCaps;
  return c;
}

// ---- Loads ----

double FeedMolarMass(const ColumnParameters& c) { return (1 - c.XF) * c.MB + c.XF * c.MA; }

double LiquidMolarVolume(Guard& g, const ColumnParameters& c, double x) {
  return g.Div((1 - x) * c.MB * c.rhoA + x * c.MA * c.rhoB, c.rhoA * c.rhoB);
}

double LiquidVolumePerFeedMass(const ColumnParameters& c, double x) {
  return ((1 - x) * c.MB * c.rhoA + x * c.MA * c.rhoB) /
         (((1 - c.XF) * c.MB + c.XF * c.MA) * c.rhoA * c.rhoB);
}

double DistillatePerFeed(Guard& g, const ColumnParameters& c) {
  return g.Div(c.XF - c.XW, c.XP - c.XW);
}

double FeedPerDistillate(Guard& g, const ColumnParameters& c) {
  return g.Div(c.XP - c.XW, c.XF - c.XW);
}

double VapourToLiquidRatio(Guard& g, const ColumnParameters& c, Section section) {
  if (section == Section::BelowFeed) return g.Div(c.R + 1, FeedPerDistillate(g, c) + c.R);
  return 1 + g.Div(1, c.R);
}

double LiquidVolumeFlowKinetic(Guard& g, const ColumnParameters& c, double mf, double x,
                               Section section) {
  const double sigma = section == Section::BelowFeed ? 1.0 : 0.0;  // the feed liquid
  return g.Div(c.F, mf) * LiquidMolarVolume(g, c, x) *
         ((c.R + (c.R + 1) * c.e) * DistillatePerFeed(g, c) + sigma);
}

double LiquidVolumeFlowTrayByTray(Guard& g, const ColumnParameters& c, double x,
                                  Section section) {
  const double perFeedMass = g.Finite(LiquidVolumePerFeedMass(c, x));
  if (section == Section::BelowFeed) {
    const double fbar = FeedPerDistillate(g, c);
    return g.Div(c.F * ((c.R + 1) * c.e + fbar + c.R), fbar) * perFeedMass;
  }
  return DistillatePerFeed(g, c) * c.F * ((c.R + 1) * c.e + c.R) * perFeedMass;
}

double VapourVelocity(Guard& g, const ColumnParameters& c, double mf) {
  return g.Div((c.XF - c.XW) * c.F * kGasMolarVolume * (c.R + 1) * c.T,
               mf * (c.XP - c.XW) * c.D * c.D * kNormalTemperatureQuarterPi);
}

// ---- Properties ----

double LiquidViscosity(Guard& g, const ColumnParameters& c, double x) {
  return g.Exp(x * g.Ln(c.muxA) + (1 - x) * g.Ln(c.muxB));
}

double VapourMolarMass(const ColumnParameters& c, double y) { return (1 - y) * c.MB + y * c.MA; }

double SqrtVapourDensity(Guard& g, const ColumnParameters& c, double y) {
  const double rhoY = g.Div(VapourMolarMass(c, y) * kNormalTemperature, kGasMolarVolume * c.T);
  return g.Sqrt(rhoY);
}

double VapourViscosity(Guard& g, const ColumnParameters& c, double y) {
  // Mass-fraction mixing rule.
  return g.Div(VapourMolarMass(c, y),
               g.Div((1 - y) * c.MB, c.muyB) + g.Div(y * c.MA, c.muyA));
}

// ---- Hydraulics ----

double FroudeNumberDualFlow(Guard& g, double w, double hw, double F0) {
  return g.Div(w * w, kGravity * hw * F0 * F0);
}

double ClearLiquidHeightDualFlow(Guard& g, double hw, double F0, double fr) {
  constexpr double kCoef = 1.11;
  constexpr double kFroudeExponent = 0.04;
  return g.Div(kCoef * hw, g.Sqrt(F0)) * g.Pow(fr, kFroudeExponent);
}

double ClearLiquidHeightBubbleCap(Guard& g, double hw, double w, double sqrtRhoY, double lv,
                                  double D, double n) {
  constexpr double kBase = 0.0419;        // [m]
  constexpr double kWeirCoef = 0.19;      // [-]
  constexpr double kVapourCoef = 0.0135;  // [m / (m/s sqrt(kg/m^3))]
  constexpr double kLiquidCoef = 2.46;    // [s/m]
  return kBase + kWeirCoef * hw - kVapourCoef * w * sqrtRhoY +
         kLiquidCoef * g.Div(lv, kWeirLengthPerDiameter * D * n);
}

double ClearLiquidHeightSieve(Guard& g, double lv, double D, double n, double hw, double w,
                              double mux) {
  constexpr double kCoef = 0.127;
  // q: liquid flow per metre of weir. [m^3/(m h)]
  const double q = kSecondsPerHour * g.Div(lv, kWeirLengthPerDiameter * D * n);
  const double viscosityFactor = 1 - 0.31 * g.Exp(-0.11 * mux);  // [-]
  const double velocityExponent = 0.05 - 4.6 * hw;               // [-]
  return kCoef * g.Pow(q, 0.21) * g.Pow(hw, 0.56) * g.Pow(w, velocityExponent) * viscosityFactor;
}

double VapourContentDualFlow(Guard& g, double F0, double fr) {
  return 1 - g.Div(0.277, g.Sqrt(F0)) * g.Pow(fr, -0.16);
}

double VapourContentFroth(Guard& g, double w, double hcl) {
  return 1 - g.Div(1, 1 + g.Div(w, g.Sqrt(kGravity * hcl)));
}

// ---- Transfer coefficients ----

double VapourCoefWithoutCaps(Guard& g, const ColumnParameters& c, double hcl, double w,
                             double eps, double muy, double mux) {
  constexpr double kCoef = 6240.0;
  const double root = g.Sqrt(g.Div(w * c.Dy * muy, eps * c.f * (muy + mux)));
  return g.Div(kCoef * kNormalTemperature * c.F0 * hcl * root, kGasMolarVolume * c.T);
}

double LiquidCoefWithoutCaps(Guard& g, const ColumnParameters& c, double hcl, double lv,
                             double eps, double muy, double mux, double vm) {
  constexpr double kCoef = 6240.0;
  const double root = g.Sqrt(
      g.Div(lv * c.Dx * muy, kQuarterPi * c.D * c.D * c.f * (1 - eps) * (muy + mux)));
  return g.Div(kCoef * hcl * root, vm);
}

double BubbleCapLiquidTerm(Guard& g, const ColumnParameters& c, double lv, Variant variant) {
  // 105.12 / 0.7 = 150.17: the kinetic line's term is 0.11 % above the tray-by-tray one.
  if (variant == Variant::TrayByTray) return g.Div(150.0 * lv, c.n * c.D);
  return g.Div(105.12 * lv, kWeirLengthPerDiameter * c.D * c.n);
}

double VapourCoefBubbleCap(Guard& g, const ColumnParameters& c, double w, double sqrtRhoY,
                           double liquidTerm, double muy) {
  const double normalVolumeRatio = g.Div(kNormalTemperature, kGasMolarVolume * c.T);  // [kmol/m^3]
  const double wf = g.Div(w, c.f);  // [m/s] velocity over the tray area
  return 0.01 * normalVolumeRatio * wf *
         (0.776 + 4.63 * c.hw - 0.238 * wf * sqrtRhoY + liquidTerm) * sqrtRhoY *
         g.Sqrt(g.Div(c.Dy, kPascalSecondsPerCentipoise * muy));
}

double LiquidCoefBubbleCap(Guard& g, const ColumnParameters& c, double hcl, double vm) {
  return g.Div(30.5 * hcl * (1 + 68 * c.hw) * g.Sqrt(c.Dx), vm);
}

// ---- Overall transfer and efficiencies ----

double OverallCoef(Guard& g, double m, double betaX, double betaY) {
  return g.Div(1, g.Div(m, betaX) + g.Div(1, betaY));
}

double TransferUnits(Guard& g, const ColumnParameters& c, double ky, double w) {
  return g.Div(ky * kGasMolarVolume * c.T * c.f, kNormalTemperature * w);
}

double LocalEfficiency(Guard& g, double noy) { return 1 - g.Exp(-noy); }

double EfficiencyTermA(Guard& g, double lambda, double ey, double vle, double theta,
                       Variant variant) {
  const double a0 = g.Div(lambda * ey + vle, vle + 1);
  if (variant == Variant::TrayByTray) return a0 * (1 - theta);
  return g.Div(a0, 1 - theta);
}

double PseudoSectionEfficiency(Guard& g, double ey, double a, double S) {
  const double base = 1 + g.Div(a, S);
  // A whole number of sections is a plain power (any sign of base); otherwise exp/ln.
  const double power = S == std::floor(S) ? g.PowWhole(base, S) : g.Pow(base, S);
  return g.Div(ey * (power - 1), a);
}

double BypassEfficiency(Guard& g, double e1, double lambda, double theta) {
  return g.Div(e1, 1 + g.Div(lambda * theta * e1, 1 - theta));
}

double EntrainmentEfficiency(Guard& g, double e2, double vle, double theta) {
  return g.Div(e2, 1 + g.Div(vle * e2, 1 - theta));
}

// ---- The tray ----

namespace {

// The stripping factor lambda and the product (V/L) e, as each calculation forms them.
struct FlowRatios {
  double lambda;  // [-]
  double vle;     // [-]
};

FlowRatios RatiosOf(Guard& g, const ColumnParameters& c, const TrayConditions& at) {
  if (at.variant == Variant::TrayByTray) {
    const double vl = VapourToLiquidRatio(g, c, at.section);
    return {at.m * vl, vl * c.e};
  }
  const double liquidPerDistillate =
      at.section == Section::BelowFeed ? FeedPerDistillate(g, c) + c.R : c.R;
  const double lambda = g.Div((c.R + 1) * at.m, liquidPerDistillate);
  return {lambda, g.Div(lambda * c.e, at.m)};
}

}  // namespace

TrayEvaluation EvaluateTray(const DesignData& data, const TrayConditions& at) {
  return EvaluateTray(ColumnParameters::From(data), at);
}

TrayEvaluation EvaluateTray(const ColumnParameters& c, const TrayConditions& at) {
  Guard g;
  TrayEvaluation out;
  TrayResult& r = out.result;
  const bool bubbleCapCoefs = !c.withoutCaps;

  // 1. Loads.
  const float mf = g.Store(FeedMolarMass(c));  // [kg/kmol]
  const double vm = LiquidMolarVolume(g, c, at.x);  // [m^3/kmol]
  const float lv = g.Store(at.variant == Variant::TrayByTray
                               ? LiquidVolumeFlowTrayByTray(g, c, at.x, at.section)
                               : LiquidVolumeFlowKinetic(g, c, mf, at.x, at.section));  // [m^3/s]
  const float w = g.Store(VapourVelocity(g, c, mf));  // [m/s]
  // 2., 3. Liquid viscosity and vapour density.
  const float mux = g.Store(LiquidViscosity(g, c, at.x));  // [cP]
  const bool needsVapourDensity = c.hydraulics == Hydraulics::BubbleCap || bubbleCapCoefs;
  const float sqrtRhoY = needsVapourDensity ? g.Store(SqrtVapourDensity(g, c, at.y)) : 0.0f;

  // 4. Clear-liquid height.
  double fr = 0;  // [-]
  switch (c.hydraulics) {
    case Hydraulics::DualFlow:
      fr = FroudeNumberDualFlow(g, w, c.hw, c.F0);
      r.ClearLiquidHeight = g.Store(ClearLiquidHeightDualFlow(g, c.hw, c.F0, fr));
      break;
    case Hydraulics::BubbleCap:
      r.ClearLiquidHeight =
          g.Store(ClearLiquidHeightBubbleCap(g, c.hw, w, sqrtRhoY, lv, c.D, c.n));
      break;
    case Hydraulics::SieveOrValve:
      r.ClearLiquidHeight = g.Store(ClearLiquidHeightSieve(g, lv, c.D, c.n, c.hw, w, mux));
      break;
  }
  if (g.faulted()) return out;
  const bool heightTested =
      c.hydraulics != Hydraulics::DualFlow || at.variant == Variant::KineticLine;
  if (heightTested && !(r.ClearLiquidHeight > 0)) {
    out.status = TrayStatus::HeightNotPositive;
    return out;
  }

  // 5. Vapour content of the froth.
  r.VapourContent = g.Store(c.hydraulics == Hydraulics::DualFlow
                                ? VapourContentDualFlow(g, c.F0, fr)
                                : VapourContentFroth(g, w, r.ClearLiquidHeight));
  // 6. Vapour viscosity.
  const float muy = g.Store(VapourViscosity(g, c, at.y));  // [cP]

  // 7., 8. Phase coefficients.
  if (c.withoutCaps) {
    r.VapourCoef =
        g.Store(VapourCoefWithoutCaps(g, c, r.ClearLiquidHeight, w, r.VapourContent, muy, mux));
    r.LiquidCoef = g.Store(
        LiquidCoefWithoutCaps(g, c, r.ClearLiquidHeight, lv, r.VapourContent, muy, mux, vm));
  } else {
    const double liquidTerm = BubbleCapLiquidTerm(g, c, lv, at.variant);
    r.VapourCoef = g.Store(VapourCoefBubbleCap(g, c, w, sqrtRhoY, liquidTerm, muy));
    r.LiquidCoef = g.Store(LiquidCoefBubbleCap(g, c, r.ClearLiquidHeight, vm));
  }

  // 9. Overall coefficient and local efficiency.
  r.OverallCoef = g.Store(OverallCoef(g, at.m, r.LiquidCoef, r.VapourCoef));
  r.NOY = g.Store(TransferUnits(g, c, r.OverallCoef, w));
  r.EY = g.Store(LocalEfficiency(g, r.NOY));

  // 10. Tray efficiency.
  const FlowRatios flow = RatiosOf(g, c, at);
  const float a = g.Store(EfficiencyTermA(g, flow.lambda, r.EY, flow.vle, c.theta, at.variant));
  const float e1 = g.Store(PseudoSectionEfficiency(g, r.EY, a, c.S));
  const float e2 = g.Store(BypassEfficiency(g, e1, flow.lambda, c.theta));
  r.EMY = g.Store(EntrainmentEfficiency(g, e2, flow.vle, c.theta));

  out.status = g.faulted() ? TrayStatus::ArithmeticFault : TrayStatus::Done;
  return out;
}

}  // namespace rc
