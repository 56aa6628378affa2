#include "calc/design_record.h"

namespace rc {
namespace {

void RecordTray(RecordedTrayRows& rows, int row, int trayNo, const TrayStep& tray) {
  rows.TrayNo[row] = static_cast<std::int16_t>(trayNo);
  StoreTrayResult(rows, row, tray.result);
  rows.LiquidX[row] = tray.x;
  rows.VapourY[row] = tray.yOut;
}

constexpr int kFirstRow = 1, kFeedRow = 2, kLastRow = 3;
// The tray table's row counter: the calculation starts it at 1; the printed report's
// counting loop over its three blocks leaves it at 4.
constexpr std::int16_t kFirstTableRow = 1;
constexpr std::int16_t kRowAfterPrintedBlocks = 4;

}  // namespace

void WriteRecord(DesignData& data, const KineticLineRun& run) {
  KineticPointArrays& k = data.KineticPoints;
  if (run.slopes) {
    for (int i = 1; i <= 6; ++i) k.Slope[i] = (*run.slopes)[i];
  }
  for (std::size_t p = 0; p < run.points.size(); ++p) {
    const int i = static_cast<int>(p) + 1;
    const KineticPoint& point = run.points[p];
    k.OperatingY[i] = point.operatingY;
    StoreTrayResult(k, i, point.tray);
    k.KineticY[i] = point.kineticY;
  }
  if (run.refusal) data.InputError = kTrue;
}

void WriteRecord(DesignData& data, const TrayByTrayRun& run) {
  RecordedTrayRows& rows = data.RecordedTrays;
  // A fresh start: no feed tray and no feed-tray row from an earlier run on other data.
  data.FeedTray = kFeedTrayNotFound;
  data.CurrentTray = TrayResult{};
  rows.TrayNo[kFeedRow] = 0;
  StoreTrayResult(rows, kFeedRow, TrayResult{});
  rows.LiquidX[kFeedRow] = 0;
  rows.VapourY[kFeedRow] = 0;

  const int n = run.Count();
  if (n > 0 || run.unfinishedLiquid) {
    data.TrayY[0] = static_cast<float>(run.inputs.Param(kParamXW));
    data.TrayX[1] = static_cast<float>(run.inputs.Param(kParamXW));
  }
  for (int i = 1; i <= n; ++i) {
    data.TrayX.at(static_cast<std::size_t>(i)) = run.Tray(i).x;
    data.TrayY.at(static_cast<std::size_t>(i)) = run.Tray(i).yOut;
  }
  if (run.unfinishedLiquid) data.TrayX.at(static_cast<std::size_t>(n + 1)) = *run.unfinishedLiquid;
  if (n > 0) {
    data.CurrentTray = run.trays.back().result;
    RecordTray(rows, kFirstRow, 1, run.Tray(1));
  }
  if (run.feedTray) {
    data.FeedTray = static_cast<std::int16_t>(*run.feedTray);
    if (*run.feedTray >= 1) {
      RecordTray(rows, kFeedRow, *run.feedTray, run.Tray(*run.feedTray));
    } else {
      // Feed above the bottoms' own composition (XF below XW): the feed "tray" is the
      // still, whose vapour is the bottoms'.
      rows.VapourY[kFeedRow] = data.TrayY[0];
      rows.LiquidX[kFeedRow] = data.TrayX[0];
    }
  }
  data.TrayTableRow = kFirstTableRow;
  if (run.Completed()) {
    RecordTray(rows, kLastRow, n, run.Tray(n));
  } else {
    data.InputError = kTrue;
  }
}

void NoteTrayReportPrinted(DesignData& data) { data.TrayTableRow = kRowAfterPrintedBlocks; }

}  // namespace rc
