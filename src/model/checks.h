#pragma once
// The input checks. Each stops at the first failure and reports it only through
// InputError and ErrorRow (a row of the list window that shows the data); the row that
// refuses each input is its row of the catalogue (model/input_catalogue.h).
#include "model/design_data.h"
#include "model/input_catalogue.h"

namespace rc {

// The eight equilibrium points and XW, XF, XP. ErrorRow 0..7 names a point, 8..10 XW,
// XF, XP.
void CheckEquilibriumData(DesignData& data);

// Parameters 19..40 against their limits, then q: its text a number, its limits, and for
// q < 1 vapour rising below the feed (model/feed_rule.h). ErrorRow: the row of the tray
// data's list, as the catalogue gives it (2 for parameter 19 … 23 for q).
void CheckParameterLimits(DesignData& data);

// The rules on q beyond its limits, as CheckParameterLimits applies them: some vapour
// still rises below the feed (always for q >= 1); q's text holds a number ("abc" or
// "nan" read as 0 would pass as a saturated vapour).
bool VapourRisesBelowFeed(const DesignData& data);
bool FeedConditionIsANumber(const DesignData& data);

// The third stage, parameters 41..56, 58 and 59, against their limits (Min <= value <=
// Max). ErrorRow n - 41: for 41..56 the row of the third stage's list, which lists them
// in order; 58 and 59, its 17th and 18th rows, name themselves as 17 and 18.
void CheckColumnParameterLimits(DesignData& data);

// The ErrorRow with which a check names parameter n: the equilibrium check XW, XF, XP
// (16..18) as 8..10 (its rows 0..7 are the equilibrium points); the limit check 19..31 as
// 2..14, 33..40 as 15..22, q as 23; the third stage's 41..56 as 0..15, 58 and 59 as 17
// and 18: each input's row of the catalogue. kNoErrorRow for a parameter the check does
// not judge.
int ErrorRowOfParameter(InputCheck check, int n);
// The parameter a check's ErrorRow names; 0 when it names none (an equilibrium point).
int ParameterOfErrorRow(InputCheck check, int row);

}  // namespace rc
