#pragma once
// What the calculations started on the results menu gave, for the windows that show
// results beside its tables: whether each one ran, on which data, and its refusal. A
// window showing results asks whether they belong to the data as they are now, so it
// never shows results of data since corrected.
#include <array>
#include <cstdint>
#include <optional>

#include "calc/refusal.h"
#include "model/design_data.h"

namespace rc {

// Every input a calculation reads. The third stage's values (41..56) are not among
// them: typing them never makes the kinetic line or the trays stale.
struct CalculationInputs {
  std::array<float, 8> eqX{}, eqY{};
  std::array<float, 25> params{};  // parameters 16..40
  std::int32_t trayType = 0;

  static CalculationInputs Of(const DesignData& data) {
    CalculationInputs inputs{data.EqX, data.EqY, {}, data.TrayType};
    for (int n = 16; n <= 40; ++n) inputs.params[static_cast<std::size_t>(n - 16)] = data.ParamValue[n];
    return inputs;
  }
  bool operator==(const CalculationInputs&) const = default;
};

struct CalculationRecord {
  bool ran = false;
  std::optional<Refusal> refusal;
  CalculationInputs inputs;

  void Note(const DesignData& data, const std::optional<Refusal>& outcome) {
    ran = true;
    refusal = outcome;
    inputs = CalculationInputs::Of(data);
  }
  bool RanOn(const DesignData& data) const { return ran && inputs == CalculationInputs::Of(data); }
  bool CompletedOn(const DesignData& data) const { return RanOn(data) && !refusal; }
  bool RefusedOn(const DesignData& data) const { return RanOn(data) && refusal.has_value(); }
};

struct CalculationLog {
  CalculationRecord kineticLine, trayByTray;
};

}  // namespace rc
