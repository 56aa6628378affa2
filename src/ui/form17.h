#pragma once
// The tray's performance diagram, "РАБОЧАЯ ОБЛАСТЬ ТАРЕЛКИ", opened from the column's
// results (Form13): the stripping and the rectifying section side by side, each for its
// critical tray, with the limit lines, the design and minimum-load points and the
// operating ray, a short help under them, and buttons to print it and to close it.
// Escape and the title bar's close button close it too.
#include "calc/performance_diagram.h"
#include "report/performance_plot.h"
#include "ui/window.h"

namespace rc {

class Form17 : public Window {
 public:
  explicit Form17(Application& app);
  void Load() override;
  bool ShowsResults() const override { return true; }
  void ResultsChanged() override { Refresh(); }

  // Computes the diagram from the present data and draws it.
  void Refresh();
  void PrintDiagram();
  const PerformanceDiagram& Diagram() const { return diagram_; }
  static PlotPairLayout Layout();

  Control& printButton;  // Command1 "ПЕЧАТЬ"
  Control& closeButton;  // Command2 "ЗАКРЫТЬ ОКНО"

 private:
  PerformanceDiagram diagram_;
};

// Opens the diagram afresh (closing one open before) over the column's results.
void OpenPerformanceDiagram(Application& app);

}  // namespace rc
