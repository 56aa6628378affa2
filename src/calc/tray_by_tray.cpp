// The column stepped tray by tray from the bottom upwards: tray model at the tray's liquid,
// vapour moved towards equilibrium by the tray efficiency, next liquid from the material
// balance of the section; the feed tray found where the liquid passes the operating lines'
// crossing on the q-line.
#include "calc/calculations.h"
#include "calc/equilibrium_fit.h"
#include "calc/minimum_reflux.h"
#include "calc/operating_lines.h"
#include "calc/tray_model.h"

namespace rc {
namespace {

// A reflux ratio below the minimum separates nothing on any number of trays: the
// refusal of the tray limit carries R_min to say so.
TrayByTrayRun& Refuse(TrayByTrayRun& run, RefusalKind kind) {
  run.refusal = Refusal{kind};
  if (kind != RefusalKind::TooManyTrays) return run;
  if (const std::optional<MinimumReflux> m = FindMinimumReflux(run.inputs);
      m && ColumnParameters::From(run.inputs).R < m->reflux) {
    run.refusal->minimumReflux = m->reflux;
  }
  return run;
}

}  // namespace

TrayByTrayRun RunTrayByTray(const CalculationInputs& in) {
  TrayByTrayRun run;
  run.inputs = in;
  const ColumnParameters c = ColumnParameters::From(in);
  const float xw = in.Param(kParamXW);
  const float xp = in.Param(kParamXP);
  const EquilibriumPoints points{in.eqX, in.eqY};
  Guard g;

  const EquilibriumParabolas eq = FitEquilibriumParabolas(g, points);
  const double fbar = FeedPerDistillate(g, c);  // [-] feed per distillate
  const float xq = FeedLineCrossingX(g, c);     // [-] XF for a boiling feed
  if (!VapourRisesBelowFeed(c) || g.faulted()) return Refuse(run, RefusalKind::DataRefused);
  Section section = Section::BelowFeed;

  float yIn = xw;  // [-] vapour entering the tray
  float x = xw;    // [-] liquid on the tray
  for (int i = 1;;) {
    run.unfinishedLiquid = x;
    const int k = EquilibriumParabolas::SegmentOf(points, x);
    const double m = eq.Slope(k, x);  // [-] local slope of the equilibrium curve

    if (section == Section::BelowFeed && x > xq) {
      // Tray i - 1 received the feed: the liquid of tray i so far includes it; yIn is the
      // vapour leaving the feed tray.
      const float above = g.Store(LiquidAboveFeed(g, c, fbar, x, yIn));
      if (g.faulted()) return Refuse(run, RefusalKind::DataRefused);
      run.feedTray = i - 1;
      x = above;
      section = Section::AboveFeed;
      continue;  // the same tray again, with the liquid above the feed
    }
    const double vl = VapourToLiquidRatio(g, c, section);  // [-] V/L of the section
    if (g.faulted()) return Refuse(run, RefusalKind::DataRefused);

    const TrayEvaluation tray = EvaluateTray(c, {x, yIn, m, section, Calculation::TrayByTray});
    if (tray.status != TrayStatus::Done) return Refuse(run, RefusalKind::DataRefused);

    const double yStar = eq.Value(k, x);  // [-] equilibrium vapour of the tray's liquid
    const float yOut = g.Store(yIn + tray.result.EMY * (yStar - yIn));
    if (g.faulted()) return Refuse(run, RefusalKind::DataRefused);
    run.trays.push_back({x, yIn, static_cast<float>(yStar), yOut, tray.result, section});
    run.unfinishedLiquid.reset();
    const double enrichment = static_cast<double>(yOut) - yIn;  // [-]

    if (yOut >= xp) break;

    const float nextX = g.Store(x + vl * enrichment);
    if (g.faulted()) return Refuse(run, RefusalKind::DataRefused);
    x = nextX;
    yIn = yOut;
    ++i;
    if (i > kMaxTrays) {
      run.unfinishedLiquid = x;
      return Refuse(run, RefusalKind::TooManyTrays);
    }
  }
  return run;
}

}  // namespace rc
