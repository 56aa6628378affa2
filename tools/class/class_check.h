#pragma once
// Checking a class at once: the students' answers against the key, column by column.
// An integer of the key must be given exactly; a real is right within half a unit of the
// last digit the key shows, so a number copied from the screen is right.
#include <map>
#include <string>
#include <vector>

namespace rc {

struct KeyTable {
  std::vector<std::string> columns;                  // after `variant`
  std::map<long long, std::vector<std::string>> rows;  // variant -> the columns' texts
};

// key.csv: a header beginning with variant,trays,feed_tray and one row per variant.
// Returns the first fault ("line 4: ..."), empty when the key is sound.
std::string ReadKey(const std::string& text, KeyTable& key);

// Whether an answer ("0.6123", "0,6123", "-2", "12") is right against a key text; false
// for an answer that is not a plain decimal number.
bool IsPlainNumber(const std::string& text);
bool AnswerIsRight(const std::string& answer, const std::string& key);

enum class Mark { Right, Wrong, NotGiven };

struct StudentMarks {
  long long variant = 0;
  std::string name;
  std::vector<std::string> answers, keys;  // by checked column
  std::vector<Mark> marks;
  int right = 0;
};

struct ClassMarks {
  std::vector<std::string> columns;  // the checked columns, as ANSWERS.csv orders them
  std::vector<StudentMarks> students;
  std::vector<int> rightPerColumn, givenPerColumn;
  std::vector<std::string> skipped;  // "line 7: ..." for each malformed row
};

// ANSWERS.csv: a header "variant,name," and any of the key's columns, one row per
// student. Returns a fault of the header that makes the whole file unusable, empty
// otherwise; malformed rows are listed in `skipped` and left out.
std::string CheckAnswers(const KeyTable& key, const std::string& answers, ClassMarks& marks);

// marks.csv: per student the variant, the name, per column the answer, the key and the
// mark (1 right, 0 wrong, blank when not given) and the number right of the columns;
// a last row "верно" with the number right per column.
std::string MarksCsv(const ClassMarks& marks);

}  // namespace rc
