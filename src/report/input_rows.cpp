#include "report/input_rows.h"

#include "model/text.h"
#include "report/format.h"

namespace rc {

constexpr std::uint8_t kEquilibriumTextWidth = 30;  // the Y half starts after it

std::u16string EquilibriumRowXHalf(const DesignData& data, int i, std::uint8_t lead) {
  return Spaces(lead) + u"X[" + DecimalText(i) + u"] /мольн.д/ =" +
         data.EqXText[static_cast<std::size_t>(i)];
}

std::u16string EquilibriumRowText(const DesignData& data, int i, std::uint8_t lead) {
  const auto& x = data.EqXText[static_cast<std::size_t>(i)];
  return EquilibriumRowXHalf(data, i, lead) + PadWidth(x, kEquilibriumTextWidth) + u"Y[" +
         DecimalText(i) + u"] /мольн.д/ =" + data.EqYText[static_cast<std::size_t>(i)];
}

std::u16string ParameterRowText(const DesignData& data, int n, std::uint8_t lead) {
  return Spaces(lead) + data.ParamCaption[n] + u"    " + data.ParamText[n];
}

}  // namespace rc
