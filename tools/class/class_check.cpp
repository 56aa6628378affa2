#include "class/class_check.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "class/class_csv.h"

namespace rc {
namespace {

constexpr int kMaxDigits = 18;  // a decimal of more digits is not an answer

// A decimal number as exact integers: digits * 10^-decimals.
struct Decimal {
  long long digits = 0;
  int decimals = 0;
};

std::optional<Decimal> ParseDecimal(const std::string& text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  Decimal d;
  int count = 0;
  bool separator = false, any = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if ((c == '.' || c == ',') && !separator) {
      separator = true;
      continue;
    }
    if (c < '0' || c > '9' || ++count > kMaxDigits) return std::nullopt;
    d.digits = d.digits * 10 + (c - '0');
    if (separator) ++d.decimals;
    any = true;
  }
  if (!any) return std::nullopt;
  if (negative) d.digits = -d.digits;
  return d;
}

long long PowerOfTen(int n) {
  long long p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

std::string ReadFault(int line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

}  // namespace

bool IsPlainNumber(const std::string& text) { return ParseDecimal(text).has_value(); }

bool AnswerIsRight(const std::string& answer, const std::string& key) {
  const auto a = ParseDecimal(answer), k = ParseDecimal(key);
  if (!a || !k) return false;
  const int decimals = std::max(a->decimals, k->decimals);
  // Both as whole numbers of units of the finer of the two; a number too long to be so
  // written is no number copied from the screen.
  long long av = 0, kv = 0, difference = 0, halfUnits = 0;
  if (decimals - std::min(a->decimals, k->decimals) > kMaxDigits ||
      __builtin_mul_overflow(a->digits, PowerOfTen(decimals - a->decimals), &av) ||
      __builtin_mul_overflow(k->digits, PowerOfTen(decimals - k->decimals), &kv) ||
      __builtin_sub_overflow(av, kv, &difference) || __builtin_mul_overflow(difference, 2, &halfUnits)) {
    return false;
  }
  if (k->decimals == 0) return difference == 0;
  // Half a unit of the key's last digit.
  return std::llabs(halfUnits) <= PowerOfTen(decimals - k->decimals);
}

std::string ReadKey(const std::string& text, KeyTable& key) {
  const std::vector<CsvLine> lines = ReadCsv(text);
  if (lines.empty()) return "the key is empty";
  const std::vector<std::string>& header = lines[0].fields;
  if (header.size() < 3 || header[0] != "variant" || header[1] != "trays" ||
      header[2] != "feed_tray") {
    return ReadFault(lines[0].number, "the header does not begin with variant,trays,feed_tray");
  }
  key.columns.assign(header.begin() + 1, header.end());
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const CsvLine& line = lines[i];
    const auto variant = ParseDecimal(line.fields[0]);
    if (line.fields.size() != header.size()) return ReadFault(line.number, "wrong number of fields");
    if (!variant || variant->decimals != 0 || variant->digits < 1) {
      return ReadFault(line.number, "not a variant number: " + line.fields[0]);
    }
    for (std::size_t c = 1; c < line.fields.size(); ++c) {
      if (!IsPlainNumber(line.fields[c])) {
        return ReadFault(line.number, header[c] + " is not a number: " + line.fields[c]);
      }
    }
    if (!key.rows.emplace(variant->digits, std::vector<std::string>(line.fields.begin() + 1,
                                                                    line.fields.end()))
             .second) {
      return ReadFault(line.number, "variant " + line.fields[0] + " again");
    }
  }
  return {};
}

std::string CheckAnswers(const KeyTable& key, const std::string& text, ClassMarks& marks) {
  const std::vector<CsvLine> lines = ReadCsv(text);
  if (lines.empty()) return "the answers are empty";
  const std::vector<std::string>& header = lines[0].fields;
  if (header.size() < 2 || header[0] != "variant" || header[1] != "name") {
    return ReadFault(lines[0].number, "the header does not begin with variant,name");
  }
  std::vector<std::size_t> keyColumn;  // by checked column: its position in the key's rows
  for (std::size_t c = 2; c < header.size(); ++c) {
    const auto at = std::find(key.columns.begin(), key.columns.end(), header[c]);
    if (at == key.columns.end()) return ReadFault(lines[0].number, "no such column in the key: " + header[c]);
    if (std::find(marks.columns.begin(), marks.columns.end(), header[c]) != marks.columns.end()) {
      return ReadFault(lines[0].number, "column " + header[c] + " again");
    }
    marks.columns.push_back(header[c]);
    keyColumn.push_back(static_cast<std::size_t>(at - key.columns.begin()));
  }
  const std::size_t n = marks.columns.size();
  marks.rightPerColumn.assign(n, 0);
  marks.givenPerColumn.assign(n, 0);

  for (std::size_t i = 1; i < lines.size(); ++i) {
    const CsvLine& line = lines[i];
    auto skip = [&](const std::string& why) { marks.skipped.push_back(ReadFault(line.number, why)); };
    if (line.fields.size() != header.size()) {
      skip("wrong number of fields (" + std::to_string(line.fields.size()) + ", the header has " +
           std::to_string(header.size()) + ")");
      continue;
    }
    const auto variant = ParseDecimal(line.fields[0]);
    const auto row = variant && variant->decimals == 0 ? key.rows.find(variant->digits) : key.rows.end();
    if (row == key.rows.end()) {
      skip("no such variant in the key: " + line.fields[0]);
      continue;
    }
    StudentMarks student{variant->digits, line.fields[1], {}, {}, {}, 0};
    bool sound = true;
    for (std::size_t c = 0; c < n && sound; ++c) {
      const std::string& answer = line.fields[c + 2];
      const std::string& keyText = row->second[keyColumn[c]];
      if (!answer.empty() && !IsPlainNumber(answer)) {
        skip(marks.columns[c] + " is not a number: " + answer);
        sound = false;
        break;
      }
      const Mark mark = answer.empty() ? Mark::NotGiven
                        : AnswerIsRight(answer, keyText) ? Mark::Right
                                                         : Mark::Wrong;
      student.answers.push_back(answer);
      student.keys.push_back(keyText);
      student.marks.push_back(mark);
    }
    if (!sound) continue;
    for (std::size_t c = 0; c < n; ++c) {
      if (student.marks[c] != Mark::NotGiven) ++marks.givenPerColumn[c];
      if (student.marks[c] == Mark::Right) {
        ++marks.rightPerColumn[c];
        ++student.right;
      }
    }
    marks.students.push_back(std::move(student));
  }
  return {};
}

std::string MarksCsv(const ClassMarks& marks) {
  std::vector<std::string> header = {"variant", "name"};
  for (const std::string& c : marks.columns) {
    header.insert(header.end(), {c, c + "_key", c + "_right"});
  }
  header.push_back("right");
  std::string text = CsvRow(header);
  for (const StudentMarks& s : marks.students) {
    std::vector<std::string> row = {std::to_string(s.variant), s.name};
    for (std::size_t c = 0; c < marks.columns.size(); ++c) {
      const char* mark = s.marks[c] == Mark::Right ? "1" : s.marks[c] == Mark::Wrong ? "0" : "";
      row.insert(row.end(), {s.answers[c], s.keys[c], mark});
    }
    row.push_back(std::to_string(s.right));
    text += CsvRow(row);
  }
  std::vector<std::string> summary = {"", "верно"};
  int right = 0;
  for (std::size_t c = 0; c < marks.columns.size(); ++c) {
    summary.insert(summary.end(), {"", "", std::to_string(marks.rightPerColumn[c])});
    right += marks.rightPerColumn[c];
  }
  summary.push_back(std::to_string(right));
  return text + CsvRow(summary);
}

}  // namespace rc
