#pragma once
// Parabolas through three neighbouring equilibrium points: the slopes the kinetic line
// uses and the six segments of the equilibrium curve the tray-by-tray calculation steps on.
#include <array>

#include "calc/checked_math.h"
#include "model/design_data.h"

namespace rc {

// The eight equilibrium points X*, Y*, sorted by increasing X*. [-]
struct EquilibriumPoints {
  const std::array<float, 8>& x;
  const std::array<float, 8>& y;
};

}  // namespace rc

namespace rc {

// Slope at point i (1..6) of the parabola through points i-1, i, i+1, from the difference
// form with 32-bit working values b and c. Positions 0 and 7 are left 0. [-]
std::array<float, 8> EquilibriumSlopes(Guard& g, const EquilibriumPoints& eq);

// y* = A[k] + B[k] x + C[k] x^2 through points k-1, k, k+1 (k = 1..6) by the determinant
// rule, coefficients held as 32-bit floats. Position 0 is unused.
struct EquilibriumParabolas {
  std::array<float, 7> A{}, B{}, C{};

  // Segment of liquid composition x: the first k in 1..5 with x <= X*[k], else 6.
  static int SegmentOf(const EquilibriumPoints& eq, double x);
  double Value(int k, double x) const { return A[k] + B[k] * x + C[k] * x * x; }   // y* [-]
  double Slope(int k, double x) const { return B[k] + 2 * C[k] * x; }            // dy*/dx [-]
};
EquilibriumParabolas FitEquilibriumParabolas(Guard& g, const EquilibriumPoints& eq);

}  // namespace rc
