#include "report/table_cells.h"

#include "model/text.h"

namespace rc {
namespace {

bool Blank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

std::u16string OneLine(const std::u16string& cell) {
  std::u16string text = cell;
  for (char16_t& c : text) {
    if (c == u'\t' || c == u'\r' || c == u'\n') c = u' ';
  }
  return text;
}

std::u16string Escaped(const std::u16string& text) {
  std::u16string out;
  for (const char16_t c : OneLine(text)) {
    switch (c) {
      case u'&': out += u"&amp;"; break;
      case u'<': out += u"&lt;"; break;
      case u'>': out += u"&gt;"; break;
      case u'"': out += u"&quot;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

// A cell that starts like a number (a digit, or a sign, separator or ">" before one).
bool LooksNumeric(const std::u16string& cell) {
  for (const char16_t c : cell) {
    if (c >= u'0' && c <= u'9') return true;
    if (c != u'-' && c != u'+' && c != u'.' && c != u',' && c != u'>') return false;
  }
  return false;
}

void AppendRow(std::u16string& html, const CellRow& row, const char16_t* tag) {
  html += u"<tr>";
  for (const std::u16string& cell : row) {
    html += u"<";
    html += tag;
    if (LooksNumeric(cell)) html += u" align=\"right\"";
    html += u">" + Escaped(cell) + u"</" + tag + u">";
  }
  html += u"</tr>\n";
}

}  // namespace

CellRow CellsOfLine(const std::u16string& line) {
  CellRow cells;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && Blank(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !Blank(line[i])) ++i;
    if (i > start) cells.push_back(line.substr(start, i - start));
  }
  return cells;
}

std::u16string Trimmed(const std::u16string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && Blank(text[begin])) ++begin;
  while (end > begin && Blank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::u16string TableAsTabText(const CellTable& table) {
  std::u16string text;
  const auto line = [&text](const CellRow& row) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) text.push_back(u'\t');
      text += OneLine(row[i]);
    }
    text.push_back(u'\n');
  };
  line(table.heading);
  for (const CellRow& row : table.rows) line(row);
  return text;
}

std::u16string TableAsHtml(const CellTable& table) {
  std::u16string html =
      u"<html><head><meta charset=\"utf-8\"></head><body>\n"
      u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
  AppendRow(html, table.heading, u"th");
  for (const CellRow& row : table.rows) AppendRow(html, row, u"td");
  return html + u"</table>\n</body></html>\n";
}

std::u16string TableCopiedText(std::size_t rows) {
  // 1 строка, 2..4 строки, 5..20 строк; 21 строка, 22 строки ...
  const std::size_t lastTwo = rows % 100, last = rows % 10;
  const char16_t* word = (lastTwo >= 11 && lastTwo <= 14) ? u"строк"
                         : last == 1                      ? u"строка"
                         : (last >= 2 && last <= 4)       ? u"строки"
                                                          : u"строк";
  return u"Таблица скопирована: " + DecimalText(static_cast<int>(rows)) + u" " + word;
}

}  // namespace rc
