#pragma once
// The minimum reflux ratio against the equilibrium curve the trays step on (its six
// parabolas): the smallest R at which the operating lines, crossing on the q-line, still
// stay below the curve from XW to XP. One of three pinches sets it: where the q-line meets
// the curve (the feed pinch), the upper line's tangent to the curve above the feed, or
// the lower line's tangent below it.
#include <optional>

#include "calc/inputs.h"

namespace rc {

enum class Pinch { Feed, Upper, Lower };

struct MinimumReflux {
  double pinchX = 0, pinchY = 0;  // [-] where the q-line meets the equilibrium curve
  double reflux = 0;              // [-] R_min
  Pinch governs = Pinch::Feed;    // the pinch that sets it; the feed's on a tie
  // [-] where the operating lines of R_min touch the curve: the feed pinch, or the
  // tangent point above or below the feed that sets R_min.
  double touchX = 0, touchY = 0;
};

// None when the q-line meets the curve nowhere between XW and XP above the diagonal, or
// the arithmetic fails.
std::optional<MinimumReflux> FindMinimumReflux(const CalculationInputs& inputs);

}  // namespace rc
