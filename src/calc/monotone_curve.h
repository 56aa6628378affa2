#pragma once
// The smooth curve the kinetic line is drawn as: a monotone cubic through its points.
#include <utility>
#include <vector>

namespace rc {

// y(x) of the monotone cubic through the points (sorted by x, at least two): smooth,
// through every point, and never overshooting between two of them. Sampled at `per`
// points between each pair, for drawing.
std::vector<std::pair<double, double>> SmoothCurve(const std::vector<std::pair<double, double>>& points,
                                                   int per = 16);

}  // namespace rc
