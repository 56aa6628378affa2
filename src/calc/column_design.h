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

// The third entry stage (parameters 41..56), in their units, each member filled from its
// parameter by name.
struct ColumnStageValues {
  double HT;        // [m] tray spacing
  double Zt;        // [m] separation space above the top tray
  double Zb;        // [m] bottom space under the lowest tray
  double sigma;     // [mN/m] liquid surface tension
  double xi;        // [-] dry tray resistance coefficient
  double d0;        // [m] hole (slot) diameter
  double rA, rB;    // [kJ/kg] heats of vaporisation, light and heavy component
  double cA, cB;    // [kJ/(kg K)] liquid heat capacities
  double tb;        // [°C] the feed's boiling temperature
  double tP, tW;    // [°C] distillate, bottoms
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

// Runs one formula under its own guard: its value, or nothing on a fault.
template <class Formula>
ColumnValue Checked(Formula formula) {
  Guard g;
  const double value = g.Finite(formula(g));
  if (g.faulted()) return std::nullopt;
  return value;
}

// One computed tray as the column completion sees it: its section's loads and both
// phases' properties at it, each computed once. The tray's pressure drops and flooding
// below read them, and so does its operating window (calc/operating_window.h): the two
// can never tell different stories of the same tray.
struct ColumnTrayState {
  Section section = Section::BelowFeed;  // as the tray-by-tray calculation evaluated it
  double hcl = 0;                // [m] its clear-liquid height as the tray model stored it
  ColumnValue velocity;          // w [m/s] of its section's vapour, the column's cross-section
  ColumnValue vapourToLiquid;    // V/L [-] of its section
  ColumnValue liquidLoad;        // Lv [m^3/s] as the tray model stored it, entrainment included
  ColumnValue liquidViscosity;   // μx [cP] as the tray model stored it
  ColumnValue vapourDensity;     // ρy [kg/m^3] of the vapour entering it
  ColumnValue liquidDensity;     // ρx [kg/m^3] of its liquid
  double liquidMolarMass = 0;    // Mx [kg/kmol]
  double vapourMolarMass = 0;    // My [kg/kmol]
  ColumnValue flowParameter;     // FLV [-]
};

struct ColumnTrayResult {
  ColumnValue dryDrop;       // ΔPd [Pa]
  ColumnValue surfaceDrop;   // ΔPs [Pa]
  ColumnValue liquidDrop;    // ΔPl [Pa]
  ColumnValue totalDrop;     // ΔP [Pa]
  ColumnValue flooding;      // φ [%]; meaningful only where floodingApplies
  ColumnTrayState state{};   // what the values above were computed from
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

  ColumnValue feedTemperature;  // tF [°C] the feed's own; nothing for a partly vapour feed
  ColumnValue feedVapourShare;  // [%] of the feed that is vapour, 0 for a liquid feed
};

// The per cent of flooding above which the column is warned about.
inline constexpr double kFloodingWarning = 85.0;
// The per cent of flooding the suggested diameter is sized for.
inline constexpr double kFloodingDesign = 80.0;

ColumnDesignResult DesignColumn(const ColumnDesignInput& input);

// ---- The correlations, one per quantity, in the units of their inputs ----
// Where a correlation names "the design manual", it is the one of the field's course
// projects: "Basic Processes and Apparatus of Chemical Technology: a Design Manual",
// ed. Yu. I. Dytnerskii, 2nd ed., 1991, the chapter on rectification columns. It sums a
// tray's pressure drop from three resistances (dry tray, surface tension, liquid layer)
// and balances the column's heat as below.

// Molar mass of the liquid at the light component's mole fraction x. [kg/kmol]
double LiquidMolarMass(const ColumnParameters& c, double x);
// Vapour density, ideal gas at 1 atm and the column's mean temperature:
// ρy = My·273/(22.4·T). [kg/m^3]
double VapourDensity(Guard& g, const ColumnParameters& c, double y);
// Liquid density of the ideal mixture at x: its molar mass over its molar volume. [kg/m^3]
double LiquidDensity(Guard& g, const ColumnParameters& c, double x);

// Hole velocity w0 = w/(f·F0) [m/s]: the vapour w [m/s] of the column's cross-section
// through the holes, which take F0 [-] of the tray area, the tray f [-] of the column's.
double HoleVelocity(Guard& g, double w, double f, double F0);
// Dry-tray drop ΔPd = ξ·ρy·w0²/2 [Pa], the local resistance of the holes: ξ [-] the
// dry tray's resistance coefficient, ρy [kg/m^3], w0 [m/s] (the design manual).
double DryTrayDrop(double xi, double rhoY, double w0);
// Surface-tension drop ΔPσ = 4σ/d0 [Pa], the pressure that blows a bubble out of a hole
// (Laplace's pressure of a bubble of the hole's diameter; the design manual): σ [mN/m],
// d0 [m].
double SurfaceTensionDrop(Guard& g, double sigma, double d0);
// Liquid-layer drop ΔPl = g·ρx·hcl [Pa], the head of the clear liquid on the tray:
// ρx [kg/m^3], hcl [m] from the tray model (the design manual).
double LiquidLayerDrop(double rhoX, double hcl);

// Fair's flooding chart for cross-flow trays (J. R. Fair, Petro/Chem Engineer 33(10), 45,
// 1961), as Perry's Chemical Engineers' Handbook (7th ed., section 14, eq. 14-90) gives it:
// flow parameter FLV = (L/V by mass)·√(ρy/ρx) [-], with Mx, My [kg/kmol] the molar masses
// of liquid and vapour and V/L [-] the molar ratio of the tray's section.
double FlowParameter(Guard& g, double mx, double my, double vl, double rhoY, double rhoX);
// Flooding constant C [m/s] at FLV [-] and tray spacing HT [m]: the curves of Fair's chart
// as Lygeros and Magoulas fitted them (Hydrocarbon Processing 65(12), 43, 1986),
// C = 0.0105 + 8.127e-4·(1000·HT)^0.755·exp(-1.463·FLV^0.842).
double FloodingConstant(Guard& g, double flv, double HT);
// Flooding velocity on the net area uf = C·(σ/20)^0.2·√((ρx − ρy)/ρy) [m/s] (Fair):
// C [m/s], σ [mN/m], ρx, ρy [kg/m^3].
double FloodingVelocity(Guard& g, double C, double sigma, double rhoX, double rhoY);
// Per cent of flooding φ = 100·w/(An·uf) [%], the vapour w [m/s] of the column's
// cross-section on the net area An = (1 + f)/2 of it: the column less one downcomer, the
// two downcomers taking 1 − f [-] (Fair's method as Perry's gives it); uf [m/s].
double PercentOfFlooding(Guard& g, double w, double f, double uf);
// The diameter [m] at which the column of diameter D [m] and largest per cent of flooding
// φ [%] floods by `target` [%]: φ falls as 1/D² (w does) and nothing else in it depends on
// D, so D·√(φ/target).
double DiameterForFlooding(Guard& g, double D, double phi, double target);

// Height H = (N − 1)·HT + Zt + Zb [m] of N trays HT [m] apart, Zt [m] above the top tray
// and Zb [m] under the lowest (the design manual).
double ColumnHeight(int trays, double HT, double Zt, double Zb);

// Mass fraction a = x·MA/(x·MA + (1 − x)·MB) [-] of the light component at its mole
// fraction x [-], MA, MB [kg/kmol] (definition).
double MassFraction(Guard& g, double x, double MA, double MB);
// The column's mass balance in mass fractions aW, aF, aP [-] of the light component:
// F = P + W and F·aF = P·aP + W·aW (the design manual).
struct ProductFlows {
  double distillate;  // P = F·(aF − aW)/(aP − aW) [kg/s]
  double bottoms;     // W = F − P [kg/s]
};
ProductFlows MassBalance(Guard& g, double F, double aW, double aF, double aP);

// ---- The heat balance of the column, each term (kJ/kg, kJ/(kg K), °C, kg/s, kW) ----
// As the design manual reckons it: the reboiler gives the condenser's heat and the
// heat the products carry away, less what the feed brings in as a boiling liquid, and
// the heat that vaporises a cold feed's share of it (q − 1 of it, taken back for a
// partly vapour feed), with the losses.

// A property of the liquid mixture (heat of vaporisation, heat capacity) mixed by mass:
// a·light + (1 − a)·heavy, with a [-] the light component's mass fraction.
double MixedByMass(double a, double light, double heavy);
// Condenser duty Qc = P·(R + 1)·rP [kW]: the vapour P·(R + 1) [kg/s] of the top condensed,
// rP [kJ/kg] its heat of vaporisation.
double CondenserDuty(double P, double R, double rP);
// Heat a stream G [kg/s] of heat capacity c [kJ/(kg K)] carries at t [°C]: G·c·t [kW].
double StreamHeat(double G, double c, double t);
// The terms of the reboiler duty [kW].
struct ReboilerHeats {
  double condenser;       // Qc
  double distillate;      // P·cP·tP
  double bottoms;         // W·cW·tW
  double feed;            // F·cF·tb, brought in as a boiling liquid
  double feedCondition;   // (q − 1)·F·rF
};
// Reboiler duty Qr = (1 + loss/100)·(Qc + P·cP·tP + W·cW·tW − F·cF·tb + (q − 1)·F·rF) [kW],
// loss [%].
double ReboilerDuty(const ReboilerHeats& heats, double loss);
// The heat (q − 1)·F·rF [kW] that brings the feed F [kg/s] of condition q [-] to its
// boiling point as a liquid: heats a cold feed (q > 1), is given back by a partly vapour
// one (q < 1), nothing for a boiling feed. rF [kJ/kg] the feed's heat of vaporisation,
// mixed by mass (the definition of q: the heat to vaporise a unit of feed over its heat
// of vaporisation; McCabe, Smith and Harriott, Unit Operations of Chemical Engineering,
// the chapter on distillation).
double FeedConditionHeat(double q, double F, double rF);
// The temperature of a liquid feed tF = tb − (q − 1)·rF/cF [°C], q ≥ 1, as far below its
// boiling point tb [°C] as the sensible heat cF [kJ/(kg K)] of a degree takes (q − 1) of
// its heat of vaporisation rF [kJ/kg] (the same definition of q).
double LiquidFeedTemperature(Guard& g, double tb, double q, double rF, double cF);
// The share of the feed that is vapour, 100·(1 − q) [%] for q < 1 [-], else 0.
double FeedVapourShare(double q);
// Cooling water Gw = Qc/(cw·Δt) [kg/s] heated by Δt [K] in the condenser, cw = 4.19 kJ/(kg K).
double CoolingWaterFlow(Guard& g, double Qc, double dtw);
// Heating steam Gs = Qr/rs [kg/s] condensing in the reboiler, rs [kJ/kg].
double HeatingSteamFlow(Guard& g, double Qr, double rs);

}  // namespace rc
