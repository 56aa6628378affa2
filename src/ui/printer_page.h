#pragma once
// The printer as every printed page of the program uses it: the report font, a page
// surface measured in it, and the date text of the page headers.
#include <string>

#include "report/surface.h"
#include "ui/toolkit.h"

namespace rc {

// The report font at its printing size.
FontSpec ReportFont();
// An empty printer surface with the report font's line height, the printable page's
// height (text past the bottom goes on a new page) and its width (a line too long for
// it goes on below).
Surface PrinterSurface(Toolkit& toolkit);
// The date and time of the page header, from the toolkit's regional settings.
std::u16string PrintedDateTime(Toolkit& toolkit);

}  // namespace rc
