#pragma once
// The last run of each calculation the results menu started, held by the application
// for every window that shows results. A run carries the inputs it was made on; a window
// asks for the run only while it is still about the data as they are now, so no window
// shows results of data since corrected.
#include <optional>

#include "calc/runs.h"

namespace rc {

struct CalculationRuns {
  std::optional<KineticLineRun> kineticLine;
  std::optional<TrayByTrayRun> trayByTray;

  // The run, when it was made on the data as they are now (completed or refused); else
  // nullptr.
  const KineticLineRun* KineticLineOn(const DesignData& now) const { return About(kineticLine, now); }
  const TrayByTrayRun* TrayByTrayOn(const DesignData& now) const { return About(trayByTray, now); }

 private:
  template <class Run>
  static const Run* About(const std::optional<Run>& run, const DesignData& now) {
    return run && StillAbout(run->inputs, now) ? &*run : nullptr;
  }
};

}  // namespace rc
