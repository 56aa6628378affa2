#include "model/equilibrium.h"

#include <utility>

#include "model/number_text.h"

namespace rc {

void SortEquilibriumPoints(DesignData& d) {
  for (int a = 0; a <= 7; ++a) {
    for (int b = a; b <= 7; ++b) {
      if (d.EqX[b] < d.EqX[a]) {
        std::swap(d.EqX[a], d.EqX[b]);
        std::swap(d.EqY[a], d.EqY[b]);
        std::swap(d.EqXText[a], d.EqXText[b]);
        std::swap(d.EqYText[a], d.EqYText[b]);
        std::swap(d.Typed.EqX[a], d.Typed.EqX[b]);
        std::swap(d.Typed.EqY[a], d.Typed.EqY[b]);
      }
    }
  }
  for (int i = 0; i <= 7; ++i) {
    if (IsOutsideUnitRange(d.EqX[i])) d.EqXText[i] = kRejectedText;
    if (IsOutsideUnitRange(d.EqY[i])) d.EqYText[i] = kRejectedText;
  }
}

}  // namespace rc
