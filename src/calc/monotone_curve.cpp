#include "calc/monotone_curve.h"

namespace rc {

std::vector<std::pair<double, double>> SmoothCurve(const std::vector<std::pair<double, double>>& points,
                                                   int per) {
  const std::size_t n = points.size();
  if (n < 3 || per < 1) return points;
  std::vector<double> h(n - 1), d(n - 1), m(n);
  for (std::size_t k = 0; k + 1 < n; ++k) {
    h[k] = points[k + 1].first - points[k].first;
    if (!(h[k] > 0)) return points;  // not strictly increasing in x: straight pieces
    d[k] = (points[k + 1].second - points[k].second) / h[k];
  }
  // Fritsch-Carlson tangents: zero at a turning point, a weighted harmonic mean elsewhere.
  m[0] = d[0];
  m[n - 1] = d[n - 2];
  for (std::size_t k = 1; k + 1 < n; ++k) {
    if (d[k - 1] * d[k] <= 0) {
      m[k] = 0;
    } else {
      const double w1 = 2 * h[k] + h[k - 1], w2 = h[k] + 2 * h[k - 1];
      m[k] = (w1 + w2) / (w1 / d[k - 1] + w2 / d[k]);
    }
  }
  std::vector<std::pair<double, double>> curve;
  curve.reserve((n - 1) * static_cast<std::size_t>(per) + 1);
  for (std::size_t k = 0; k + 1 < n; ++k) {
    const auto [x0, y0] = points[k];
    const double y1 = points[k + 1].second;
    for (int j = 0; j < per; ++j) {
      const double t = static_cast<double>(j) / per, t2 = t * t, t3 = t2 * t;
      const double y = (2 * t3 - 3 * t2 + 1) * y0 + (t3 - 2 * t2 + t) * h[k] * m[k] +
                       (-2 * t3 + 3 * t2) * y1 + (t3 - t2) * h[k] * m[k + 1];
      curve.emplace_back(x0 + t * h[k], y);
    }
  }
  curve.push_back(points.back());
  return curve;
}

}  // namespace rc
