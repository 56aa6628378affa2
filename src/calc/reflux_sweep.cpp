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
    sweep.points[static_cast<std::size_t>(k)] = PointOf(RunTrayByTray(swept), rk);
  }
  sweep.optimum = OptimumOf(sweep.points);
  return sweep;
}

std::optional<int> OptimumOf(const std::array<RefluxPoint, kRefluxSweepPoints>& points) {
  std::optional<int> optimum;
  for (int k = 0; k < kRefluxSweepPoints; ++k) {
    const RefluxPoint& p = points[static_cast<std::size_t>(k)];
    if (p.outcome != RefluxPoint::Outcome::Completed) continue;
    if (!optimum || p.traysTimesRefluxPlusOne <
                        points[static_cast<std::size_t>(*optimum)].traysTimesRefluxPlusOne) {
      optimum = k;
    }
  }
  return optimum;
}

}  // namespace rc
