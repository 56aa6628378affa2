#pragma once
// The two calculations. Both are pure: they read the design data, store their results
// in it and return a refusal when the data cannot give finite results. Drawing is the
// results window's business.
#include <optional>

#include "calc/refusal.h"
#include "model/design_data.h"

namespace rc {

// The kinetic line at the six inner equilibrium points; fills KineticPoints 1..6.
std::optional<Refusal> ComputeKineticLine(DesignData& data);

struct TrayByTrayOutcome {
  std::optional<Refusal> refusal;
  int totalTrays = 0;  // number of the top tray when the calculation completed
};

// Steps the column upwards from the bottom tray; fills TrayX, TrayY, CurrentTray (the
// last tray), RecordedTrays, FeedTray, and sets TrayTableRow to 1.
TrayByTrayOutcome ComputeTrayByTray(DesignData& data);

}  // namespace rc
