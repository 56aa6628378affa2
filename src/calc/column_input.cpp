#include "calc/column_input.h"

#include <algorithm>

namespace rc {

ColumnDesignInput ColumnDesignInputOf(const DesignData& data, const TrayByTrayRun& run) {
  ColumnDesignInput in{.column = ColumnParameters::From(run.inputs),
                       .stage = ColumnStageValues::From(data),
                       .trays = {},
                       .feedTray = std::max(run.feedTray.value_or(0), 0)};
  in.trays.reserve(run.trays.size());
  for (const TrayStep& t : run.trays) {
    in.trays.push_back({t.x, t.yIn, t.result.ClearLiquidHeight, t.section});
  }
  return in;
}

}  // namespace rc
