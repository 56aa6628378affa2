#include "report/printed_reports.h"

namespace rc {

void PrintReportFrame(Surface&, const DesignData&, const std::u16string&, const std::u16string&) {}
void PrintKineticReport(Surface&, const DesignData&, const std::u16string&, char16_t) {}
void PrintTrayReport(Surface&, DesignData&, const std::u16string&, char16_t) {}

}  // namespace rc
