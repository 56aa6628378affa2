#pragma once
// The kinetic line as a curve: the monotone cubic (Fritsch-Carlson) through the six
// kinetic points that the y-x diagram draws, read at any liquid composition.
#include <span>
#include <utility>

#include <vector>

#include "calc/runs.h"

namespace rc {

// y(x) of the monotone cubic through the points (strictly increasing in x, at least
// two): through every point, never overshooting between two of them; beyond the first
// and the last point it goes on along its end tangents. Points not strictly increasing
// in x are joined by straight pieces.
double MonotoneCubicAt(std::span<const std::pair<double, double>> points, double x);

// The same curve sampled at `per` points between each pair of points (the points
// themselves included), for drawing; points not strictly increasing in x are returned
// as they are, to be joined by straight pieces.
std::vector<std::pair<double, double>> SmoothCurve(const std::vector<std::pair<double, double>>& points,
                                                   int per = 16);

// The kinetic line's points (X*[i], KineticY[i]), i = 1..6. [-]
std::vector<std::pair<double, double>> KineticLinePoints(const KineticLineRun& run);
// [-] The vapour on the kinetic line of the run at liquid x.
double KineticLineY(const KineticLineRun& run, double x);

}  // namespace rc
