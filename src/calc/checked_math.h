#pragma once
// Arithmetic that notices its own faults. The calculations run with floating-point traps
// off; every division, logarithm, square root and exponential of the tray model goes
// through a Guard, which remembers the first fault (division by zero, logarithm of a
// non-positive number, square root of a negative one, overflow, a non-finite operand)
// so the calculation can refuse the data instead of storing NaN or infinity.
#include <cmath>
#include <limits>

namespace rc {

class Guard {
 public:
  bool faulted() const { return fault_; }

  // a / b; a fault when b is 0 or anything is not finite.
  double Div(double a, double b) { return Finite(Finite(a) / Nonzero(Finite(b))); }
  // Natural logarithm of a positive number.
  double Ln(double a) {
    if (!(a > 0) || !std::isfinite(a)) return Fail();
    return std::log(a);
  }
  // Square root of a number that is not negative.
  double Sqrt(double a) {
    if (!(a >= 0) || !std::isfinite(a)) return Fail();
    return std::sqrt(a);
  }
  double Exp(double a) { return Finite(std::exp(Finite(a))); }
  // base^exponent as exp(exponent * ln(base)): the base must be positive.
  double Pow(double base, double exponent) { return Exp(exponent * Ln(base)); }
  // base^n for a whole number n, any sign of base.
  double PowWhole(double base, double n) { return Finite(std::pow(Finite(base), n)); }

  // A value stored as a 32-bit float; a fault when it is not finite in 32 bits.
  float Store(double a) {
    // Checked before the conversion: a double beyond the float range does not convert.
    if (!(std::fabs(a) <= std::numeric_limits<float>::max())) {
      Fail();
      return 0.0f;
    }
    return static_cast<float>(a);
  }

  double Finite(double a) {
    if (!std::isfinite(a)) return Fail();
    return a;
  }

 private:
  double Nonzero(double a) {
    if (a == 0) {
      Fail();
      return 1.0;
    }
    return a;
  }
  double Fail() {
    fault_ = true;
    return 0.0;
  }
  bool fault_ = false;
};

}  // namespace rc
