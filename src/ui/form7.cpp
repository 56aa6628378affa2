#include "ui/form7.h"

#include <algorithm>

#include "calc/calculations.h"
#include "report/feed_condition_texts.h"
#include "report/screen_tables.h"
#include "ui/application.h"
#include "ui/command_button.h"
#include "ui/data_file_actions.h"
#include "ui/export_actions.h"
#include "ui/form11.h"
#include "ui/form12.h"
#include "ui/form16.h"
#include "ui/form9.h"
#include "ui/look.h"

namespace rc {
namespace {

constexpr int kFirstButtonTop = 7320;
constexpr int kButtonGap = 100;

struct ButtonDesign {
  Control* button;
  const char16_t* caption;
  int width;  // [twips]
  Colour background;
};

// The diagram button stands in the right margin, level with the first button.
constexpr int kDiagramButtonWidth = 2400;   // [twips]
constexpr int kDiagramButtonLeft = 9243;    // centred between 8887 and 12000
constexpr Colour kDiagramButtonColour = kLightCyan;
// The save button, in the same margin, in the third row.
constexpr int kSaveButtonTop = kFirstButtonTop + 2 * (kButtonHeight + kButtonGap);  // 8510
constexpr Colour kSaveButtonColour = kMint;
// The study of one input, in the fourth row.
constexpr int kStudyButtonTop = kFirstButtonTop + 3 * (kButtonHeight + kButtonGap);  // 9105
constexpr Colour kStudyButtonColour = kLimeGreen;
// The column's button under it, in the second row (its caption in two lines).
constexpr int kColumnButtonTop = kFirstButtonTop + kButtonHeight + kButtonGap;  // 7915
constexpr Colour kColumnButtonColour = kPeach;
// The copy button in the left margin, level with the first button, as the diagram
// button stands in the right one.
constexpr int kCopyButtonLeft = 357;  // centred between 0 and 3113, where the widest stacked button starts
constexpr Colour kCopyButtonColour = kPaleCyan;

}  // namespace

Form7::Form7(Application& app)
    : Window(app, "Form7"),
      // Added in tab order: Command1 .. Command5 take tab indexes 0 .. 4.
      endButton(Add("Command1", ControlKind::Button)),
      kineticLineButton(Add("Command2", ControlKind::Button)),
      trayByTrayButton(Add("Command3", ControlKind::Button)),
      changeButton(Add("Command4", ControlKind::Button)),
      printButton(Add("Command5", ControlKind::Button)),
      diagramButton(Add("Command6", ControlKind::Button)),
      columnButton(Add("Command7", ControlKind::Button)),
      saveButton(Add("Command8", ControlKind::Button)),
      studyButton(Add("Command9", ControlKind::Button)),
      copyButton(AddCommandButton(*this, "Command10", kCopyTableCaption, kCopyButtonColour,
                                  kCopyButtonLeft, kFirstButtonTop, kDiagramButtonWidth)) {}

void Form7::Load() {
  left = 100;
  top = 100;
  width = 12000;
  height = 10395;  // the client area; the last button ends at 10195
  caption = u"РЕЗУЛЬТАТЫ РАСЧЕТА";
  backColor = kYellow;
  surface().ForeColor = kDarkBlue;
  // A fixed-pitch font small enough for the three kinetic tables to fit in their panel.
  SetFont(kWindowFont);

  // Top to bottom, the order in which the buttons are stacked.
  const ButtonDesign stack[] = {
      {&kineticLineButton, u"РАСЧЕТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ", 4815, kLavender},
      {&trayByTrayButton, u"ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННОЙ КОЛОННЫ", 5775,
       kPink},
      {&printButton, u"ПЕЧАТЬ РЕЗУЛЬТАТА", 3135, kOlive},
      {&changeButton, u"ИЗМЕНЕНИЕ ИСХОДНОЙ ИНФОРМАЦИИ", 4575, kGreen},
      {&endButton, u"ОКОНЧАНИЕ РАБОТЫ С ПРОГРАММОЙ", 3975, kLightRed},
  };
  int buttonTop = kFirstButtonTop;
  for (const ButtonDesign& design : stack) {
    Control& button = *design.button;
    button.caption = design.caption;
    button.width = design.width;
    button.height = kButtonHeight;
    button.backColor = design.background;
    button.font = kButtonFont;
    button.top = buttonTop;
    button.left = RoundTwips(width / 2.0 - design.width / 2.0);
    buttonTop += kButtonHeight + kButtonGap;
  }

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

  // The right margin, one row each, from the top: the diagram, the column, the save.
  const struct {
    Control& button;
    const char16_t* caption;
    int top;
    Colour background;
    std::function<void()> onClick;
  } margin[] = {
      {diagramButton, u"ДИАГРАММА Y–X", kFirstButtonTop, kDiagramButtonColour,
       [this] { OpenDiagramWindow(app()); }},
      {columnButton, u"РАЗМЕРЫ, ГИДРАВЛИКА И ТЕПЛОВОЙ БАЛАНС", kColumnButtonTop,
       kColumnButtonColour, [this] {
         // "Да" on Form15 runs the tray-by-tray calculation as its button does; the
         // question is asked only while the menu offers that button.
         std::function<void()> runTrayByTray;
         if (trayByTrayButton.visible) runTrayByTray = trayByTrayButton.onClick;
         OpenColumnDesign(app(), *this, runTrayByTray);
       }},
      {saveButton, u"СОХРАНИТЬ ДАННЫЕ В ФАЙЛ", kSaveButtonTop, kSaveButtonColour,
       [this] { SaveDataToFile(app(), *this); }},
      {studyButton, u"ВЛИЯНИЕ ПАРАМЕТРА", kStudyButtonTop, kStudyButtonColour,
       [this] { OpenInputStudy(app()); }},
  };
  for (const auto& m : margin) {
    m.button.caption = m.caption;
    m.button.width = kDiagramButtonWidth;
    m.button.height = kButtonHeight;
    m.button.left = kDiagramButtonLeft;
    m.button.top = m.top;
    m.button.backColor = m.background;
    m.button.font = kButtonFont;
    m.button.onClick = m.onClick;
  }
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
