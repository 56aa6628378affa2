#pragma once
// The column of the window benchmarks: as tall as the tray-by-tray calculation allows.
#include <cstdio>
#include <string>

#include "support/design_fixtures.h"

namespace rc {

// The bubble-cap column of the fixtures separating a mixture of relative volatility 1.2
// at reflux ratio 10.835: the calculation accepts it with exactly 120 trays.
inline DesignData ColumnOf120Trays() {
  DesignData data = BenzeneTolueneBubbleCap();
  const double x[8] = {0, 0.1, 0.2, 0.4, 0.6, 0.8, 0.9, 1.0};
  const auto text = [](double v) {
    char t[16];
    std::snprintf(t, sizeof t, "%.4f", v);
    return std::u16string(t, t + std::char_traits<char>::length(t));
  };
  constexpr double kVolatility = 1.2;
  for (int i = 0; i < 8; ++i) {
    SetEquilibriumPoint(data, i, text(x[i]), text(kVolatility * x[i] / (1 + (kVolatility - 1) * x[i])));
  }
  SetParameter(data, kParamReflux, u"10.835");
  return data;
}

}  // namespace rc
