#include "calc/minimum_reflux.h"

#include <cmath>
#include <vector>

#include "calc/equilibrium_fit.h"
#include "calc/tray_model.h"

namespace rc {
namespace {

// A pinch must beat the feed's by more than rounding to govern.
constexpr double kTie = 1e-9;

struct Point {
  double x, y;  // [-]
};

// Real roots of a2 s^2 + a1 s + a0 = 0, a2 = 0 included; the stable form of the formula.
std::vector<double> Roots(double a2, double a1, double a0) {
  if (a2 == 0) return a1 != 0 ? std::vector<double>{-a0 / a1} : std::vector<double>{};
  const double disc = a1 * a1 - 4 * a2 * a0;
  if (!(disc >= 0)) return {};
  const double t = -0.5 * (a1 + std::copysign(std::sqrt(disc), a1));
  std::vector<double> roots{t / a2};
  if (t != 0) roots.push_back(a0 / t);
  return roots;
}

// The equilibrium curve as the tray-by-tray calculation steps on it: parabola k through
// points k - 1, k, k + 1 for the liquids of segment k.
class Curve {
 public:
  Curve(Guard& g, const CalculationInputs& in)
      : points_{in.eqX, in.eqY}, p_(FitEquilibriumParabolas(g, points_)) {}

  bool Holds(int k, double x) const { return EquilibriumParabolas::SegmentOf(points_, x) == k; }
  double Y(double x) const { return Value(EquilibriumParabolas::SegmentOf(points_, x), x); }

  // The first point, going up the q-line from (XF, XF), where it meets the curve:
  // (XF + s (q - 1), XF + s q) for the smallest s >= 0.
  std::optional<Point> MeetsFeedLine(double xf, double q) const {
    const double d = q - 1;
    std::optional<double> first;
    for (int k = 1; k <= 6; ++k) {
      const double a2 = p_.C[k] * d * d;
      const double a1 = d * (p_.B[k] + 2 * p_.C[k] * xf) - q;
      const double a0 = Value(k, xf) - xf;
      for (const double s : Roots(a2, a1, a0)) {
        if (s >= 0 && Holds(k, xf + s * d) && (!first || s < *first)) first = s;
      }
    }
    if (!first) return std::nullopt;
    return Point{xf + *first * d, xf + *first * q};
  }

  // The liquids strictly between a and b where a line from (p, p) to the curve can turn
  // steepest or flattest: the knots X*[1..5] and the points where such a line touches a
  // parabola, x = p +- sqrt((y*k(p) - p)/Ck).
  std::vector<double> TurningPoints(double a, double b, double p) const {
    std::vector<double> xs;
    for (int k = 1; k <= 5; ++k) {
      if (a < points_.x[k] && points_.x[k] < b) xs.push_back(points_.x[k]);
    }
    for (int k = 1; k <= 6; ++k) {
      if (p_.C[k] == 0) continue;
      const double square = (Value(k, p) - p) / p_.C[k];
      if (!(square >= 0)) continue;
      for (const double x : {p - std::sqrt(square), p + std::sqrt(square)}) {
        if (a < x && x < b && Holds(k, x)) xs.push_back(x);
      }
    }
    return xs;
  }

 private:
  double Value(int k, double x) const { return p_.Value(k, x); }

  EquilibriumPoints points_;
  EquilibriumParabolas p_;
};

}  // namespace

std::optional<MinimumReflux> FindMinimumReflux(const CalculationInputs& in) {
  Guard g;
  const ColumnParameters c = ColumnParameters::From(in);
  const Curve curve(g, in);
  if (g.faulted()) return std::nullopt;
  const std::optional<Point> e = curve.MeetsFeedLine(c.XF, c.q);
  if (!e || !(c.XW < e->x && e->x < c.XP && e->y > e->x)) return std::nullopt;

  // The reflux ratio whose upper line runs from (XP, XP) through the point.
  const auto refluxThrough = [&](const Point& p) { return g.Div(c.XP - p.y, p.y - p.x); };
  MinimumReflux m{e->x, e->y, refluxThrough(*e), Pinch::Feed, e->x, e->y};
  const auto take = [&](double r, Pinch pinch, const Point& touch) {
    if (r > m.reflux + kTie * std::fabs(m.reflux)) {
      m.reflux = r;
      m.governs = pinch;
      m.touchX = touch.x;
      m.touchY = touch.y;
    }
  };

  // Above the feed: the steepest line from (XP, XP) to the curve, (XP - y*)/(XP - x).
  double steepest = g.Div(c.XP - e->y, c.XP - e->x);
  std::optional<Point> upper;
  for (const double x : curve.TurningPoints(e->x, c.XP, c.XP)) {
    const Point p{x, curve.Y(x)};
    const double slope = g.Div(c.XP - p.y, c.XP - p.x);
    if (slope > steepest) {
      steepest = slope;
      upper = p;
    }
  }
  if (upper) take(refluxThrough(*upper), Pinch::Upper, *upper);

  // Below the feed: the flattest line from (XW, XW) to the curve, (y* - XW)/(x - XW),
  // carried to the q-line: XW + t (x - XW) meets it at s = (1 - t)(XF - XW)/(t (q - 1) - q).
  double flattest = g.Div(e->y - c.XW, e->x - c.XW);
  std::optional<Point> lower;
  for (const double x : curve.TurningPoints(c.XW, e->x, c.XW)) {
    const Point p{x, curve.Y(x)};
    const double slope = g.Div(p.y - c.XW, p.x - c.XW);
    if (slope < flattest) {
      flattest = slope;
      lower = p;
    }
  }
  if (lower) {
    const double s = g.Div((1 - flattest) * (c.XF - c.XW), flattest * (c.q - 1) - c.q);
    take(refluxThrough({c.XF + s * (c.q - 1), c.XF + s * c.q}), Pinch::Lower, *lower);
  }
  if (g.faulted() || !(m.reflux > 0)) return std::nullopt;
  return m;
}

}  // namespace rc
