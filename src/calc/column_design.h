#pragma once
// The designed column to the end: the pressure drop of every computed tray (dry tray,
// surface tension, liquid layer), how near the vapour load comes to flooding the trays
// at the typed diameter and which diameter would do, the height of the column and its
// heat balance. Pure: it takes values and returns values. Every quantity is computed in
// double from the stored 32-bit inputs; a value whose arithmetic fails is refused on its
// own line, never given as NaN or infinity.
#include <optional>
#include <vector>

#include "calc/tray_model.h"
#include "model/design_data.h"

namespace rc {

// The third entry stage (parameters 41..56), in their units.
struct ColumnStageValues {
  double HT;        // [m] tray spacing
  double Zt;        // [m] separation space above the top tray
  double Zb;        // [m] bottom space under the lowest tray
  double sigma;     // [mN/m] liquid surface tension
  double xi;        // [-] dry tray resistance coefficient
  double d0;        // [m] hole (slot) diameter
  double rA, rB;    // [kJ/kg] heats of vaporisation, light and heavy component
  double cA, cB;    // [kJ/(kg K)] liquid heat capacities
  double tF, tP, tW;  // [°C] feed, distillate, bottoms
  double rs;        // [kJ/kg] heat of condensation of the heating steam
  double dtw;       // [K] cooling water heating in the condenser
  double loss;      // [%] heat losses, of the reboiler's heat

  static ColumnStageValues From(const DesignData& data);
};

// One computed tray as the tray-by-tray calculation left it.
struct ColumnTrayInput {
  float x;    // [-] liquid on the tray
  float yIn;  // [-] vapour entering it from below
  float hcl;  // [m] its clear-liquid height
  Section section;
};

struct ColumnDesignInput {
  ColumnParameters column;
  ColumnStageValues stage;
  std::vector<ColumnTrayInput> trays;  // tray i = 1..N at index i - 1
  int feedTray = 0;                    // 0: none was found
};

// A value, or nothing where its arithmetic failed.
using ColumnValue = std::optional<double>;

struct ColumnTrayResult {
  ColumnValue dryDrop;       // ΔPd [Pa]
  ColumnValue surfaceDrop;   // ΔPs [Pa]
  ColumnValue liquidDrop;    // ΔPl [Pa]
  ColumnValue totalDrop;     // ΔP [Pa]
  ColumnValue flooding;      // φ [%]; meaningful only where floodingApplies
};

// Why the reboiler's lines carry no value.
enum class ReboilerRefusal { None, ArithmeticFault, DutyNotPositive };

struct ColumnDesignResult {
  std::vector<ColumnTrayResult> trays;  // tray i at index i - 1
  int feedTray = 0;
  // Fair's flooding chart holds for trays with downcomers only: not for dual-flow trays.
  bool floodingApplies = true;

  ColumnValue totalDrop;        // ΣΔP [Pa]
  ColumnValue height;           // H [m]
  ColumnValue floodingMax;      // φmax [%]
  int floodingMaxTray = 0;      // its tray, the lowest on a tie
  ColumnValue diameterFor80;    // D80 [m]

  ColumnValue distillate;       // P [kg/s]
  ColumnValue bottoms;          // W [kg/s]
  ColumnValue condenserDuty;    // Qc [kW]
  ColumnValue reboilerDuty;     // Qr [kW]
  ColumnValue steam;            // [kg/s]
  ColumnValue coolingWater;     // [kg/s]
  ReboilerRefusal reboilerRefusal = ReboilerRefusal::None;
};

// The per cent of flooding above which the column is warned about.
inline constexpr double kFloodingWarning = 85.0;
// The per cent of flooding the suggested diameter is sized for.
inline constexpr double kFloodingDesign = 80.0;

ColumnDesignResult DesignColumn(const ColumnDesignInput& input);

// ---- The correlations, one per quantity. ----
double VapourDensity(Guard& g, const ColumnParameters& c, double y);         // ρy [kg/m^3]
double LiquidDensity(Guard& g, const ColumnParameters& c, double x);         // ρx [kg/m^3]
// Fair's flooding constant C [m/s] at FLV and tray spacing HT [m].
double FloodingConstant(Guard& g, double flv, double HT);
// Mass fraction of the light component at its mole fraction x.
double MassFraction(Guard& g, const ColumnParameters& c, double x);

}  // namespace rc
