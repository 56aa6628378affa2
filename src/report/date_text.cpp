#include "report/date_text.h"

namespace rc {

std::u16string DateTimeText(const std::u16string&, const std::u16string&, const CalendarDate&) { return {}; }

}  // namespace rc
