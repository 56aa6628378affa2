#include "calc/calculations.h"

namespace rc {

std::optional<Refusal> ComputeKineticLine(DesignData&) { return Refusal{kInputErrorMessage, true}; }
TrayByTrayOutcome ComputeTrayByTray(DesignData&) { return {Refusal{kInputErrorMessage, true}, 0}; }
std::u16string TraySummaryText(int, int) { return {}; }

}  // namespace rc
