#pragma once
// A results table as rows of cells, for the copy buttons: the heading row with the
// columns' names and units, then the rows with every number in the text the window shows
// (its digits, its decimal separator, its refusals). Written out as tab-separated text,
// which pastes as cells into a spreadsheet, and as an HTML table for a word processor.
#include <string>
#include <vector>

namespace rc {

using CellRow = std::vector<std::u16string>;

struct CellTable {
  CellRow heading;
  std::vector<CellRow> rows;
};

// The cells of a fixed-width line: its runs of non-blank characters.
CellRow CellsOfLine(const std::u16string& line);

// A cell without the blanks around it.
std::u16string Trimmed(const std::u16string& text);

// One line per row, the heading first, the cells joined by tabs, each line ended by a
// line feed. A tab or line break inside a cell becomes a blank.
std::u16string TableAsTabText(const CellTable& table);

// A whole HTML document holding the table: the heading in <th> cells, the rows in <td>
// cells, numbers right-aligned; the characters HTML reserves are escaped.
std::u16string TableAsHtml(const CellTable& table);

// "Таблица скопирована: 18 строк", the rows counted in Russian.
std::u16string TableCopiedText(std::size_t rows);

}  // namespace rc
