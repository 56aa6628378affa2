#include "ui/form7.h"

#include <algorithm>

#include "calc/calculations.h"
#include "report/feed_condition_texts.h"
#include "report/screen_tables.h"
#include "ui/application.h"
#include "ui/window_parts.h"
#include "ui/data_file_actions.h"
#include "ui/export_actions.h"
#include "ui/form11.h"
#include "ui/form12.h"
#include "ui/form16.h"
#include "ui/form9.h"
#include "ui/look.h"

namespace rc {
namespace {

constexpr int kMenuWidth = 12000;  // [twips]
constexpr int kFirstButtonTop = 7320;
constexpr int kButtonGap = 100;
// The top of button row `row` (from 0), in the middle stack and in the margins alike.
constexpr int RowTop(int row) { return kFirstButtonTop + row * (kButtonHeight + kButtonGap); }

// The margins' buttons: the diagram, the column, the save and the study in the right
// margin, one row each from the first; the copy button in the left margin, level with
// the first, as the diagram button stands in the right one.
constexpr int kMarginButtonWidth = 2400;   // [twips]
constexpr int kRightMarginLeft = 9243;     // centred between 8887 and 12000
constexpr int kLeftMarginLeft = 357;       // centred between 0 and 3113, where the widest stacked button starts

// A button of the middle stack: centred, in its row, top to bottom in the order the rows
// are numbered.
Control& AddStackButton(Window& w, const char* name, const char16_t* caption, Colour colour, int row,
                        int width) {
  return AddCommandButton(w, name, caption, colour, RoundTwips(kMenuWidth / 2.0 - width / 2.0), RowTop(row),
                          width);
}
Control& AddMarginButton(Window& w, const char* name, const std::u16string& caption, Colour colour, int left,
                         int row) {
  return AddCommandButton(w, name, caption, colour, left, RowTop(row), kMarginButtonWidth);
}

}  // namespace

Form7::Form7(Application& app)
    : Window(app, "Form7"),
      // Added in tab order: Command1 .. Command5 take tab indexes 0 .. 4.
      endButton(AddStackButton(*this, "Command1", u"ОКОНЧАНИЕ РАБОТЫ С ПРОГРАММОЙ", kLightRed, 4, 3975)),
      kineticLineButton(
          AddStackButton(*this, "Command2", u"РАСЧЕТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ", kLavender, 0, 4815)),
      trayByTrayButton(
          AddStackButton(*this, "Command3", u"ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННОЙ КОЛОННЫ", kPink, 1, 5775)),
      changeButton(AddStackButton(*this, "Command4", u"ИЗМЕНЕНИЕ ИСХОДНОЙ ИНФОРМАЦИИ", kGreen, 3, 4575)),
      printButton(AddStackButton(*this, "Command5", u"ПЕЧАТЬ РЕЗУЛЬТАТА", kOlive, 2, 3135)),
      diagramButton(AddMarginButton(*this, "Command6", u"ДИАГРАММА Y–X", kLightCyan, kRightMarginLeft, 0)),
      // Its caption in two lines.
      columnButton(AddMarginButton(*this, "Command7", u"РАЗМЕРЫ, ГИДРАВЛИКА И ТЕПЛОВОЙ БАЛАНС", kPeach,
                                   kRightMarginLeft, 1)),
      saveButton(AddMarginButton(*this, "Command8", u"СОХРАНИТЬ ДАННЫЕ В ФАЙЛ", kMint, kRightMarginLeft, 2)),
      studyButton(AddMarginButton(*this, "Command9", u"ВЛИЯНИЕ ПАРАМЕТРА", kLimeGreen, kRightMarginLeft, 3)),
      copyButton(AddMarginButton(*this, "Command10", kCopyTableCaption, kPaleCyan, kLeftMarginLeft, 0)) {}

void Form7::Load() {
  left = 100;
  top = 100;
  width = kMenuWidth;
  height = 10395;  // the client area; the last button ends at 10195
  caption = u"РЕЗУЛЬТАТЫ РАСЧЕТА";
  backColor = kYellow;
  surface().ForeColor = kDarkBlue;
  // A fixed-pitch font small enough for the three kinetic tables to fit in their panel.
  SetFont(kWindowFont);

  // A results menu opened afresh has shown nothing yet: the windows that show results
  // (the diagram, the printed report) offer only what this menu computes.
  app().runs() = CalculationRuns{};

  DesignData& data = app().data();
  kineticLineButton.onClick = [this, &data] {
    RunKineticLine();
    if (data.InputError != kFalse) trayByTrayButton.visible = false;
  };
  trayByTrayButton.onClick = [this, &data] {
    RunTrayByTray();
    if (data.InputError != kFalse) kineticLineButton.visible = false;
  };
  printButton.onClick = [this] { PrintResult(); };
  changeButton.onClick = [this] { OpenFullCorrection(app()); };
  endButton.onClick = [this] { AskBeforeEnding(*this); };

  diagramButton.onClick = [this] { OpenDiagramWindow(app()); };
  columnButton.onClick = [this] {
    // "Да" on Form15 runs the tray-by-tray calculation as its button does; the question
    // is asked only while the menu offers that button.
    std::function<void()> runTrayByTray;
    if (trayByTrayButton.visible) runTrayByTray = trayByTrayButton.onClick;
    OpenColumnDesign(app(), *this, runTrayByTray);
  };
  saveButton.onClick = [this] { SaveDataToFile(app(), *this); };
  studyButton.onClick = [this] { OpenInputStudy(app()); };
  copyButton.shortcut = kCopyTableKeys;
  copyButton.visible = false;
  copyButton.onClick = [this] { CopyTable(app(), ShownTable()); };
  // A reflex Enter starts the kinetic line, not the end of the program (the first tab
  // stop).
  SetFocus(kineticLineButton);
}

void Form7::RunKineticLine() {
  Calculate(kShownKineticLine, app().runs().kineticLine, rc::RunKineticLine, &Form7::ShowKineticResults);
}

void Form7::RunTrayByTray() {
  Calculate(kShownTrayByTray, app().runs().trayByTray, rc::RunTrayByTray, &Form7::ShowTrayResults);
}

template <class Run>
void Form7::Calculate(std::int32_t shown, std::optional<Run>& held,
                      Run (*calculate)(const CalculationInputs&), void (Form7::*show)(const Run&)) {
  DesignData& data = app().data();
  data.InputError = kFalse;
  data.ShownResult = shown;
  surface().Cls();
  const Run& run = *(held = Compute(calculate, data));
  if (run.refusal) {
    ShowCalculationRefusal(*run.refusal);
  } else {
    (this->*show)(run);
  }
  app().NotifyResultsChanged();
}

void Form7::ShowKineticResults(const KineticLineRun& run) {
  DrawKineticTable(surface(), run, width, app().toolkit().DecimalSeparator());
  printButton.visible = true;
  copyButton.visible = true;
}

std::vector<TrayBlock> Form7::ShownTrays(const TrayByTrayRun& run) const {
  // Tray 1 and the top tray, one block under the other.
  return {TrayBlockOf(run, 1), TrayBlockOf(run, run.TotalTrays())};
}

CellTable Form7::ShownTable() {
  const DesignData& data = app().data();
  const char16_t separator = app().toolkit().DecimalSeparator();
  const KineticLineRun* kinetic = app().runs().KineticLineOn(data);
  const TrayByTrayRun* trays = app().runs().TrayByTrayOn(data);
  if (data.ShownResult == kShownKineticLine && kinetic && kinetic->Completed()) {
    return KineticTableCells(*kinetic, separator);
  }
  if (data.ShownResult == kShownTrayByTray && trays && trays->Completed()) {
    return TrayTableCells(ShownTrays(*trays), separator);
  }
  return {};
}

void Form7::ShowTrayResults(const TrayByTrayRun& run) {
  const char16_t separator = app().toolkit().DecimalSeparator();
  Surface& s = surface();

  // The blocks one under the other; the summary names the feed tray as the record holds
  // it, "not found" included.
  int blockRow = 1;
  for (const TrayBlock& tray : ShownTrays(run)) DrawTrayTable(s, tray, blockRow++, width, separator);
  DrawTraySummary(s, run.TotalTrays(), run.feedTray.value_or(kFeedTrayNotFound), width);

  printButton.visible = true;
  copyButton.visible = true;
}

void Form7::ShowCalculationRefusal(const Refusal& refusal) {
  Show();
  Surface& s = surface();
  s.Cls();
  app().toolkit().Beep();
  s.ForeColor = kRed;
  s.FontBold = true;
  s.CurrentX = 3500;
  s.CurrentY = 3500;
  s.Print(refusal.Message());
  // Under it, centred in the window, why no number of trays will do.
  const std::u16string reason = BelowMinimumRefluxText(refusal, app().toolkit().DecimalSeparator());
  if (!reason.empty()) {
    const double textWidth = static_cast<double>(reason.size()) * app().toolkit().CharWidthTwips(font);
    s.CurrentX = std::max(0.0, (width - textWidth) / 2);
    s.Print(reason);
  }
  s.FontBold = false;
  s.ForeColor = kBlue;
  if (refusal.HidesKineticButton()) kineticLineButton.visible = false;
  printButton.visible = false;
  copyButton.visible = false;
  app().data().InputError = kTrue;
}

void OpenResultsMenu(Application& app) { Form7::OpenAlone(app); }

void Form7::OpenAfterCorrection(Application& app) {
  Form7& menu = app.Form<Form7>();
  menu.Show();
  menu.printButton.visible = false;
  menu.copyButton.visible = false;
  if (app.data().ShownResult == kShownKineticLine) {
    menu.RunKineticLine();
  } else if (app.data().ShownResult == kShownTrayByTray) {
    menu.RunTrayByTray();
  }
}

void Form7::OpenAlone(Application& app) {
  app.UnloadAllForms();
  Form7& menu = app.Form<Form7>();
  // UnloadAllForms keeps the window loaded last; the results menu is to be alone.
  for (Window* other : app.LoadedWindows()) {
    if (other != &menu) app.Unload(*other);
  }
  menu.Show();
  menu.printButton.visible = false;
  menu.copyButton.visible = false;
}

}  // namespace rc
