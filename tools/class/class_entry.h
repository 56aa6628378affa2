#pragma once
// A variant's answers entered as the entry windows enter them, without the windows: the
// texts tidied and read by the program's rule, compositions and equilibrium values
// outside 0..1 rejected, the points sorted, the tray type chosen, and the program's input
// checks: the equilibrium data, the parameters' limits and, where the variant gives the
// third stage, its limits.
#include <string>

#include "model/design_data.h"
#include "variant_run/variant_file.h"

namespace rc {

struct EnteredVariant {
  DesignData data;
  // Empty when every check passed; otherwise the value the program refuses, as its list
  // names it ("Поверхностное натяжение жидкости, мН/м = 150 is outside 0.1..100").
  std::string fault;
};

EnteredVariant EnterAnswers(const Variant& variant);

}  // namespace rc
