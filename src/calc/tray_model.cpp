#include "calc/tray_model.h"

#include <cmath>
#include <optional>

namespace rc {
namespace {

constexpr double kWeirLengthPerDiameter = 0.7;  // [m/m] weir length per column diameter
constexpr double kSecondsPerHour = 3600.0;      // [s/h]
constexpr double kPascalSecondsPerCentipoise = 0.001;  // [Pa s/cP]

// Dual-flow trays (hw is the equivalent slot diameter).
constexpr double kDualFlowHeightCoef = 1.11;      // [-] hcl = 1.11 hw / sqrt(F0) Fr^0.04
constexpr double kDualFlowHeightExponent = 0.04;  // [-] of Fr
constexpr double kDualFlowFrothCoef = 0.277;      // [-] eps = 1 - 0.277 / sqrt(F0) Fr^-0.16
constexpr double kDualFlowFrothExponent = -0.16;  // [-] of Fr

// Bubble-cap clear-liquid height.
constexpr double kBubbleCapHeightBase = 0.0419;        // [m]
constexpr double kBubbleCapHeightWeirCoef = 0.19;      // [-] per m of weir
constexpr double kBubbleCapHeightVapourCoef = 0.0135;  // [m / (m/s sqrt(kg/m^3))]
constexpr double kBubbleCapHeightLiquidCoef = 2.46;    // [s/m] per m^3/s of liquid per m of weir

// Sieve and valve clear-liquid height: 0.127 q^0.21 hw^0.56 w^(0.05 - 4.6 hw) (1 - 0.31 e^(-0.11 mux)).
constexpr double kSieveHeightCoef = 0.127;           // [m] for q in m^3/(m h), hw in m, w in m/s
constexpr double kSieveLiquidExponent = 0.21;        // [-] of q
constexpr double kSieveWeirExponent = 0.56;          // [-] of hw
constexpr double kSieveVelocityExponentBase = 0.05;  // [-] of w ...
constexpr double kSieveVelocityExponentWeir = 4.6;   // [1/m] ... less 4.6 per m of weir
constexpr double kSieveViscosityCoef = 0.31;         // [-]
constexpr double kSieveViscosityDecay = 0.11;        // [1/cP]

// Phase coefficients of trays without caps (vapour and liquid alike).
constexpr double kWithoutCapsTransferCoef = 6240.0;  // [-] in the units typed

// Bubble-cap phase coefficients.
constexpr double kLiquidTermTrayByTray = 150.0;      // [s/m^2] G = 150 Lv / (n D)
constexpr double kLiquidTermKineticLine = 105.12;    // [s/m^2] G = 105.12 Lv / (0.7 D n)
constexpr double kBubbleCapVapourScale = 0.01;       // [-]
constexpr double kBubbleCapVapourBase = 0.776;       // [-]
constexpr double kBubbleCapVapourWeirCoef = 4.63;    // [1/m]
constexpr double kBubbleCapVapourLoadCoef = 0.238;   // [s/m / sqrt(kg/m^3)]
constexpr double kBubbleCapLiquidCoef = 30.5;        // [m/s / sqrt(cm^2/s)] per m of liquid
constexpr double kBubbleCapLiquidWeirCoef = 68.0;    // [1/m]

}  // namespace

ColumnParameters ColumnParameters::From(const CalculationInputs& in) {
  auto v = [&in](int n) { return static_cast<double>(in.Param(n)); };
  // The members in the order of their parameter numbers, 16..31 and 33..40.
  ColumnParameters c{v(16), v(17), v(18), v(19), v(20), v(21), v(22), v(23), v(24), v(25), v(26),
                     v(27), v(28), v(29), v(30), v(31), v(33), v(34), v(35), v(36), v(37), v(38),
                     v(39), v(40), Hydraulics::DualFlow, in.trayType == kTraysWithoutCaps};
  if (in.Param(kParamAreaRatio) != 1.0f) {
    c.hydraulics = in.trayType == kBubbleCapTrays ? Hydraulics::BubbleCap : Hydraulics::SieveOrValve;
  }
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
  return g.Div(kDualFlowHeightCoef * hw, g.Sqrt(F0)) * g.Pow(fr, kDualFlowHeightExponent);
}

double ClearLiquidHeightBubbleCap(Guard& g, double hw, double w, double sqrtRhoY, double lv,
                                  double D, double n) {
  return kBubbleCapHeightBase + kBubbleCapHeightWeirCoef * hw -
         kBubbleCapHeightVapourCoef * w * sqrtRhoY +
         kBubbleCapHeightLiquidCoef * g.Div(lv, kWeirLengthPerDiameter * D * n);
}

double ClearLiquidHeightSieve(Guard& g, double lv, double D, double n, double hw, double w,
                              double mux) {
  // q: liquid flow per metre of weir. [m^3/(m h)]
  const double q = kSecondsPerHour * g.Div(lv, kWeirLengthPerDiameter * D * n);
  const double viscosityFactor =
      1 - kSieveViscosityCoef * g.Exp(-kSieveViscosityDecay * mux);                // [-]
  const double velocityExponent = kSieveVelocityExponentBase - kSieveVelocityExponentWeir * hw;  // [-]
  return kSieveHeightCoef * g.Pow(q, kSieveLiquidExponent) * g.Pow(hw, kSieveWeirExponent) *
         g.Pow(w, velocityExponent) * viscosityFactor;
}

double VapourContentDualFlow(Guard& g, double F0, double fr) {
  return 1 - g.Div(kDualFlowFrothCoef, g.Sqrt(F0)) * g.Pow(fr, kDualFlowFrothExponent);
}

double VapourContentFroth(Guard& g, double w, double hcl) {
  return 1 - g.Div(1, 1 + g.Div(w, g.Sqrt(kGravity * hcl)));
}

// ---- Transfer coefficients ----

double VapourCoefWithoutCaps(Guard& g, const ColumnParameters& c, double hcl, double w,
                             double eps, double muy, double mux) {
  const double root = g.Sqrt(g.Div(w * c.Dy * muy, eps * c.f * (muy + mux)));
  return g.Div(kWithoutCapsTransferCoef * kNormalTemperature * c.F0 * hcl * root,
               kGasMolarVolume * c.T);
}

double LiquidCoefWithoutCaps(Guard& g, const ColumnParameters& c, double hcl, double lv,
                             double eps, double muy, double mux, double vm) {
  const double root = g.Sqrt(
      g.Div(lv * c.Dx * muy, kQuarterPi * c.D * c.D * c.f * (1 - eps) * (muy + mux)));
  return g.Div(kWithoutCapsTransferCoef * hcl * root, vm);
}

double BubbleCapLiquidTerm(Guard& g, const ColumnParameters& c, double lv,
                           Calculation calculation) {
  // 105.12 / 0.7 = 150.17: the kinetic line's term is 0.11 % above the tray-by-tray one.
  if (calculation == Calculation::TrayByTray) return g.Div(kLiquidTermTrayByTray * lv, c.n * c.D);
  return g.Div(kLiquidTermKineticLine * lv, kWeirLengthPerDiameter * c.D * c.n);
}

double VapourCoefBubbleCap(Guard& g, const ColumnParameters& c, double w, double sqrtRhoY,
                           double liquidTerm, double muy) {
  const double normalVolumeRatio = g.Div(kNormalTemperature, kGasMolarVolume * c.T);  // [kmol/m^3]
  const double wf = g.Div(w, c.f);  // [m/s] velocity over the tray area
  return kBubbleCapVapourScale * normalVolumeRatio * wf *
         (kBubbleCapVapourBase + kBubbleCapVapourWeirCoef * c.hw -
          kBubbleCapVapourLoadCoef * wf * sqrtRhoY + liquidTerm) *
         sqrtRhoY * g.Sqrt(g.Div(c.Dy, kPascalSecondsPerCentipoise * muy));
}

double LiquidCoefBubbleCap(Guard& g, const ColumnParameters& c, double hcl, double vm) {
  return g.Div(kBubbleCapLiquidCoef * hcl * (1 + kBubbleCapLiquidWeirCoef * c.hw) * g.Sqrt(c.Dx),
               vm);
}

// ---- Overall transfer and efficiencies ----

double OverallCoef(Guard& g, double m, double betaX, double betaY) {
  return g.Div(1, g.Div(m, betaX) + g.Div(1, betaY));
}

double TransferUnits(Guard& g, const ColumnParameters& c, double ky, double w) {
  return g.Div(ky * kGasMolarVolume * c.T * c.f, kNormalTemperature * w);
}

double LocalEfficiency(Guard& g, double noy) { return 1 - g.Exp(-noy); }

double EfficiencyTermA(Guard& g, double lambda, double ey, double entrainedPerLiquid,
                       double theta, Calculation calculation) {
  const double a0 = g.Div(lambda * ey + entrainedPerLiquid, entrainedPerLiquid + 1);
  if (calculation == Calculation::TrayByTray) return a0 * (1 - theta);
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

double EntrainmentEfficiency(Guard& g, double e2, double entrainedPerLiquid, double theta) {
  return g.Div(e2, 1 + g.Div(entrainedPerLiquid * e2, 1 - theta));
}

// ---- The tray ----

namespace {

// Loads of the column and properties of the phases at the tray, as the model keeps them.
struct TrayLoads {
  float mf;        // [kg/kmol] molar mass of the feed
  double vm;       // [m^3/kmol] liquid molar volume at x
  float lv;        // [m^3/s] liquid volume flow
  float w;         // [m/s] vapour velocity in the column cross-section
  float mux;       // [cP] liquid viscosity
  float sqrtRhoY;  // [sqrt(kg/m^3)] root of the vapour density; 0 where no formula reads it
};

// Steps 1 to 3: loads, liquid viscosity and, for the bubble-cap formulas, vapour density.
TrayLoads LoadsAt(Guard& g, const ColumnParameters& c, const TrayConditions& at) {
  TrayLoads l{};
  l.mf = g.Store(FeedMolarMass(c));
  l.vm = LiquidMolarVolume(g, c, at.x);
  l.lv = g.Store(at.calculation == Calculation::TrayByTray
                     ? LiquidVolumeFlowTrayByTray(g, c, at.x, at.section)
                     : LiquidVolumeFlowKinetic(g, c, l.mf, at.x, at.section));
  l.w = g.Store(VapourVelocity(g, c, l.mf));
  l.mux = g.Store(LiquidViscosity(g, c, at.x));
  const bool needsVapourDensity = c.hydraulics == Hydraulics::BubbleCap || !c.withoutCaps;
  l.sqrtRhoY = needsVapourDensity ? g.Store(SqrtVapourDensity(g, c, at.y)) : 0.0f;
  return l;
}

// Steps 4 and 5: clear-liquid height and vapour content of the froth, by hydraulics.
// Gives the refusal when the height cannot be computed or is not positive where the
// calculation tests it.
std::optional<TrayStatus> EvaluateHydraulics(Guard& g, const ColumnParameters& c,
                                             const TrayConditions& at, const TrayLoads& l,
                                             TrayResult& r) {
  double fr = 0;  // [-] Froude number of the dual-flow formulas
  switch (c.hydraulics) {
    case Hydraulics::DualFlow:
      fr = FroudeNumberDualFlow(g, l.w, c.hw, c.F0);
      r.ClearLiquidHeight = g.Store(ClearLiquidHeightDualFlow(g, c.hw, c.F0, fr));
      break;
    case Hydraulics::BubbleCap:
      r.ClearLiquidHeight =
          g.Store(ClearLiquidHeightBubbleCap(g, c.hw, l.w, l.sqrtRhoY, l.lv, c.D, c.n));
      break;
    case Hydraulics::SieveOrValve:
      r.ClearLiquidHeight = g.Store(ClearLiquidHeightSieve(g, l.lv, c.D, c.n, c.hw, l.w, l.mux));
      break;
  }
  if (g.faulted()) return TrayStatus::ArithmeticFault;
  const bool heightTested =
      c.hydraulics != Hydraulics::DualFlow || at.calculation == Calculation::KineticLine;
  if (heightTested && !(r.ClearLiquidHeight > 0)) return TrayStatus::HeightNotPositive;

  r.VapourContent = g.Store(c.hydraulics == Hydraulics::DualFlow
                                ? VapourContentDualFlow(g, c.F0, fr)
                                : VapourContentFroth(g, l.w, r.ClearLiquidHeight));
  return std::nullopt;
}

// Steps 6 to 8: vapour viscosity and the phase coefficients, by tray class.
void EvaluatePhaseCoefficients(Guard& g, const ColumnParameters& c, const TrayConditions& at,
                               const TrayLoads& l, TrayResult& r) {
  const float muy = g.Store(VapourViscosity(g, c, at.y));  // [cP]
  if (c.withoutCaps) {
    r.VapourCoef = g.Store(
        VapourCoefWithoutCaps(g, c, r.ClearLiquidHeight, l.w, r.VapourContent, muy, l.mux));
    r.LiquidCoef = g.Store(LiquidCoefWithoutCaps(g, c, r.ClearLiquidHeight, l.lv,
                                                 r.VapourContent, muy, l.mux, l.vm));
  } else {
    const double liquidTerm = BubbleCapLiquidTerm(g, c, l.lv, at.calculation);
    r.VapourCoef = g.Store(VapourCoefBubbleCap(g, c, l.w, l.sqrtRhoY, liquidTerm, muy));
    r.LiquidCoef = g.Store(LiquidCoefBubbleCap(g, c, r.ClearLiquidHeight, l.vm));
  }
}

// The stripping factor lambda and (V/L) e, as each calculation forms them.
struct FlowRatios {
  double lambda;              // [-]
  double entrainedPerLiquid;  // [-]
};

FlowRatios RatiosOf(Guard& g, const ColumnParameters& c, const TrayConditions& at) {
  if (at.calculation == Calculation::TrayByTray) {
    const double vl = VapourToLiquidRatio(g, c, at.section);
    return {at.m * vl, vl * c.e};
  }
  const double liquidPerDistillate =
      at.section == Section::BelowFeed ? FeedPerDistillate(g, c) + c.R : c.R;
  const double lambda = g.Div((c.R + 1) * at.m, liquidPerDistillate);
  return {lambda, g.Div(lambda * c.e, at.m)};
}

// Steps 9 and 10: overall coefficient, transfer units and the Murphree efficiencies.
void EvaluateEfficiency(Guard& g, const ColumnParameters& c, const TrayConditions& at,
                        double w, TrayResult& r) {
  r.OverallCoef = g.Store(OverallCoef(g, at.m, r.LiquidCoef, r.VapourCoef));
  r.NOY = g.Store(TransferUnits(g, c, r.OverallCoef, w));
  r.EY = g.Store(LocalEfficiency(g, r.NOY));

  const FlowRatios flow = RatiosOf(g, c, at);
  const float a = g.Store(
      EfficiencyTermA(g, flow.lambda, r.EY, flow.entrainedPerLiquid, c.theta, at.calculation));
  const float e1 = g.Store(PseudoSectionEfficiency(g, r.EY, a, c.S));
  const float e2 = g.Store(BypassEfficiency(g, e1, flow.lambda, c.theta));
  r.EMY = g.Store(EntrainmentEfficiency(g, e2, flow.entrainedPerLiquid, c.theta));
}

}  // namespace

TrayEvaluation EvaluateTray(const DesignData& data, const TrayConditions& at) {
  return EvaluateTray(ColumnParameters::From(data), at);
}

TrayEvaluation EvaluateTray(const ColumnParameters& c, const TrayConditions& at) {
  Guard g;
  TrayEvaluation out;
  const TrayLoads loads = LoadsAt(g, c, at);
  if (const std::optional<TrayStatus> refusal = EvaluateHydraulics(g, c, at, loads, out.result)) {
    out.status = *refusal;
    return out;
  }
  EvaluatePhaseCoefficients(g, c, at, loads, out.result);
  EvaluateEfficiency(g, c, at, loads.w, out.result);
  out.status = g.faulted() ? TrayStatus::ArithmeticFault : TrayStatus::Done;
  return out;
}

}  // namespace rc
