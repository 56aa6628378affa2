#include "ui/form17.h"

#include "calc/column_input.h"
#include "calc/operating_window.h"
#include "ui/application.h"
#include "ui/command_button.h"
#include "ui/form12.h"
#include "ui/form13.h"
#include "ui/look.h"
#include "ui/printer_page.h"

namespace rc {
namespace {

// [twips]: the panels side by side, the legend at the right under them, the help at the
// left, the buttons at the bottom.
constexpr int kWindowWidth = 15150, kWindowHeight = 9750;
constexpr double kPanelTop = 650, kPanelBottom = 6000;
constexpr double kBelowLeft = 1100, kBelowRight = 7100;
constexpr double kAboveLeft = 8550, kAboveRight = 14550;
constexpr double kLegendTop = 6750, kLegendBottom = 8850;
constexpr double kHelpTop = 6900;
constexpr int kButtonTop = 9000, kButtonWidth = 2900;
constexpr Colour kPrintColour = kOlive;
constexpr Colour kCloseColour = kLightRed;

}  // namespace

Form17::Form17(Application& app)
    : Window(app, "Form17"),
      printButton(AddCommandButton(*this, "Command1", u"ПЕЧАТЬ", kPrintColour, 1000, kButtonTop, kButtonWidth)),
      closeButton(AddCommandButton(*this, "Command2", u"ЗАКРЫТЬ ОКНО", kCloseColour,
                                   1000 + kButtonWidth + 150, kButtonTop, kButtonWidth)) {}

PlotPairLayout Form17::Layout() {
  PlotPairLayout l;
  l.first = {kBelowLeft, kPanelTop, kBelowRight, kPanelBottom};
  l.second = {kAboveLeft, kPanelTop, kAboveRight, kPanelBottom};
  l.legend = {kAboveLeft, kLegendTop, kAboveRight, kLegendBottom};
  l.linesTop = kHelpTop;
  return l;
}

void Form17::Load() {
  left = 300;
  top = 200;
  width = kWindowWidth;
  height = kWindowHeight;
  caption = kOperatingWindowTitle;
  escapeCloses = true;
  // Over the column's results, which take no click while it is open.
  modal = true;
  if (const Window* results = app().FindForm<Form13>()) ownerSerial = results->Serial();
  backColor = kYellow;
  surface().ForeColor = kDarkBlue;
  SetFont(kWindowFont);
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
  printButton.enabled = false;  // the document cannot be asked for twice
  Toolkit& toolkit = app().toolkit();
  Surface printer = PrinterSurface(toolkit);
  PrintPerformanceDiagram(printer, app().data().StudentName, diagram_, PrintedDateTime(toolkit),
                          toolkit.DecimalSeparator());
  toolkit.PrintDocument(PrintedDocument{ReportFont(), printer.Pages()});
  printButton.enabled = true;
  SetFocus(printButton);
}

void OpenPerformanceDiagram(Application& app) {
  if (Form17* open = app.FindForm<Form17>()) app.Unload(*open);
  Form17& window = app.Form<Form17>();
  window.Refresh();
  window.Show();
}

}  // namespace rc
