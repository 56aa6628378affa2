#pragma once
// The answer key of one variant, from the calculations a student's session runs: the
// kinetic line, the tray-by-tray calculation and the reflux study on the entered data.
#include <string>
#include <vector>

#include "model/design_data.h"
#include "report/column_results.h"

namespace rc {

// A column of key.csv: its name in the header, its caption and unit in the printed
// pages, and the decimals the program shows for it (0: an integer). The column's results
// are rows of the program's table of them (report/column_results.h), which gives all of
// these.
struct KeyColumn {
  const char* name;
  std::u16string caption;
  std::u16string unit;     // empty where the caption says it or there is none
  std::u16string heading;  // the column's heading in the printed key, at most 7 characters
  int decimals;
  const ColumnResult* result = nullptr;  // the column's result it gives, if one
};

// variant, trays, feed_tray, then the results in the order of the key's rows.
const std::vector<KeyColumn>& KeyColumns();
// The column of that name (as key.csv writes it), or none.
const KeyColumn* FindKeyColumn(const std::string& name);
// "ВЫСОТА КОЛОННЫ, М".
std::u16string CaptionWithUnit(const KeyColumn& column);

// key.csv's column of the students' names, after `variant`; not a value to check.
inline constexpr char kNameColumn[] = "name";

// The number of real trays the teacher accepts.
struct TrayRange {
  int min = 5;
  int max = 60;
};

struct KeyOutcome {
  // The texts of the columns after `variant`, as the program shows the numbers (a
  // decimal point); empty when the data are refused.
  std::vector<std::string> values;
  std::string refusal;  // why the variant cannot be given: empty when it can
  // The column's largest per cent of flooding lies above the warning its results give
  // (kFloodingWarning); false where the column is not computed or flooding not.
  bool floods = false;
};

// Runs the calculations on copies of entered data (passed both input checks).
KeyOutcome ComputeKey(const DesignData& entered, TrayRange trays);

}  // namespace rc
