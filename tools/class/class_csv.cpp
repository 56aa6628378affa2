#include "class/class_csv.h"

#include <QByteArray>
#include <QStringDecoder>

namespace rc {
namespace {

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

struct RawRow {
  int line = 0;
  std::string text;  // line breaks inside quotes kept
};

// Rows end at line breaks outside quotes; a quote anywhere opens or closes them ("" inside
// quotes closes and opens again, so it needs no care here).
std::vector<RawRow> SplitRows(std::string_view text) {
  std::vector<RawRow> rows;
  RawRow row{1, {}};
  int line = 1;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '"') quoted = !quoted;
    if (c == '\n') {
      ++line;
      if (!quoted) {
        rows.push_back(std::move(row));
        row = RawRow{line, {}};
        continue;
      }
    }
    row.text += c;
  }
  rows.push_back(std::move(row));
  return rows;
}

bool HoldsOutsideQuotes(const std::string& row, char wanted) {
  bool quoted = false;
  for (char c : row) {
    if (c == '"') quoted = !quoted;
    if (c == wanted && !quoted) return true;
  }
  return false;
}

std::vector<std::string> SplitFields(const std::string& row, char separator) {
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < row.size(); ++i) {
    const char c = row[i];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < row.size() && row[i + 1] == '"') {
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

CsvLine LineOf(const RawRow& raw, char separator) {
  CsvLine line{raw.line, SplitFields(raw.text, separator), 0};
  line.written = line.fields.size();
  while (!line.fields.empty() && line.fields.back().empty()) line.fields.pop_back();
  return line;
}

bool IsComment(const std::string& row) {
  const std::string t = Trimmed(row);
  return t.rfind('#', 0) == 0 || t.rfind("\"#", 0) == 0;
}

}  // namespace

std::optional<std::string> SpreadsheetText(const QByteArray& bytes) {
  QByteArrayView view(bytes);
  if (view.startsWith(kUtf8ByteOrderMark)) view = view.sliced(3);
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString asUtf8 = utf8.decode(view);
  if (!utf8.hasError()) return asUtf8.toStdString();
  QStringDecoder cyrillic("windows-1251");
  if (!cyrillic.isValid()) return std::nullopt;
  const QString decoded = cyrillic.decode(view);
  return decoded.toStdString();
}

std::optional<CsvTable> ReadCsv(std::string_view text) {
  const std::vector<RawRow> raw = SplitRows(text);
  std::size_t header = 0;
  while (header < raw.size() && (Trimmed(raw[header].text).empty() || IsComment(raw[header].text))) {
    ++header;
  }
  if (header == raw.size()) return std::nullopt;
  const char separator = HoldsOutsideQuotes(raw[header].text, ';') ? ';' : ',';
  CsvTable table;
  for (std::size_t at = 0; at < header; ++at) {
    const CsvLine line = LineOf(raw[at], separator);
    if (!line.fields.empty()) table.comments.push_back(Trimmed(line.fields.front().substr(1)));
  }
  table.header = LineOf(raw[header], separator);
  for (std::size_t at = header + 1; at < raw.size(); ++at) {
    CsvLine line = LineOf(raw[at], separator);
    if (!line.fields.empty()) table.rows.push_back(std::move(line));
  }
  return table;
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
