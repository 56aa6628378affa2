#pragma once
// What the feed's thermal condition q makes of the column, as one set of values: the
// q-line and where the operating lines cross on it, L/V and the vapour velocity of each
// section, and the minimum reflux ratio with the pinch that sets it.
#include <optional>

#include "calc/inputs.h"
#include "calc/minimum_reflux.h"

namespace rc {

struct FeedCondition {
  double q = 1;                      // [-]
  std::optional<double> qLineSlope;  // [-] q/(q - 1); none for a boiling feed's vertical line
  float crossX = 0;                  // [-] x_q, stored as the calculations store it
  double crossY = 0;                 // [-] y_q, on the upper operating line
  double liquidToVapourAbove = 0;    // [-] R/(R + 1)
  double liquidToVapourBelow = 0;    // [-] (q Fbar + R)/(R + 1 + (q - 1) Fbar)
  float velocityAbove = 0;           // [m/s] w, stored as the tray model stores it
  float velocityBelow = 0;           // [m/s] w'
  std::optional<MinimumReflux> minimum;
  std::optional<double> refluxOverMinimum;  // [-] R/R_min, with the minimum
};

// None when the data give no finite values or no vapour below the feed.
std::optional<FeedCondition> FeedConditionOf(const CalculationInputs& inputs);

}  // namespace rc
