#include "class/class_check.h"

#include <algorithm>
#include <set>

#include "class/class_csv.h"
#include "class/class_key.h"
#include "model/data_file.h"
#include "model/text.h"

namespace rc {
namespace {

constexpr char kVariantColumn[] = "variant";

std::string ReadFault(int line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

std::string Lowercase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::vector<std::string> HeaderNames(const CsvLine& header) {
  std::vector<std::string> names;
  for (const std::string& f : header.fields) names.push_back(Lowercase(f));
  return names;
}

std::optional<std::size_t> ColumnOf(const std::vector<std::string>& names, const std::string& name) {
  const auto at = std::find(names.begin(), names.end(), name);
  if (at == names.end()) return std::nullopt;
  return static_cast<std::size_t>(at - names.begin());
}

const std::string& Cell(const CsvLine& line, std::size_t column) {
  static const std::string kNone;
  return column < line.fields.size() ? line.fields[column] : kNone;
}

// A variant's number: a whole number from 1, however written ("3", "3.0", "3,0").
std::optional<long long> VariantOf(const std::string& cell) {
  const std::optional<CellNumber> number = ReadCellNumber(cell);
  const std::optional<long long> whole = number ? number->Whole() : std::nullopt;
  if (!whole || *whole < 1 || *whole > kMaxVariantNumber) return std::nullopt;
  return whole;
}

// A name on one line: a line break typed into a spreadsheet's cell, and any run of
// blanks, as one blank.
std::string OnOneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
    if (!blank) out += c;
    else if (!out.empty() && out.back() != ' ') out += ' ';
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string Quoted(const std::string& text) { return "«" + text + "»"; }

// What the marks say of a quote left open in a row, with its line.
std::string OpenQuoteNote(const CsvLine& line) {
  if (line.openQuote == QuoteLeftOpen::None) return {};
  return "строка " + std::to_string(line.quoteLine) + ": кавычка не закрыта до конца " +
         (line.openQuote == QuoteLeftOpen::ToFileEnd ? "файла" : "строки");
}

// The key is the tool's own file: a quote left open in it makes it unusable.
std::string OpenQuoteFault(const CsvLine& line) {
  if (line.openQuote == QuoteLeftOpen::None) return {};
  return ReadFault(line.quoteLine, line.openQuote == QuoteLeftOpen::ToFileEnd
                                       ? "a quote is not closed before the end of the file"
                                       : "a quote is not closed before the end of its line");
}

// How far a mark goes towards a right answer: a variant answered more than once counts
// with its best row.
int Rank(Mark m) {
  switch (m) {
    case Mark::NotChecked: return 0;
    case Mark::NotGiven: return 1;
    case Mark::Wrong: return 2;
    case Mark::Right: return 3;
  }
  return 0;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& between) {
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : between) + p;
  return out;
}

}  // namespace

bool AnswerIsRight(const std::string& answer, const std::string& key) {
  const auto a = ReadCellNumber(answer), k = ReadCellNumber(key);
  return a && k && WithinHalfAUnit(*a, *k, std::max(0, k->decimals));
}

std::string ReadKey(const std::string& text, KeyTable& key) {
  key = KeyTable{};
  const std::optional<CsvTable> table = ReadCsv(text);
  if (!table) return "the key is empty";
  if (!table->comments.empty()) key.classLine = table->comments.front();
  const std::vector<std::string> names = HeaderNames(table->header);
  const int headerLine = table->header.number;
  if (const std::string fault = OpenQuoteFault(table->header); !fault.empty()) return fault;
  const std::optional<std::size_t> variantAt = ColumnOf(names, kVariantColumn);
  if (!variantAt) return ReadFault(headerLine, "the header has no column variant");
  const std::optional<std::size_t> nameAt = ColumnOf(names, kNameColumn);
  std::vector<std::size_t> at;  // by checked column: its place in the rows
  for (std::size_t c = 0; c < names.size(); ++c) {
    if (c == *variantAt || c == nameAt) continue;
    if (names[c].empty()) return ReadFault(headerLine, "column " + std::to_string(c + 1) + " has no name");
    if (ColumnOf(key.columns, names[c])) return ReadFault(headerLine, "column " + names[c] + " again");
    key.columns.push_back(names[c]);
    const KeyColumn* known = FindKeyColumn(names[c]);
    key.decimals.push_back(known ? known->decimals : -1);
    at.push_back(c);
  }
  for (const CsvLine& line : table->rows) {
    if (const std::string fault = OpenQuoteFault(line); !fault.empty()) return fault;
    if (line.fields.size() > names.size()) return ReadFault(line.number, "more cells than the header has");
    const std::optional<long long> variant = VariantOf(Cell(line, *variantAt));
    if (!variant) return ReadFault(line.number, "not a variant number: " + Cell(line, *variantAt));
    KeyRow row{nameAt ? Cell(line, *nameAt) : std::string(), {}};
    for (std::size_t c = 0; c < at.size(); ++c) {
      const std::string& cell = Cell(line, at[c]);
      const std::optional<CellNumber> number = ReadCellNumber(cell);
      if (!cell.empty() && !number) {
        return ReadFault(line.number, key.columns[c] + " is not a number: " + cell);
      }
      row.cells.push_back(number ? number->text : std::string());
    }
    if (!key.rows.emplace(*variant, std::move(row)).second) {
      return ReadFault(line.number, "variant " + std::to_string(*variant) + " again");
    }
  }
  if (key.rows.empty()) return "the key has no variant";
  return {};
}

std::string CheckAnswers(const KeyTable& key, const std::string& text, ClassMarks& marks) {
  marks = ClassMarks{};
  marks.classLine = key.classLine;
  marks.keyVariants = key.rows.size();
  const std::optional<CsvTable> table = ReadCsv(text);
  if (!table) return "the answers are empty";
  const std::vector<std::string> names = HeaderNames(table->header);
  const std::optional<std::size_t> variantAt = ColumnOf(names, kVariantColumn);
  if (!variantAt) return ReadFault(table->header.number, "the header has no column variant");
  const std::optional<std::size_t> nameAt = ColumnOf(names, kNameColumn);

  std::vector<std::size_t> at, keyAt;  // by checked column: its place in the answers, in the key
  for (std::size_t c = 0; c < names.size(); ++c) {
    if (c == *variantAt || c == nameAt) continue;
    const std::optional<std::size_t> inKey = ColumnOf(key.columns, names[c]);
    if (names[c].empty() || !inKey || ColumnOf(marks.columns, names[c])) {
      const std::string& written = table->header.fields[c];
      marks.unchecked.push_back(written.empty() ? "столбец " + std::to_string(c + 1) : written);
      continue;
    }
    marks.columns.push_back(names[c]);
    at.push_back(c);
    keyAt.push_back(*inKey);
  }
  const std::size_t n = marks.columns.size();
  const std::size_t headerCells = table->header.fields.size();

  std::map<long long, std::vector<int>> linesOf;  // the rows of each variant answered
  for (const CsvLine& line : table->rows) {
    const std::string& variantCell = Cell(line, *variantAt);
    const std::optional<long long> variant = VariantOf(variantCell);
    const std::string where = "строка " + std::to_string(line.number) + ": ";
    const std::string openQuote = OpenQuoteNote(line);
    const auto skip = [&](const std::string& why) {
      marks.skipped.push_back({line.number, openQuote.empty() ? why : why + "; " + openQuote});
    };
    if (!variant) {
      skip(variantCell.empty() ? "нет номера варианта" : "номер варианта не прочитан: " + Quoted(variantCell));
      continue;
    }
    const auto keyRow = key.rows.find(*variant);
    if (keyRow == key.rows.end()) {
      skip("варианта " + std::to_string(*variant) + " нет в ключе");
      continue;
    }
    StudentMarks student;
    student.variant = *variant;
    student.line = line.number;
    const std::string& name = nameAt ? Cell(line, *nameAt) : std::string();
    student.name = OnOneLine(name.empty() ? keyRow->second.name : name);
    std::vector<std::string> notes;
    if (!openQuote.empty()) notes.push_back(openQuote);
    if (line.written < headerCells) {
      notes.push_back(where + std::to_string(line.written) + " ячеек, в заголовке " +
                      std::to_string(headerCells));
    }
    if (line.fields.size() > headerCells) notes.push_back(where + "ячейки правее заголовка не проверялись");
    student.note = Joined(notes, "; ");

    for (std::size_t c = 0; c < n; ++c) {
      const std::string& answer = Cell(line, at[c]);
      const std::string& keyText = keyRow->second.cells[keyAt[c]];
      const std::optional<CellNumber> number = ReadCellNumber(answer);
      Mark mark = Mark::Wrong;
      if (keyText.empty()) {
        mark = Mark::NotChecked;
      } else if (answer.empty()) {
        mark = Mark::NotGiven;
      } else if (number) {
        const CellNumber keyNumber = *ReadCellNumber(keyText);
        const int decimals = key.decimals[keyAt[c]];
        mark = WithinHalfAUnit(*number, keyNumber, decimals >= 0 ? decimals : std::max(0, keyNumber.decimals))
                   ? Mark::Right
                   : Mark::Wrong;
      }
      student.answers.push_back(number ? number->text : answer);
      student.keys.push_back(keyText);
      student.marks.push_back(mark);
      if (mark != Mark::NotChecked) ++student.checked;
      if (mark == Mark::Right) ++student.right;
    }
    linesOf[*variant].push_back(line.number);
    marks.students.push_back(std::move(student));
  }

  for (StudentMarks& s : marks.students) {
    const std::vector<int>& lines = linesOf[s.variant];
    if (lines.size() < 2) continue;
    std::vector<std::string> numbers;
    for (int l : lines) numbers.push_back(std::to_string(l));
    const std::string repeated = "вариант повторён: строки " + Joined(numbers, ", ");
    s.note = s.note.empty() ? repeated : repeated + "; " + s.note;
  }
  for (const auto& [variant, row] : key.rows) {
    if (linesOf.count(variant)) continue;
    MissingVariant missing{variant, row.name, {}};
    for (const std::size_t k : keyAt) missing.keys.push_back(row.cells[k]);
    marks.missing.push_back(std::move(missing));
  }
  marks.answeredVariants = linesOf.size();
  // The totals count variants: a variant answered more than once counts once, with the
  // best of its rows in each column.
  std::map<long long, std::vector<Mark>> best;
  for (const StudentMarks& s : marks.students) {
    const auto [at, first] = best.emplace(s.variant, s.marks);
    for (std::size_t c = 0; c < n && !first; ++c) {
      if (Rank(s.marks[c]) > Rank(at->second[c])) at->second[c] = s.marks[c];
    }
  }
  marks.rightPerColumn.assign(n, 0);
  marks.givenPerColumn.assign(n, 0);
  marks.checkedPerColumn.assign(n, 0);
  for (const auto& [variant, m] : best) {
    for (std::size_t c = 0; c < n; ++c) {
      if (m[c] != Mark::NotChecked) ++marks.checkedPerColumn[c];
      if (m[c] == Mark::Right || m[c] == Mark::Wrong) ++marks.givenPerColumn[c];
      if (m[c] == Mark::Right) ++marks.rightPerColumn[c];
    }
  }
  return {};
}

std::u16string AnsweredText(const ClassMarks& marks) {
  return u"вариантов с ответами: " + DecimalText(static_cast<long long>(marks.answeredVariants)) +
         u" из " + DecimalText(static_cast<long long>(marks.keyVariants));
}

std::u16string UncheckedText(const ClassMarks& marks) {
  if (marks.unchecked.empty()) return {};
  return u"не проверялись: " + FromUtf8(Joined(marks.unchecked, ", "));
}

std::string MarksCsv(const ClassMarks& marks) {
  const std::size_t n = marks.columns.size();
  std::vector<std::string> header = {kVariantColumn, kNameColumn};
  for (const std::string& c : marks.columns) header.insert(header.end(), {c, c + "_key", c + "_right"});
  header.insert(header.end(), {"right", "note"});
  std::string text = kUtf8ByteOrderMark + CsvRow(header);

  for (const StudentMarks& s : marks.students) {
    std::vector<std::string> row = {std::to_string(s.variant), s.name};
    for (std::size_t c = 0; c < n; ++c) {
      const char* mark = s.marks[c] == Mark::Right ? "1" : s.marks[c] == Mark::Wrong ? "0" : "";
      row.insert(row.end(), {s.answers[c], s.keys[c], mark});
    }
    row.insert(row.end(), {std::to_string(s.right), s.note});
    text += CsvRow(row);
  }
  for (const MissingVariant& m : marks.missing) {
    std::vector<std::string> row = {std::to_string(m.variant), m.name};
    for (std::size_t c = 0; c < n; ++c) row.insert(row.end(), {"", m.keys[c], ""});
    row.insert(row.end(), {"", "нет ответов"});
    text += CsvRow(row);
  }
  for (const SkippedLine& s : marks.skipped) {
    std::vector<std::string> row(2 + 3 * n + 1);
    row.push_back("строка " + std::to_string(s.line) + " пропущена: " + s.why);
    text += CsvRow(row);
  }
  std::vector<std::string> summary = {"", "верно"};
  int right = 0;
  for (std::size_t c = 0; c < n; ++c) {
    // Blank where the key checks no answered variant's value.
    summary.insert(summary.end(),
                   {"", "", marks.checkedPerColumn[c] ? std::to_string(marks.rightPerColumn[c]) : ""});
    right += marks.rightPerColumn[c];
  }
  summary.insert(summary.end(), {std::to_string(right), ""});
  text += CsvRow(summary) + CsvRow({"", ToUtf8(AnsweredText(marks))});
  if (!marks.unchecked.empty()) text += CsvRow({"", ToUtf8(UncheckedText(marks))});
  return text;
}

}  // namespace rc
