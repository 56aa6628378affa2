#include "ui/reflux_view.h"

#include "report/printed_reports.h"
#include "report/reflux_texts.h"
#include "ui/application.h"
#include "ui/look.h"

namespace rc {
namespace {

// [twips] on the diagram window, whose buttons start at kPlotButtonTop.
constexpr double kPlotLeft = kPlotAreaLeft, kPlotRight = 10800;
constexpr double kTraysTop = 350, kPlotHeight = 3350;
constexpr double kUnderPlot = 650;  // tick labels and the R title
constexpr double kPlotGap = 200;
constexpr double kLegendLeft = 10900, kLegendRight = 15050;

}  // namespace

PlotPairLayout RefluxStudyView::Layout() {
  PlotPairLayout l;
  l.first = {kPlotLeft, kTraysTop, kPlotRight, kTraysTop + kPlotHeight};
  const double volumeTop = l.first.bottom + kUnderPlot + kPlotGap;
  l.second = {kPlotLeft, volumeTop, kPlotRight, volumeTop + kPlotHeight};
  l.legend = {kLegendLeft, l.first.top, kLegendRight, l.second.bottom};
  l.linesTop = l.second.bottom + kUnderPlot;
  return l;
}

void RefluxStudyView::Show(Form11& window) {
  const RefluxSweep sweep = SweepRefluxRatio(CalculationInputs::Of(window.app().data()));
  DrawRefluxStudy(window.surface(), sweep, Layout(), window.app().toolkit().DecimalSeparator());
}

void RefluxStudyView::Print(Form11& window, Surface& printer, const std::u16string& dateTime) {
  const DesignData& data = window.app().data();
  PrintRefluxStudy(printer, ReportedName(data), SweepRefluxRatio(CalculationInputs::Of(data)), dateTime,
                   window.app().toolkit().DecimalSeparator());
}

double RefluxStudyView::DrawPicture(Form11& window, Surface& picture) {
  return DrawPrintedRefluxStudy(picture, SweepRefluxRatio(CalculationInputs::Of(window.app().data())), 0,
                                window.app().toolkit().DecimalSeparator());
}

CellTable RefluxStudyView::Table(Form11& window) {
  return RefluxSweepCells(SweepRefluxRatio(CalculationInputs::Of(window.app().data())),
                          window.app().toolkit().DecimalSeparator());
}

}  // namespace rc
