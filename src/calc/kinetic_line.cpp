// The kinetic line: at each inner equilibrium point the vapour leaving a real tray whose
// liquid is X*[i], between the operating line and the equilibrium curve.
#include "calc/calculations.h"
#include "calc/equilibrium_fit.h"
#include "calc/operating_lines.h"
#include "calc/tray_model.h"

namespace rc {
namespace {

KineticLineRun& Refuse(KineticLineRun& run) {
  run.refusal = Refusal{RefusalKind::DataRefused};
  return run;
}

}  // namespace

const KineticPoint& KineticLineRun::Point(int i) const {
  static const KineticPoint kNone{};
  if (i < 1 || i > static_cast<int>(points.size())) return kNone;
  return points[static_cast<std::size_t>(i - 1)];
}

KineticLineRun RunKineticLine(const CalculationInputs& in) {
  KineticLineRun run;
  run.inputs = in;
  const ColumnParameters c = ColumnParameters::From(in);
  Guard g;

  const std::array<float, 8> slopes = EquilibriumSlopes(g, {in.eqX, in.eqY});
  if (g.faulted()) return Refuse(run);
  run.slopes = slopes;
  const float xq = FeedLineCrossingX(g, c);  // [-] XF for a boiling feed
  if (!VapourRisesBelowFeed(c) || g.faulted()) return Refuse(run);

  for (int i = 1; i <= 6; ++i) {
    KineticPoint point;
    point.slope = slopes[i];
    const double x = in.eqX[i];  // [-] liquid leaving the tray
    point.section = in.eqX[i] <= xq ? Section::BelowFeed : Section::AboveFeed;
    const double fbar = FeedPerDistillate(g, c);  // [-] feed per distillate
    point.operatingY = g.Store(point.section == Section::BelowFeed
                                   ? OperatingLineBelowFeed(g, c, fbar, x)
                                   : OperatingLineAboveFeed(g, c, x));
    if (g.faulted()) return Refuse(run);

    const TrayEvaluation tray = EvaluateTray(
        c, {x, point.operatingY, point.slope, point.section, Calculation::KineticLine});
    if (tray.status != TrayStatus::Done) return Refuse(run);
    point.tray = tray.result;

    point.kineticY = g.Store(static_cast<double>(point.operatingY) +
                             static_cast<double>(point.tray.EMY) *
                                 (static_cast<double>(in.eqY[i]) - point.operatingY));
    if (g.faulted()) return Refuse(run);
    run.points.push_back(point);
  }
  return run;
}

}  // namespace rc
