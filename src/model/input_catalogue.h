#pragma once
// The program's numeric inputs, one row each: the compositions XW, XF, XP, the tray and
// column data (19..31, 33..40), the feed's thermal condition q (57) and the column's
// sizing of the third stage (41..56, then the tray's operating window: 58, 59). A row gives the input's data-file key, its caption
// as the lists and prompts show it, its limits, the check that refuses it and the row
// that check marks, and the stage of entry that asks it. Adding an input is one row.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rc {

// The stage of entry that asks an input.
enum class InputStage {
  Compositions,  // with the equilibrium points: XW, XF, XP
  TrayData,      // after the tray type: 19..31, 33..40 and q
  Column,        // the third stage, before the column is computed: 41..56, 58, 59
};

// The check that refuses an input's value, and so the list whose row it marks.
enum class InputCheck {
  Equilibrium,      // CheckEquilibriumData: the points and the compositions
  ParameterLimits,  // CheckParameterLimits: the tray data and q
  ColumnLimits,     // CheckColumnParameterLimits: the third stage
};

struct InputRow {
  int number;                // parameter number, 16..kLastParameter (model/design_data.h)
  const char* key;           // the data file's key
  const char16_t* caption;   // caption, unpadded: "name, unit"
  float min;                 // limits as 32-bit float constants
  float max;
  bool minExclusive;         // the value must lie above min, not on it
  bool maxExclusive;         // ... below max
  InputCheck check;
  int errorRow;              // the ErrorRow the check sets when it refuses the value: the
                             // check's rows follow the catalogue (checked when built)
  InputStage stage;

  // Whether min <= value <= max (with the exclusive ends as the row says).
  bool Admits(float value) const;
  // The caption up to its last comma, and what follows it: "Диаметр колонны" and "м".
  std::u16string Name() const;
  std::u16string Unit() const;
};

// Every input in the order the sessions ask them: 16..18, 19..31, 33..40, 57, 41..56, 58, 59.
std::span<const InputRow> InputCatalogue();

// The parameters one stage asks, in the order it asks and lists them, and their data-file
// keys: what the entry windows, the lists, the data file and the printouts go through.
std::vector<int> InputNumbers(InputStage stage);
std::vector<std::string> InputKeys(InputStage stage);

// The row of parameter n, or of a data-file key; nullptr for anything else (parameter 32,
// the tray-type slot, is no input).
const InputRow* FindInput(int number);
const InputRow* FindInput(std::string_view key);

}  // namespace rc
