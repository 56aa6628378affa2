#include "ui/yx_diagram_view.h"
#include "ui/look.h"

#include "report/diagram_report.h"
#include "report/tray_profile.h"
#include "ui/application.h"
#include "ui/window_parts.h"

namespace rc {
namespace {

constexpr double kPlotLeft = 1050, kPlotTop = 450, kPlotSide = 6900;  // [twips] whole pixels
constexpr double kUnderPlot = 650;     // [twips] tick labels and the x title
constexpr int kTableLeft = 8300;       // [twips]
constexpr int kTableWidth = 6700;      // [twips] 53 characters and the scroll bar
constexpr int kTextInset = 45;         // [twips] where a list row's text starts
constexpr std::uint8_t kTrayWidth = 3, kFieldWidth = 8;
constexpr char16_t kNoProfile[] = u"ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ НЕ ВЫПОЛНЕН";

}  // namespace

TwipRect YXDiagramView::PlotArea() {
  return TwipRect{kPlotLeft, kPlotTop, kPlotLeft + kPlotSide, kPlotTop + kPlotSide};
}

void YXDiagramView::Build(Form11& window) {
  // Built after the window's frame: the labels take its background.
  Control& title = *(title_ = &AddWindowText(window, "Label1", kWindowFont, kDarkBlue));
  title.caption = kTrayProfileTitle;
  title.left = kTableLeft + kTextInset;
  title.top = 300;
  title.width = kTableWidth - kTextInset;
  title.height = 240;
  Control& heading = *(heading_ = &AddWindowText(window, "Label2", kWindowFont, kDarkBlue));
  heading.caption = TrayProfileHeading(kTrayWidth, kFieldWidth);
  heading.left = kTableLeft + kTextInset;
  heading.top = 560;
  heading.width = kTableWidth - kTextInset;
  heading.height = 240;
  title.font.bold = true;
  Control& list = *(list_ = &window.Add("List1", ControlKind::List));
  list.left = kTableLeft;
  list.top = 850;
  list.width = kTableWidth;
  list.height = 7050;
  list.font = kWindowFont;
  list.backColor = kWhite;
  list.foreColor = kDarkBlue;
  list.showsNewRows = false;  // the profile is read from the bottom tray down
  SetVisible(false);
}

void YXDiagramView::SetVisible(bool visible) {
  for (Control* c : {title_, heading_, list_}) c->visible = visible;
}

void YXDiagramView::Show(Form11& window) {
  const DesignData& data = window.app().data();
  const char16_t separator = window.app().toolkit().DecimalSeparator();
  const YXDiagramContent content = window.Content();
  const TwipRect area = PlotArea();
  DrawYXDiagram(window.surface(), CalculationInputs::Of(data), content, YXDiagramFrame(area),
                area.bottom + kUnderPlot, separator);

  Control& list = *list_;
  list.Clear();
  if (content.trays && content.trays->Count() > 0) {
    for (int i = 1; i <= content.trays->Count(); ++i) {
      list.AddItem(TrayProfileRow(*content.trays, i, kTrayWidth, kFieldWidth, separator));
    }
  } else {
    list.AddItem(kNoProfile);
  }
  SetVisible(true);
}

void YXDiagramView::Hide(Form11&) { SetVisible(false); }

void YXDiagramView::Print(Form11& window, Surface& printer, const std::u16string& dateTime) {
  PrintYXDiagram(printer, window.app().data(), window.Content(), dateTime,
                 window.app().toolkit().DecimalSeparator());
}

double YXDiagramView::DrawPicture(Form11& window, Surface& picture) {
  return DrawPrintedYXDiagram(picture, window.app().data(), window.Content(), 0,
                              window.app().toolkit().DecimalSeparator());
}

CellTable YXDiagramView::Table(Form11& window) {
  const YXDiagramContent content = window.Content();
  if (!content.trays) return CellTable{};
  return TrayProfileCells(*content.trays, window.app().toolkit().DecimalSeparator());
}

}  // namespace rc
