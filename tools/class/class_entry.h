#pragma once
// A variant's answers entered as the entry windows enter them, without the windows: the
// texts tidied and read by the program's rule, compositions and equilibrium values
// outside 0..1 rejected, the points sorted, the tray type chosen, and both input checks.
#include <string>

#include "model/design_data.h"
#include "variant_run/variant_file.h"

namespace rc {

struct EnteredVariant {
  DesignData data;
  std::string fault;  // empty when both checks passed; otherwise which check and row
};

EnteredVariant EnterAnswers(const Variant& variant);

}  // namespace rc
