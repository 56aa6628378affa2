#pragma once
// The mass-transfer model of one tray: loads of the column, properties of both phases,
// the tray hydraulics, the phase and overall mass-transfer coefficients and the Murphree
// efficiencies. Both calculations evaluate it: the kinetic line at six equilibrium
// points, the tray-by-tray calculation once per tray.
//
// Every quantity is taken in the units the student types (kg/s, kg/kmol, cP, cm^2/s,
// kg/m^3, K, m); the coefficients of the correlations already hold the conversions.
// Values the model keeps between formulas are rounded to 32-bit floats; the arithmetic
// inside each formula is done in double.
#include "calc/checked_math.h"
#include "calc/inputs.h"
#include "calc/runs.h"
#include "model/design_data.h"

namespace rc {

inline constexpr double kGasMolarVolume = 22.4;       // [m^3/kmol] ideal gas at 273 K, 1 atm
inline constexpr double kNormalTemperature = 273.0;   // [K]
inline constexpr double kGravity = 9.81;              // [m/s^2]
inline constexpr double kQuarterPi = 0.785;           // [-] circle area / diameter^2
inline constexpr double kNormalTemperatureQuarterPi = 214.305;  // [K] 273 * 0.785

// Which calculation evaluates the tray: the two differ in the bubble-cap liquid term, in
// the bypass factor and in how they form V/L.
enum class Calculation { KineticLine, TrayByTray };
// Correlations for the hydraulics (clear-liquid height, vapour content).
enum class Hydraulics { DualFlow, BubbleCap, SieveOrValve };

// The design parameters the model reads, taken once from the design data.
struct ColumnParameters {
  double XW, XF, XP;        // [-] light component in bottoms, feed, distillate
  double R;                 // [-] reflux ratio
  double F;                 // [kg/s] feed
  double MA, MB;            // [kg/kmol] light and heavy component
  double muxA, muxB;        // [cP] liquid viscosities
  double muyA, muyB;        // [cP] vapour viscosities
  double Dy;                // [cm^2/s] vapour diffusivity
  double rhoA, rhoB;        // [kg/m^3] liquid densities
  double Dx;                // [cm^2/s] liquid diffusivity
  double T;                 // [K] mean temperature
  double D;                 // [m] column diameter
  double f;                 // [-] tray area / column area
  double n;                 // [-] liquid flow paths
  double hw;                // [m] weir height; slot equivalent diameter on dual-flow trays
  double F0;                // [-] area open to the vapour / tray area
  double S;                 // [-] pseudo-sections of complete mixing
  double e;                 // [kmol/kmol] liquid entrained per vapour
  double theta;             // [-] bypass fraction
  Hydraulics hydraulics;    // parameter 34 exactly 1 first, then TrayType 0
  bool withoutCaps;         // transfer coefficients: TrayType 1

  static ColumnParameters From(const CalculationInputs& inputs);
  static ColumnParameters From(const DesignData& data) { return From(CalculationInputs::Of(data)); }
};

// Where and how the tray is evaluated.
struct TrayConditions {
  double x;        // [-] light component in the liquid on the tray
  double y;        // [-] light component in the vapour entering from below
  double m;        // [-] slope dy*/dx of the equilibrium curve at x
  Section section;
  Calculation calculation;
};

enum class TrayStatus { Done, HeightNotPositive, ArithmeticFault };

struct TrayEvaluation {
  TrayStatus status = TrayStatus::ArithmeticFault;
  TrayResult result;  // meaningful when status is Done
};

// Evaluates the tray. Refuses with HeightNotPositive when the clear-liquid height is not
// positive (on dual-flow hydraulics only in the kinetic line calculation), and with
// ArithmeticFault when any formula divides by zero, takes the logarithm of a
// non-positive number, overflows or gives a value that is not finite.
TrayEvaluation EvaluateTray(const ColumnParameters& column, const TrayConditions& at);
TrayEvaluation EvaluateTray(const DesignData& data, const TrayConditions& at);

// Liquid molar volume at x divided by the molar mass of the feed. [m^3/kg]
double LiquidVolumePerFeedMass(const ColumnParameters& c, double x);

// ---- The correlations, one per quantity. ----

// Feed and column loads.
double FeedMolarMass(const ColumnParameters& c);                        // MF [kg/kmol]
double LiquidMolarVolume(Guard& g, const ColumnParameters& c, double x);  // Vm [m^3/kmol]
double DistillatePerFeed(Guard& g, const ColumnParameters& c);          // p [-]
double FeedPerDistillate(Guard& g, const ColumnParameters& c);          // Fbar [-]
// V/L of the section as the tray-by-tray calculation forms it. [-]
double VapourToLiquidRatio(Guard& g, const ColumnParameters& c, Section section);
double LiquidVolumeFlowKinetic(Guard& g, const ColumnParameters& c, double mf, double x,
                               Section section);                        // Lv [m^3/s]
double LiquidVolumeFlowTrayByTray(Guard& g, const ColumnParameters& c, double x,
                                  Section section);                     // Lv [m^3/s]
double VapourVelocity(Guard& g, const ColumnParameters& c, double mf);  // w [m/s]

// Phase properties.
double LiquidViscosity(Guard& g, const ColumnParameters& c, double x);  // mux [cP]
double VapourMolarMass(const ColumnParameters& c, double y);            // My [kg/kmol]
double SqrtVapourDensity(Guard& g, const ColumnParameters& c, double y);  // sqrt(rhoy) [sqrt(kg/m^3)]
double VapourViscosity(Guard& g, const ColumnParameters& c, double y);  // muy [cP]

// Hydraulics.
double FroudeNumberDualFlow(Guard& g, double w, double hw, double F0);  // Fr [-]
double ClearLiquidHeightDualFlow(Guard& g, double hw, double F0, double fr);  // hcl [m]
double ClearLiquidHeightBubbleCap(Guard& g, double hw, double w, double sqrtRhoY, double lv,
                                  double D, double n);                  // hcl [m]
double ClearLiquidHeightSieve(Guard& g, double lv, double D, double n, double hw, double w,
                              double mux);                              // hcl [m]
double VapourContentDualFlow(Guard& g, double F0, double fr);           // eps [-]
double VapourContentFroth(Guard& g, double w, double hcl);              // eps [-]

// Phase mass-transfer coefficients. [kmol/(s m^2)]
double VapourCoefWithoutCaps(Guard& g, const ColumnParameters& c, double hcl, double w,
                             double eps, double muy, double mux);
double LiquidCoefWithoutCaps(Guard& g, const ColumnParameters& c, double hcl, double lv,
                             double eps, double muy, double mux, double vm);
double BubbleCapLiquidTerm(Guard& g, const ColumnParameters& c, double lv,
                           Calculation calculation);            // G [-]
double VapourCoefBubbleCap(Guard& g, const ColumnParameters& c, double w, double sqrtRhoY,
                           double liquidTerm, double muy);
double LiquidCoefBubbleCap(Guard& g, const ColumnParameters& c, double hcl, double vm);

// Overall transfer and efficiencies.
double OverallCoef(Guard& g, double m, double betaX, double betaY);     // Ky [kmol/(s m^2)]
double TransferUnits(Guard& g, const ColumnParameters& c, double ky, double w);  // NOY [-]
double LocalEfficiency(Guard& g, double noy);                           // EY [-]
// entrainedPerLiquid is (V/L) e: the liquid entrained upwards per liquid flowing down.
// a of the pseudo-section model: a0 * (1 - theta) tray by tray, a0 / (1 - theta) on the
// kinetic line, a0 = (lambda EY + (V/L) e) / ((V/L) e + 1). [-]
double EfficiencyTermA(Guard& g, double lambda, double ey, double entrainedPerLiquid,
                       double theta, Calculation calculation);
double PseudoSectionEfficiency(Guard& g, double ey, double a, double S);  // E1 [-]
double BypassEfficiency(Guard& g, double e1, double lambda, double theta);  // E2 [-]
double EntrainmentEfficiency(Guard& g, double e2, double entrainedPerLiquid,
                             double theta);                     // EMY [-]

}  // namespace rc
