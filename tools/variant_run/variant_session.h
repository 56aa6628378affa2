#pragma once
// A whole student session for one variant, played through the program's real windows,
// with what the student sees written to a folder:
//   transcript.txt           the texts of every calculation and printed report, and the
//                            reflux study on the data of the tray-by-tray calculation
//   reflux.png, reflux.pdf   the diagram window's reflux study after that calculation,
//                            and its printed page
//   form7-kinetic.png        the results window after the kinetic line calculation
//   form7-tray-by-tray.png   the results window after the tray-by-tray calculation
//   report-kinetic.pdf, report-tray-by-tray.pdf   the two printed reports
//   diagram-kinetic.png, diagram-tray-by-tray.png the diagram window after each calculation
//   diagram.pdf              the diagram printed after the tray-by-tray calculation
//   saved.rcol               the data, saved by the program's own save button at the
//                            end of the last session (a variant file itself)
//   kinetic.tsv, trays.tsv   the results menu's table, copied by its copy button
//   profile.tsv, reflux.tsv  the diagram window's tray profile and reflux study's points
//   column.tsv               the column's results (when the third stage is given)
//   diagram.svg, reflux.svg  the diagram window's plots, saved by its picture button
//   study-KEY.tsv, study-KEY.svg   each study's table and plots (--study)
// The transcript's section "== tray profile" holds one line per tray of the tray-by-tray
// calculation: the tray number in 4 characters, then liquid x, vapour entering, y*(x),
// vapour leaving, EMY and clear-liquid height, each in 10 with 4 decimals; " *" on the
// feed tray.
// Each study asked for (--study KEY:FROM:TO:POINTS) adds, after the other sections, a
// section "== study KEY FROM TO POINTS" with one line per point (report/study_texts.h).
#include <QString>
#include <string>
#include <vector>

#include "variant_run/variant_file.h"

namespace rc {

// Exit statuses of variant-run.
inline constexpr int kVariantRunDone = 0;     // ran to its end, or stopped on a fault
inline constexpr int kVariantRunFailed = 1;   // anything else went wrong
inline constexpr int kVariantFileError = 2;   // the variant file cannot be used
inline constexpr int kVariantDataRefused = 3;  // the input checks refused the variant's data

// One --study option: the input's data-file key, the range as given and as numbers, and
// the number of points.
struct StudyOption {
  std::string key, fromText, toText;
  double from = 0, to = 0;
  int points = 0;
};

// Reads KEY:FROM:TO:POINTS (FROM and TO decimal numbers with a point and perhaps an
// exponent, POINTS 2..201, KEY an input of the catalogue). Returns what is wrong with it,
// or the empty text.
std::string ParseStudyOption(const std::string& text, StudyOption& option);

struct VariantRunResult {
  int status = kVariantRunFailed;
  std::string message;  // for the user: what went wrong
};

// Plays the variant; outDir is created if need be, and the files an earlier run wrote
// there are removed first (other files are left alone). Needs the QApplication
// (OffscreenApplication).
VariantRunResult RunVariantSession(const Variant& variant, const QString& outDir,
                                   const std::vector<StudyOption>& studies = {});

// The command: reads and checks the variant file first (status 2 and nothing written
// when it is bad, or when a study asks for a third-stage value the variant does not give),
// then plays it.
VariantRunResult RunVariantFile(const std::string& variantPath, const QString& outDir,
                                const std::vector<StudyOption>& studies = {});

}  // namespace rc
