#include "calc/refusal.h"

#include "model/design_data.h"
#include "model/text.h"

namespace rc {

std::u16string Refusal::Message() const {
  switch (kind) {
    case RefusalKind::TooManyTrays:
      return u"ОБЩЕЕ ЧИСЛО ТАРЕЛОК БОЛЬШЕ " + DecimalText(kMaxTrays) + u" !";
    case RefusalKind::DataRefused:
      break;
  }
  return kInputErrorMessage;
}

}  // namespace rc
