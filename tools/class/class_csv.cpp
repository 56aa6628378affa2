#include "class/class_csv.h"

namespace rc {
namespace {

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> SplitFields(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == separator) {
      fields.push_back(Trimmed(field));
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(Trimmed(field));
  return fields;
}

}  // namespace

std::vector<CsvLine> ReadCsv(const std::string& text) {
  std::vector<CsvLine> lines;
  std::size_t start = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
  char separator = 0;
  for (int number = 1; start <= text.size(); ++number) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    start = end + 1;
    if (Trimmed(line).empty()) continue;
    if (!separator) separator = line.find(';') != std::string::npos ? ';' : ',';
    lines.push_back({number, SplitFields(line, separator)});
  }
  return lines;
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\n\r;") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string CsvRow(const std::vector<std::string>& fields) {
  std::string row;
  for (std::size_t i = 0; i < fields.size(); ++i) row += (i ? "," : "") + CsvField(fields[i]);
  return row + "\n";
}

}  // namespace rc
