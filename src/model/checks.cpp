#include "model/checks.h"

namespace rc {
namespace {

void Fail(DesignData& data, int row) {
  data.InputError = kTrue;
  data.ErrorRow = static_cast<std::uint8_t>(row);
}

// Returns the row of the first failed rule, or kNoErrorRow.
int FirstEquilibriumFault(const DesignData& d) {
  const auto& x = d.EqX;
  const auto& y = d.EqY;
  for (int i = 0; i <= 7; ++i) {
    if (!(x[i] >= 0 && y[i] >= 0 && x[i] <= 1 && y[i] <= 1)) return i;
  }
  for (int i = 1; i <= 6; ++i) {
    if (!(y[i] > x[i])) return i;
  }
  for (int i = 1; i <= 7; ++i) {
    if (!(y[i] > y[i - 1] && x[i] > x[i - 1])) return i;
  }
  for (int n = kParamXW; n <= kParamXP; ++n) {
    const float v = d.ParamValue[n];
    if (!(v > 0 && v < 1)) return n - 8;
  }
  const float xw = d.ParamValue[kParamXW];
  const float xf = d.ParamValue[kParamXF];
  const float xp = d.ParamValue[kParamXP];
  if (!(x[7] == y[7] && xp < x[7])) return 8;
  if (!(x[0] < xw)) return 0;
  if (!(xw < x[1])) return 1;
  if (!(x[6] < xp)) return 7;
  if (!(xw <= xf && xf <= xp)) return 9;
  return kNoErrorRow;
}

bool WithinLimits(const DesignData& d, int n) {
  const float v = d.ParamValue[n];
  return d.ParamMin[n] <= v && v <= d.ParamMax[n];
}

// A partly vaporised feed (q < 1) brings vapour of its own to the section above it; some
// vapour must still rise below the feed: V' = R + 1 + (q - 1) Fbar > 0, multiplied by
// XF - XW (Fbar = (XP - XW)/(XF - XW)), which also refuses a feed of the bottoms' own
// composition.
bool VapourRisesBelowFeed(const DesignData& d) {
  const double q = d.ParamValue[kParamFeedCondition];
  if (q >= 1) return true;
  const double r = d.ParamValue[kParamReflux];
  const double xw = d.ParamValue[kParamXW];
  const double xf = d.ParamValue[kParamXF];
  const double xp = d.ParamValue[kParamXP];
  return (r + 1) * (xf - xw) > (1 - q) * (xp - xw);
}

}  // namespace

void CheckEquilibriumData(DesignData& data) {
  data.InputError = kFalse;
  data.ErrorRow = kNoErrorRow;
  if (const int row = FirstEquilibriumFault(data); row != kNoErrorRow) Fail(data, row);
}

void CheckParameterLimits(DesignData& data) {
  data.InputError = kFalse;
  data.ErrorRow = kNoErrorRow;
  const float r = data.ParamValue[kParamReflux];
  if (!(data.ParamMin[kParamReflux] < r && r <= data.ParamMax[kParamReflux])) return Fail(data, 2);
  for (int n = 20; n <= 31; ++n) {
    if (!WithinLimits(data, n)) return Fail(data, n - 17);
  }
  for (int n = 33; n <= 40; ++n) {
    if (!WithinLimits(data, n)) return Fail(data, n - 18);
  }
  if (!WithinLimits(data, kParamFeedCondition) || !VapourRisesBelowFeed(data)) {
    return Fail(data, kFeedConditionErrorRow);
  }
}

void CheckColumnParameterLimits(DesignData& data) {
  data.InputError = kFalse;
  data.ErrorRow = kNoErrorRow;
  for (int n = kFirstColumnParameter; n <= kLastColumnParameter; ++n) {
    if (!WithinLimits(data, n)) return Fail(data, n - kFirstColumnParameter);
  }
}

}  // namespace rc
