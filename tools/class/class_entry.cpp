#include "class/class_entry.h"

#include "model/checks.h"

namespace rc {
namespace {

std::string RowName(int row) {
  if (row <= 7) return "equilibrium point " + std::to_string(row);
  static const char* const kCompositions[] = {"XW", "XF", "XP"};
  return kCompositions[row - 8];
}

std::string ParameterRowName(int row) {
  // Rows 2..14 are parameters 19..31, rows 15..22 parameters 33..40.
  return "parameter " + std::to_string(row <= 14 ? row + 17 : row + 18);
}

}  // namespace

EnteredVariant EnterAnswers(const Variant& variant) {
  EnteredVariant entered;
  DesignData& d = entered.data;
  // As the program enters an opened data file: every text as if typed.
  PrepareForEntry(d);
  EnterDataFile(variant, d);
  CheckEquilibriumData(d);
  if (d.InputError != kFalse) {
    entered.fault = "the equilibrium data are refused at " + RowName(d.ErrorRow);
    return entered;
  }
  CheckParameterLimits(d);
  if (d.InputError != kFalse) {
    entered.fault = ParameterRowName(d.ErrorRow) + " is outside its limits";
  }
  return entered;
}

}  // namespace rc
