#pragma once
// The comma-separated files of a class, read as a spreadsheet writes them: UTF-8 or
// Windows-1251 text, a byte-order mark, LF, CRLF or CR line ends, cells separated by ','
// or ';' (the header line's choice), quoted cells that may hold the separator, a quote
// ("") or a line break, blanks around a cell and empty cells at the end of a row. A quote
// inside a cell's text is text; a quote that opens a cell and is left open (to the end of
// the file, or swallowing the next rows' cells) ends at the end of its line.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QByteArray;

namespace rc {

// A file's bytes as UTF-8 text without its byte-order mark: taken as they are when they
// are valid UTF-8, otherwise read as Windows-1251. Empty when the system cannot read
// Windows-1251.
std::optional<std::string> SpreadsheetText(const QByteArray& bytes);

// How a quote that opens a cell was left open: its cell was taken to the end of its line.
enum class QuoteLeftOpen {
  None,
  ToLineEnd,  // closed only after the separators of the next lines
  ToFileEnd,  // never closed
};

struct CsvLine {
  int number = 0;  // 1-based line of the file on which the row begins
  std::vector<std::string> fields;  // blanks around each removed, empty ones at the end left out
  std::size_t written = 0;          // how many cells the row has, empty ones at the end included
  QuoteLeftOpen openQuote = QuoteLeftOpen::None;
  int quoteLine = 0;  // the line of that quote
};

struct CsvTable {
  // Rows above the header whose first cell begins with "#": that cell without the "#"
  // (a key names its class so).
  std::vector<std::string> comments;
  CsvLine header;
  std::vector<CsvLine> rows;  // the rows after the header that hold any text or an open quote
};

// Empty when the text has no header: no row but comments and empty ones.
std::optional<CsvTable> ReadCsv(std::string_view text);

// A field as written: quoted when it holds a comma, a semicolon, a quote or a line break.
std::string CsvField(const std::string& text);
std::string CsvRow(const std::vector<std::string>& fields);

// What the files the tool writes begin with, so that a spreadsheet reads them as UTF-8.
inline constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

}  // namespace rc
