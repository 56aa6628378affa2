#pragma once
// The two input checks. Each stops at the first failure and reports it only through
// InputError and ErrorRow (a row of the list window that shows the data).
#include "model/design_data.h"

namespace rc {

// The eight equilibrium points and XW, XF, XP. ErrorRow 0..7 names a point, 8..10 XW,
// XF, XP.
void CheckEquilibriumData(DesignData& data);

// Parameters 19..40 against their limits. ErrorRow n - 17 for 19..31, n - 18 for 33..40.
void CheckParameterLimits(DesignData& data);

}  // namespace rc
