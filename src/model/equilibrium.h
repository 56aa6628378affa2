#pragma once
#include "model/design_data.h"

namespace rc {

// Sorts the eight points by increasing X* (each point moves as a whole: numbers and
// texts), then marks with "???" every text whose number lies outside 0..1.
void SortEquilibriumPoints(DesignData& data);

}  // namespace rc
