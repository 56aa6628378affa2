#pragma once
// The two calculations. Both are pure: they take the inputs as values and hand back a
// run (every result, or the refusal of the data). Drawing is the results window's
// business; the designed record is written from a run by design_record.h.
#include "calc/design_record.h"
#include "calc/inputs.h"
#include "calc/runs.h"

namespace rc {

// The kinetic line at the six inner equilibrium points.
KineticLineRun RunKineticLine(const CalculationInputs& inputs);

// The column stepped upwards from the bottom tray, at most kMaxTrays trays.
TrayByTrayRun RunTrayByTray(const CalculationInputs& inputs);

// A calculation as the results menu starts it on the design data: run on the data's
// inputs, the record written from the run.
template <class Run>
Run Compute(Run (*calculate)(const CalculationInputs&), DesignData& data) {
  Run run = calculate(CalculationInputs::Of(data));
  WriteRecord(data, run);
  return run;
}

}  // namespace rc
