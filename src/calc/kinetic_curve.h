#pragma once
// The kinetic line as a curve: the monotone cubic (Fritsch-Carlson) through the six
// kinetic points that the y-x diagram draws, read at any liquid composition.
#include <span>
#include <utility>

#include "model/design_data.h"

namespace rc {

// y(x) of the monotone cubic through the points (strictly increasing in x, at least
// two): through every point, never overshooting between two of them; beyond the first
// and the last point it goes on along its end tangents. Points not strictly increasing
// in x are joined by straight pieces.
double MonotoneCubicAt(std::span<const std::pair<double, double>> points, double x);

// [-] The vapour on the kinetic line at liquid x: the curve through (X*[i], KineticY[i]),
// i = 1..6, of the last kinetic line calculation.
double KineticLineY(const DesignData& data, double x);

}  // namespace rc
