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
#include <optional>

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

// The design parameters the model reads, taken once from the design data, each member
// filled from its parameter by name.
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
  double q;                 // [-] feed's thermal condition, 1 for a boiling liquid
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

// ---- Quantities of the column the other calculations share ----

double FeedMolarMass(const ColumnParameters& c);                          // MF [kg/kmol]
double LiquidMolarVolume(Guard& g, const ColumnParameters& c, double x);  // Vm [m^3/kmol]
// Liquid molar volume at x divided by the molar mass of the feed. [m^3/kg]
double LiquidVolumePerFeedMass(const ColumnParameters& c, double x);
double DistillatePerFeed(Guard& g, const ColumnParameters& c);            // p [-]
double FeedPerDistillate(Guard& g, const ColumnParameters& c);            // Fbar [-]
// The molar flows of the section below the feed per unit distillate, from Fbar: the
// liquid L' = q Fbar + R and the vapour V' = R + 1 + (q - 1) Fbar. Each q-term vanishes
// exactly at q = 1, where they are the boiling feed's Fbar + R and R + 1. [-]
inline double LiquidBelowFeed(const ColumnParameters& c, double fbar) { return c.q * fbar + c.R; }
inline double VapourBelowFeed(const ColumnParameters& c, double fbar) {
  return c.R + 1 + (c.q - 1) * fbar;
}
// Whether vapour rises below the feed, V' > 0: a feed that is partly vapour (q < 1) must
// leave some. Not examined for other feeds. The input check's rule (model/feed_rule.h).
bool VapourRisesBelowFeed(const ColumnParameters& c);
// The vapour of the section per unit distillate: R + 1 above the feed, V' below it. [-]
double VapourPerDistillate(Guard& g, const ColumnParameters& c, Section section);
// V/L of the section as the tray-by-tray calculation forms it. [-]
double VapourToLiquidRatio(Guard& g, const ColumnParameters& c, Section section);
// w of the section, in the full column cross-section. [m/s]
double VapourVelocity(Guard& g, const ColumnParameters& c, double mf, Section section);
double VapourMolarMass(const ColumnParameters& c, double y);              // My [kg/kmol]

// The liquid of a tray of the tray-by-tray calculation at liquid x in its section, as the
// tray model stores it (32-bit): its volume flow Lv [m^3/s], the liquid entrained from
// the tray below included, and its viscosity μx [cP]. Nothing where their arithmetic fails.
struct TrayLiquidFlow {
  float load;
  float viscosity;
};
std::optional<TrayLiquidFlow> TrayByTrayLiquid(const ColumnParameters& c, double x, Section section);

}  // namespace rc
