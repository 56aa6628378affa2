#pragma once
// What the two calculations hand back: every result of a run as values, beside the
// inputs the run was made on. The results menu, the tables, the reports and the plots
// read runs; the designed record is written from them in one place (design_record.h).
#include <array>
#include <optional>
#include <vector>

#include "calc/inputs.h"
#include "calc/refusal.h"
#include "model/design_data.h"

namespace rc {

// Below the feed is the stripping section, above it the rectifying section.
enum class Section { BelowFeed, AboveFeed };

// The kinetic line at one inner equilibrium point X*[i].
struct KineticPoint {
  float slope = 0;       // [-] dy*/dx of the parabola through points i-1, i, i+1
  float operatingY = 0;  // [-] vapour entering the tray whose liquid leaves at X*[i]
  TrayResult tray;
  float kineticY = 0;    // [-] vapour leaving that tray
  Section section = Section::BelowFeed;
};

struct KineticLineRun {
  CalculationInputs inputs;
  std::optional<std::array<float, 8>> slopes;  // positions 1..6, once they were fitted
  std::vector<KineticPoint> points;  // points 1, 2, ... as far as they were computed
  std::optional<Refusal> refusal;

  bool Completed() const { return !refusal && points.size() == 6; }
  // Point i (1..6); a zero point outside the computed ones.
  const KineticPoint& Point(int i) const;
};

// One real tray of the column, numbered from the bottom.
struct TrayStep {
  float x = 0;      // [-] liquid on the tray (above the feed once the feed has been passed)
  float yIn = 0;    // [-] vapour entering from below
  float yStar = 0;  // [-] y* of the tray's equilibrium parabola at x
  float yOut = 0;   // [-] vapour leaving
  TrayResult result;
  Section section = Section::BelowFeed;
};

struct TrayByTrayRun {
  CalculationInputs inputs;
  std::vector<TrayStep> trays;  // tray i at position i - 1
  std::optional<int> feedTray;  // the feed tray, when the liquid passed XF
  // The liquid of the tray after the last one computed, when the run stopped on it (the
  // tray limit, or a refusal while evaluating it).
  std::optional<float> unfinishedLiquid;
  std::optional<Refusal> refusal;

  bool Completed() const { return !refusal; }
  int Count() const { return static_cast<int>(trays.size()); }
  // The number of the top tray of a completed run; 0 after a refusal.
  int TotalTrays() const { return Completed() ? Count() : 0; }
  // Tray i (1..Count()).
  const TrayStep& Tray(int i) const { return trays.at(static_cast<std::size_t>(i - 1)); }
};

}  // namespace rc
