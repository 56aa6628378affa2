#pragma once
// The tray's performance diagram, one panel per section: each drawn for its section's
// critical tray (calc/operating_window.h), with that section's own vapour velocity on its
// axis, and both on one scale. The limit lines are computed as points along an axis at
// the critical tray's fixed properties: the flooding at 100 % and 85 %, Fair's
// entrainment ψ = 0.1, the weep point (sieve and valve trays), the downcomer backup at its
// limit and the residence time of 3 s; besides, the liquid load of a 10 mm weir crest, the
// design point and the minimum-load point. Pure; a point whose arithmetic fails is left
// out of its line.
#include <optional>
#include <vector>

#include "calc/operating_window.h"

namespace rc {

// A point of the diagram: the section's liquid load [m³/h] and vapour velocity [m/s].
struct DiagramPoint {
  double load = 0;
  double velocity = 0;
};

struct DiagramPanel {
  Section section = Section::BelowFeed;
  int tray = 0;          // the critical tray; 0: the section has none
  bool limits = false;   // the limit lines are drawn (not on trays without downcomers)
  bool weeps = false;    // sieve and valve trays: the weep line
  std::optional<DiagramPoint> design, minimum;
  std::vector<DiagramPoint> flooding, flooding85, entrainment, weep, backup, residence;
  std::optional<double> crestLoad;  // [m³/h] of a 10 mm weir crest
};

// The number of points each line is computed at.
inline constexpr int kDiagramLinePoints = 60;

struct PerformanceDiagram {
  DiagramPanel below, above;
  double loadEnd = 1;      // [m³/h] the axes' common ends
  double velocityEnd = 1;  // [m/s]
};

PerformanceDiagram PerformanceDiagramOf(const ColumnDesignInput& in, const ColumnDesignResult& column,
                                        const OperatingWindowValues& values);

}  // namespace rc
