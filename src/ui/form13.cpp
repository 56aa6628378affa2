#include "ui/form13.h"

#include "report/column_texts.h"
#include "report/printed_reports.h"
#include "ui/application.h"
#include "ui/window_parts.h"
#include "ui/export_actions.h"
#include "calc/column_input.h"
#include "ui/form12.h"
#include "ui/form17.h"
#include "ui/look.h"
#include "ui/form7.h"
#include "ui/printer_page.h"

namespace rc {
namespace {

constexpr int kWindowWidth = 13400;    // [twips] the longest warning, 100 characters
constexpr int kTextX = 1000;           // [twips] the headings and the column's lines
constexpr int kHeadingY = 200;         // [twips] title, then the tray headings
constexpr int kListTop = 1000;         // [twips]
constexpr int kTrayListHeight = 2400;  // [twips] 12 trays in view; the rest scroll
constexpr int kLinesY = kListTop + kTrayListHeight + 200;  // [twips] the column's lines
// The most lines under the list: the column's title and its 12 lines with 5 warnings, a
// blank, the operating window's title and its 6 lines with 5 warnings.
constexpr int kMostLines = 31;
constexpr int kButtonTop = kLinesY + kMostLines * kRowPitch + 100;  // [twips]
constexpr int kWindowHeight = kButtonTop + 2 * kButtonHeight + 100 + 150;  // [twips] client area
constexpr int kButtonWidth = 3300;     // [twips]
constexpr int kButtonGap = 300;        // [twips]
constexpr int kSecondRowTop = kButtonTop + kButtonHeight + 100;  // [twips] the copy button
constexpr Colour kTextColour = kDarkBlue;
// The performance diagram's button stands at the right of the column's lines.
constexpr int kWindowButtonLeft = 7700, kWindowButtonWidth = 3300;

// The column's lines from the left margin, a warning in bold red.
void PrintLines(Surface& s, const std::vector<ColumnLine>& lines) {
  for (const ColumnLine& line : lines) {
    s.CurrentX = kTextX;
    s.ForeColor = line.warning ? kRed : kTextColour;
    s.FontBold = line.warning;
    s.Print(line.text);
  }
  s.FontBold = false;
  s.ForeColor = kTextColour;
}

Control& AddButton(Window& w, const char* name, const char16_t* caption, Colour colour,
                   int index) {
  const int row = 3 * kButtonWidth + 2 * kButtonGap;
  const int left = (kWindowWidth - row) / 2 + index * (kButtonWidth + kButtonGap);
  return AddCommandButton(w, name, caption, colour, left, kButtonTop, kButtonWidth);
}

}  // namespace

Form13::Form13(Application& app)
    : Window(app, "Form13"),
      // Opened at tray 1, which the column's lines below name; under the headings.
      list(AddResultList(*this, "List1", kTextX, kListTop, kListWidth, kTrayListHeight)),
      printButton(AddButton(*this, "Command1", u"ПЕЧАТЬ РЕЗУЛЬТАТОВ", kOlive, 0)),
      correctButton(
          AddButton(*this, "Command2", u"ИЗМЕНЕНИЕ ДАННЫХ КОЛОННЫ", kGreen, 1)),
      closeButton(AddButton(*this, "Command3", u"ЗАКРЫТЬ ОКНО", kLightRed, 2)),
      copyButton(AddCommandButton(*this, "Command4", kCopyTableCaption, kPaleCyan, printButton.left,
                                  kSecondRowTop, kButtonWidth)),
      windowButton(AddCommandButton(*this, "Command5", u"РАБОЧАЯ ОБЛАСТЬ ТАРЕЛКИ", kLightCyan,
                                    kWindowButtonLeft, kLinesY, kWindowButtonWidth)) {}

void Form13::Load() {
  SetResultWindowFrame(*this, 100, 100, kWindowWidth, kWindowHeight, kColumnTitle);
  escapeCloses = true;
  // Over the results menu, which takes no click while it is open: the menu's buttons
  // that show beside or under it (the end of the program among them) are out of reach.
  modal = true;
  if (const Window* menu = app().FindForm<Form7>()) ownerSerial = menu->Serial();

  printButton.onClick = [this] { PrintResults(); };
  correctButton.onClick = [this] {
    Application& a = app();
    a.Unload(*this);
    a.Form<Form12>().Review();
  };
  closeButton.onClick = [this] { app().Unload(*this); };
  copyButton.shortcut = kCopyTableKeys;
  copyButton.onClick = [this] { CopyTable(app(), ShownTable()); };
  windowButton.onClick = [this] { OpenPerformanceDiagram(app()); };
  SetFocus(closeButton);
}

void Form13::Refresh() {
  const DesignData& data = app().data();
  const TrayByTrayRun* run = CompletedTrayByTray(app());
  result_ = ColumnDesignResult{};
  window_ = OperatingWindowResult{};
  if (run) {
    const ColumnDesignInput in = ColumnDesignInputOf(data, *run);
    result_ = DesignColumn(in);
    window_ = OperatingWindow(in, result_, OperatingWindowValues::From(data));
  }
  windowButton.visible = !result_.trays.empty();
  const char16_t separator = app().toolkit().DecimalSeparator();

  Surface& s = surface();
  s.Cls();
  s.ForeColor = kTextColour;
  s.CurrentX = kTextX;
  s.CurrentY = kHeadingY;
  s.FontBold = true;
  s.Print(std::u16string(kColumnTitle) + u" (" + TrayKindText(KindOfTrays(data)) + u")");
  s.FontBold = false;
  for (const std::u16string& heading : ColumnTrayHeadings(result_)) {
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
  PrintLines(s, ColumnResultLines(data, result_, separator));
  if (result_.trays.empty()) return;
  s.Print();
  s.CurrentX = kTextX;
  s.FontBold = true;
  s.Print(kOperatingWindowBlockTitle);
  PrintLines(s, OperatingWindowLines(window_, separator));
}

namespace {

// The cells of a line whose parts stand two or more blanks apart: the headings' names
// ("Pобщ, Па"), a label and its value.
CellRow PartsOfLine(const std::u16string& line) {
  CellRow cells;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    const bool gap = i == line.size() || (line[i] == u' ' && i + 1 < line.size() && line[i + 1] == u' ');
    if (!gap) continue;
    if (const std::u16string part = Trimmed(line.substr(start, i - start)); !part.empty()) {
      cells.push_back(part);
    }
    start = i + 1;
  }
  return cells;
}

}  // namespace

CellTable Form13::ShownTable() const {
  // Read back from what Refresh drew: the headings' last line just before the title of
  // the column's lines, the lines after it, and the list's rows.
  CellTable table;
  const std::vector<std::u16string> texts = surface().Texts();
  std::size_t title = 0;
  while (title < texts.size() && texts[title].rfind(u"КОЛОННА В ЦЕЛОМ", 0) != 0) ++title;
  if (title > 0 && title < texts.size()) table.heading = PartsOfLine(texts[title - 1]);
  for (const std::u16string& row : list.items) table.rows.push_back(CellsOfLine(row));
  for (std::size_t i = title + 1; i < texts.size(); ++i) table.rows.push_back(PartsOfLine(texts[i]));
  return table;
}

void Form13::PrintResults() {
  PrintFromButton(*this, printButton, [this](Surface& printer, const std::u16string& dateTime, char16_t separator) {
    PrintColumnReport(printer, app().data(), result_, dateTime, separator, &window_);
  });
}

void OpenColumnResults(Application& app) {
  if (Form13* open = app.FindForm<Form13>()) app.Unload(*open);
  Form13& window = app.Form<Form13>();
  window.Refresh();
  window.Show();
  // The third stage was accepted or corrected: the windows that study the data hear it.
  app.NotifyResultsChanged();
}

}  // namespace rc
