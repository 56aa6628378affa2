#include "calc/reflux_sweep.h"

#include "calc/calculations.h"

namespace rc {
namespace {

RefluxPoint PointOf(const TrayByTrayRun& run, float reflux) {
  RefluxPoint p;
  p.reflux = reflux;
  if (run.refusal) {
    p.outcome = run.refusal->kind == RefusalKind::TooManyTrays ? RefluxPoint::Outcome::TooManyTrays
                                                               : RefluxPoint::Outcome::Refused;
    return p;
  }
  p.outcome = RefluxPoint::Outcome::Completed;
  p.trays = run.TotalTrays();
  p.feedTray = run.feedTray;
  p.traysTimesRefluxPlusOne =
      static_cast<float>(p.trays * (static_cast<double>(reflux) + 1.0));
  return p;
}

}  // namespace

float SweptReflux(float reflux, int k) {
  return static_cast<float>(static_cast<double>(reflux) * (50 + 5 * k) / 100);
}

RefluxSweep SweepRefluxRatio(const CalculationInputs& inputs) {
  RefluxSweep sweep;
  CalculationInputs swept = inputs;  // only the reflux ratio changes from point to point
  const float reflux = inputs.Param(kParamReflux);
  for (int k = 0; k < kRefluxSweepPoints; ++k) {
    const float rk = SweptReflux(reflux, k);
    swept.params[kParamReflux] = rk;
    RefluxPoint& p = sweep.points[static_cast<std::size_t>(k)];
    p = PointOf(RunTrayByTray(swept), rk);
    if (p.outcome != RefluxPoint::Outcome::Completed) continue;
    if (!sweep.optimum || p.traysTimesRefluxPlusOne <
                              sweep.points[static_cast<std::size_t>(*sweep.optimum)]
                                  .traysTimesRefluxPlusOne) {
      sweep.optimum = k;
    }
  }
  return sweep;
}

}  // namespace rc
