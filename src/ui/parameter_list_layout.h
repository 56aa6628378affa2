#pragma once
// Where the parameter lists stand [twips]: the second entry stage's (Form5) and the
// third's (Form12), which is laid out in its style.
#include "ui/look.h"

namespace rc::parameter_list {

inline constexpr int kListTop = 500;          // the list while parameters are shown
inline constexpr int kEntryPromptY = 1100;    // prompt of list row r at + 195 r
inline constexpr int kCorrectPromptY = 1295;
inline constexpr int kFaultRowsY = 1210;      // printed row r at + 195 r
inline constexpr int kInstructionTop = 6000;  // in correction mode

}  // namespace rc::parameter_list
