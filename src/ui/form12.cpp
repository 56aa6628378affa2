#include "ui/form12.h"

#include <optional>

#include "model/checks.h"
#include "model/data_file.h"
#include "model/input_catalogue.h"
#include "report/input_rows.h"
#include "ui/file_message.h"
#include "ui/form13.h"
#include "ui/form7.h"
#include "ui/parameter_list_layout.h"
#include "ui/prompts.h"

namespace rc {
using namespace parameter_list;
namespace {

// The line over the list, in the entry windows' blue.
constexpr char16_t kListHeading[] =
    u"ДАННЫЕ ДЛЯ РАСЧЕТА КОЛОННЫ (размеры, гидравлика и тепловой баланс)";
constexpr int kHeadingX = 1500;  // [twips]
constexpr int kHeadingY = 200;   // [twips]

}  // namespace

Form12::Form12(Application& app) : ListWindow(app, "Form12", 3) {}

void Form12::Load() {
  for (int n : InputNumbers(InputStage::Column)) {
    const int row = RowCount();
    rows.push_back(ListRow::Parameter(n, kCorrectPromptY + kRowPitch * row));
  }
  caption = u"Данные для расчета колонны";
  // Over the results menu, which takes no click while it is open: the menu's buttons
  // that show beside or under it (the end of the program among them) are out of reach.
  modal = true;
  if (const Window* menu = app().FindForm<Form7>()) ownerSerial = menu->Serial();
  list.top = kListTop;
  list.height = kListHeight;
  CentreHorizontally(list);

  PlaceReviewButtons(5100, 5700, 6300);
  CentreHorizontally(instruction);
  instruction.top = kInstructionTop;

  acceptButton.onClick = [this] { Accept(false); };
  correctButton.onClick = [this] { Correct(); };
  endOfCorrectionsButton.onClick = [this] { Accept(true); };
}

void Form12::EnterColumnData() {
  DesignData& data = app().data();
  for (Control* c : {&acceptButton, &correctButton, &endOfCorrectionsButton, &heading,
                     &faultMarker, &instruction}) {
    c->visible = false;
  }
  surface().Cls();
  PrintHeading();
  Show();
  list.visible = true;
  list.enabled = false;
  list.Clear();
  for (int row = 0; row < RowCount(); ++row) {
    const int n = rows[static_cast<std::size_t>(row)].item;
    AskParameter(app(), n, kEntryPromptY + kRowPitch * row);
    list.AddItem(ParameterRowText(data, n));
  }
  CheckColumnParameterLimits(data);
  ShowReviewButtons(data.InputError != kFalse);
}

void Form12::Review() {
  for (Control* c : {&endOfCorrectionsButton, &heading, &faultMarker, &instruction}) {
    c->visible = false;
  }
  surface().Cls();
  PrintHeading();
  caption = u"Данные для расчета колонны";
  Show();
  list.visible = true;
  list.enabled = false;
  FillList(HeaderOccasion::FullList);
  RunChecks();
  ShowReviewButtons(app().data().InputError != kFalse);
}

void Form12::PrintHeading() { PrintListHeading(kHeadingX, kHeadingY, kListHeading); }

void Form12::Correct() {
  instruction.top = kInstructionTop;
  EnterCorrectionMode();
}

void Form12::ReturnFromErrorDialog() { Correct(); }

void Form12::RunChecks() { CheckColumnParameterLimits(app().data()); }

void Form12::Accept(bool endOfCorrections) {
  DesignData& data = app().data();
  if (data.InputError == kFalse) data.ColumnDataAccepted = kTrue;
  FaultDisplay fault;
  fault.caption = u"Контроль исходной информации";
  fault.firstY = kFaultRowsY;
  AcceptOrShowFault(endOfCorrections, OpenColumnResults, fault, InputCheck::ColumnLimits,
                    [this] { app().Form<Form14>().Open(*this); });
}

Form15::Form15(Application& app)
    : YesNoDialog(app, "Form15", u"Внимание !", u"Потарельчатый расчет не выполнен.",
                  u"Выполнить его сейчас?") {
  modal = true;
}

void Form15::Open(Window& menu, std::function<void()> runTrayByTray) {
  menu_ = &menu;
  runTrayByTray_ = std::move(runTrayByTray);
  OpenOver(menu, 4000, true);
}

void Form15::Yes() {
  Hide();
  app().Unload(*this);
  if (!menu_ || !runTrayByTray_) return;
  runTrayByTray_();
  if (CompletedTrayByTray(app())) OpenColumnDesign(app(), *menu_, runTrayByTray_);
}

void Form15::No() {
  Hide();
  app().Unload(*this);
}

const TrayByTrayRun* CompletedTrayByTray(Application& app) {
  const TrayByTrayRun* run = app.runs().TrayByTrayOn(app.data());
  return run && run->Completed() && run->Count() > 0 ? run : nullptr;
}

namespace {

// Why the tray-by-tray calculation did not or cannot complete on the data as they are:
// its own refusal, else (when the menu cannot run it) the kinetic line's; nothing while
// it can still be run.
std::optional<std::u16string> TrayByTrayUnavailable(Application& app, bool canRun) {
  const CalculationRuns& runs = app.runs();
  if (const TrayByTrayRun* run = runs.TrayByTrayOn(app.data()); run && run->refusal) {
    return u"Потарельчатый: " + run->refusal->Message();
  }
  if (canRun) return std::nullopt;
  if (const KineticLineRun* run = runs.KineticLineOn(app.data()); run && run->refusal) {
    return u"Кинетическая линия: " + run->refusal->Message();
  }
  return u"Исправьте исходную информацию.";
}

}  // namespace

void OpenColumnDesign(Application& app, Window& menu, const std::function<void()>& runTrayByTray) {
  DesignData& data = app.data();
  if (!CompletedTrayByTray(app)) {
    // Asked only where "Да" can give the calculation; else the student is told why not.
    if (std::optional<std::u16string> why = TrayByTrayUnavailable(app, bool(runTrayByTray))) {
      app.Form<FileMessage>().Tell(menu, u"Расчет колонны невозможен.",
                                   u"Нужен выполненный потарельчатый расчет.", *why);
    } else {
      app.Form<Form15>().Open(menu, runTrayByTray);
    }
    return;
  }
  if (data.ColumnDataAccepted == kFalse) {
    // Values that came with an opened data file are reviewed, not asked again.
    if (HasThirdStageTexts(data)) {
      app.Form<Form12>().Review();
    } else {
      app.Form<Form12>().EnterColumnData();
    }
    return;
  }
  // Values left faulty by a correction abandoned half-way are shown for review again.
  CheckColumnParameterLimits(data);
  if (data.InputError != kFalse) {
    app.Form<Form12>().Review();
    return;
  }
  OpenColumnResults(app);
}

}  // namespace rc
