#include "calc/input_study.h"

#include <algorithm>
#include <cmath>

#include "calc/calculations.h"
#include "calc/column_input.h"
#include "calc/tray_model.h"
#include "model/checks.h"
#include "model/data_file.h"

namespace rc {
namespace {

// The checks of an entry, in its order: the first stage, the tray data, then (for the
// column) the third stage. Returns the refusing check, with the row in data.ErrorRow.
std::optional<InputCheck> RefusingCheck(DesignData& data) {
  CheckEquilibriumData(data);
  if (data.InputError != kFalse) return InputCheck::Equilibrium;
  CheckParameterLimits(data);
  if (data.InputError != kFalse) return InputCheck::ParameterLimits;
  return std::nullopt;
}

}  // namespace

float StudyValue(double from, double to, int points, int k) {
  return static_cast<float>(from + (to - from) * k / (points - 1));
}

bool StudiesTheColumn(const DesignData& data) {
  return data.ColumnDataAccepted != kFalse || HasThirdStageTexts(data);
}

bool FloodingAppliesTo(const DesignData& data) {
  return ColumnParameters::From(CalculationInputs::Of(data)).hydraulics != Hydraulics::DualFlow;
}

StudyPoint StudyAt(const DesignData& data, const InputRow& in, float value, bool withColumn) {
  StudyPoint p;
  p.value = value;
  DesignData d = data;
  d.ParamValue[in.number] = value;
  if (const auto check = RefusingCheck(d)) {
    p.refusedBy = check;
    p.errorRow = d.ErrorRow;
    return p;
  }
  p.run = RunTrayByTray(CalculationInputs::Of(d));
  if (p.run.refusal) {
    p.outcome = p.run.refusal->kind == RefusalKind::TooManyTrays ? StudyPoint::Outcome::TooManyTrays
                                                                 : StudyPoint::Outcome::Refused;
    return p;
  }
  p.outcome = StudyPoint::Outcome::Completed;
  if (!withColumn) return p;
  CheckColumnParameterLimits(d);
  if (d.InputError != kFalse) {
    p.columnRefused = true;
    p.refusedBy = InputCheck::ColumnLimits;
    p.errorRow = d.ErrorRow;
    return p;
  }
  const ColumnDesignInput column = ColumnDesignInputOf(d, p.run);
  p.column = DesignColumn(column);
  p.window = OperatingWindow(column, *p.column, OperatingWindowValues::From(d));
  return p;
}

InputStudy StudyInput(const DesignData& data, const InputRow& in, double from, double to,
                      int points) {
  InputStudy study{&in, from, to, StudiesTheColumn(data), {}};
  points = std::clamp(points, kStudyMinPoints, kStudyMaxPoints);
  study.points.reserve(static_cast<std::size_t>(points));
  for (int k = 0; k < points; ++k) {
    study.points.push_back(StudyAt(data, in, StudyValue(from, to, points, k), study.withColumn));
  }
  return study;
}

StudyRange DefaultStudyRange(const InputRow& in, float value) {
  const auto within = [&](double v) {
    return std::clamp(v, static_cast<double>(in.min), static_cast<double>(in.max));
  };
  const double a = within(0.5 * value), b = within(1.5 * value);
  if (a != b) return {std::min(a, b), std::max(a, b)};
  const double lo = in.min, span = (static_cast<double>(in.max) - lo) / 4;
  return {in.minExclusive ? lo + span / (kStudyDefaultPoints - 1) : lo, lo + span};
}

StudyRange StudyRangeBounds(const InputRow& in) {
  const double span = static_cast<double>(in.max) - in.min;
  return {in.min - span, in.max + span};
}

std::optional<StudyRangeFault> StudyRangeFaultOf(const InputRow& in, double from, double to,
                                                 double points) {
  if (!(points >= kStudyMinPoints && points <= kStudyMaxPoints && points == std::floor(points))) {
    return StudyRangeFault::Points;
  }
  const StudyRange bounds = StudyRangeBounds(in);
  for (double end : {from, to}) {
    if (!(end >= bounds.from && end <= bounds.to)) return StudyRangeFault::EndTooFar;
  }
  // Ends that differ only past a 32-bit float's precision give one value at every point.
  if (static_cast<float>(from) == static_cast<float>(to)) return StudyRangeFault::EqualEnds;
  return std::nullopt;
}

}  // namespace rc
