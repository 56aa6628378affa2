#pragma once
// The one design data set of a run: the student's name, the 25 input parameters
// (numbered 16..40), the 16 of the column's sizing (41..56) and the feed's thermal
// condition (57), the eight equilibrium points, the tray type, the flags the input
// checks set, and the results of the two calculations.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/numbered.h"
#include "model/typed_texts.h"

namespace rc {

// Boolean flags are 16-bit integers: 0 for false, -1 for true.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

inline constexpr std::uint8_t kNoErrorRow = 55;   // ErrorRow when no check failed
inline constexpr std::int16_t kFeedTrayNotFound = 200;
inline constexpr int kMaxTrays = 120;            // the tray-by-tray calculation computes no more
inline constexpr int kTrayArraySize = 131;         // TrayX, TrayY hold positions 0..130

// TrayType values.
inline constexpr std::int32_t kBubbleCapTrays = 0;
inline constexpr std::int32_t kTraysWithoutCaps = 1;
inline constexpr std::int32_t kTrayTypeNotChosen = 2;

// ShownResult values.
inline constexpr std::int32_t kShownKineticLine = 0;
inline constexpr std::int32_t kShownTrayByTray = 1;
inline constexpr std::int32_t kShownNothing = 2;

// The parameters by their numbers.
inline constexpr int kParamXW = 16;
inline constexpr int kParamXF = 17;
inline constexpr int kParamXP = 18;
inline constexpr int kParamReflux = 19;                    // R
inline constexpr int kParamFeedRate = 20;                  // F [kg/s]
inline constexpr int kParamMolarMassLight = 21;
inline constexpr int kParamMolarMassHeavy = 22;
inline constexpr int kParamLiquidViscosityLight = 23;      // [cP]
inline constexpr int kParamLiquidViscosityHeavy = 24;
inline constexpr int kParamVapourViscosityLight = 25;      // [cP]
inline constexpr int kParamVapourViscosityHeavy = 26;
inline constexpr int kParamVapourDiffusivity = 27;         // [cm^2/s]
inline constexpr int kParamLiquidDensityLight = 28;        // [kg/m^3]
inline constexpr int kParamLiquidDensityHeavy = 29;
inline constexpr int kParamLiquidDiffusivity = 30;         // [cm^2/s]
inline constexpr int kParamTemperature = 31;               // mean temperature in the column [K]
inline constexpr int kParamTrayTypeSlot = 32;              // caption only; never asked nor checked
inline constexpr int kParamDiameter = 33;                  // column diameter [m]
inline constexpr int kParamAreaRatio = 34;                 // 1 on trays without caps: dual-flow
inline constexpr int kParamFlowPaths = 35;
inline constexpr int kParamWeirHeight = 36;                // [m] slot diameter on dual-flow trays
inline constexpr int kParamOpenAreaRatio = 37;             // area open to the vapour / tray area
inline constexpr int kParamPseudoSections = 38;
inline constexpr int kParamEntrainment = 39;               // [kmol liquid / kmol vapour]
inline constexpr int kParamBypass = 40;

// The third entry stage: the column's sizing, hydraulics and heat balance. These values
// are read by the column calculation alone; the kinetic line and the tray-by-tray
// calculation never look at them.
inline constexpr int kParamTraySpacing = 41;               // HT [m]
inline constexpr int kParamTopSpace = 42;                  // above the top tray [m]
inline constexpr int kParamBottomSpace = 43;               // under the lowest tray [m]
inline constexpr int kParamSurfaceTension = 44;            // [mN/m]
inline constexpr int kParamDryTrayResistance = 45;         // [-]
inline constexpr int kParamHoleDiameter = 46;              // [m]
inline constexpr int kParamHeatOfVaporisationLight = 47;   // [kJ/kg]
inline constexpr int kParamHeatOfVaporisationHeavy = 48;
inline constexpr int kParamHeatCapacityLight = 49;         // [kJ/(kg K)]
inline constexpr int kParamHeatCapacityHeavy = 50;
inline constexpr int kParamFeedTemperature = 51;           // [°C] the feed's boiling temperature
inline constexpr int kParamDistillateTemperature = 52;
inline constexpr int kParamBottomsTemperature = 53;
inline constexpr int kParamSteamHeat = 54;                 // [kJ/kg] heating steam's condensation
inline constexpr int kParamCoolingWaterRise = 55;          // [K]
inline constexpr int kParamHeatLosses = 56;                // [%] of the reboiler's heat

// The feed's thermal condition q: the heat to vaporise a mole of feed over the molar heat
// of vaporisation (1 a boiling liquid, 0 a saturated vapour, above 1 a cold liquid). Both
// calculations read it beside parameters 16..40; data that never gave it hold a boiling
// feed, so that they compute as before it existed.
inline constexpr int kParamFeedCondition = 57;
inline constexpr float kBoilingFeed = 1.0f;

// The tray's operating window, asked last in the third stage: the clearance under the
// downcomer's apron and the lowest load the trays must work at, a share of the design's.
// Data that never gave them hold the usual 0.04 m (a 50 mm weir less 10 mm) and 0.7.
inline constexpr int kParamApronClearance = 58;            // [m]
inline constexpr int kParamMinimumLoad = 59;               // [-] of the design load
inline constexpr float kUsualApronClearance = 0.04f;
inline constexpr float kUsualMinimumLoad = 0.7f;
// The highest number the data store; the catalogue of inputs fails to build when one of
// its rows names a parameter above it (model/input_catalogue.cpp).
inline constexpr int kLastParameter = kParamMinimumLoad;

// The eight characteristics of one tray (see the tray model), each a 32-bit float.
struct TrayResult {
  float ClearLiquidHeight = 0;  // [m]
  float VapourContent = 0;      // [-] volume fraction of vapour in the froth
  float VapourCoef = 0;         // [kmol/(s m^2)]
  float LiquidCoef = 0;         // [kmol/(s m^2)]
  float OverallCoef = 0;        // [kmol/(s m^2)] referred to the vapour
  float NOY = 0;                // [-] vapour-phase transfer units
  float EY = 0;                 // [-] local Murphree efficiency
  float EMY = 0;                // [-] tray Murphree efficiency
};

// Kinetic line results; positions 1..6 hold the inner equilibrium points, 0 is unused.
struct KineticPointArrays {
  using Column = std::array<float, 7>;
  Column Slope{}, OperatingY{};
  Column ClearLiquidHeight{}, VapourContent{}, VapourCoef{}, LiquidCoef{};
  Column OverallCoef{}, NOY{}, EY{}, EMY{};
  Column KineticY{};
};

// The three trays the tray-by-tray calculation records: row 1 first, 2 feed, 3 last.
struct RecordedTrayRows {
  using Column = std::array<float, 7>;
  std::array<std::int16_t, 4> TrayNo{};
  Column ClearLiquidHeight{}, VapourContent{}, VapourCoef{}, LiquidCoef{};
  Column OverallCoef{}, NOY{}, EY{}, EMY{};
  Column LiquidX{}, VapourY{};
};

// Position i of a result array (TrayX, a KineticPoints column, EqX ...); 0 outside it, so
// that a stray index shows a zero instead of reading past the array.
template <std::size_t N>
float ValueAt(const std::array<float, N>& values, int i) {
  return i >= 0 && static_cast<std::size_t>(i) < N ? values[static_cast<std::size_t>(i)] : 0.0f;
}

// Copies the eight tray characteristics into position i of a set of result columns
// (KineticPoints or RecordedTrays), and back out of it.
template <class Columns>
void StoreTrayResult(Columns& c, int i, const TrayResult& r) {
  const auto at = static_cast<std::size_t>(i);
  c.ClearLiquidHeight.at(at) = r.ClearLiquidHeight;
  c.VapourContent.at(at) = r.VapourContent;
  c.VapourCoef.at(at) = r.VapourCoef;
  c.LiquidCoef.at(at) = r.LiquidCoef;
  c.OverallCoef.at(at) = r.OverallCoef;
  c.NOY.at(at) = r.NOY;
  c.EY.at(at) = r.EY;
  c.EMY.at(at) = r.EMY;
}

template <class Columns>
TrayResult TrayResultAt(const Columns& c, int i) {
  const auto at = static_cast<std::size_t>(i);
  return TrayResult{c.ClearLiquidHeight.at(at), c.VapourContent.at(at), c.VapourCoef.at(at),
                    c.LiquidCoef.at(at),        c.OverallCoef.at(at),   c.NOY.at(at),
                    c.EY.at(at),                c.EMY.at(at)};
}

using ParameterValues = Numbered<float, 16, kLastParameter>;

// Every number zero but the feed's thermal condition, which is a boiling feed.
constexpr ParameterValues FreshParameterValues() {
  ParameterValues values{};
  values[kParamFeedCondition] = kBoilingFeed;
  return values;
}

struct DesignData {
  std::u16string StudentName;

  Numbered<std::u16string, 16, kLastParameter> ParamCaption;
  Numbered<std::u16string, 16, kLastParameter> ParamText;
  ParameterValues ParamValue = FreshParameterValues();
  Numbered<float, 19, kLastParameter> ParamMin;
  Numbered<float, 19, kLastParameter> ParamMax;

  std::array<std::u16string, 8> EqXText, EqYText;
  std::array<float, 8> EqX{}, EqY{};

  std::int32_t TrayType = 0;
  std::int32_t ShownResult = 0;
  Flag InputError = kFalse;
  std::uint8_t ErrorRow = 0;
  std::int16_t FeedTray = 0;

  KineticPointArrays KineticPoints;

  std::array<float, kTrayArraySize> TrayX{}, TrayY{};
  TrayResult CurrentTray;
  RecordedTrayRows RecordedTrays;
  std::int16_t TrayTableRow = 0;
  // The third stage's values (41..56) have been accepted: kept for the whole run.
  Flag ColumnDataAccepted = kFalse;

  // The answers behind the texts above, as typed; what a saved data file holds.
  TypedTexts Typed;
};

// The caption of parameter n exactly as stored: blank-padded to 64 characters
// (parameter 32: its 24 characters, unpadded).
std::u16string ParameterCaption(int n);
// Inclusive limits of parameters 19..40, 41..56, 57 and 58..59 as 32-bit floats (parameter 19's
// lower bound is applied exclusively by the check).
float ParameterMin(int n);
float ParameterMax(int n);

// The text an answer to parameter n stands for: an empty answer (Cancel) to the feed's
// thermal condition is a boiling feed, "1" (a "0" would silently make it a saturated
// vapour), to the apron clearance "0.04" and to the minimum load "0.7"; any other answer
// stands for itself, to be tidied as every typed number is.
std::u16string ParameterAnswerText(int n, std::u16string_view typed);

// Start of every data entry: TrayType and ShownResult to "none", captions and limits
// filled, FeedTray to "not found", nothing typed yet, the feed a boiling liquid ("1").
void PrepareForEntry(DesignData& data);

// The tray kind follows from TrayType and the exact value of parameter 34.
enum class TrayKind { BubbleCap, DualFlow, SieveOrValve };
TrayKind KindOfTrays(const DesignData& data);
TrayKind KindOfTrays(std::int32_t trayType, float areaRatio);
bool AreaRatioIsOne(const DesignData& data);  // parameter 34 == 1.0f exactly
std::u16string TrayKindText(TrayKind kind);   // "ТАРЕЛКИ КОЛПАЧКОВЫЕ" and so on

}  // namespace rc
