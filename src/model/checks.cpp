#include "model/checks.h"

#include "model/feed_rule.h"
#include "model/input_catalogue.h"
#include "model/number_text.h"

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
  for (const InputRow& in : InputCatalogue()) {
    if (in.check == InputCheck::Equilibrium && !in.Admits(d.ParamValue[in.number])) {
      return in.errorRow;
    }
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

// The limits the data hold for the input, its ends exclusive where its row says so.
bool WithinLimits(const DesignData& d, const InputRow& in) {
  const int n = in.number;
  const float v = d.ParamValue[n];
  const bool aboveMin = in.minExclusive ? d.ParamMin[n] < v : d.ParamMin[n] <= v;
  const bool belowMax = in.maxExclusive ? v < d.ParamMax[n] : v <= d.ParamMax[n];
  return aboveMin && belowMax;
}

// Every input of the check in the catalogue's order, stopping at the first refused one.
template <class Refuses>
void CheckInputs(DesignData& data, InputCheck check, Refuses refuses) {
  data.InputError = kFalse;
  data.ErrorRow = kNoErrorRow;
  for (const InputRow& in : InputCatalogue()) {
    if (in.check == check && refuses(in)) return Fail(data, in.errorRow);
  }
}

}  // namespace

// The feed's rule on the data's values (model/feed_rule.h).
bool VapourRisesBelowFeed(const DesignData& d) {
  const auto v = [&d](int n) { return static_cast<double>(d.ParamValue[n]); };
  return VapourRisesBelowFeed(v(kParamReflux), v(kParamFeedCondition), v(kParamXW), v(kParamXF),
                              v(kParamXP));
}

// A word typed for q reads as 0, a saturated vapour within q's limits: the text must hold
// a number. Data given q's value without its text are judged by the value alone.
bool FeedConditionIsANumber(const DesignData& d) {
  const std::u16string& text = d.ParamText[kParamFeedCondition];
  return text.empty() || HoldsNumber(text);
}

void CheckEquilibriumData(DesignData& data) {
  data.InputError = kFalse;
  data.ErrorRow = kNoErrorRow;
  if (const int row = FirstEquilibriumFault(data); row != kNoErrorRow) Fail(data, row);
}

void CheckParameterLimits(DesignData& data) {
  CheckInputs(data, InputCheck::ParameterLimits, [&](const InputRow& in) {
    if (in.number == kParamFeedCondition && !FeedConditionIsANumber(data)) return true;
    return !WithinLimits(data, in) ||
           (in.number == kParamFeedCondition && !VapourRisesBelowFeed(data));
  });
}

void CheckColumnParameterLimits(DesignData& data) {
  CheckInputs(data, InputCheck::ColumnLimits,
              [&](const InputRow& in) { return !WithinLimits(data, in); });
}

// Both directions read the catalogue's rows, where each input names its check and row.
int ErrorRowOfParameter(InputCheck check, int n) {
  const InputRow* in = FindInput(n);
  return in && in->check == check ? in->errorRow : kNoErrorRow;
}

int ParameterOfErrorRow(InputCheck check, int row) {
  for (const InputRow& in : InputCatalogue()) {
    if (in.check == check && in.errorRow == row) return in.number;
  }
  return 0;
}

}  // namespace rc
