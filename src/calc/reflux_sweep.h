#pragma once
// The reflux study: the tray-by-tray calculation repeated on the same inputs
// for 71 reflux ratios from half to four times the student's own, and the ratio at which
// the column's volume, taken as N*(R + 1) (height times vapour load), is smallest.
#include <array>
#include <optional>

#include "calc/inputs.h"

namespace rc {

inline constexpr int kRefluxSweepPoints = 71;  // k = 0..70
inline constexpr int kOwnRefluxPoint = 10;     // the k at which R_k is the student's R

// R_k = R*(50 + 5k)/100, worked out left to right in double precision and stored as a
// 32-bit float; at k = 10 it is R itself.
float SweptReflux(float reflux, int k);

struct RefluxPoint {
  enum class Outcome {
    Completed,     // the top was reached
    TooManyTrays,  // refused: more than 120 trays
    Refused,       // refused: the data give no finite result at this ratio
  };
  float reflux = 0;  // [-] R_k
  Outcome outcome = Outcome::Refused;
  int trays = 0;                             // N, when completed
  std::optional<int> feedTray;               // when completed and found
  float traysTimesRefluxPlusOne = 0;         // [-] N*(R_k + 1), when completed
};

struct RefluxSweep {
  std::array<RefluxPoint, kRefluxSweepPoints> points{};
  std::optional<int> optimum;  // k of the smallest N*(R + 1) of the completed points
};

// Runs the tray-by-tray calculation on the inputs with R_k in place of the reflux ratio.
RefluxSweep SweepRefluxRatio(const CalculationInputs& inputs);

// The k of the smallest N*(R + 1) among the completed points, the first of them (the
// smallest reflux ratio) on a tie; nothing when no point completed.
std::optional<int> OptimumOf(const std::array<RefluxPoint, kRefluxSweepPoints>& points);

}  // namespace rc
