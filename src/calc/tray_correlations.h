#pragma once
// The correlations of the tray model, one per quantity, in the order EvaluateTray applies
// them. Each takes exactly the quantities it reads, in the units the student types; the
// coefficients hold the conversions. Only the tray model and its tests use them.
#include "calc/checked_math.h"
#include "calc/tray_model.h"

namespace rc::tray_detail {

// Step 1, liquid volume flow on the kinetic line (material balance of the section): below
// the feed the feed's liquid q and the entrainment of its vapour (q - 1) e are added per
// unit feed. [m^3/s]
double LiquidVolumeFlowKinetic(Guard& g, double F, double mf, double vm, double R, double e,
                               double p, double q, Section section);
// Step 1, liquid volume flow below the feed, tray by tray (material balance): the liquid
// q Fbar + R and the entrained V' e per unit distillate, V' the vapour below the feed.
// [m^3/s]
double LiquidVolumeFlowBelowFeed(Guard& g, double F, double R, double e, double fbar, double q,
                                 double vapour, double perFeedMass);
// Step 1, liquid volume flow above the feed, tray by tray (material balance). [m^3/s]
double LiquidVolumeFlowAboveFeed(double F, double R, double e, double p, double perFeedMass);
// Step 2, liquid viscosity (logarithmic mixing rule). [cP]
double LiquidViscosity(Guard& g, double muxA, double muxB, double x);
// Step 3, root of the vapour density from its molar mass My (ideal gas). [sqrt(kg/m^3)]
double SqrtVapourDensity(Guard& g, double my, double T);
// Step 4, Froude number of dual-flow trays (the design method's correlation). [-]
double FroudeNumberDualFlow(Guard& g, double w, double hw, double F0);
// Step 4, clear-liquid height of dual-flow trays (the design method's correlation). [m]
double ClearLiquidHeightDualFlow(Guard& g, double hw, double F0, double fr);
// Step 4, clear-liquid height of bubble-cap trays (the design method's correlation). [m]
double ClearLiquidHeightBubbleCap(Guard& g, double hw, double w, double sqrtRhoY, double lv,
                                  double D, double n);
// Step 4, clear-liquid height of sieve and valve trays (the design method's correlation). [m]
double ClearLiquidHeightSieve(Guard& g, double lv, double D, double n, double hw, double w,
                              double mux);
// Step 5, vapour content of the froth on dual-flow trays (the design method's correlation). [-]
double VapourContentDualFlow(Guard& g, double F0, double fr);
// Step 5, vapour content of the froth on the other trays (the design method's correlation). [-]
double VapourContentFroth(Guard& g, double w, double hcl);
// Step 6, vapour viscosity from its molar mass My (mass-fraction mixing rule). [cP]
double VapourViscosity(Guard& g, double my, double y, double MA, double MB, double muyA,
                       double muyB);
// Step 7, vapour coefficient of trays without caps (the design method's correlation).
double VapourCoefWithoutCaps(Guard& g, double hcl, double w, double eps, double muy, double mux,
                             double Dy, double f, double F0, double T);  // [kmol/(s m^2)]
// Step 7, liquid coefficient of trays without caps (the design method's correlation).
double LiquidCoefWithoutCaps(Guard& g, double hcl, double lv, double eps, double muy,
                             double mux, double vm, double Dx, double D,
                             double f);  // [kmol/(s m^2)]
// Step 8, liquid term G of the bubble-cap vapour coefficient, as each calculation forms it
// (the design method's correlation). [-]
double BubbleCapLiquidTerm(Guard& g, double lv, double D, double n, Calculation calculation);
// Step 7, vapour coefficient of bubble-cap trays (the design method's correlation).
double VapourCoefBubbleCap(Guard& g, double w, double sqrtRhoY, double liquidTerm, double muy,
                           double T, double f, double hw, double Dy);  // [kmol/(s m^2)]
// Step 7, liquid coefficient of bubble-cap trays (the design method's correlation).
double LiquidCoefBubbleCap(Guard& g, double hcl, double vm, double hw,
                           double Dx);  // [kmol/(s m^2)]
// Step 9, overall coefficient Ky (resistances of the two phases in series). [kmol/(s m^2)]
double OverallCoef(Guard& g, double m, double betaX, double betaY);
// Step 9, vapour-phase transfer units NOY (definition of a transfer unit). [-]
double TransferUnits(Guard& g, double ky, double w, double T, double f);
// Step 9, local efficiency EY (plug flow of the vapour through the froth). [-]
double LocalEfficiency(Guard& g, double noy);
// Step 10, term a of the pseudo-section model: a0 (1 - theta) tray by tray, a0 / (1 - theta)
// on the kinetic line, a0 = (lambda EY + (V/L) e) / ((V/L) e + 1); entrainedPerLiquid is
// (V/L) e (the design method's pseudo-section model). [-]
double EfficiencyTermA(Guard& g, double lambda, double ey, double entrainedPerLiquid,
                       double theta, Calculation calculation);
// Step 10, efficiency E1 of S pseudo-sections of complete mixing (pseudo-section model). [-]
double PseudoSectionEfficiency(Guard& g, double ey, double a, double S);
// Step 10, efficiency E2 with the bypass (the design method's pseudo-section model). [-]
double BypassEfficiency(Guard& g, double e1, double lambda, double theta);
// Step 10, tray efficiency EMY with the entrainment (the design method's pseudo-section model). [-]
double EntrainmentEfficiency(Guard& g, double e2, double entrainedPerLiquid, double theta);

}  // namespace rc::tray_detail
