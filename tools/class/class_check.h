#pragma once
// Checking a class at once: the students' answers against the key, column by column,
// each found by its name in the header. An integer of the key must be given exactly; a
// real is right within half a unit of the last digit the program shows for it, so a
// number copied from the screen is right. A blank key cell is a value the program does
// not show for that variant: it is not checked.
#include <map>
#include <string>
#include <vector>

#include "class/class_number.h"

namespace rc {

struct KeyRow {
  std::string name;               // the student's name, where the key gives one
  std::vector<std::string> cells;  // by KeyTable::columns; empty where blank
};

struct KeyTable {
  std::string classLine;              // what the key says of its class ("КЛАСС: ..."); may be empty
  std::vector<std::string> columns;   // the checked columns: every column but variant and name
  std::vector<int> decimals;          // by column: the decimals it is checked to; -1: as written
  std::map<long long, KeyRow> rows;   // by variant
};

// key.csv, as the tool writes it or a spreadsheet saves it: columns found by name in any
// order and letter case, `variant` required, `name` optional, every other cell blank or a
// number. Returns the first fault ("line 4: ..."), empty when the key is sound.
std::string ReadKey(const std::string& text, KeyTable& key);

// Whether an answer is right against a key text, to the key text's last digit.
bool AnswerIsRight(const std::string& answer, const std::string& key);

enum class Mark { Right, Wrong, NotGiven, NotChecked };

struct StudentMarks {
  long long variant = 0;
  std::string name;
  int line = 0;                            // where the row begins in the answers
  std::vector<std::string> answers, keys;  // by checked column, numbers with a point
  std::vector<Mark> marks;
  int right = 0;
  int checked = 0;    // how many of the columns the key gives a value for
  std::string note;   // a repeated variant, a short or long row
};

// A variant of the key that no row answers.
struct MissingVariant {
  long long variant = 0;
  std::string name;
  std::vector<std::string> keys;
};

struct SkippedLine {
  int line = 0;
  std::string why;  // in Russian, for the marks
};

struct ClassMarks {
  std::string classLine;                 // the key's
  std::vector<std::string> columns;      // the checked columns, as ANSWERS.csv orders them
  std::vector<std::string> unchecked;    // the answers' columns the key does not know
  std::vector<StudentMarks> students;    // in the order of the answers
  std::vector<MissingVariant> missing;   // by variant
  std::vector<SkippedLine> skipped;
  // By column, counted over the variants answered (a variant answered twice counts once,
  // with its best row): right, given, and checked (the key gives the value).
  std::vector<int> rightPerColumn, givenPerColumn, checkedPerColumn;
  std::size_t answeredVariants = 0, keyVariants = 0;
};

// ANSWERS.csv: a header with `variant`, `name` if wanted, and any columns; a row per
// student. Returns a fault that makes the whole file unusable (no header, no variant
// column), empty otherwise. One cell never costs a row: only a row without a readable
// variant of the key is left out, and listed. A quote left open is noted on its row.
std::string CheckAnswers(const KeyTable& key, const std::string& answers, ClassMarks& marks);

// marks.csv: per row of the answers the variant, the name, per column the answer, the
// key and the mark (1 right, 0 wrong, blank when not given or not checked), the number
// right and a note; then the variants without answers, the skipped lines, the number
// right per column ("верно", blank where the key checks none of the answered variants),
// how many variants were answered and the columns left out.
std::string MarksCsv(const ClassMarks& marks);

// "вариантов с ответами: 4 из 5".
std::u16string AnsweredText(const ClassMarks& marks);
// "не проверялись: group, e-mail"; empty when every column was checked.
std::u16string UncheckedText(const ClassMarks& marks);

}  // namespace rc
