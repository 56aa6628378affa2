// The kinetic line: at each inner equilibrium point the vapour leaving a real tray whose
// liquid is X*[i], between the operating line and the equilibrium curve.
#include "calc/calculations.h"
#include "calc/equilibrium_fit.h"
#include "calc/tray_model.h"

namespace rc {
namespace {

std::optional<Refusal> RefuseInput(DesignData& data) {
  data.InputError = kTrue;
  return Refusal{kInputErrorMessage, true};
}

}  // namespace

std::optional<Refusal> ComputeKineticLine(DesignData& data) {
  const ColumnParameters c = ColumnParameters::From(data);
  KineticPointArrays& k = data.KineticPoints;
  Guard g;

  const std::array<float, 8> slopes = EquilibriumSlopes(g, data);
  if (g.faulted()) return RefuseInput(data);
  for (int i = 1; i <= 6; ++i) k.Slope[i] = slopes[i];

  for (int i = 1; i <= 6; ++i) {
    const double x = data.EqX[i];  // [-] liquid leaving the tray
    const Section section = data.EqX[i] <= data.ParamValue[kParamXF] ? Section::BelowFeed
                                                                     : Section::AboveFeed;
    const double fbar = FeedPerDistillate(g, c);  // [-] feed per distillate
    const float operatingY =
        section == Section::BelowFeed
            ? g.Store(g.Div((fbar + c.R) * (x - c.XW), c.R + 1) + c.XW)
            : g.Store(c.XP - g.Div((c.XP - x) * c.R, c.R + 1));
    if (g.faulted()) return RefuseInput(data);
    k.OperatingY[i] = operatingY;

    const TrayEvaluation tray =
        EvaluateTray(c, {x, operatingY, k.Slope[i], section, Calculation::KineticLine});
    if (tray.status != TrayStatus::Done) return RefuseInput(data);
    const TrayResult& r = tray.result;
    StoreTrayResult(k, i, r);

    const float kineticY =
        g.Store(static_cast<double>(operatingY) +
                static_cast<double>(r.EMY) * (static_cast<double>(data.EqY[i]) - operatingY));
    if (g.faulted()) return RefuseInput(data);
    k.KineticY[i] = kineticY;
  }
  return std::nullopt;
}

}  // namespace rc
