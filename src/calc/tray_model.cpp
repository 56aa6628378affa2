#include "calc/tray_model.h"

#include <optional>

#include "calc/tray_correlations.h"
#include "model/feed_rule.h"

namespace rc {

ColumnParameters ColumnParameters::From(const CalculationInputs& in) {
  auto v = [&in](int n) { return static_cast<double>(in.Param(n)); };
  ColumnParameters c{.XW = v(kParamXW),
                     .XF = v(kParamXF),
                     .XP = v(kParamXP),
                     .R = v(kParamReflux),
                     .F = v(kParamFeedRate),
                     .MA = v(kParamMolarMassLight),
                     .MB = v(kParamMolarMassHeavy),
                     .muxA = v(kParamLiquidViscosityLight),
                     .muxB = v(kParamLiquidViscosityHeavy),
                     .muyA = v(kParamVapourViscosityLight),
                     .muyB = v(kParamVapourViscosityHeavy),
                     .Dy = v(kParamVapourDiffusivity),
                     .rhoA = v(kParamLiquidDensityLight),
                     .rhoB = v(kParamLiquidDensityHeavy),
                     .Dx = v(kParamLiquidDiffusivity),
                     .T = v(kParamTemperature),
                     .D = v(kParamDiameter),
                     .f = v(kParamAreaRatio),
                     .n = v(kParamFlowPaths),
                     .hw = v(kParamWeirHeight),
                     .F0 = v(kParamOpenAreaRatio),
                     .S = v(kParamPseudoSections),
                     .e = v(kParamEntrainment),
                     .theta = v(kParamBypass),
                     .q = v(kParamFeedCondition),
                     .hydraulics = Hydraulics::DualFlow,
                     .withoutCaps = in.trayType == kTraysWithoutCaps};
  if (in.Param(kParamAreaRatio) != 1.0f) {
    c.hydraulics = in.trayType == kBubbleCapTrays ? Hydraulics::BubbleCap : Hydraulics::SieveOrValve;
  }
  return c;
}

// ---- Quantities of the column ----

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

bool VapourRisesBelowFeed(const ColumnParameters& c) {
  return VapourRisesBelowFeed(c.R, c.q, c.XW, c.XF, c.XP);
}

double VapourPerDistillate(Guard& g, const ColumnParameters& c, Section section) {
  if (section == Section::BelowFeed) return VapourBelowFeed(c, FeedPerDistillate(g, c));
  return c.R + 1;
}

double VapourToLiquidRatio(Guard& g, const ColumnParameters& c, Section section) {
  if (section == Section::BelowFeed) {
    const double fbar = FeedPerDistillate(g, c);
    return g.Div(VapourBelowFeed(c, fbar), LiquidBelowFeed(c, fbar));
  }
  return 1 + g.Div(1, c.R);
}

double VapourVelocity(Guard& g, const ColumnParameters& c, double mf, Section section) {
  return g.Div((c.XF - c.XW) * c.F * kGasMolarVolume * VapourPerDistillate(g, c, section) * c.T,
               mf * (c.XP - c.XW) * c.D * c.D * kNormalTemperatureQuarterPi);
}

double VapourMolarMass(const ColumnParameters& c, double y) { return (1 - y) * c.MB + y * c.MA; }

// ---- The tray ----

namespace {

using namespace tray_detail;

// Loads of the column and properties of the phases at the tray, as the model keeps them.
struct TrayLoads {
  float mf;        // [kg/kmol] molar mass of the feed
  double vm;       // [m^3/kmol] liquid molar volume at x
  float lv;        // [m^3/s] liquid volume flow
  float w;         // [m/s] vapour velocity of the tray's section in the column cross-section
  float mux;       // [cP] liquid viscosity
  float sqrtRhoY;  // [sqrt(kg/m^3)] root of the vapour density; 0 where no formula reads it
};

// Step 1, the liquid volume flow as each calculation forms it.
double LiquidVolumeFlow(Guard& g, const ColumnParameters& c, const TrayConditions& at, double mf,
                        double vm) {
  if (at.calculation == Calculation::KineticLine) {
    return LiquidVolumeFlowKinetic(g, c.F, mf, vm, c.R, c.e, DistillatePerFeed(g, c), c.q,
                                   at.section);
  }
  const double perFeedMass = g.Finite(LiquidVolumePerFeedMass(c, at.x));
  if (at.section == Section::BelowFeed) {
    const double fbar = FeedPerDistillate(g, c);
    return LiquidVolumeFlowBelowFeed(g, c.F, c.R, c.e, fbar, c.q, VapourBelowFeed(c, fbar),
                                     perFeedMass);
  }
  return LiquidVolumeFlowAboveFeed(c.F, c.R, c.e, DistillatePerFeed(g, c), perFeedMass);
}

// Steps 1 to 3: loads, liquid viscosity and, for the bubble-cap formulas, vapour density.
TrayLoads LoadsAt(Guard& g, const ColumnParameters& c, const TrayConditions& at) {
  TrayLoads l{};
  l.mf = g.Store(FeedMolarMass(c));
  l.vm = LiquidMolarVolume(g, c, at.x);
  l.lv = g.Store(LiquidVolumeFlow(g, c, at, l.mf, l.vm));
  l.w = g.Store(VapourVelocity(g, c, l.mf, at.section));
  l.mux = g.Store(LiquidViscosity(g, c.muxA, c.muxB, at.x));
  const bool needsVapourDensity = c.hydraulics == Hydraulics::BubbleCap || !c.withoutCaps;
  l.sqrtRhoY =
      needsVapourDensity ? g.Store(SqrtVapourDensity(g, VapourMolarMass(c, at.y), c.T)) : 0.0f;
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
  const float muy = g.Store(  // [cP]
      VapourViscosity(g, VapourMolarMass(c, at.y), at.y, c.MA, c.MB, c.muyA, c.muyB));
  if (c.withoutCaps) {
    r.VapourCoef = g.Store(
        VapourCoefWithoutCaps(g, r.ClearLiquidHeight, l.w, r.VapourContent, muy, l.mux, c.Dy, c.f,
                              c.F0, c.T));
    r.LiquidCoef = g.Store(LiquidCoefWithoutCaps(g, r.ClearLiquidHeight, l.lv, r.VapourContent,
                                                 muy, l.mux, l.vm, c.Dx, c.D, c.f));
  } else {
    const double liquidTerm = BubbleCapLiquidTerm(g, l.lv, c.D, c.n, at.calculation);
    r.VapourCoef = g.Store(
        VapourCoefBubbleCap(g, l.w, l.sqrtRhoY, liquidTerm, muy, c.T, c.f, c.hw, c.Dy));
    r.LiquidCoef = g.Store(LiquidCoefBubbleCap(g, r.ClearLiquidHeight, l.vm, c.hw, c.Dx));
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
  double liquid = c.R, vapour = c.R + 1;  // [-] per unit distillate
  if (at.section == Section::BelowFeed) {
    const double fbar = FeedPerDistillate(g, c);
    liquid = LiquidBelowFeed(c, fbar);
    vapour = VapourBelowFeed(c, fbar);
  }
  const double lambda = g.Div(vapour * at.m, liquid);
  return {lambda, g.Div(lambda * c.e, at.m)};
}

// Steps 9 and 10: overall coefficient, transfer units and the Murphree efficiencies.
void EvaluateEfficiency(Guard& g, const ColumnParameters& c, const TrayConditions& at,
                        double w, TrayResult& r) {
  r.OverallCoef = g.Store(OverallCoef(g, at.m, r.LiquidCoef, r.VapourCoef));
  r.NOY = g.Store(TransferUnits(g, r.OverallCoef, w, c.T, c.f));
  r.EY = g.Store(LocalEfficiency(g, r.NOY));

  const FlowRatios flow = RatiosOf(g, c, at);
  const float a = g.Store(
      EfficiencyTermA(g, flow.lambda, r.EY, flow.entrainedPerLiquid, c.theta, at.calculation));
  const float e1 = g.Store(PseudoSectionEfficiency(g, r.EY, a, c.S));
  const float e2 = g.Store(BypassEfficiency(g, e1, flow.lambda, c.theta));
  r.EMY = g.Store(EntrainmentEfficiency(g, e2, flow.entrainedPerLiquid, c.theta));
}

}  // namespace

std::optional<TrayLiquidFlow> TrayByTrayLiquid(const ColumnParameters& c, double x, Section section) {
  Guard g;
  // The liquid's load and viscosity read neither the vapour nor the slope.
  const TrayConditions at{x, x, 0.0, section, Calculation::TrayByTray};
  const TrayLoads l = LoadsAt(g, c, at);
  if (g.faulted()) return std::nullopt;
  return TrayLiquidFlow{l.lv, l.mux};
}

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
