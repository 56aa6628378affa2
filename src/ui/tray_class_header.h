#pragma once
// The header row that names the tray class in the second-stage list (Form5) and in the
// full correction list (Form9). Each occasion writes it with its own leading blanks.
#include <string>

#include "model/design_data.h"

namespace rc {

enum class HeaderOccasion {
  EntryStart,           // Form5, start of the parameter entry: 10 blanks, caps or no caps
  AreaRatioEntered,     // Form5, parameter 34 just entered on trays without caps: 11 blanks
  AreaRatioCorrected,   // Form5 and Form9, parameter 34 corrected on trays without caps: 30
  Form5FaultDisplay,    // Form5 fault display: 10 blanks bubble-cap, 8 otherwise
  FullList,             // Form9 list, class buttons and fault display: 32, or 26 sieve/valve
};

// The header for the occasion from TrayType and parameter 34. The occasions that only
// arise on trays without caps name the dual-flow or sieve/valve kind by parameter 34.
std::u16string TrayClassHeader(const DesignData& data, HeaderOccasion occasion);

}  // namespace rc
