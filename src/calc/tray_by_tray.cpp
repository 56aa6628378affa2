// The column stepped tray by tray from the bottom upwards: tray model at the tray's liquid,
// vapour moved towards equilibrium by the tray efficiency, next liquid from the material
// balance of the section; the feed tray found on the way.
#include "calc/calculations.h"
#include "calc/equilibrium_fit.h"
#include "calc/tray_model.h"

namespace rc {
namespace {

TrayByTrayOutcome Refuse(DesignData& data, const char16_t* message, bool hideKineticButton) {
  data.InputError = kTrue;
  return {Refusal{message, hideKineticButton}, 0};
}

TrayByTrayOutcome RefuseInput(DesignData& data) { return Refuse(data, kInputErrorMessage, true); }

void RecordTray(DesignData& data, int row, int tray, float liquidX, float vapourY) {
  RecordedTrayRows& rec = data.RecordedTrays;
  rec.TrayNo[row] = static_cast<std::int16_t>(tray);
  StoreTrayResult(rec, row, data.CurrentTray);
  rec.LiquidX[row] = liquidX;
  rec.VapourY[row] = vapourY;
}

constexpr int kFeedRow = 2;

// A fresh start: no feed tray and no feed-tray row from an earlier run on other data.
void ForgetEarlierRun(DesignData& data) {
  data.TrayTableRow = 1;
  data.FeedTray = kFeedTrayNotFound;
  data.CurrentTray = TrayResult{};
  data.TrayProfile.Count = 0;
  data.TrayProfile.FeedTray = 0;
  RecordTray(data, kFeedRow, 0, 0.0f, 0.0f);
}

}  // namespace

TrayByTrayOutcome ComputeTrayByTray(DesignData& data) {
  ForgetEarlierRun(data);
  const ColumnParameters c = ColumnParameters::From(data);
  const float xw = data.ParamValue[kParamXW];
  const float xf = data.ParamValue[kParamXF];
  const float xp = data.ParamValue[kParamXP];
  auto& trayX = data.TrayX;
  auto& trayY = data.TrayY;
  Guard g;

  const EquilibriumParabolas eq = FitEquilibriumParabolas(g, data);
  const double fbar = FeedPerDistillate(g, c);  // [-] feed per distillate
  if (g.faulted()) return RefuseInput(data);
  Section section = Section::BelowFeed;

  trayY[0] = xw;
  trayX[1] = xw;
  int i = 1;
  for (;;) {
    const int k = EquilibriumParabolas::SegmentOf(data, trayX[i]);
    const double m = eq.Slope(k, trayX[i]);  // [-] local slope of the equilibrium curve

    if (section == Section::BelowFeed && trayX[i] > xf) {
      // Tray i - 1 received the feed: the liquid of tray i so far includes it.
      const float above = g.Store(g.Div((fbar + c.R) * trayX[i] - fbar * xf, c.R));
      if (g.faulted()) return RefuseInput(data);
      data.FeedTray = static_cast<std::int16_t>(i - 1);
      data.TrayProfile.FeedTray = data.FeedTray;
      trayX[i] = above;
      section = Section::AboveFeed;
      RecordTray(data, kFeedRow, i - 1, trayX[i - 1], trayY[i - 1]);
      continue;  // the same tray again, with the liquid above the feed
    }
    const double vl = VapourToLiquidRatio(g, c, section);  // [-] V/L of the section
    if (g.faulted()) return RefuseInput(data);

    const TrayEvaluation tray =
        EvaluateTray(c, {trayX[i], trayY[i - 1], m, section, Calculation::TrayByTray});
    if (tray.status != TrayStatus::Done) return RefuseInput(data);
    data.CurrentTray = tray.result;

    const double yIn = trayY[i - 1];
    const double yStar = eq.Value(k, trayX[i]);  // [-] equilibrium vapour of the tray's liquid
    const float yOut = g.Store(yIn + tray.result.EMY * (yStar - yIn));
    if (g.faulted()) return RefuseInput(data);
    trayY[i] = yOut;
    data.TrayProfile.Tray[i] = tray.result;
    data.TrayProfile.EquilibriumY[i] = static_cast<float>(yStar);
    const double enrichment = static_cast<double>(trayY[i]) - trayY[i - 1];  // [-]

    if (i == 1) RecordTray(data, 1, 1, trayX[1], trayY[1]);
    if (trayY[i] >= xp) break;

    const float nextX = g.Store(trayX[i] + vl * enrichment);
    if (g.faulted()) return RefuseInput(data);
    trayX[i + 1] = nextX;
    ++i;
    if (i > kMaxTrays) return Refuse(data, kTooManyTraysMessage, false);
  }

  RecordTray(data, 3, i, trayX[i], trayY[i]);
  data.TrayProfile.Count = static_cast<std::int16_t>(i);
  return {std::nullopt, i};
}

}  // namespace rc
