#include "calc/calculations.h"

#include "model/text.h"

namespace rc {
namespace {

// A number with one blank before it; a negative one carries its minus sign there instead.
std::u16string SignedField(int value) {
  return value < 0 ? DecimalText(value) : u" " + DecimalText(value);
}

}  // namespace

std::u16string TraySummaryText(int totalTrays, int feedTray) {
  return u"  ОБЩЕЕ ЧИСЛО ТАРЕЛОК   = " + SignedField(totalTrays) +
         u"       НОМЕР ТАРЕЛКИ ПИТАНИЯ = " + SignedField(feedTray);
}

}  // namespace rc
