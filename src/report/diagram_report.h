#pragma once
// The y–x diagram on paper: the header line with the student's name and the date text,
// the bold title, the diagram in vector operations, then the tray profile, which runs on
// to further pages when it is long.
#include <string>

#include "report/yx_diagram.h"

namespace rc {

inline constexpr char16_t kDiagramReportTitle[] = u"ДИАГРАММА Y–X РЕКТИФИКАЦИОННОЙ КОЛОННЫ";

// The diagram as its page prints it, from top (the pen under the page's title) down: the
// plot, its tick labels and the message lines under it. Returns the y under the last
// message line. The page and the diagram's picture both draw it.
double DrawPrintedYXDiagram(Surface& printer, const DesignData& data, const YXDiagramContent& content,
                            double top, char16_t decimalSeparator);

// dateTime is the text of DateTimeText. The plotting area of the diagram is returned
// so that a reader of the page can find its points.
TwipRect PrintYXDiagram(Surface& printer, const DesignData& data, const YXDiagramContent& content,
                        const std::u16string& dateTime, char16_t decimalSeparator);

}  // namespace rc
