#pragma once
// The variant runner's section of the trays' operating window (without its heading line):
// one row per tray from the bottom, then eleven lines of a 14-character label and a
// 12-character value, fields as the column's section writes them.
#include <string>
#include <vector>

#include "calc/operating_window.h"
#include "calc/performance_diagram.h"

namespace rc {

// Tray i: its number in 4, ψ in 8 with 4 decimals, the weep margin in 8 with 2 (blank on
// bubble-cap trays, "none" without a weep point), the weir crest at the minimum load
// [mm] in 8 with 1, the backup [mm] in 8 with 1, the residence time [s] in 8 with 2,
// " *" on the feed tray. Then psi max, e at psi max, weep margin, how min, hb max, hb
// limit, tr min (each extreme with its tray and " ok" or " FAIL"), min load, apron gap and
// each diagram panel's velocity and critical tray. Trays without downcomers: one line.
std::vector<std::u16string> OperatingWindowTranscriptLines(const OperatingWindowResult& w,
                                                           const PerformanceDiagram& diagram,
                                                           int feedTray);

}  // namespace rc
