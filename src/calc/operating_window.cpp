#include "calc/operating_window.h"

#include <cmath>
#include <numbers>

#include "calc/tray_correlations.h"

namespace rc {
namespace {

constexpr double kWeirLengthPerDiameter = 0.7;  // [m/m] the tray model's weir length
constexpr double kFrancisCoef = 750.0;          // [mm] how = 750 (Lv/lw)^(2/3)
constexpr double kFrancisExponent = 2.0 / 3.0;  // [-]
constexpr double kApronLossCoef = 166.0;        // [mm s²/m²] hdc = 166 (Lv/Am)²
constexpr double kMilli = 1000.0;               // [mm/m]

// Fair's entrainment chart, fitted: log10 ψ = a + b log10 FLV + c φ/100, and the range of
// the readings the fit was made on.
constexpr double kPsiConstant = -4.5287;
constexpr double kPsiFlowCoef = -1.0571;
constexpr double kPsiFloodCoef = 2.4947;
constexpr double kFitFlowMin = 0.019, kFitFlowMax = 0.14;  // FLV [-]
constexpr double kFitFloodMin = 39.0, kFitFloodMax = 95.0;  // φ [%]

// Keeps the extreme of the trays' values, the lowest tray on a tie; once a value is
// refused, none can be named.
class Extreme {
 public:
  explicit Extreme(bool largest) : largest_(largest) {}
  void Take(const ColumnValue& v, int tray) {
    if (refused_) return;
    if (!v) {
      refused_ = true;
      return;
    }
    if (tray_ == 0 || (largest_ ? *v > value_ : *v < value_)) {
      value_ = *v;
      tray_ = tray;
    }
  }
  WindowExtreme Result() const {
    if (refused_ || tray_ == 0) return {};
    return {value_, tray_};
  }

 private:
  bool largest_;
  bool refused_ = false;
  double value_ = 0;
  int tray_ = 0;
};

}  // namespace

OperatingWindowValues OperatingWindowValues::From(const DesignData& d) {
  OperatingWindowValues v;
  v.apronClearance = d.ParamValue[kParamApronClearance];
  v.minimumLoad = d.ParamValue[kParamMinimumLoad];
  return v;
}

// ---- Book functions ----

double WeirLength(double D) { return kWeirLengthPerDiameter * D; }

double DowncomerArea(double D, double f, double n) {
  return (1 - f) / 2 * std::numbers::pi * D * D / 4 / n;
}

double WeirCrest(Guard& g, double lv, double lw) {
  const double perLength = g.Div(lv, lw);
  if (perLength == 0) return 0;
  return kFrancisCoef * g.Pow(perLength, kFrancisExponent);
}

double FairEntrainment(Guard& g, double flv, double phi) {
  const double exponent = kPsiConstant + kPsiFlowCoef * g.Ln(flv) / std::numbers::ln10 +
                          kPsiFloodCoef * phi / 100;
  if (exponent >= 0) return 1.0;
  return std::pow(10.0, exponent);
}

bool EntrainmentFitHolds(double flv, double phi) {
  return flv >= kFitFlowMin && flv <= kFitFlowMax && phi >= kFitFloodMin && phi <= kFitFloodMax;
}

double EntrainmentOfPsi(Guard& g, double psi, double liquidToVapour) {
  return g.Div(psi, 1 - psi) * liquidToVapour;
}

double DowncomerHeadLoss(Guard& g, double lv, double am) {
  const double u = g.Div(lv, am);
  return kApronLossCoef * u * u;
}

double DowncomerBackup(double hw, double how, double ht, double hdc) {
  return kMilli * hw + how + ht + hdc;
}

double BackupLimit(double HT, double hw) { return kMilli * (HT + hw) / 2; }

double TrayDropHead(Guard& g, double dP, double rhoX) { return g.Div(kMilli * dP, kGravity * rhoX); }

double ResidenceTime(Guard& g, double ad, double hb, double lv) {
  return g.Div(ad * hb / kMilli, lv);
}

// ---- One tray at any load ----

std::optional<TrayHydraulics> TrayHydraulics::Of(const ColumnDesignInput& in,
                                                 const ColumnTrayState& t, double apronClearance) {
  if (!t.liquidLoad || !t.velocity || !t.flowParameter || !t.liquidDensity || !t.vapourDensity ||
      !t.liquidViscosity || !(*t.liquidLoad > 0) || !(*t.velocity > 0)) {
    return std::nullopt;
  }
  TrayHydraulics h;
  h.c_ = in.column;
  h.s_ = in.stage;
  h.hap_ = apronClearance;
  h.lv_ = *t.liquidLoad;
  h.w_ = *t.velocity;
  h.flv_ = *t.flowParameter;
  h.rhoX_ = *t.liquidDensity;
  h.rhoY_ = *t.vapourDensity;
  h.mux_ = *t.liquidViscosity;
  return h;
}

double TrayHydraulics::Flooding(Guard& g, double lv, double w) const {
  // FLV = (L/V by mass)·√(ρy/ρx): at fixed properties it moves as the liquid load over
  // the vapour's velocity.
  const double flv = flv_ * g.Div(lv, lv_) * g.Div(w_, w);
  const double uf =
      FloodingVelocity(g, FloodingConstant(g, flv, s_.HT), s_.sigma, rhoX_, rhoY_);
  return PercentOfFlooding(g, w, c_.f, uf);
}

double TrayHydraulics::Entrainment(Guard& g, double lv, double w) const {
  const double flv = flv_ * g.Div(lv, lv_) * g.Div(w_, w);
  return FairEntrainment(g, flv, Flooding(g, lv, w));
}

double TrayHydraulics::ClearLiquid(Guard& g, double lv, double w) const {
  if (c_.hydraulics == Hydraulics::BubbleCap) {
    return tray_detail::ClearLiquidHeightBubbleCap(g, c_.hw, w, g.Sqrt(rhoY_), lv, c_.D, c_.n);
  }
  return tray_detail::ClearLiquidHeightSieve(g, lv, c_.D, c_.n, c_.hw, w, mux_);
}

double TrayHydraulics::Drop(Guard& g, double lv, double w) const {
  return DryTrayDrop(s_.xi, rhoY_, HoleVelocity(g, w, c_.f, c_.F0)) +
         SurfaceTensionDrop(g, s_.sigma, s_.d0) + LiquidLayerDrop(rhoX_, ClearLiquid(g, lv, w));
}

double TrayHydraulics::Backup(Guard& g, double lv, double w) const {
  const double lw = WeirLength(c_.D);
  const double perPass = g.Div(lv, c_.n);
  const double am = std::min(DowncomerArea(c_.D, c_.f, c_.n), hap_ * lw);
  return DowncomerBackup(c_.hw, WeirCrest(g, perPass, lw), TrayDropHead(g, Drop(g, lv, w), rhoX_),
                         DowncomerHeadLoss(g, perPass, am));
}

double TrayHydraulics::Residence(Guard& g, double lv, double w) const {
  return ResidenceTime(g, DowncomerArea(c_.D, c_.f, c_.n), Backup(g, lv, w), g.Div(lv, c_.n));
}

double TrayHydraulics::WeepShortfall(Guard& g, double lv, double w) const {
  const double dry = DryTrayDrop(s_.xi, rhoY_, HoleVelocity(g, w, c_.f, c_.F0));
  const double liquid = LiquidLayerDrop(
      rhoX_, tray_detail::ClearLiquidHeightSieve(g, lv, c_.D, c_.n, c_.hw, w, mux_));
  return dry + SurfaceTensionDrop(g, s_.sigma, s_.d0) - liquid;
}

WeepPoint TrayHydraulics::Weep(double lv) const {
  return FindWeepPoint(w_, [&](double w) -> std::optional<double> {
    Guard g;
    const double s = g.Finite(WeepShortfall(g, lv, w));
    if (g.faulted()) return std::nullopt;
    return s;
  });
}

double TrayHydraulics::BackupLimitMm() const { return BackupLimit(s_.HT, c_.hw); }

double TrayHydraulics::CrestLoad(double crestMm) const {
  return std::pow(crestMm / kFrancisCoef, 1.5) * WeirLength(c_.D) * c_.n;
}

// ---- The window ----

int CriticalTray(const ColumnDesignResult& column, Section section) {
  int tray = 0;
  double largest = 0;
  for (std::size_t i = 0; i < column.trays.size(); ++i) {
    const ColumnTrayResult& t = column.trays[i];
    if (t.state.section != section) continue;
    if (!column.floodingApplies) return static_cast<int>(i) + 1;
    if (!t.flooding) return 0;
    if (tray == 0 || *t.flooding > largest) {
      largest = *t.flooding;
      tray = static_cast<int>(i) + 1;
    }
  }
  return tray;
}

namespace {

WindowTray WindowOfTray(const ColumnDesignInput& in, const ColumnTrayResult& column,
                        const OperatingWindowValues& v, bool weepApplies) {
  const ColumnParameters& c = in.column;
  const ColumnTrayState& t = column.state;
  const double k = v.minimumLoad;
  const double lw = WeirLength(c.D);
  WindowTray r;
  if (t.liquidLoad) {
    const double perPass = *t.liquidLoad / c.n;
    r.crest = Checked([&](Guard& g) { return WeirCrest(g, perPass, lw); });
    r.crestAtMinimum = Checked([&](Guard& g) { return WeirCrest(g, k * perPass, lw); });
    if (r.crest && column.totalDrop && t.liquidDensity) {
      r.backup = Checked([&](Guard& g) {
        const double am = std::min(DowncomerArea(c.D, c.f, c.n), v.apronClearance * lw);
        return DowncomerBackup(c.hw, *r.crest, TrayDropHead(g, *column.totalDrop, *t.liquidDensity),
                               DowncomerHeadLoss(g, perPass, am));
      });
    }
    if (r.backup) {
      r.residence = Checked([&](Guard& g) {
        return ResidenceTime(g, DowncomerArea(c.D, c.f, c.n), *r.backup, perPass);
      });
    }
  }
  if (t.flowParameter && column.flooding) {
    r.entrainment = Checked([&](Guard& g) { return FairEntrainment(g, *t.flowParameter, *column.flooding); });
    r.entrainmentExtrapolated = !EntrainmentFitHolds(*t.flowParameter, *column.flooding);
  }
  if (weepApplies) {
    r.weep.outcome = WeepPoint::Outcome::Fault;
    if (const auto h = TrayHydraulics::Of(in, t, v.apronClearance)) {
      r.weep = h->Weep(k * h->DesignLoad());
      if (r.weep.outcome == WeepPoint::Outcome::Found) {
        r.weepMargin = Checked([&](Guard& g) { return g.Div(k * h->DesignVelocity(), r.weep.velocity); });
      }
    }
  }
  return r;
}

}  // namespace

OperatingWindowResult OperatingWindow(const ColumnDesignInput& in, const ColumnDesignResult& column,
                                      const OperatingWindowValues& values) {
  OperatingWindowResult r;
  r.values = values;
  r.entrainmentTyped = in.column.e;
  r.computed = in.column.hydraulics != Hydraulics::DualFlow;
  if (!r.computed) return r;
  r.weepApplies = in.column.hydraulics == Hydraulics::SieveOrValve;
  r.backupLimit = BackupLimit(in.stage.HT, in.column.hw);
  Extreme psi(true), weep(false), crest(false), backup(true), residence(false);
  bool anyWeepPoint = false, weepRefused = false;
  r.trays.reserve(column.trays.size());
  for (std::size_t i = 0; i < column.trays.size(); ++i) {
    const int tray = static_cast<int>(i) + 1;
    r.trays.push_back(WindowOfTray(in, column.trays[i], values, r.weepApplies));
    const WindowTray& t = r.trays.back();
    psi.Take(t.entrainment, tray);
    crest.Take(t.crestAtMinimum, tray);
    backup.Take(t.backup, tray);
    residence.Take(t.residence, tray);
    if (t.weep.outcome == WeepPoint::Outcome::Found) {
      anyWeepPoint = true;
      weep.Take(t.weepMargin, tray);
    } else if (t.weep.outcome == WeepPoint::Outcome::Fault) {
      weepRefused = true;
    }
  }
  r.entrainmentMax = psi.Result();
  r.crestMin = crest.Result();
  r.backupMax = backup.Result();
  r.residenceMin = residence.Result();
  if (r.weepApplies && !weepRefused) {
    r.noTrayWeeps = !anyWeepPoint && !r.trays.empty();
    r.weepMarginMin = weep.Result();
  }
  if (r.entrainmentMax.value) {
    const std::size_t at = static_cast<std::size_t>(r.entrainmentMax.tray - 1);
    r.entrainmentMaxExtrapolated = r.trays[at].entrainmentExtrapolated;
    const ColumnValue& vl = column.trays[at].state.vapourToLiquid;
    if (*r.entrainmentMax.value < 1 && vl) {
      r.entrainmentAtMax =
          Checked([&](Guard& g) { return EntrainmentOfPsi(g, *r.entrainmentMax.value, g.Div(1, *vl)); });
    }
  }
  return r;
}

}  // namespace rc
