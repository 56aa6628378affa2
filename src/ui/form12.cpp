#include "ui/form12.h"

#include "model/checks.h"
#include "model/data_file.h"
#include "report/input_rows.h"
#include "ui/form13.h"
#include "ui/parameter_list_layout.h"
#include "ui/prompts.h"

namespace rc {
using namespace parameter_list;

Form12::Form12(Application& app) : ListWindow(app, "Form12", 3) {}

void Form12::Load() {
  for (int n = kFirstColumnParameter; n <= kLastColumnParameter; ++n) {
    const int row = n - kFirstColumnParameter;
    rows.push_back(ListRow::Parameter(n, kCorrectPromptY + kRowPitch * row));
  }
  caption = u"Данные для расчета колонны";
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
  caption = u"Данные для расчета колонны";
  Show();
  list.visible = true;
  list.enabled = false;
  FillList(HeaderOccasion::FullList);
  RunChecks();
  ShowReviewButtons(app().data().InputError != kFalse);
}

void Form12::Correct() {
  instruction.top = kInstructionTop;
  EnterCorrectionMode();
}

void Form12::ReturnFromErrorDialog() { Correct(); }

void Form12::RunChecks() { CheckColumnParameterLimits(app().data()); }

void Form12::Accept(bool endOfCorrections) {
  // Acts on the verdict of the last check: entry or the last row corrected.
  DesignData& data = app().data();
  if (data.InputError == kFalse) {
    data.ColumnDataAccepted = kTrue;
    app().Unload(*this);
    OpenColumnResults(app());
    return;
  }
  ShowInputFault(endOfCorrections);
}

void Form12::ShowInputFault(bool endOfCorrections) {
  FaultDisplay fault;
  fault.caption = u"Контроль исходной информации";
  fault.firstY = kFaultRowsY;
  fault.markedRow = RowOfFault(Check::ColumnLimits, app().data().ErrorRow);
  ShowFault(fault);
  if (endOfCorrections) endOfCorrectionsButton.visible = false;
  app().Form<Form14>().Open(*this);
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

void OpenColumnDesign(Application& app, Window& menu, const std::function<void()>& runTrayByTray) {
  DesignData& data = app.data();
  if (!CompletedTrayByTray(app)) {
    app.Form<Form15>().Open(menu, runTrayByTray);
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
