#pragma once
// The input checks. Each stops at the first failure and reports it only through
// InputError and ErrorRow (a row of the list window that shows the data); the row that
// refuses each input is its row of the catalogue (model/input_catalogue.h).
#include "model/design_data.h"

namespace rc {

// The eight equilibrium points and XW, XF, XP. ErrorRow 0..7 names a point, 8..10 XW,
// XF, XP.
void CheckEquilibriumData(DesignData& data);

// The row of the feed's thermal condition q, after parameter 40's.
inline constexpr int kFeedConditionErrorRow = 23;

// Parameters 19..40 against their limits, then q: its limits, and for q < 1 vapour rising
// below the feed, (R + 1)(XF - XW) > (1 - q)(XP - XW). ErrorRow n - 17 for 19..31,
// n - 18 for 33..40, kFeedConditionErrorRow for q.
void CheckParameterLimits(DesignData& data);

// The third stage, parameters 41..56, against their limits (Min <= value <= Max).
// ErrorRow n - 41: the row of the third stage's list, which lists them in order.
void CheckColumnParameterLimits(DesignData& data);

}  // namespace rc
