#include "ui/form11.h"

#include "ui/application.h"
#include "ui/window_parts.h"
#include "ui/export_actions.h"
#include "ui/look.h"
#include "ui/form16.h"
#include "ui/printer_page.h"
#include "ui/reflux_view.h"
#include "ui/yx_diagram_view.h"

namespace rc {
namespace {

constexpr Colour kPrintColour = kOlive;
constexpr Colour kCloseColour = kLightRed;
constexpr Colour kViewColour = kLightCyan;
constexpr Colour kExportColour = kPaleCyan;
Control& AddButton(Window& w, const std::string& name, const std::u16string& caption,
                   Colour colour, int left, int top = kPlotButtonTop) {
  return AddCommandButton(w, name, caption, colour, left, top, kPlotButtonWidth);
}

}  // namespace

Form11::Form11(Application& app)
    : Window(app, "Form11"),
      printButton(AddButton(*this, "Command1", u"ПЕЧАТЬ ДИАГРАММЫ", kPrintColour, PlotButtonLeft(0))),
      closeButton(AddButton(*this, "Command2", u"ЗАКРЫТЬ ОКНО", kCloseColour,
                            PlotButtonLeft(1))),
      studyButton(AddButton(*this, "Command10", u"ВЛИЯНИЕ ПАРАМЕТРА", kLimeGreen,
                            PlotButtonLeft(4))),
      copyTableButton(AddButton(*this, "Command11", kCopyTableCaption, kExportColour, PlotButtonLeft(0),
                                kPlotSecondRowTop)),
      savePictureButton(AddButton(*this, "Command12", kSavePictureCaption, kExportColour,
                                  PlotButtonLeft(1), kPlotSecondRowTop)),
      copyPictureButton(AddButton(*this, "Command13", kCopyPictureCaption, kExportColour,
                                  PlotButtonLeft(2), kPlotSecondRowTop)) {}

void Form11::Load() {
  escapeCloses = true;
  SetResultWindowFrame(*this, 400, 300, kPlotWindowWidth, kPlotWindowHeight, u"ДИАГРАММА Y–X");

  printButton.onClick = [this] { PrintView(); };
  closeButton.onClick = [this] { app().Unload(*this); };
  // After print, close and the two views' buttons, in what is left of the row.
  studyButton.width = kPlotWindowWidth - studyButton.left - kPlotButtonGap;
  studyButton.onClick = [this] { OpenInputStudy(app()); };
  copyTableButton.shortcut = kCopyTableKeys;
  copyTableButton.onClick = [this] { CopyViewTable(); };
  savePictureButton.onClick = [this] {
    SavePicture(app(), *this, ViewPicture(), views_[shown_]->PictureName());
  };
  copyPictureButton.shortcut = kCopyPictureKeys;
  copyPictureButton.onClick = [this] { CopyPicture(app(), ViewPicture()); };

  // The views, in the order of their buttons.
  AddView(std::make_unique<YXDiagramView>(), "Command3");
  AddView(std::make_unique<RefluxStudyView>(), "Command4");
  PlaceViewButtons();
  ShowView(0);
}

void Form11::AddView(std::unique_ptr<DiagramView> view, const std::string& buttonName) {
  const std::size_t index = views_.size();
  Control& button = AddButton(*this, buttonName, view->Caption(), kViewColour, 0);
  button.onClick = [this, index] { ShowView(index); };
  viewButtons_.push_back(&button);
  view->Build(*this);
  views_.push_back(std::move(view));
}

void Form11::PlaceViewButtons() {
  // After print and close, left to right; one view alone needs no button.
  int x = PlotButtonLeft(2);
  for (std::size_t i = 0; i < views_.size(); ++i) {
    Control& button = *viewButtons_[i];
    button.left = x;
    button.visible = views_.size() > 1;
    x += kPlotButtonWidth + kPlotButtonGap;
  }
}

void Form11::ShowView(std::size_t index) {
  if (index >= views_.size()) return;
  views_[shown_]->Hide(*this);
  shown_ = index;
  caption = views_[shown_]->Caption();
  for (std::size_t i = 0; i < views_.size(); ++i) viewButtons_[i]->enabled = i != shown_;
  Refresh();
}

void Form11::Refresh() {
  surface().Cls();
  views_[shown_]->Show(*this);
}

YXDiagramContent Form11::Content() {
  YXDiagramContent content;
  const DesignData& data = app().data();
  const CalculationRuns& runs = app().runs();
  const KineticLineRun* kinetic = runs.KineticLineOn(data);
  const TrayByTrayRun* trays = runs.TrayByTrayOn(data);
  if (kinetic && kinetic->Completed()) content.kineticLine = kinetic;
  if (trays && trays->Completed()) content.trays = trays;
  if (kinetic && kinetic->refusal) content.refusals.push_back(kinetic->refusal->Message());
  if (trays && trays->refusal) content.refusals.push_back(trays->refusal->Message());
  return content;
}

void Form11::PrintView() {
  PrintFromButton(*this, printButton, [this](Surface& printer, const std::u16string& dateTime, char16_t) {
    views_[shown_]->Print(*this, printer, dateTime);
  });
}

void Form11::CopyViewTable() { CopyTable(app(), views_[shown_]->Table(*this)); }

PlotPicture Form11::ViewPicture() {
  return PictureOf(app().toolkit(), [this](Surface& s) { return views_[shown_]->DrawPicture(*this, s); });
}

void OpenDiagramWindow(Application& app) {
  std::size_t view = 0;
  if (Form11* open = app.FindForm<Form11>()) {
    view = open->ShownView();
    app.Unload(*open);
  }
  Form11& window = app.Form<Form11>();
  window.ShowView(view);
  window.Show();
}

}  // namespace rc
