#pragma once
// The one place where runs are written into the design data's result members, exactly
// as the record is designed: KineticPoints; TrayX, TrayY, CurrentTray, RecordedTrays,
// FeedTray, TrayTableRow; InputError on a refusal. Nothing else writes them.
#include "calc/runs.h"

namespace rc {

void WriteRecord(DesignData& data, const KineticLineRun& run);
void WriteRecord(DesignData& data, const TrayByTrayRun& run);
// The printed tray-by-tray report counts its three blocks in TrayTableRow, which a
// finished counting loop leaves at 4.
void NoteTrayReportPrinted(DesignData& data);

}  // namespace rc
