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
  std::string text;  // line breaks inside quotes kept as '\n'
  QuoteLeftOpen openQuote = QuoteLeftOpen::None;
  int quoteLine = 0;
};

bool IsSeparator(char c, std::string_view separators) { return separators.find(c) != std::string_view::npos; }

// The length of the line break at i: 2 for CRLF, 1 for LF or a CR alone, 0 for none.
std::size_t BreakAt(std::string_view text, std::size_t i) {
  if (text[i] == '\n') return 1;
  if (text[i] == '\r') return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
  return 0;
}

// Rows end at line breaks (LF, CRLF or a CR alone) outside quotes. A quote opens a quoted
// cell only at the cell's start (blanks before it allowed); anywhere else it is text, as
// a spreadsheet reads it. A quoted cell that runs to the end of the file has swallowed
// the rest, and one that holds a separator after a line break of its own has swallowed
// the next rows: either ends at the end of its quote's line, which is marked, and the
// lines after it are read again as rows.
std::vector<RawRow> SplitRows(std::string_view text, std::string_view separators) {
  std::vector<RawRow> rows;
  std::size_t i = 0;
  int line = 1;
  for (;;) {
    RawRow row{line, {}, QuoteLeftOpen::None, 0};
    bool quoted = false, cellStart = true, lineEnded = false;
    bool swallowed = false;  // the open quoted cell holds a separator after its line break
    constexpr std::size_t kNoCut = std::string::npos;
    std::size_t cut = kNoCut;        // the row's text up to the open quote's first line break
    std::size_t resume = 0;          // and where the next row begins if it is cut there
    int resumeLine = 0;
    while (i < text.size()) {
      const char c = text[i];
      if (const std::size_t length = BreakAt(text, i)) {
        i += length;
        ++line;
        if (!quoted) {
          lineEnded = true;
          break;
        }
        if (cut == kNoCut) {
          cut = row.text.size();
          resume = i;
          resumeLine = line;
        }
        row.text += '\n';
        continue;
      }
      if (quoted) {
        if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
          row.text += "\"\"";
          i += 2;
          continue;
        }
        if (c == '"' && swallowed) {
          row.openQuote = QuoteLeftOpen::ToLineEnd;
          break;
        }
        if (c == '"') {
          quoted = false;
          cut = kNoCut;
        } else if (cut != kNoCut && IsSeparator(c, separators)) {
          swallowed = true;
        }
      } else if (IsSeparator(c, separators)) {
        cellStart = true;
      } else if (c == '"' && cellStart) {
        quoted = true;
        cellStart = false;
      } else if (c != ' ' && c != '\t') {
        cellStart = false;
      }
      row.text += c;
      ++i;
    }
    if (quoted && row.openQuote == QuoteLeftOpen::None) row.openQuote = QuoteLeftOpen::ToFileEnd;
    if (row.openQuote != QuoteLeftOpen::None) {
      row.quoteLine = cut != kNoCut ? resumeLine - 1 : line;
      if (cut != kNoCut) {
        row.text.resize(cut);
        i = resume;
        line = resumeLine;
      }
    }
    rows.push_back(std::move(row));
    if (i >= text.size() && !lineEnded) break;
  }
  return rows;
}

// The cells of a row; a quote opens a quoted cell only at the cell's start, as in
// SplitRows.
std::vector<std::string> SplitFields(const std::string& row, char separator) {
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false, cellStart = true;
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
    } else if (c == separator) {
      fields.push_back(Trimmed(field));
      field.clear();
      cellStart = true;
    } else if (c == '"' && cellStart) {
      quoted = true;
      cellStart = false;
    } else {
      if (c != ' ' && c != '\t') cellStart = false;
      field += c;
    }
  }
  fields.push_back(Trimmed(field));
  return fields;
}

CsvLine LineOf(const RawRow& raw, char separator) {
  CsvLine line{raw.line, SplitFields(raw.text, separator), 0, raw.openQuote, raw.quoteLine};
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
  // The header's separator decides how the rows split: first found with either.
  const auto headerOf = [](const std::vector<RawRow>& raw) {
    std::size_t header = 0;
    while (header < raw.size() && (Trimmed(raw[header].text).empty() || IsComment(raw[header].text))) ++header;
    return header;
  };
  const std::vector<RawRow> firstRead = SplitRows(text, ",;");
  const std::size_t firstHeader = headerOf(firstRead);
  if (firstHeader == firstRead.size()) return std::nullopt;
  const char separator = SplitFields(firstRead[firstHeader].text, ';').size() > 1 ? ';' : ',';
  const std::vector<RawRow> raw = SplitRows(text, std::string_view(&separator, 1));
  const std::size_t header = headerOf(raw);
  if (header == raw.size()) return std::nullopt;
  CsvTable table;
  for (std::size_t at = 0; at < header; ++at) {
    const CsvLine line = LineOf(raw[at], separator);
    if (!line.fields.empty()) table.comments.push_back(Trimmed(line.fields.front().substr(1)));
  }
  table.header = LineOf(raw[header], separator);
  for (std::size_t at = header + 1; at < raw.size(); ++at) {
    CsvLine line = LineOf(raw[at], separator);
    if (!line.fields.empty() || line.openQuote != QuoteLeftOpen::None) table.rows.push_back(std::move(line));
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
