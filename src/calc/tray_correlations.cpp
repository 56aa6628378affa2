#include "calc/tray_correlations.h"

#include <cmath>

namespace rc::tray_detail {
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

// ---- Loads and properties ----

double LiquidVolumeFlowKinetic(Guard& g, double F, double mf, double vm, double R, double e,
                               double p, double q, Section section) {
  // The feed's own liquid and entrainment, per unit feed: 1 for a boiling feed.
  const double sigma = section == Section::BelowFeed ? q + (q - 1) * e : 0.0;
  return g.Div(F, mf) * vm * ((R + (R + 1) * e) * p + sigma);
}

double LiquidVolumeFlowBelowFeed(Guard& g, double F, double R, double e, double fbar, double q,
                                 double vapour, double perFeedMass) {
  // Summed term by term as the boiling feed's (R + 1) e + Fbar + R, so that q = 1 gives
  // the very same number.
  return g.Div(F * (vapour * e + q * fbar + R), fbar) * perFeedMass;
}

double LiquidVolumeFlowAboveFeed(double F, double R, double e, double p, double perFeedMass) {
  return p * F * ((R + 1) * e + R) * perFeedMass;
}

double LiquidViscosity(Guard& g, double muxA, double muxB, double x) {
  return g.Exp(x * g.Ln(muxA) + (1 - x) * g.Ln(muxB));
}

double SqrtVapourDensity(Guard& g, double my, double T) {
  const double rhoY = g.Div(my * kNormalTemperature, kGasMolarVolume * T);
  return g.Sqrt(rhoY);
}

double VapourViscosity(Guard& g, double my, double y, double MA, double MB, double muyA,
                       double muyB) {
  return g.Div(my, g.Div((1 - y) * MB, muyB) + g.Div(y * MA, muyA));
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

double VapourCoefWithoutCaps(Guard& g, double hcl, double w, double eps, double muy, double mux,
                             double Dy, double f, double F0, double T) {
  const double root = g.Sqrt(g.Div(w * Dy * muy, eps * f * (muy + mux)));
  return g.Div(kWithoutCapsTransferCoef * kNormalTemperature * F0 * hcl * root,
               kGasMolarVolume * T);
}

double LiquidCoefWithoutCaps(Guard& g, double hcl, double lv, double eps, double muy,
                             double mux, double vm, double Dx, double D, double f) {
  const double root =
      g.Sqrt(g.Div(lv * Dx * muy, kQuarterPi * D * D * f * (1 - eps) * (muy + mux)));
  return g.Div(kWithoutCapsTransferCoef * hcl * root, vm);
}

double BubbleCapLiquidTerm(Guard& g, double lv, double D, double n, Calculation calculation) {
  // 105.12 / 0.7 = 150.17: the kinetic line's term is 0.11 % above the tray-by-tray one.
  if (calculation == Calculation::TrayByTray) return g.Div(kLiquidTermTrayByTray * lv, n * D);
  return g.Div(kLiquidTermKineticLine * lv, kWeirLengthPerDiameter * D * n);
}

double VapourCoefBubbleCap(Guard& g, double w, double sqrtRhoY, double liquidTerm, double muy,
                           double T, double f, double hw, double Dy) {
  const double normalVolumeRatio = g.Div(kNormalTemperature, kGasMolarVolume * T);  // [kmol/m^3]
  const double wf = g.Div(w, f);  // [m/s] velocity over the tray area
  return kBubbleCapVapourScale * normalVolumeRatio * wf *
         (kBubbleCapVapourBase + kBubbleCapVapourWeirCoef * hw -
          kBubbleCapVapourLoadCoef * wf * sqrtRhoY + liquidTerm) *
         sqrtRhoY * g.Sqrt(g.Div(Dy, kPascalSecondsPerCentipoise * muy));
}

double LiquidCoefBubbleCap(Guard& g, double hcl, double vm, double hw, double Dx) {
  return g.Div(kBubbleCapLiquidCoef * hcl * (1 + kBubbleCapLiquidWeirCoef * hw) * g.Sqrt(Dx), vm);
}

// ---- Overall transfer and efficiencies ----

double OverallCoef(Guard& g, double m, double betaX, double betaY) {
  return g.Div(1, g.Div(m, betaX) + g.Div(1, betaY));
}

double TransferUnits(Guard& g, double ky, double w, double T, double f) {
  return g.Div(ky * kGasMolarVolume * T * f, kNormalTemperature * w);
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

}  // namespace rc::tray_detail
