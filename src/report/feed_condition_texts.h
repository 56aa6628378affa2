#pragma once
// The texts of the feed's thermal condition: the variant runner's lines of it and what
// the y–x diagram writes of it (its legend entry and the minimum reflux ratio under it),
// and the reason of a refusal at a reflux ratio below the minimum.
#include <optional>
#include <string>
#include <vector>

#include "calc/feed_condition.h"
#include "calc/refusal.h"

namespace rc {

// The transcript section's lines (without its "== feed condition" line): twelve lines of
// a 14-character label and a 12-character value with 4 decimals; the slope of a boiling
// feed's vertical q-line is "vertical", R_min is followed by the pinch that sets it
// (" feed", " upper", " lower"), and a value that cannot be had is "none".
std::vector<std::u16string> FeedConditionTranscriptLines(const FeedCondition& f,
                                                         char16_t decimalSeparator);

// The legend entry of the q-line: "линия питания, q = 1.37".
std::u16string FeedLineLegend(double q, char16_t decimalSeparator);

// The line under the diagram: "R мин = 1.18 (пинч у питания), R/R мин = 2.97"; empty
// without a minimum reflux ratio.
std::u16string MinimumRefluxLine(const FeedCondition& f, char16_t decimalSeparator);

// What a refusal at a reflux ratio below the minimum says under its message:
// "R меньше минимального флегмового числа R мин = 2.64: разделение невозможно"; empty for
// any other refusal.
std::u16string BelowMinimumRefluxText(const Refusal& refusal, char16_t decimalSeparator);

}  // namespace rc
