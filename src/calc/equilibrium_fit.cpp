#include "calc/equilibrium_fit.h"

namespace rc {

std::array<float, 8> EquilibriumSlopes(Guard& g, const EquilibriumPoints& eq) {
  std::array<float, 8> slope{};
  for (int p1 = 1; p1 <= 6; ++p1) {
    const double x0 = eq.x[p1 - 1], x1 = eq.x[p1], x2 = eq.x[p1 + 1];
    const double y0 = eq.y[p1 - 1], y1 = eq.y[p1], y2 = eq.y[p1 + 1];
    const float c = g.Store(g.Div(y1 - y0, (x1 - x2) * (x1 - x0)) +
                            g.Div(y0 - y2, (x1 - x2) * (x2 - x0)));
    const float b = g.Store(g.Div(y1 - y0, x1 - x0) - (x0 + x1) * c);
    slope[p1] = g.Store(2 * c * x1 + b);
  }
  return slope;
}

int EquilibriumParabolas::SegmentOf(const EquilibriumPoints& eq, double x) {
  for (int k = 1; k <= 5; ++k) {
    if (x <= eq.x[k]) return k;
  }
  return 6;
}

EquilibriumParabolas FitEquilibriumParabolas(Guard& g, const EquilibriumPoints& eq) {
  EquilibriumParabolas p;
  for (int k = 1; k <= 6; ++k) {
    const double x0 = eq.x[k - 1], x1 = eq.x[k], x2 = eq.x[k + 1];
    const double y0 = eq.y[k - 1], y1 = eq.y[k], y2 = eq.y[k + 1];
    const double det = (x1 - x0) * (x2 - x0) * (x2 - x1);
    p.A[k] = g.Store(g.Div(y0 * x1 * x2 * (x2 - x1) - y1 * x0 * x2 * (x2 - x0) +
                               y2 * x0 * x1 * (x1 - x0),
                           det));
    p.B[k] = g.Store(g.Div(y0 * (x1 * x1 - x2 * x2) + y1 * (x2 * x2 - x0 * x0) +
                               y2 * (x0 * x0 - x1 * x1),
                           det));
    p.C[k] = g.Store(g.Div(y0 * (x2 - x1) - y1 * (x2 - x0) + y2 * (x1 - x0), det));
  }
  return p;
}

}  // namespace rc
