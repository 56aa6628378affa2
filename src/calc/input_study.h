#pragma once
// The study of one input: the tray-by-tray calculation, and where the third stage was
// accepted the column to the end, repeated on the student's data with that one value
// replaced, at evenly spaced values over a range. Each point's data pass the same checks
// as the data of an entry before anything is computed on them.
#include <optional>
#include <vector>

#include "calc/column_design.h"
#include "calc/runs.h"
#include "model/design_data.h"
#include "model/input_catalogue.h"

namespace rc {

inline constexpr int kStudyMinPoints = 2;
inline constexpr int kStudyMaxPoints = 201;
inline constexpr int kStudyDefaultPoints = 41;

// v_k = from + (to - from)*k/(points - 1), worked out in double precision and stored as
// a typed value is stored, as the nearest 32-bit float.
float StudyValue(double from, double to, int points, int k);

struct StudyPoint {
  enum class Outcome {
    Completed,     // the top was reached
    TooManyTrays,  // more than 120 trays
    Refused,       // the checks or the calculation refused the data
  };
  float value = 0;
  Outcome outcome = Outcome::Refused;
  // The check that refused the point's data, and the row it marked (the point's value
  // out of its limits names the input's own check and row).
  std::optional<InputCheck> refusedBy;
  int errorRow = kNoErrorRow;
  TrayByTrayRun run;  // the tray-by-tray calculation, when the checks passed
  // The column to the end, where it was asked for, the tray-by-tray calculation completed
  // and the third stage's check passed.
  std::optional<ColumnDesignResult> column;
  bool columnRefused = false;  // the third stage's check refused the point's value

  bool Completed() const { return outcome == Outcome::Completed; }
};

// Whether the study goes on to the column: the third stage was typed and accepted.
bool StudiesTheColumn(const DesignData& data);

// One point: data with input `in` at `value`.
StudyPoint StudyAt(const DesignData& data, const InputRow& in, float value, bool withColumn);

struct InputStudy {
  const InputRow* input = nullptr;
  double from = 0, to = 0;
  bool withColumn = false;
  std::vector<StudyPoint> points;
};

// `points` (2..201) points from `from` to `to`; the column where StudiesTheColumn(data).
InputStudy StudyInput(const DesignData& data, const InputRow& in, double from, double to,
                      int points);

// The default range of an input: half and one and a half times its value, each kept
// within the input's limits.
struct StudyRange {
  double from = 0, to = 0;
};
StudyRange DefaultStudyRange(const InputRow& in, float value);

}  // namespace rc
