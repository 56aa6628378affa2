#include "ui/form13.h"

#include "report/column_texts.h"
#include "report/printed_reports.h"
#include "ui/application.h"
#include "calc/column_input.h"
#include "ui/form12.h"
#include "ui/printer_page.h"

namespace rc {
namespace {

constexpr int kWindowWidth = 12000;    // [twips]
constexpr int kWindowHeight = 9900;    // [twips] client area
constexpr int kTextX = 1000;           // [twips] the headings and the column's lines
constexpr int kHeadingY = 200;         // [twips] title, then the tray headings
constexpr int kListTop = 1000;         // [twips]
constexpr int kListHeight = 4400;      // [twips] 20 trays at a time, then it scrolls
constexpr int kListWidth = 10000;      // [twips]
constexpr int kLinesY = 5600;          // [twips] the column's lines
constexpr int kButtonTop = 9150;       // [twips]
constexpr int kButtonWidth = 3300;     // [twips]
constexpr int kButtonHeight = 495;     // [twips]
constexpr int kButtonGap = 300;        // [twips]
constexpr Colour kTextColour = Rgb(0, 0, 192);
const FontSpec kWindowFont{u"Courier", 9.75};
const FontSpec kButtonFont{u"MS Sans Serif", 8.25};

Control& AddButton(Window& w, const char* name, const char16_t* caption, Colour colour,
                   int index) {
  Control& b = w.Add(name, ControlKind::Button);
  b.caption = caption;
  b.backColor = colour;
  b.font = kButtonFont;
  b.width = kButtonWidth;
  b.height = kButtonHeight;
  b.top = kButtonTop;
  const int row = 3 * kButtonWidth + 2 * kButtonGap;
  b.left = (kWindowWidth - row) / 2 + index * (kButtonWidth + kButtonGap);
  return b;
}

}  // namespace

Form13::Form13(Application& app)
    : Window(app, "Form13"),
      list(Add("List1", ControlKind::List)),
      printButton(AddButton(*this, "Command1", u"ПЕЧАТЬ РЕЗУЛЬТАТОВ", Rgb(192, 192, 0), 0)),
      correctButton(
          AddButton(*this, "Command2", u"ИЗМЕНЕНИЕ ДАННЫХ КОЛОННЫ", Rgb(0, 255, 0), 1)),
      closeButton(AddButton(*this, "Command3", u"ЗАКРЫТЬ ОКНО", Rgb(255, 128, 128), 2)) {}

void Form13::Load() {
  left = 100;
  top = 100;
  width = kWindowWidth;
  height = kWindowHeight;
  caption = kColumnTitle;
  backColor = Rgb(255, 255, 0);
  SetFont(kWindowFont);

  list.font = kWindowFont;
  list.backColor = kGreen;
  list.foreColor = Rgb(0, 0, 128);
  list.top = kListTop;
  list.height = kListHeight;
  list.width = kListWidth;
  list.left = (kWindowWidth - kListWidth) / 2;

  printButton.onClick = [this] { PrintResults(); };
  correctButton.onClick = [this] {
    Application& a = app();
    a.Unload(*this);
    a.Form<Form12>().Review();
  };
  closeButton.onClick = [this] { app().Unload(*this); };
  SetFocus(closeButton);
}

void Form13::Refresh() {
  const DesignData& data = app().data();
  const TrayByTrayRun* run = CompletedTrayByTray(app());
  result_ = run ? DesignColumn(ColumnDesignInputOf(data, *run)) : ColumnDesignResult{};
  const char16_t separator = app().toolkit().DecimalSeparator();

  Surface& s = surface();
  s.Cls();
  s.ForeColor = kTextColour;
  s.CurrentX = kTextX;
  s.CurrentY = kHeadingY;
  s.FontBold = true;
  s.Print(std::u16string(kColumnTitle) + u" (" + TrayKindText(KindOfTrays(data)) + u")");
  s.FontBold = false;
  for (const std::u16string& heading : ColumnTrayHeadings()) {
    s.CurrentX = kTextX;
    s.Print(heading);
  }

  list.Clear();
  for (int i = 1; i <= static_cast<int>(result_.trays.size()); ++i) {
    list.AddItem(ColumnTrayRow(result_, i, separator, u"ОШИБКА"));
  }

  s.CurrentY = kLinesY;
  s.CurrentX = kTextX;
  s.FontBold = true;
  s.Print(result_.feedTray > 0 ? u"КОЛОННА В ЦЕЛОМ   (* - тарелка питания)" : u"КОЛОННА В ЦЕЛОМ");
  s.FontBold = false;
  for (const ColumnLine& line : ColumnScreenLines(result_, separator)) {
    s.CurrentX = kTextX;
    s.ForeColor = line.warning ? kRed : kTextColour;
    s.FontBold = line.warning;
    s.Print(line.text);
  }
  s.FontBold = false;
  s.ForeColor = kTextColour;
}

void Form13::PrintResults() {
  printButton.enabled = false;  // the document cannot be asked for twice
  Toolkit& toolkit = app().toolkit();
  Surface printer = PrinterSurface(toolkit);
  PrintColumnReport(printer, ReportedName(app().data()), TrayKindText(KindOfTrays(app().data())),
                    result_, PrintedDateTime(toolkit), toolkit.DecimalSeparator());
  toolkit.PrintDocument(PrintedDocument{ReportFont(), printer.Pages()});
  printButton.enabled = true;
}

void OpenColumnResults(Application& app) {
  if (Form13* open = app.FindForm<Form13>()) app.Unload(*open);
  Form13& window = app.Form<Form13>();
  window.Refresh();
  window.Show();
}

}  // namespace rc
