#pragma once
// The two printed reports. Both begin with the report frame: the header with the
// student's name and the date, the bold title and every input the calculation used.
// They draw on a printer surface (pages, pen, black lines); the caller ends the document.
#include <cstddef>
#include <string>

#include "calc/runs.h"
#include "model/design_data.h"
#include "report/surface.h"
#include "report/table_texts.h"  // the screen tables' texts, which the reports print too

namespace rc {

// The printer font the reports ask for.
inline constexpr char16_t kReportFontName[] = u"Courier New Cyr";
// Its size, the same for every printed page. The reports place their table rules in
// twips while the text advances by characters: only characters between 97.7 and 98.7
// twips wide (8.14 to 8.22 pt) keep every rule between two characters of its row (at
// 8.0 pt rules ran through the headings). At 8.16 pt the 42 lines of the report frame
// (185 twips each) still end above the kinetic tables at 7850 twips.
inline constexpr double kReportFontSizePt = 8.16;

// The most characters a name takes in a header line, its leading blanks given up: with
// the longest date text the line still fits a page.
inline constexpr std::size_t kHeaderNameRoom = 65;

// The name the printed pages' header lines carry: the student's name, and for data
// opened from a teacher's numbered variant "Вариант N" beside it, so that a pile of
// printouts can be matched to the students and their variants. A student's name too long
// for kHeaderNameRoom beside the variant is cut, ending in a full stop.
std::u16string ReportedName(const DesignData& data);

// The header line of every printed page up to the end of the date: 25 blanks, the
// student's name padded to 40, the date text (dateTime, from DateTimeText). A name longer
// than 40 takes as many of the blanks as it needs (a name over kHeaderNameRoom is cut),
// so the date and time stay on the line.
std::u16string ReportHeaderLine(const std::u16string& studentName, const std::u16string& dateTime);

// The 42 frame lines. dateTime is the text of DateTimeText.
void PrintReportFrame(Surface& printer, const DesignData& data, const std::u16string& title,
                      const std::u16string& dateTime);

// The kinetic line report: frame, then the three tables from y 7850, boxed and ruled.
void PrintKineticReport(Surface& printer, const DesignData& data, const KineticLineRun& run,
                        const std::u16string& dateTime, char16_t decimalSeparator);

// The tray-by-tray report: frame, then the first, feed and last tray blocks of the run.
void PrintTrayReport(Surface& printer, const DesignData& data, const TrayByTrayRun& run,
                     const std::u16string& dateTime, char16_t decimalSeparator);

}  // namespace rc
