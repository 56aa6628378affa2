#include "report/screen_tables.h"

namespace rc {

void DrawKineticTable(Surface&, const DesignData&, int, char16_t) {}
void DrawTrayTable(Surface&, DesignData&, int, int, char16_t) {}
std::u16string KineticTableRow(const DesignData&, int, int, char16_t) { return {}; }

}  // namespace rc
