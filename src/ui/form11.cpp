#include "ui/form11.h"

#include "ui/application.h"
#include "ui/command_button.h"
#include "ui/export_actions.h"
#include "ui/look.h"
#include "ui/form16.h"
#include "ui/printer_page.h"
#include "ui/reflux_view.h"
#include "ui/yx_diagram_view.h"

namespace rc {
namespace {

constexpr int kWindowWidth = 15150;   // [twips] the diagram and the profile side by side
constexpr int kWindowHeight = 10245;  // [twips] client area: two rows of buttons
constexpr int kButtonWidth = 2900;    // [twips]
constexpr int kButtonGap = 150;       // [twips]
constexpr int kFirstButtonLeft = 1000;
constexpr Colour kPrintColour = kOlive;
constexpr Colour kCloseColour = kLightRed;
constexpr Colour kViewColour = kLightCyan;
constexpr Colour kExportColour = kPaleCyan;
Control& AddButton(Window& w, const std::string& name, const std::u16string& caption,
                   Colour colour, int left, int top = Form11::kButtonTop) {
  return AddCommandButton(w, name, caption, colour, left, top, kButtonWidth);
}
// Column `index` of a row, under the first row's buttons.
constexpr int ColumnLeft(int index) { return kFirstButtonLeft + index * (kButtonWidth + kButtonGap); }

}  // namespace

Form11::Form11(Application& app)
    : Window(app, "Form11"),
      printButton(AddButton(*this, "Command1", u"ПЕЧАТЬ ДИАГРАММЫ", kPrintColour, kFirstButtonLeft)),
      closeButton(AddButton(*this, "Command2", u"ЗАКРЫТЬ ОКНО", kCloseColour,
                            kFirstButtonLeft + kButtonWidth + kButtonGap)),
      studyButton(AddButton(*this, "Command10", u"ВЛИЯНИЕ ПАРАМЕТРА", kLimeGreen,
                            kFirstButtonLeft + 4 * (kButtonWidth + kButtonGap))),
      copyTableButton(AddButton(*this, "Command11", kCopyTableCaption, kExportColour, ColumnLeft(0),
                                kSecondRowTop)),
      savePictureButton(AddButton(*this, "Command12", kSavePictureCaption, kExportColour,
                                  ColumnLeft(1), kSecondRowTop)),
      copyPictureButton(AddButton(*this, "Command13", kCopyPictureCaption, kExportColour,
                                  ColumnLeft(2), kSecondRowTop)) {}

void Form11::Load() {
  escapeCloses = true;
  left = 400;
  top = 300;
  width = kWindowWidth;
  height = kWindowHeight;
  caption = u"ДИАГРАММА Y–X";
  backColor = kYellow;
  surface().ForeColor = kDarkBlue;
  SetFont(kWindowFont);

  printButton.onClick = [this] { PrintView(); };
  closeButton.onClick = [this] { app().Unload(*this); };
  // After print, close and the two views' buttons, in what is left of the row.
  studyButton.width = kWindowWidth - studyButton.left - kButtonGap;
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
  int x = kFirstButtonLeft + 2 * (kButtonWidth + kButtonGap);
  for (std::size_t i = 0; i < views_.size(); ++i) {
    Control& button = *viewButtons_[i];
    button.left = x;
    button.visible = views_.size() > 1;
    x += kButtonWidth + kButtonGap;
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
  printButton.enabled = false;  // the document cannot be asked for twice
  Toolkit& toolkit = app().toolkit();
  Surface printer = PrinterSurface(toolkit);
  views_[shown_]->Print(*this, printer, PrintedDateTime(toolkit));
  toolkit.PrintDocument(PrintedDocument{ReportFont(), printer.Pages()});
  printButton.enabled = true;
  // The focus left the button while it was disabled: back on it, so that a second
  // Enter prints again rather than closing the window.
  SetFocus(printButton);
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
