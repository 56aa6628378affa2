#pragma once
// The lines of the input data: the entry and correction lists show them after 3 blanks,
// the printed report frame after 7.
#include <cstdint>
#include <string>

#include "model/design_data.h"

namespace rc {

inline constexpr std::uint8_t kListRowLead = 3;   // blanks before a list row
inline constexpr std::uint8_t kFrameRowLead = 7;  // blanks before an input line of the frame

// "X[i] /мольн.д/ =" + X text, after lead blanks: the X half alone is listed while Y is
// being asked.
std::u16string EquilibriumRowXHalf(const DesignData& data, int i, std::uint8_t lead = kListRowLead);
// The X half, the X text padded to 30, then "Y[i] /мольн.д/ =" + Y text.
std::u16string EquilibriumRowText(const DesignData& data, int i, std::uint8_t lead = kListRowLead);
// Caption (64 characters) + "    " + text, after lead blanks.
std::u16string ParameterRowText(const DesignData& data, int n, std::uint8_t lead = kListRowLead);

}  // namespace rc
