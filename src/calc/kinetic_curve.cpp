#include "calc/kinetic_curve.h"

#include <vector>

namespace rc {
namespace {

// Fritsch-Carlson tangents: zero at a turning point, a weighted harmonic mean elsewhere,
// the end chords at the ends.
std::vector<double> Tangents(std::span<const std::pair<double, double>> p,
                             const std::vector<double>& h, const std::vector<double>& d) {
  const std::size_t n = p.size();
  std::vector<double> m(n);
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
  return m;
}

}  // namespace

double MonotoneCubicAt(std::span<const std::pair<double, double>> p, double x) {
  const std::size_t n = p.size();
  if (n == 0) return 0;
  if (n == 1) return p[0].second;
  std::vector<double> h(n - 1), d(n - 1);
  bool increasing = true;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    h[k] = p[k + 1].first - p[k].first;
    if (!(h[k] > 0)) increasing = false;
    d[k] = increasing ? (p[k + 1].second - p[k].second) / h[k] : 0;
  }
  if (!increasing) {
    // Straight pieces, as the diagram draws such points; the end pieces run on.
    std::size_t k = 0;
    while (k + 2 < n && x > p[k + 1].first) ++k;
    const double dx = p[k + 1].first - p[k].first;
    if (!(dx != 0)) return p[k].second;
    return p[k].second + (x - p[k].first) * (p[k + 1].second - p[k].second) / dx;
  }
  const std::vector<double> m = n < 3 ? std::vector<double>{d[0], d[0]} : Tangents(p, h, d);
  if (x <= p[0].first) return p[0].second + m[0] * (x - p[0].first);
  if (x >= p[n - 1].first) return p[n - 1].second + m[n - 1] * (x - p[n - 1].first);
  std::size_t k = 0;
  while (k + 2 < n && x >= p[k + 1].first) ++k;
  const double t = (x - p[k].first) / h[k], t2 = t * t, t3 = t2 * t;
  return (2 * t3 - 3 * t2 + 1) * p[k].second + (t3 - 2 * t2 + t) * h[k] * m[k] +
         (-2 * t3 + 3 * t2) * p[k + 1].second + (t3 - t2) * h[k] * m[k + 1];
}

std::vector<std::pair<double, double>> SmoothCurve(const std::vector<std::pair<double, double>>& points,
                                                   int per) {
  const std::size_t n = points.size();
  if (n < 3 || per < 1) return points;
  std::vector<double> h(n - 1), d(n - 1), m;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    h[k] = points[k + 1].first - points[k].first;
    if (!(h[k] > 0)) return points;  // not strictly increasing in x: straight pieces
    d[k] = (points[k + 1].second - points[k].second) / h[k];
  }
  m = Tangents(points, h, d);
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

std::vector<std::pair<double, double>> KineticLinePoints(const KineticLineRun& run) {
  std::vector<std::pair<double, double>> points;
  for (int i = 1; i <= 6; ++i) points.emplace_back(run.inputs.eqX[static_cast<std::size_t>(i)], run.Point(i).kineticY);
  return points;
}

double KineticLineY(const KineticLineRun& run, double x) {
  return MonotoneCubicAt(KineticLinePoints(run), x);
}

}  // namespace rc
