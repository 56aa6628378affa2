#pragma once
// Whether the sized trays work between their limits: the tray's operating window. For every
// computed tray, on the column completion's own state of it (ColumnTrayState: its section's
// velocity, V/L, liquid load, densities, pressure drop and flooding), the weir crest at the
// minimum load, the weep margin (sieve and valve trays), Fair's entrainment, the downcomer
// backup against its limit and the liquid's residence time in the downcomer; the extremes
// with their trays and each section's critical tray. Trays without downcomers (f = 1) have
// none of it. Pure; a value whose arithmetic fails is nothing, never NaN or infinity.
//
// Geometry from the column's own inputs: the weir length per pass lw = 0.7·D (the tray
// model's convention), the downcomer area per pass Ad = (1 − f)/2·Ac/n (the two segmental
// downcomers take 1 − f of the column's area Ac = πD²/4).
#include <cmath>
#include <optional>
#include <vector>

#include "calc/column_design.h"
#include "model/design_data.h"

namespace rc {

// The operating window's own inputs (parameters 58 and 59).
struct OperatingWindowValues {
  double apronClearance = kUsualApronClearance;  // hap [m] under the downcomer's apron
  double minimumLoad = kUsualMinimumLoad;        // k [-] the lowest load, of the design's

  static OperatingWindowValues From(const DesignData& data);
};

// The limits of the books (Towler & Sinnott, Chemical Engineering Design, 2008, §11.13).
inline constexpr double kEntrainmentLimit = 0.1;  // ψ [-] at most
inline constexpr double kWeirCrestMinimum = 10.0;  // how [mm] at least, at the minimum load
inline constexpr double kResidenceMinimum = 3.0;   // tr [s] at least
inline constexpr double kWeepMarginMinimum = 1.0;  // k·w/w_weep [-] at least

// The weep point of one tray: found, none at any vapour rate, refused by its arithmetic, or
// not looked for (bubble-cap trays).
struct WeepPoint {
  enum class Outcome { NotComputed, Found, Never, Fault };
  Outcome outcome = Outcome::NotComputed;
  double velocity = 0;  // [m/s] where found
};

struct WindowTray {
  ColumnValue crest;            // how [mm] at the design load
  ColumnValue crestAtMinimum;   // how [mm] at the minimum load
  ColumnValue entrainment;      // ψ [-], at most 1
  bool entrainmentExtrapolated = false;  // FLV or φ outside the fit's readings
  WeepPoint weep;               // at the minimum liquid load (sieve and valve trays)
  ColumnValue weepMargin;       // k·w/w_weep [-]; nothing where weep.outcome is not Found
  ColumnValue backup;           // hb [mm]
  ColumnValue residence;        // tr [s]
};

// The largest or smallest value over the trays and its tray (1.., the lowest on a tie);
// nothing when a tray's value is refused.
struct WindowExtreme {
  ColumnValue value;
  int tray = 0;
};

struct OperatingWindowResult {
  bool computed = false;     // false on trays without downcomers (f = 1)
  bool weepApplies = false;  // sieve and valve trays; caps do not weep through their risers
  OperatingWindowValues values;
  std::vector<WindowTray> trays;  // tray i at index i - 1

  WindowExtreme entrainmentMax;
  bool entrainmentMaxExtrapolated = false;
  ColumnValue entrainmentAtMax;  // e [kmol/kmol] the chart implies there; nothing at ψ = 1
  double entrainmentTyped = 0;   // e [kmol/kmol] the student typed (parameter 39)
  WindowExtreme weepMarginMin;   // over the trays that have a weep point
  bool noTrayWeeps = false;      // no tray has one
  WindowExtreme crestMin;        // how at the minimum load [mm]
  WindowExtreme backupMax;       // hb [mm]
  double backupLimit = 0;        // ½(HT + hw) [mm]
  WindowExtreme residenceMin;    // tr [s]
};

OperatingWindowResult OperatingWindow(const ColumnDesignInput& in, const ColumnDesignResult& column,
                                      const OperatingWindowValues& values);

// The critical tray of a section: its tray of the largest per cent of flooding (the lowest
// on a tie), its lowest tray where the flooding does not apply; 0 when the section has no
// tray or a tray's flooding is refused.
int CriticalTray(const ColumnDesignResult& column, Section section);

// ---- The book functions, in the units of their arguments ----

// Weir length per pass lw = 0.7·D [m]; downcomer area per pass Ad = (1 − f)/2·πD²/4/n [m²].
double WeirLength(double D);
double DowncomerArea(double D, double f, double n);
// Francis' weir crest how = 750·(Lv/lw)^(2/3) [mm], Lv [m³/s] over the weir length lw [m]
// (Towler & Sinnott Eq. 11.85 with the liquid's mass flow over its density).
double WeirCrest(Guard& g, double lv, double lw);
// Fair's entrainment ψ = e/(L + e) [-] at the flow parameter FLV [-] and per cent of
// flooding φ [%]: a least-squares fit to six readings of his chart (Towler & Sinnott
// Fig. 11.29) ψ = 10^(−4.5287 − 1.0571·log10 FLV + 2.4947·φ/100), bounded by 1.
double FairEntrainment(Guard& g, double flv, double phi);
// Whether FLV and φ lie within the readings the fit was made on (0.019..0.14, 39..95 %).
bool EntrainmentFitHolds(double flv, double phi);
// The entrainment e [kmol liquid/kmol vapour] a ψ < 1 implies at the section's L/V [-].
double EntrainmentOfPsi(Guard& g, double psi, double liquidToVapour);
// Head lost under the downcomer hdc = 166·(Lv/Am)² [mm], Lv [m³/s] per pass through the
// area Am [m²] (Towler & Sinnott Eq. 11.92).
double DowncomerHeadLoss(Guard& g, double lv, double am);
// Downcomer backup hb = 1000·hw + how + ht + hdc [mm], hw [m], the rest [mm]
// (Towler & Sinnott Eq. 11.91); its limit ½(HT + hw) [mm] for non-foaming liquids.
double DowncomerBackup(double hw, double how, double ht, double hdc);
double BackupLimit(double HT, double hw);
// The tray's pressure drop ΔP [Pa] as a head of its liquid ρx [kg/m³]: ht [mm].
double TrayDropHead(Guard& g, double dP, double rhoX);
// Residence time tr = Ad·hb/Lv [s], Ad [m²], hb [mm], Lv [m³/s] per pass
// (Towler & Sinnott Eq. 11.95).
double ResidenceTime(Guard& g, double ad, double hb, double lv);

// The largest vapour velocity at which `shortfall` (dry plus surface-tension drop less the
// liquid's, a function of the velocity; nothing where it fails) is negative: searched from
// 5·w up, doubling while short, then down by halves to the first short velocity a and
// bisected on [a, 2a]. Never where no velocity down to 5·w/2^60 is short.
template <class Shortfall>
WeepPoint FindWeepPoint(double w, Shortfall shortfall);

// ---- One tray's hydraulics at any liquid load and vapour velocity ----
// What the performance diagram draws, with the tray's properties (ρx, ρy, μx, its V/L)
// fixed: its flow parameter moves as L/w, its clear-liquid height follows the tray
// model's correlation.
class TrayHydraulics {
 public:
  // Nothing where the tray's state lacks a value the lines need.
  static std::optional<TrayHydraulics> Of(const ColumnDesignInput& in, const ColumnTrayState& t,
                                          double apronClearance);

  double DesignLoad() const { return lv_; }      // [m³/s]
  double DesignVelocity() const { return w_; }   // [m/s]
  // Per cent of flooding [%], ψ [-], clear-liquid height [m], pressure drop [Pa], backup
  // [mm], residence time [s] and the weep shortfall [Pa] at Lv [m³/s] and w [m/s].
  double Flooding(Guard& g, double lv, double w) const;
  double Entrainment(Guard& g, double lv, double w) const;
  double ClearLiquid(Guard& g, double lv, double w) const;
  double Drop(Guard& g, double lv, double w) const;
  double Backup(Guard& g, double lv, double w) const;
  double Residence(Guard& g, double lv, double w) const;
  double WeepShortfall(Guard& g, double lv, double w) const;
  WeepPoint Weep(double lv) const;
  double BackupLimitMm() const;
  double CrestLoad(double crestMm) const;  // the Lv [m³/s] of a weir crest [mm]

 private:
  ColumnParameters c_{};
  ColumnStageValues s_{};
  double hap_ = 0, lv_ = 0, w_ = 0, flv_ = 0, rhoX_ = 0, rhoY_ = 0, mux_ = 0;
};

// ---- Template definition ----

template <class Shortfall>
WeepPoint FindWeepPoint(double w, Shortfall shortfall) {
  constexpr int kSteps = 60;
  const auto isShort = [&](double v, bool& fault) {
    const std::optional<double> s = shortfall(v);
    if (!s) fault = true;
    return s && *s < 0;
  };
  WeepPoint out{WeepPoint::Outcome::Fault, 0};
  bool fault = false;
  double b = 5 * w;
  if (!(b > 0) || !std::isfinite(b)) return out;
  for (int k = 0; isShort(b, fault); ++k) {
    if (k == kSteps) return out;
    b *= 2;
  }
  if (fault) return out;
  double a = 0;
  for (int m = 1; m <= kSteps && a == 0; ++m) {
    const double v = std::ldexp(b, -m);
    if (isShort(v, fault)) a = v;
    if (fault) return out;
  }
  if (a == 0) {
    out.outcome = WeepPoint::Outcome::Never;
    return out;
  }
  double lo = a, hi = 2 * a;  // short at lo, not at hi
  while (hi - lo > 1e-12 * b) {
    const double mid = (lo + hi) / 2;
    if (mid <= lo || mid >= hi) break;
    (isShort(mid, fault) ? lo : hi) = mid;
    if (fault) return out;
  }
  out.outcome = WeepPoint::Outcome::Found;
  out.velocity = (lo + hi) / 2;
  return out;
}

}  // namespace rc
