#include "ui/form17.h"

#include "calc/column_input.h"
#include "calc/operating_window.h"
#include "ui/application.h"
#include "ui/window_parts.h"
#include "ui/form12.h"
#include "ui/form13.h"
#include "ui/look.h"

namespace rc {
namespace {

// [twips]: the panels side by side, the legend at the right under them, the help at the
// left, the buttons at the bottom.
constexpr int kWindowHeight = 9750;  // one row of buttons
constexpr double kPanelTop = 650, kPanelBottom = 6000;
constexpr double kBelowLeft = kPlotAreaLeft, kBelowRight = 7100;
constexpr double kAboveLeft = 8550, kAboveRight = 14550;
constexpr double kLegendTop = 6750, kLegendBottom = 8850;
constexpr double kHelpTop = 6900;

}  // namespace

Form17::Form17(Application& app)
    : Window(app, "Form17"),
      printButton(AddCommandButton(*this, "Command1", u"ПЕЧАТЬ", kOlive, PlotButtonLeft(0), kPlotButtonTop,
                                   kPlotButtonWidth)),
      closeButton(AddCommandButton(*this, "Command2", u"ЗАКРЫТЬ ОКНО", kLightRed, PlotButtonLeft(1), kPlotButtonTop,
                                   kPlotButtonWidth)) {}

PlotPairLayout Form17::Layout() {
  PlotPairLayout l;
  l.first = {kBelowLeft, kPanelTop, kBelowRight, kPanelBottom};
  l.second = {kAboveLeft, kPanelTop, kAboveRight, kPanelBottom};
  l.legend = {kAboveLeft, kLegendTop, kAboveRight, kLegendBottom};
  l.linesTop = kHelpTop;
  return l;
}

void Form17::Load() {
  SetResultWindowFrame(*this, 300, 200, kPlotWindowWidth, kWindowHeight, kOperatingWindowTitle);
  escapeCloses = true;
  // Over the column's results, which take no click while it is open.
  modal = true;
  if (const Window* results = app().FindForm<Form13>()) ownerSerial = results->Serial();
  printButton.onClick = [this] { PrintDiagram(); };
  closeButton.onClick = [this] { app().Unload(*this); };
  SetFocus(closeButton);
}

void Form17::Refresh() {
  const DesignData& data = app().data();
  diagram_ = PerformanceDiagram{};
  if (const TrayByTrayRun* run = CompletedTrayByTray(app())) {
    const ColumnDesignInput in = ColumnDesignInputOf(data, *run);
    diagram_ = PerformanceDiagramOf(in, DesignColumn(in), OperatingWindowValues::From(data));
  }
  Surface& s = surface();
  s.Cls();
  DrawPerformanceDiagram(s, diagram_, Layout(), app().toolkit().DecimalSeparator());
}

void Form17::PrintDiagram() {
  PrintFromButton(*this, printButton, [this](Surface& printer, const std::u16string& dateTime, char16_t separator) {
    PrintPerformanceDiagram(printer, app().data().StudentName, diagram_, dateTime, separator);
  });
}

void OpenPerformanceDiagram(Application& app) {
  if (Form17* open = app.FindForm<Form17>()) app.Unload(*open);
  Form17& window = app.Form<Form17>();
  window.Refresh();
  window.Show();
}

}  // namespace rc
