#include "calc/reflux_sweep.h"

#include "calc/calculations.h"

namespace rc {
namespace {

constexpr int kParamReflux = 19;

RefluxPoint PointOf(const DesignData& run, const TrayByTrayOutcome& out, float reflux) {
  RefluxPoint p;
  p.reflux = reflux;
  if (out.refusal) {
    p.outcome = out.refusal->message == kTooManyTraysMessage ? RefluxPoint::Outcome::TooManyTrays
                                                            : RefluxPoint::Outcome::Refused;
    return p;
  }
  p.outcome = RefluxPoint::Outcome::Completed;
  p.trays = out.totalTrays;
  if (run.FeedTray != kFeedTrayNotFound) p.feedTray = run.FeedTray;
  p.traysTimesRefluxPlusOne =
      static_cast<float>(out.totalTrays * (static_cast<double>(reflux) + 1.0));
  return p;
}

}  // namespace

float SweptReflux(float reflux, int k) {
  return static_cast<float>(static_cast<double>(reflux) * (50 + 5 * k) / 100);
}

RefluxSweep SweepRefluxRatio(const DesignData& data) {
  RefluxSweep sweep;
  DesignData run = data;  // one working copy; every run starts it afresh
  const float reflux = data.ParamValue[kParamReflux];
  for (int k = 0; k < kRefluxSweepPoints; ++k) {
    const float rk = SweptReflux(reflux, k);
    run.ParamValue[kParamReflux] = rk;
    run.FeedTray = kFeedTrayNotFound;
    run.InputError = kFalse;
    const TrayByTrayOutcome out = ComputeTrayByTray(run);
    RefluxPoint& p = sweep.points[static_cast<std::size_t>(k)];
    p = PointOf(run, out, rk);
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
