#include "ui/row_texts.h"

#include "model/text.h"
#include "report/format.h"

namespace rc {

std::u16string EquilibriumRowXHalf(const DesignData& data, int i) {
  return u"   X[" + DecimalText(i) + u"] /мольн.д/ =" + data.EqXText[static_cast<std::size_t>(i)];
}

std::u16string EquilibriumRowText(const DesignData& data, int i) {
  const auto& x = data.EqXText[static_cast<std::size_t>(i)];
  return EquilibriumRowXHalf(data, i) + PadWidth(x, 30) + u"Y[" + DecimalText(i) +
         u"] /мольн.д/ =" + data.EqYText[static_cast<std::size_t>(i)];
}

std::u16string ParameterRowText(const DesignData& data, int n) {
  return u"   " + data.ParamCaption[n] + u"    " + data.ParamText[n];
}

}  // namespace rc
