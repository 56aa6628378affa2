#pragma once
// The comma-separated files of a class: fields split at the separator outside double
// quotes ("" is a quote inside them), blanks around a field removed, a UTF-8 byte-order
// mark and carriage returns dropped.
#include <string>
#include <vector>

namespace rc {

struct CsvLine {
  int number = 0;  // 1-based line of the file
  std::vector<std::string> fields;
};

// The lines of text that are not blank; the separator is ';' when the first of them
// holds one (as spreadsheets write it beside a decimal comma), otherwise ','.
std::vector<CsvLine> ReadCsv(const std::string& text);

// A field as written: quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);
std::string CsvRow(const std::vector<std::string>& fields);

}  // namespace rc
