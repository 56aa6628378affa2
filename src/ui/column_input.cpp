#include "ui/column_input.h"

#include <algorithm>

namespace rc {

ColumnDesignInput ColumnDesignInputOf(const DesignData& data) {
  const TrayProfileRows& profile = data.TrayProfile;
  ColumnDesignInput in{ColumnParameters::From(data), ColumnStageValues::From(data), {},
                       profile.FeedTray};
  const int count = std::min<int>(profile.Count, kTrayArraySize - 1);
  in.trays.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 1; i <= count; ++i) {
    const bool below = profile.FeedTray <= 0 || i <= profile.FeedTray;
    in.trays.push_back({ValueAt(data.TrayX, i), ValueAt(data.TrayY, i - 1),
                        profile.Tray[static_cast<std::size_t>(i)].ClearLiquidHeight,
                        below ? Section::BelowFeed : Section::AboveFeed});
  }
  return in;
}

}  // namespace rc
