#include "class/class_entry.h"

#include "model/checks.h"
#include "model/equilibrium.h"
#include "model/number_text.h"
#include "model/text.h"

namespace rc {
namespace {

void Read(const std::u16string& typed, std::u16string& text, float& value) {
  text = NormalizeNumberText(typed);
  value = ReadNumber(text);
}

// The 0..1 rule of the entry prompts.
void ReadUnit(const std::u16string& typed, std::u16string& text, float& value) {
  Read(typed, text, value);
  if (IsOutsideUnitRange(value)) {
    text = kRejectedText;
    value = 0;
  }
}

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
  PrepareForEntry(d);
  d.StudentName = ProperCase(variant.Answer("name"));
  for (std::size_t i = 0; i < 8; ++i) {
    ReadUnit(variant.Answer("x" + std::to_string(i)), d.EqXText[i], d.EqX[i]);
    ReadUnit(variant.Answer("y" + std::to_string(i)), d.EqYText[i], d.EqY[i]);
  }
  SortEquilibriumPoints(d);
  static const char* const kCompositionKeys[] = {"xw", "xf", "xp"};
  for (int n = kParamXW; n <= kParamXP; ++n) {
    ReadUnit(variant.Answer(kCompositionKeys[n - kParamXW]), d.ParamText[n], d.ParamValue[n]);
  }
  CheckEquilibriumData(d);
  if (d.InputError != kFalse) {
    entered.fault = "the equilibrium data are refused at " + RowName(d.ErrorRow);
    return entered;
  }

  d.TrayType = variant.bubbleCap ? kBubbleCapTrays : kTraysWithoutCaps;
  for (int n = 19; n <= 40; ++n) {
    if (n == kParamTrayTypeSlot) continue;
    Read(variant.Answer("p" + std::to_string(n)), d.ParamText[n], d.ParamValue[n]);
  }
  CheckParameterLimits(d);
  if (d.InputError != kFalse) {
    entered.fault = ParameterRowName(d.ErrorRow) + " is outside its limits";
  }
  return entered;
}

}  // namespace rc
