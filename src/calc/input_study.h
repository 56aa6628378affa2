#pragma once
// The study of one input: the tray-by-tray calculation, and where the third stage was
// accepted the column to the end, repeated on the student's data with that one value
// replaced, at evenly spaced values over a range. Each point's data pass the same checks
// as the data of an entry before anything is computed on them.
#include <optional>
#include <vector>

#include "calc/column_design.h"
#include "calc/operating_window.h"
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
  std::optional<OperatingWindowResult> window;  // the trays' operating window, with the column
  bool columnRefused = false;  // the third stage's check refused the point's value

  bool Completed() const { return outcome == Outcome::Completed; }
};

// Whether the study goes on to the column: the third stage was typed (accepted, or all of
// it read from a data file), so that every point whose tray-by-tray calculation completes
// gets its column, even where the typed data themselves do not complete it.
bool StudiesTheColumn(const DesignData& data);

// Whether the per cent of flooding is computed on the data: not for dual-flow hydraulics
// (dual-flow trays, or any tray whose area ratio is 1).
bool FloodingAppliesTo(const DesignData& data);

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
// within the input's limits, the lower first. Where that range is empty (a value of 0)
// it runs from the lower limit over a quarter of the limits' span, its first point one
// step above a lower limit the input may not take.
struct StudyRange {
  double from = 0, to = 0;
};
StudyRange DefaultStudyRange(const InputRow& in, float value);

// Why a range typed for the study cannot be used; nothing when it can. The ends must
// differ and lie within the input's limits widened by their span on each side (values
// a 32-bit float holds, drawn with readable ticks); the points are a whole number 2..201.
enum class StudyRangeFault { EqualEnds, EndTooFar, Points };
std::optional<StudyRangeFault> StudyRangeFaultOf(const InputRow& in, double from, double to,
                                                 double points);
// The widest ends StudyRangeFaultOf admits.
StudyRange StudyRangeBounds(const InputRow& in);

}  // namespace rc
