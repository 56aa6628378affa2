#include "class/class_entry.h"

#include <QString>

#include "model/checks.h"
#include "model/data_file.h"
#include "model/text.h"

namespace rc {
namespace {

std::string Trimmed(const std::u16string& text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == std::u16string::npos) return {};
  return ToUtf8(text.substr(first, text.find_last_not_of(u' ') - first + 1));
}

// A parameter as the program's list names it: its caption and the text it was given.
std::string ParameterNamed(const DesignData& d, int n) {
  return Trimmed(d.ParamCaption[n]) + " = " + ToUtf8(d.ParamText[n]);
}

std::string Limits(const DesignData& d, int n) {
  return QString::number(static_cast<double>(d.ParamMin[n])).toStdString() + ".." +
         QString::number(static_cast<double>(d.ParamMax[n])).toStdString();
}

// The row the equilibrium check marks: a point (0..7) or XW, XF, XP (8..10).
std::string EquilibriumFault(const DesignData& d, int row) {
  if (const int n = ParameterOfErrorRow(InputCheck::Equilibrium, row); n != 0) return ParameterNamed(d, n);
  const auto i = static_cast<std::size_t>(row);
  return "X[" + std::to_string(row) + "] = " + ToUtf8(d.EqXText[i]) + ", Y[" + std::to_string(row) +
         "] = " + ToUtf8(d.EqYText[i]);
}

std::string LimitFault(const DesignData& d, int n) {
  return ParameterNamed(d, n) + " is outside " + Limits(d, n);
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
    entered.fault = "the equilibrium data are refused at " + EquilibriumFault(d, d.ErrorRow);
    return entered;
  }
  CheckParameterLimits(d);
  if (d.InputError != kFalse) {
    entered.fault = LimitFault(d, ParameterOfErrorRow(InputCheck::ParameterLimits, d.ErrorRow));
    return entered;
  }
  if (!HasThirdStageTexts(d)) return entered;
  CheckColumnParameterLimits(d);
  if (d.InputError != kFalse) {
    entered.fault = "the third stage: " + LimitFault(d, ParameterOfErrorRow(InputCheck::ColumnLimits, d.ErrorRow));
  }
  return entered;
}

}  // namespace rc
